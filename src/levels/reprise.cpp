#include "levels/reprise.h"

#include "platform/repertoires.h"

namespace {

const char* const Dossiers[] = {"mapsoff/", "mapsusr/"};

// The file name when `chemin` lies directly in the resolved `dossier`; else empty.
std::string nomDans(const std::string& chemin, const char* dossier) {
  if (!repertoires) return "";
  std::string d = repertoires->chemin(dossier);
  if (d.empty()) return "";
  if (d.back() != '/') d += '/';
  if (chemin.size() <= d.size() || chemin.compare(0, d.size(), d) != 0) return "";
  const std::string nom = chemin.substr(d.size());
  return nom.find('/') == std::string::npos ? nom : "";
}

}  // namespace

bool estFichierOfficiel(const std::string& chemin) { return !nomDans(chemin, Dossiers[0]).empty(); }

std::string identiteCatalogue(const std::string& chemin) {
  for (const char* d : Dossiers) {
    const std::string nom = nomDans(chemin, d);
    if (!nom.empty()) return d + nom;
  }
  return "";
}

int indiceCatalogue(const std::vector<EntreeCatalogue>& entrees, const std::string& identite) {
  if (identite.empty()) return -1;
  for (size_t i = 0; i < entrees.size(); ++i)
    if (identiteCatalogue(entrees[i].chemin) == identite) return static_cast<int>(i);
  return -1;
}

std::string fichierOfficielSuivant(const std::vector<EntreeCatalogue>& entrees,
                                   const std::string& chemin) {
  if (!estFichierOfficiel(chemin)) return "";
  const int i = indiceCatalogue(entrees, identiteCatalogue(chemin));
  if (i < 0) return "";
  for (size_t j = static_cast<size_t>(i) + 1; j < entrees.size(); ++j)
    if (estFichierOfficiel(entrees[j].chemin)) return entrees[j].chemin;
  return "";
}
