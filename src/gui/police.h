#pragma once
// The bitmap font every text of the game is drawn with: one glyph per byte code 0..255
// (accented letters as Windows-1252 codes 128..255), cut from one-column glyph sheets.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "render/gl.h"

// Text attributes in force while a text is drawn; markup changes them (see mise_en_page.h).
struct StyleTexte {
  uint16_t gras = 0;      // extra passes, each one pixel further right (0 = normal)
  uint16_t italique = 0;  // slant: the top edge of each glyph is shifted right by this many pixels
  int16_t souligne = 0;   // non-zero: underline
  int16_t barre = 0;      // non-zero: strike-through
};

// One character. Its picture is a cell of an atlas texture owned by the font (several glyphs
// share one texture, so a whole text draws with a few texture binds).
struct Glyphe {
  uint16_t width = 0;  // quad size in pixels (the inked columns, the line height)
  uint16_t height = 0;
  int16_t xOffset = 0;  // quad position relative to the pen
  int16_t yOffset = 0;
  int16_t advance = 0;  // pen move after the character
  int16_t yAdvance = 0;
  GLuint texture = 0;                    // 0: nothing to draw (the space, a cell without ink)
  float s0 = 0, t0 = 0, s1 = 1, t1 = 1;  // the cell's corners in the texture

  int32_t avance(const StyleTexte& style) const { return advance + style.gras; }
};

// Inked columns of one glyph cell: a column counts when, in any of the cell's rows, the last
// byte of a pixel (alpha, or the only byte of a one-byte image) is above 100. `premiere` is
// the leftmost, `derniere` the rightmost; `aucune` when the cell has no ink at all.
struct ColonnesEncre {
  int premiere = 0, derniere = 0;
  bool aucune = true;
};
ColonnesEncre colonnesEncrees(const uint8_t* cellule, int largeur, int hauteur, int octetsParPixel,
                              int pas);

// The metrics of a glyph cut from a cell: its quad covers the inked columns over the line
// height (the rest of the cell is transparent), starting at the pen, followed by a 2-pixel gap.
// A cell without ink advances like the space and draws nothing.
Glyphe metriquesGlyphe(const ColonnesEncre& encre, int taille);

class FontGUI {
 public:
  // An empty font holding only the space (advance taille / 4). Logs "objet FontGUI crée".
  FontGUI(int32_t taille, int32_t codeRemplacement);
  ~FontGUI();
  FontGUI(const FontGUI&) = delete;
  FontGUI& operator=(const FontGUI&) = delete;

  // Adds the glyphs premier..dernier from a one-column sheet of `taille`-pixel cells (needs the
  // GL context). A missing or short sheet logs why and leaves the missing codes without glyphs.
  // Returns whether the image was read.
  bool chargerImage(const std::string& chemin, int premier, int dernier);

  // Adds or replaces one glyph (the loader, and tests that need no GL).
  void ajouterGlyphe(uint32_t code, const Glyphe& glyphe);
  bool contient(uint32_t code) const { return glyphes_.count(code) != 0; }

  // The glyph drawn for `code`: its own, else the replacement character's, else the space.
  // A code without glyph logs "Caractaire inconnu <code>" the first time only.
  const Glyphe& glyphe(uint32_t code) const;

  int32_t taille() const { return taille_; }
  int32_t codeRemplacement() const { return codeRemplacement_; }

 private:
  std::map<uint32_t, Glyphe> glyphes_;
  int32_t taille_;
  int32_t codeRemplacement_;
  std::vector<GLuint> textures_;         // the atlases, one per loaded sheet
  mutable std::set<uint32_t> signales_;  // codes already reported as unknown
};
