#include "base/utilitaires.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <system_error>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/journal.h"

int entierVersTexte(int32_t valeur, char* tampon, int base, int capacite) {
  if (!tampon || capacite < 1) return -2;
  if (capacite == 1) {
    // Only the terminator fits: an empty text, the whole value (or the error) left out.
    tampon[0] = '\0';
    if (base < 2 || base > 36) return -1;
    uint32_t reste = valeur < 0 ? 0u - static_cast<uint32_t>(valeur) : static_cast<uint32_t>(valeur);
    return reste > INT32_MAX ? INT32_MAX : static_cast<int>(reste);
  }
  if (base < 2 || base > 36) {
    std::strcpy(tampon, capacite < 6 ? "!" : "[ERR]");
    return -1;
  }
  if (valeur == 0) {
    tampon[0] = '0';
    tampon[1] = '\0';
    return 0;
  }
  const bool negatif = valeur < 0;
  // Unsigned magnitude: -INT32_MIN does not fit in an int32.
  uint32_t reste = negatif ? 0u - static_cast<uint32_t>(valeur) : static_cast<uint32_t>(valeur);
  const int maxChiffres = negatif ? capacite - 2 : capacite - 1;
  int n = 0;
  while (reste != 0 && n < maxChiffres) {
    uint32_t chiffre = reste % static_cast<uint32_t>(base);
    tampon[n++] = static_cast<char>(chiffre < 10 ? '0' + chiffre : 'A' + (chiffre - 10));
    reste /= static_cast<uint32_t>(base);
  }
  if (negatif) tampon[n++] = '-';
  for (int i = 0, j = n - 1; i < j; ++i, --j) {
    char c = tampon[i];
    tampon[i] = tampon[j];
    tampon[j] = c;
  }
  tampon[n] = '\0';
  return reste > INT32_MAX ? INT32_MAX : static_cast<int>(reste);
}

void boolVersTexte(bool valeur, char* tampon) {
  tampon[0] = valeur ? '1' : '0';
  tampon[1] = '\0';
}

bool texteVersBool(const char* texte, bool defaut) {
  if (!texte) return defaut;
  if (std::strcmp(texte, "1") == 0) return true;
  if (std::strcmp(texte, "0") == 0) return false;
  return defaut;
}

int32_t texteVersEntier(const char* texte) {
  if (!texte) return 0;
  const char* p = texte;
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  bool negatif = false;
  if (*p == '+' || *p == '-') negatif = (*p++ == '-');
  int64_t v = 0;
  const int64_t limite = negatif ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
  while (*p >= '0' && *p <= '9') {
    v = v * 10 + (*p++ - '0');
    if (v > limite) v = limite;  // saturate instead of overflowing; later digits change nothing
  }
  return static_cast<int32_t>(negatif ? -v : v);
}

bool finitPar(const char* texte, const char* suffixe) {
  if (!suffixe) return true;
  if (!texte) return false;
  size_t lt = std::strlen(texte), ls = std::strlen(suffixe);
  return ls <= lt && std::memcmp(texte + lt - ls, suffixe, ls) == 0;
}

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

