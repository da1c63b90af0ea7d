#include "base/texte.h"

#include <cctype>
#include <climits>
#include <cstring>

int entierVersTexte(int32_t valeur, char* tampon, int base, int capacite) {
  if (!tampon || capacite < 1) return -2;
  if (capacite == 1) {
    // Only the terminator fits: an empty text, the whole value (or the error) left out.
    tampon[0] = '\0';
    if (base < 2 || base > 36) return -1;
    uint32_t reste =
        valeur < 0 ? 0u - static_cast<uint32_t>(valeur) : static_cast<uint32_t>(valeur);
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
