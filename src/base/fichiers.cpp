#include "base/fichiers.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "base/texte.h"

int compterFichiers(const std::string& dossier, const std::string& suffixe) {
  DIR* d = opendir(dossier.c_str());
  if (!d) return 0;
  int n = 0;
  while (dirent* e = readdir(d))
    if (finitPar(e->d_name, suffixe.c_str())) ++n;
  closedir(d);
  return n;
}

std::optional<std::vector<std::string>> listerFichiers(const std::string& dossier,
                                                       const std::string& suffixe) {
  // One pass: the vector grows as needed, so entries added between two passes cannot overflow it.
  DIR* d = opendir(dossier.c_str());
  if (!d) return std::nullopt;
  std::vector<std::string> noms;
  while (dirent* e = readdir(d))
    if (finitPar(e->d_name, suffixe.c_str())) noms.emplace_back(e->d_name);
  closedir(d);
  return noms;
}

namespace {

// Opens a regular file for reading without ever blocking (a named pipe with no writer would hang
// a plain open): -1 with `resultat` set when the path holds something else.
int ouvrirOrdinaire(const std::string& chemin, int drapeaux, Lecture& resultat) {
  const int fd = open(chemin.c_str(), drapeaux | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    resultat = errno == ENOENT || errno == ENOTDIR ? Lecture::Absent
               : errno == EISDIR || errno == ENXIO ? Lecture::PasOrdinaire
                                                   : Lecture::Illisible;
    return -1;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    resultat = Lecture::PasOrdinaire;
    close(fd);
    return -1;
  }
  resultat = Lecture::Lu;
  return fd;
}

bool ouvrable(const std::string& chemin, int drapeaux) {
  Lecture l;
  const int fd = ouvrirOrdinaire(chemin, drapeaux, l);
  if (fd < 0) return false;
  close(fd);
  return true;
}

}  // namespace

bool cheminDansDossier(const std::string& chemin, const std::string& dossier) {
  namespace fs = std::filesystem;
  std::error_code erreur;
  const fs::path fichier = fs::weakly_canonical(fs::absolute(chemin, erreur), erreur);
  if (erreur) return false;
  const fs::path racine = fs::weakly_canonical(fs::absolute(dossier, erreur), erreur);
  if (erreur || racine.empty()) return false;
  const fs::path relatif = fichier.lexically_relative(racine);
  if (relatif.empty() || relatif == ".") return false;
  const std::string premier = relatif.begin()->string();
  return premier != ".." && premier != ".";
}

bool fichierExiste(const std::string& chemin) { return ouvrable(chemin, O_RDONLY); }

bool fichierModifiable(const std::string& chemin) { return ouvrable(chemin, O_RDWR); }

const char* texteLecture(Lecture l) {
  switch (l) {
    case Lecture::Lu: return "lu";
    case Lecture::Absent: return "absent";
    case Lecture::PasOrdinaire: return "pas un fichier ordinaire";
    case Lecture::TropGrand: return "trop grand";
    case Lecture::Illisible: return "illisible";
  }
  return "illisible";
}

std::string ligneFichierIgnore(const std::string& chemin, Lecture l) {
  return "Fichier ignoré : " + chemin + " (" + texteLecture(l) + ")";
}

Lecture lireFichierOrdinaire(const std::string& chemin, size_t maximum, std::string& contenu,
                             bool debutSeulement) {
  contenu.clear();
  Lecture resultat;
  const int fd = ouvrirOrdinaire(chemin, O_RDONLY, resultat);
  if (fd < 0) return resultat;
  struct stat st;
  if (!debutSeulement && fstat(fd, &st) == 0 && static_cast<uint64_t>(st.st_size) > maximum) {
    close(fd);
    return Lecture::TropGrand;
  }
  // The size may change while reading: the limit holds for what is really read.
  char bloc[65536];
  for (;;) {
    const ssize_t n = read(fd, bloc, sizeof bloc);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      resultat = Lecture::Illisible;
      break;
    }
    if (contenu.size() + static_cast<size_t>(n) > maximum) {
      if (debutSeulement) {
        contenu.append(bloc, maximum - contenu.size());
        break;
      }
      resultat = Lecture::TropGrand;
      break;
    }
    contenu.append(bloc, static_cast<size_t>(n));
  }
  close(fd);
  if (resultat != Lecture::Lu) std::string().swap(contenu);
  return resultat;
}

Lecture natureFichier(const std::string& chemin) {
  struct stat st;
  if (stat(chemin.c_str(), &st) != 0) return errno == ENOENT ? Lecture::Absent : Lecture::Illisible;
  return S_ISREG(st.st_mode) ? Lecture::Lu : Lecture::PasOrdinaire;
}

std::string lireFichier(const std::string& chemin) {
  std::string contenu;
  lireFichierOrdinaire(chemin, LireFichierMax, contenu);
  return contenu;
}
