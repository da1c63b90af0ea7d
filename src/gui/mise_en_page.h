#pragma once
// Text layout: markup, pen advances and word wrapping, with no drawing. The zone drawing walks
// the result; tests call it directly.
//
// Markup (tags do not nest; a '<' inside an open tag starts a new one; an unclosed tag hides the
// rest of the text; a '>' outside a tag is dropped; '<' and '>' are never drawn as themselves):
//   <cRRGGBB>  ink colour (hexadecimal pairs); fewer than six codes: ignored
//   <u1> <u>   underline on / off          <s1> <s>  strike-through on / off
//   <bN> <b>   bold: N extra passes (digit) <iN> <i>  slant of N pixels (digit)
//   <(> <)>    draw '<' / '>'
// Wrapping: before each visible character the pen plus the advances of the characters after it
// up to the next space (markup skipped) must fit the box width, otherwise the line breaks there
// (a space at a break is dropped). A word wider than the box is thus broken between characters.
// Line feeds are ordinary codes; nothing is clipped.
#include <cstdint>
#include <string>
#include <vector>

#include "gui/police.h"

struct GlyphePlace {
  const Glyphe* glyphe;  // the font's glyph (replacement character already applied)
  int32_t x, y;          // pen position relative to the box's top-left corner
  int32_t avance;        // pen move with the style below (underline and strike-through span it)
  float couleur[3];
  StyleTexte style;
};

// Lays `codes` out in a box `largeurBoite` pixels wide starting with `style` and `couleur`
// (red, green, blue in 0..1). Lines are `police.taille()` apart. Replaces `sortie`'s content.
void mettreEnPage(const std::vector<int32_t>& codes, const FontGUI& police, StyleTexte style,
                  const float couleur[3], int32_t largeurBoite, std::vector<GlyphePlace>& sortie);

// The codes of a text, one per byte (bytes 128..255 as 128..255).
std::vector<int32_t> codesTexte(const std::string& texte);
