#include "base/raison_ecriture.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string dossierDe(const std::string& chemin) {
  const size_t barre = chemin.find_last_of('/');
  if (barre == std::string::npos) return ".";
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

}  // namespace

RaisonEcriture raisonEcriture(const std::string& chemin) {
  struct stat st;
  if (stat(chemin.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return RaisonEcriture::Dossier;
    if ((st.st_mode & 0222) == 0 || access(chemin.c_str(), W_OK) != 0)
      return RaisonEcriture::LectureSeule;
  }
  const std::string dossier = dossierDe(chemin);
  if (stat(dossier.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return RaisonEcriture::Impossible;
  if (access(dossier.c_str(), W_OK) != 0) return RaisonEcriture::LectureSeule;
  return RaisonEcriture::Impossible;
}

const char* cleRaisonEcriture(RaisonEcriture raison) {
  switch (raison) {
    case RaisonEcriture::Dossier: return "RaisonDossier";
    case RaisonEcriture::LectureSeule: return "RaisonLectureSeule";
    case RaisonEcriture::Aucune:
    case RaisonEcriture::Impossible: break;
  }
  return "RaisonEcriture";
}