bool codeLangueValide(const std::string& code) {
  if (code.empty()) return false;
  for (char c : code) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

std::string remplacerTout(const std::string& texte, const std::string& cherche,
                          const std::string& remplacement) {
  if (cherche.empty()) return texte;
  // Built by appending, never by replacing in place: linear in the text's size.
  std::string r;
  r.reserve(texte.size());
  size_t debut = 0;
  for (size_t pos; (pos = texte.find(cherche, debut)) != std::string::npos;) {
    r.append(texte, debut, pos - debut);
    r += remplacement;
    debut = pos + cherche.size();
  }
  r.append(texte, debut, std::string::npos);
  return r;
}

std::string normaliserFinsDeLigne(const std::string& texte, const std::string& fin) {
  std::string r = remplacerTout(texte, "\r\n", "\n");
  r = remplacerTout(r, "\r", "\n");
  if (fin != "\n") r = remplacerTout(r, "\n", fin);
  return r;
}

std::string lireFichier(const std::string& chemin) {
  std::string contenu;
  lireFichierOrdinaire(chemin, LireFichierMax, contenu);
  return contenu;
}

void interpolerCouleur(float u, float v, const float c0[4], const float c1[4], const float c2[4],
                       const float c3[4], float out[4]) {
  for (int i = 0; i < 4; ++i)
    out[i] = v * (u * c0[i] + (1 - u) * c1[i]) + (1 - v) * (u * c2[i] + (1 - u) * c3[i]);
}

void normaliser(float v[3]) {
  float longueur = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (longueur == 0.0f) return;
  v[0] /= longueur;
  v[1] /= longueur;
  v[2] /= longueur;
}

namespace {

// The file a chain of symlinks ends at (the path itself when it is no link). A chain too long
// to follow is left as it is; the caller's stat then fails on it.
std::string suivreLiens(std::string chemin) {
  for (int saut = 0; saut < 40; ++saut) {
    struct stat st;
    if (lstat(chemin.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return chemin;
    std::vector<char> lien(PATH_MAX + 1);
    const ssize_t n = readlink(chemin.c_str(), lien.data(), lien.size() - 1);
    if (n <= 0) return chemin;
    std::string cible(lien.data(), static_cast<size_t>(n));
    if (cible[0] != '/') {
      const size_t barre = chemin.rfind('/');
      cible = (barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1)) + cible;
    }
    chemin = cible;
  }
  return chemin;
}

// remplacerFichier's failures leave errno at the reason of the call that failed.
bool echecEcriture(int erreur) {
  errno = erreur;
  return false;
}

}  // namespace

bool remplacerFichier(const std::string& chemin, std::string_view octets, LienCible lien) {
  std::string cible = chemin;
  struct stat ancien;
  bool existe = false;
  if (lien == LienCible::Suivre) {
    cible = suivreLiens(chemin);
    existe = stat(cible.c_str(), &ancien) == 0;
  } else if (lstat(chemin.c_str(), &ancien) == 0) {
    // The link is ours to replace, whatever it points to; its target is never opened.
    existe = !S_ISLNK(ancien.st_mode);
  }
  mode_t mode = 0644;
  if (existe) {
    // A read-only file is the player's choice (root would write it anyway: the bits decide).
    if (!S_ISREG(ancien.st_mode)) return echecEcriture(S_ISDIR(ancien.st_mode) ? EISDIR : EINVAL);
    if ((ancien.st_mode & 0222) == 0) return echecEcriture(EACCES);
    if (access(cible.c_str(), W_OK) != 0) return echecEcriture(errno);
    mode = ancien.st_mode & 07777;
  } else if (lien == LienCible::Suivre && errno != ENOENT) {
    return echecEcriture(errno);
  }
  std::string temporaire = cible + ".tmp.XXXXXX";
  const int fd = mkostemp(temporaire.data(), O_CLOEXEC);
  if (fd < 0) return echecEcriture(errno);
  fchmod(fd, mode);  // created 0600; a replaced file keeps exactly what it had
  // The first failing call's reason, taken at once: the calls after it overwrite errno.
  int erreur = 0;
  for (size_t fait = 0; erreur == 0 && fait < octets.size();) {
    const ssize_t n = write(fd, octets.data() + fait, octets.size() - fait);
    if (n > 0) fait += static_cast<size_t>(n);
    else if (n == 0) erreur = EIO;
    else if (errno != EINTR) erreur = errno;
  }
  if (fsync(fd) != 0 && erreur == 0) erreur = errno;
  if (close(fd) != 0 && erreur == 0) erreur = errno;
  if (erreur == 0 && std::rename(temporaire.c_str(), cible.c_str()) != 0) erreur = errno;
  if (erreur == 0) return true;
  std::remove(temporaire.c_str());
  return echecEcriture(erreur);
}

bool nomTemporaire(const std::string& nom) {
  const size_t n = nom.size();
  if (n < 12 || nom.compare(n - 11, 5, ".tmp.") != 0) return false;
  for (size_t i = n - 6; i < n; ++i)
    if (!std::isalnum(static_cast<unsigned char>(nom[i]))) return false;
  return true;
}

int supprimerTemporairesPerimes(const std::string& dossier, int64_t maintenant, int64_t ageMinimal) {
  const auto noms = listerFichiers(dossier, "");
  if (!noms) return 0;
  int supprimes = 0;
  for (const std::string& nom : *noms) {
    if (!nomTemporaire(nom)) continue;
    const std::string chemin = dossier + (dossier.empty() || dossier.back() == '/' ? "" : "/") + nom;
    struct stat st;
    if (lstat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (maintenant - static_cast<int64_t>(st.st_mtime) < ageMinimal) continue;
    if (unlink(chemin.c_str()) == 0) {
      ++supprimes;
      journal("Fichier temporaire abandonné supprimé : " + chemin);
    }
  }
  return supprimes;
}
