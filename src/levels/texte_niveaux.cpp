#include "levels/texte_niveaux.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "game/cases.h"
#include "levels/fichier_niveaux.h"

namespace {

struct Legende {
  uint8_t code;
  char caractere;
};

const Legende Legendes[] = {
    {Vide, '.'},
    {Brique, '#'},
    {Win, 'W'},
    {Lost, 'X'},
    {Casse, '%'},
    {Blinde, '@'},
    {Ressort, '^'},
    {Bombe, 'o'},
    {InterrupteurRouge, 'r'},
    {CouleurRouge, 'R'},
    {InterrupteurJaune, 'y'},
    {CouleurJaune, 'Y'},
    {InterrupteurVert, 'g'},
    {CouleurVert, 'G'},
    {InterrupteurBleu, 'b'},
    {CouleurBleu, 'B'},
    {InterrupteurUn, 'u'},
    {CouleurUn, 'U'},
    {InterrupteurDeux, 'd'},
    {CouleurDeux, 'D'},
    {PanneauBoom, '*'},
    {PanneauMove, '>'},
};

const char* const EnTete =
    "# Zarvinel level file in text form. Rebuild it with: zv-niveau map FILE.txt FILE.map\n"
    "# Cells: . empty  # brick  W win  X lost  % fragile  @ armoured  ^ spring  o bomb\n"
    "#        r y g b u d  switch: red yellow green blue grey-one grey-two\n"
    "#        R Y G B U D  brick of that colour\n"
    "#        * boom sign (254)  > move sign (255)  {hh} any other code, in hex\n";

std::string hex(const std::vector<uint8_t>& octets) {
  std::string s;
  char t[4];
  for (uint8_t o : octets) {
    std::snprintf(t, sizeof t, " %02x", o);
    s += t;
  }
  return s;
}

// Long byte runs go on several lines of the same keyword, 32 bytes each.
std::string lignesHex(const std::string& mot, const std::vector<uint8_t>& octets) {
  std::string s;
  for (size_t debut = 0; debut < octets.size(); debut += 32) {
    const size_t fin = std::min(octets.size(), debut + 32);
    s += mot + hex(std::vector<uint8_t>(octets.begin() + debut, octets.begin() + fin)) + "\n";
  }
  return s;
}

int valeurHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads whitespace-separated tokens of a header line.
std::vector<std::string> mots(const std::string& ligne) {
  std::istringstream in(ligne);
  std::vector<std::string> v;
  std::string m;
  while (in >> m) v.push_back(m);
  return v;
}

bool lireOctetHex(const std::string& m, uint8_t& o) {
  if (m.size() != 2 || valeurHex(m[0]) < 0 || valeurHex(m[1]) < 0) return false;
  o = static_cast<uint8_t>(valeurHex(m[0]) * 16 + valeurHex(m[1]));
  return true;
}

bool lireOctetDecimal(const std::string& m, uint8_t& o) {
  if (m.empty() || m.size() > 3) return false;
  int v = 0;
  for (char c : m) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > 255) return false;
  o = static_cast<uint8_t>(v);
  return true;
}

}  // namespace

char caractereDeCase(uint8_t code) {
  for (const Legende& l : Legendes)
    if (l.code == code) return l.caractere;
  return 0;
}

int caseDeCaractere(char c) {
  for (const Legende& l : Legendes)
    if (l.caractere == c) return l.code;
  return -1;
}

std::string texteDepuisFichier(const FichierBrut& f) {
  std::string s = EnTete;
  if (f.reserve != 0) s += "reserved" + hex({f.reserve}) + "\n";
  s += lignesHex("file-header", f.enteteFichier);
  int numero = 0;
  for (const NiveauBrut& n : f.niveaux) {
    s += "\nlevel " + std::to_string(++numero) + "\n";
    const auto& e = n.entete;
    if (e.size() < static_cast<size_t>(LongueurEnteteMinimale)) {
      s += "short-header" + hex(e) + "\n";
      s += "# grid size carried over from the level before: " + std::to_string(n.largeur) + " x " +
           std::to_string(n.hauteur) + "\n";
    } else {
      s += "size " + std::to_string(e[0]) + " " + std::to_string(e[1]) + "\n";
      s += "start " + std::to_string(e[2]) + " " + std::to_string(e[3]) + "\n";
      s += "bombs " + std::to_string(e[4]) + "\n";
      size_t connus = LongueurEnteteMinimale;
      if (e.size() >= static_cast<size_t>(LongueurEnteteNiveau)) {
        s += "colours";
        for (int i = 0; i < 4; ++i) {
          s += i ? "  " : " ";
          for (int j = 0; j < 3; ++j) s += (j ? " " : "") + std::to_string(e[5 + 3 * i + j]);
        }
        s += "\n";
        connus = LongueurEnteteNiveau;
      }
      if (e.size() > connus)
        s += "extra" + hex(std::vector<uint8_t>(e.begin() + connus, e.end())) + "\n";
    }
    s += "grid\n";
    for (int r = 0; r < n.hauteur; ++r) {
      for (int c = 0; c < n.largeur; ++c) {
        const uint8_t code = n.grille[static_cast<size_t>(r) * n.largeur + c];
        const char car = caractereDeCase(code);
        if (car) {
          s += car;
        } else {
          char t[8];
          std::snprintf(t, sizeof t, "{%02x}", code);
          s += t;
        }
      }
      s += "\n";
    }
    s += "end\n";
  }
  if (!f.reste.empty()) s += "\n" + lignesHex("trailing", f.reste);
  return s;
}

