#include "gui/mise_en_page.h"

#include <algorithm>

namespace {

// What one code of the text is, found by walking the markup once.
enum class Nature : uint8_t { Balise, Visible };

int hexa(int32_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// A digit argument; anything else counts as 0, so a stray letter cannot ask for dozens (or,
// below '0', tens of thousands) of bold passes per glyph.
uint16_t chiffre(const std::vector<int32_t>& codes, size_t debut, size_t fin) {
  if (debut >= fin) return 0;
  const int32_t c = codes[debut];
  return (c >= '0' && c <= '9') ? static_cast<uint16_t>(c - '0') : 0;
}

}  // namespace

std::vector<int32_t> codesTexte(const std::string& texte) {
  std::vector<int32_t> codes;
  codes.reserve(texte.size());
  for (unsigned char c : texte) codes.push_back(c);
  return codes;
}

void mettreEnPage(const std::vector<int32_t>& codes, const FontGUI& police, StyleTexte style,
                  const float couleur[3], int32_t largeurBoite, std::vector<GlyphePlace>& sortie) {
  sortie.clear();
  const size_t n = codes.size();
  if (n == 0) return;

  // 1. Which codes are markup: '<' opens a tag whose letter is the next code, '>' closes it,
  //    everything in between is its argument. A '<' as the last code ends the text.
  std::vector<Nature> nature(n, Nature::Balise);
  size_t fin = n;
  {
    bool ouverte = false;
    for (size_t i = 0; i < n; ++i) {
      if (codes[i] == '<') {
        if (i + 1 == n) {
          fin = i;
          break;
        }
        ouverte = true;
      } else if (codes[i] == '>') {
        ouverte = false;
      } else if (!ouverte) {
        nature[i] = Nature::Visible;
      }
    }
  }

  // 2. For each visible code, the advance sum of the visible codes after it up to the next
  //    space (without bold: the style in force when it is measured adds its passes).
  std::vector<int32_t> resteMot(n, 0), resteNombre(n, 0);
  {
    int32_t somme = 0, nombre = 0;
    for (size_t k = fin; k-- > 0;) {
      resteMot[k] = somme;
      resteNombre[k] = nombre;
      if (nature[k] != Nature::Visible) continue;
      if (codes[k] == ' ') {
        somme = 0;
        nombre = 0;
      } else {
        somme += police.glyphe(static_cast<uint32_t>(codes[k])).advance;
        ++nombre;
      }
    }
  }

  // 3. Walk the text: apply tags, place glyphs, wrap.
  float rgb[3] = {couleur[0], couleur[1], couleur[2]};
  const int32_t taille = police.taille();
  int32_t stylo = 0, ligne = 0;
  bool ouverte = false;
  size_t ouverture = 0;
  auto placer = [&](const Glyphe& g) {
    GlyphePlace p{&g, stylo, ligne, g.avance(style), {rgb[0], rgb[1], rgb[2]}, style};
    sortie.push_back(p);
    stylo += p.avance;
  };
  for (size_t i = 0; i < fin; ++i) {
    const int32_t c = codes[i];
    if (c == '<') {
      ouverte = true;
      ouverture = i;
      continue;
    }
    if (c == '>') {
      if (!ouverte) continue;
      ouverte = false;
      const int32_t lettre = codes[ouverture + 1];
      const size_t debut = ouverture + 2, finArg = std::max(i, debut);
      switch (lettre) {
        case 'c':
          if (finArg - debut >= 6)
            for (int k = 0; k < 3; ++k)
              rgb[k] = static_cast<float>(hexa(codes[debut + 2 * k]) * 16 +
                                          hexa(codes[debut + 2 * k + 1])) /
                       255.0f;
          break;
        case 'u': style.souligne = (finArg > debut && codes[debut] == '1') ? 1 : 0; break;
        case 's': style.barre = (finArg > debut && codes[debut] == '1') ? 1 : 0; break;
        case 'b': style.gras = chiffre(codes, debut, finArg); break;
        case 'i': style.italique = chiffre(codes, debut, finArg); break;
        case '(': placer(police.glyphe('<')); break;
        case ')': placer(police.glyphe('>')); break;
        default: break;
      }
      continue;
    }
    if (ouverte) continue;
    // A visible character: break the line first when the rest of its word does not fit.
    if (stylo + resteMot[i] + resteNombre[i] * style.gras > largeurBoite) {
      stylo = 0;
      ligne += taille;
      if (c == ' ') continue;
    }
    placer(police.glyphe(static_cast<uint32_t>(c)));
  }
}
