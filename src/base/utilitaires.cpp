#include "base/utilitaires.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool fichierExiste(const std::string& chemin) {
  // A directory opens for reading here (not on every system): it is no file.
  struct stat st;
  if (stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return false;
  FILE* f = std::fopen(chemin.c_str(), "r");
  if (!f) return false;
  std::fclose(f);
  return true;
}

bool fichierModifiable(const std::string& chemin) {
  FILE* f = std::fopen(chemin.c_str(), "r+");
  if (!f) return false;
  std::fclose(f);
  return true;
}

std::string remplacerTout(const std::string& texte, const std::string& cherche,
                          const std::string& remplacement) {
  if (cherche.empty()) return texte;
  std::string r = texte;
  size_t pos = 0;
  while ((pos = r.find(cherche, pos)) != std::string::npos) {
    r.replace(pos, cherche.size(), remplacement);
    pos += remplacement.size();
  }
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
  FILE* f = std::fopen(chemin.c_str(), "rb");
  if (!f) return contenu;
  char bloc[64];
  size_t n;
  while ((n = std::fread(bloc, 1, sizeof bloc, f)) > 0) contenu.append(bloc, n);
  std::fclose(f);
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

bool remplacerFichier(const std::string& chemin, std::string_view octets) {
  const std::string temporaire = chemin + ".tmp";
  struct stat ancien;
  const mode_t mode = stat(chemin.c_str(), &ancien) == 0 ? (ancien.st_mode & 07777) : 0644;
  const int fd = open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return false;
  fchmod(fd, mode);  // open() applied the umask; a replaced file keeps exactly what it had
  bool ok = true;
  for (size_t fait = 0; ok && fait < octets.size();) {
    const ssize_t n = write(fd, octets.data() + fait, octets.size() - fait);
    if (n > 0) fait += static_cast<size_t>(n);
    else if (!(n < 0 && errno == EINTR)) ok = false;
  }
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  if (ok) ok = std::rename(temporaire.c_str(), chemin.c_str()) == 0;
  if (!ok) std::remove(temporaire.c_str());
  return ok;
}