namespace {

class Lecteur {
 public:
  explicit Lecteur(const std::string& texte) {
    size_t debut = 0;
    while (debut < texte.size()) {
      size_t fin = texte.find('\n', debut);
      if (fin == std::string::npos) fin = texte.size();
      std::string l = texte.substr(debut, fin - debut);
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lignes.push_back(std::move(l));
      debut = fin + 1;
    }
  }

  bool lire(FichierBrut& f, std::string& erreur) {
    f = FichierBrut{};
    bool reserveVu = false;
    int32_t W = 15, H = 15;
    while (suivanteUtile()) {
      const std::vector<std::string> m = mots(lignes[i]);
      if (m[0] == "reserved" && !reserveVu && f.niveaux.empty()) {
        if (m.size() != 2 || !lireOctetHex(m[1], f.reserve))
          return echec(erreur, "reserved needs one hex byte");
        reserveVu = true;
      } else if (m[0] == "file-header" && f.niveaux.empty()) {
        if (!lireHex(m, 1, f.enteteFichier))
          return echec(erreur, "file-header needs hex bytes (2 digits each)");
        if (f.enteteFichier.size() > 65535)
          return echec(erreur, "file-header longer than 65535 bytes");
      } else if (m[0] == "level") {
        NiveauBrut n;
        ++i;
        if (!lireNiveau(n, W, H, erreur)) return false;
        f.niveaux.push_back(std::move(n));
        continue;
      } else if (m[0] == "trailing") {
        const size_t premiere = i;
        if (!lireHex(m, 1, f.reste))
          return echec(erreur, "trailing needs hex bytes (2 digits each)");
        ++i;
        while (suivanteUtile()) {
          const std::vector<std::string> suite = mots(lignes[i]);
          if (suite[0] != "trailing")
            return echec(erreur, "only trailing lines may follow the trailing bytes");
          if (!lireHex(suite, 1, f.reste))
            return echec(erreur, "trailing needs hex bytes (2 digits each)");
          ++i;
        }
        // Bytes that hold a whole record would be read back as one more level.
        if (recordComplet(f.reste, W, H)) {
          i = premiere;
          return echec(erreur,
                       "the trailing bytes hold a complete level record (write it as a level)");
        }
        return true;
      } else {
        return echec(erreur, "unexpected \"" + m[0] +
                                 "\" (expected level, reserved, file-header or trailing)");
      }
      ++i;
    }
    return true;
  }

 private:
  // Moves to the next line that is neither blank nor a comment; false at the end.
  bool suivanteUtile() {
    for (; i < lignes.size(); ++i) {
      const std::vector<std::string> m = mots(lignes[i]);
      if (!m.empty() && m[0][0] != '#') return true;
    }
    return false;
  }

  // Whether `octets` start with a whole level record, read as the game reads one after a level
  // of W x H cells.
  static bool recordComplet(const std::vector<uint8_t>& octets, int32_t W, int32_t H) {
    if (octets.empty()) return false;
    const size_t L = octets[0];
    if (octets.size() - 1 < L) return false;
    std::vector<uint8_t> entete(octets.begin() + 1, octets.begin() + 1 + L);
    int32_t w = W, h = H;
    if (L >= static_cast<size_t>(LongueurEnteteMinimale)) {
      w = entete[0];
      h = entete[1];
    }
    return octets.size() - 1 - L >= static_cast<size_t>(w) * static_cast<size_t>(h);
  }

  bool echec(std::string& erreur, const std::string& raison) {
    erreur = "line " + std::to_string(i + 1) + ": " + raison;
    return false;
  }

  static bool lireHex(const std::vector<std::string>& m, size_t depuis,
                      std::vector<uint8_t>& sortie) {
    for (size_t k = depuis; k < m.size(); ++k) {
      uint8_t o;
      if (!lireOctetHex(m[k], o)) return false;
      sortie.push_back(o);
    }
    return true;
  }

