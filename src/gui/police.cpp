#include "gui/police.h"

#include "base/journal.h"
#include "render/etat_gl.h"

ColonnesEncre colonnesEncrees(const uint8_t* cellule, int largeur, int hauteur, int octetsParPixel,
                              int pas) {
  ColonnesEncre c;
  if (!cellule || octetsParPixel < 1) return c;
  for (int x = 0; x < largeur; ++x) {
    bool encre = false;
    for (int y = 0; y < hauteur && !encre; ++y)
      encre = cellule[static_cast<size_t>(y) * pas + static_cast<size_t>(x) * octetsParPixel +
                      (octetsParPixel - 1)] > 100;
    if (!encre) continue;
    if (c.aucune) c.premiere = x;
    c.derniere = x;
    c.aucune = false;
  }
  return c;
}

Glyphe metriquesGlyphe(const ColonnesEncre& encre, int taille) {
  Glyphe g;
  if (encre.aucune) {
    // Nothing to show: behave as a space rather than pulling the pen back by the cell width.
    g.advance = static_cast<int16_t>(taille / 4);
  } else {
    g.width = static_cast<uint16_t>(encre.derniere - encre.premiere + 1);
    g.height = static_cast<uint16_t>(taille);
    g.advance = static_cast<int16_t>(encre.derniere - encre.premiere + 3);
  }
  return g;
}

FontGUI::FontGUI(int32_t taille, int32_t codeRemplacement)
    : taille_(taille), codeRemplacement_(codeRemplacement) {
  Glyphe espace;
  espace.advance = static_cast<int16_t>(taille / 4);
  glyphes_[32] = espace;
  journal("objet FontGUI crée");
}

FontGUI::~FontGUI() {
  for (GLuint t : textures_) supprimerTexture(t);
}

void FontGUI::ajouterGlyphe(uint32_t code, const Glyphe& glyphe) { glyphes_[code] = glyphe; }

const Glyphe& FontGUI::glyphe(uint32_t code) const {
  auto i = glyphes_.find(code);
  if (i != glyphes_.end()) return i->second;
  // Reported once: a missing sheet would otherwise log every character of every frame.
  if (signales_.insert(code).second) journal("Caractaire inconnu " + std::to_string(code));
  i = glyphes_.find(static_cast<uint32_t>(codeRemplacement_));
  if (i != glyphes_.end()) return i->second;
  return glyphes_.at(32);
}