  bool lireNiveau(NiveauBrut& n, int32_t& W, int32_t& H, std::string& erreur) {
    bool court = false, taille = false, depart = false, bombes = false, couleurs = false,
         extra = false;
    uint8_t t[2] = {0, 0}, d[2] = {0, 0}, b = 0, c[12] = {};
    std::vector<uint8_t> octetsCourts, octetsExtra;
    for (;;) {
      if (!suivanteUtile()) return echec(erreur, "level without its grid");
      const std::vector<std::string> m = mots(lignes[i]);
      const std::string& k = m[0];
      if (k == "grid") {
        if (m.size() != 1) return echec(erreur, "grid takes no value");
        break;  // the header is checked with the grid line as the place of any error
      }
      bool ok = true;
      if (k == "short-header" && !court) {
        court = true;
        ok = lireHex(m, 1, octetsCourts) &&
             octetsCourts.size() < static_cast<size_t>(LongueurEnteteMinimale);
      } else if (k == "size" && !taille) {
        taille = true;
        ok = m.size() == 3 && lireOctetDecimal(m[1], t[0]) && lireOctetDecimal(m[2], t[1]);
      } else if (k == "start" && !depart) {
        depart = true;
        ok = m.size() == 3 && lireOctetDecimal(m[1], d[0]) && lireOctetDecimal(m[2], d[1]);
      } else if (k == "bombs" && !bombes) {
        bombes = true;
        ok = m.size() == 2 && lireOctetDecimal(m[1], b);
      } else if ((k == "colours" || k == "colors") && !couleurs) {
        couleurs = true;
        ok = m.size() == 13;
        for (int j = 0; ok && j < 12; ++j) ok = lireOctetDecimal(m[1 + j], c[j]);
      } else if (k == "extra" && !extra) {
        extra = true;
        ok = lireHex(m, 1, octetsExtra);
      } else {
        return echec(erreur, "unexpected or repeated \"" + k + "\" in a level");
      }
      if (!ok)
        return echec(
            erreur, "bad value for \"" + k +
                        "\" (numbers 0..255; hex bytes as 2 digits; short-header holds at most 4)");
      ++i;
    }

    if (court) {
      if (taille || depart || bombes || couleurs || extra)
        return echec(erreur,
                     "a level with short-header has no size, start, bombs, colours or extra");
      n.entete = octetsCourts;
    } else {
      if (!taille || !depart || !bombes)
        return echec(erreur, "a level needs size, start and bombs (or a short-header)");
      n.entete = {t[0], t[1], d[0], d[1], b};
      if (couleurs) n.entete.insert(n.entete.end(), c, c + 12);
      // Without colours, twelve more bytes would be read as colours.
      const size_t maxi = couleurs ? 255 : LongueurEnteteNiveau - 1;
      if (n.entete.size() + octetsExtra.size() > maxi)
        return echec(erreur, couleurs ? "header longer than 255 bytes"
                                      : "at most 11 extra bytes without colours");
      n.entete.insert(n.entete.end(), octetsExtra.begin(), octetsExtra.end());
    }
    ++i;  // past the grid line
    n.largeur = n.entete.size() >= static_cast<size_t>(LongueurEnteteMinimale) ? n.entete[0] : W;
    n.hauteur = n.entete.size() >= static_cast<size_t>(LongueurEnteteMinimale) ? n.entete[1] : H;
    tailleApresEntete(n.entete, W, H);

    for (int r = 0; r < n.hauteur; ++r, ++i) {
      if (i >= lignes.size())
        return echec(erreur, "grid has fewer than " + std::to_string(n.hauteur) + " rows");
      const std::string& l = lignes[i];
      int cellules = 0;
      for (size_t p = 0; p < l.size();) {
        int code;
        if (l[p] == '{') {
          uint8_t o;
          if (p + 3 >= l.size() || l[p + 3] != '}' || !lireOctetHex(l.substr(p + 1, 2), o))
            return echec(erreur, "bad escape (write {hh} with two hex digits)");
          code = o;
          p += 4;
        } else {
          code = caseDeCaractere(l[p]);
          if (code < 0)
            return echec(erreur, std::string("character '") + l[p] + "' is not in the legend");
          ++p;
        }
        if (++cellules <= n.largeur) n.grille.push_back(static_cast<uint8_t>(code));
      }
      if (cellules != n.largeur)
        return echec(erreur, "row of " + std::to_string(cellules) + " cells, the level is " +
                                 std::to_string(n.largeur) + " wide");
    }
    if (!suivanteUtile() || mots(lignes[i])[0] != "end" || mots(lignes[i]).size() != 1)
      return echec(erreur,
                   "expected \"end\" after the " + std::to_string(n.hauteur) + " grid rows");
    ++i;
    return true;
  }

  std::vector<std::string> lignes;
  size_t i = 0;
};

}  // namespace

bool fichierDepuisTexte(const std::string& texte, FichierBrut& sortie, std::string& erreur) {
  Lecteur lecteur(texte);
  return lecteur.lire(sortie, erreur);
}
