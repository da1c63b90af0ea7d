#pragma once
// The GUI's own textures: the two font sheets and the frame pieces of the button style with the
// list arrows. Loaded once at start-up, just before the board's table (chargerImages).
#include "render/gl.h"

struct TexturesGui {
  // Font sheets (glyphs 0x21-0x7F and 0x80-0xFF), until the font object cuts them into glyphs.
  GLuint texPolice7 = 0, texPolice8 = 0;
  // Frame pieces of the button style and the two list arrows (drawn 16 x 20).
  GLuint texCentre = 0, texHautGauche = 0, texHaut = 0, texHautDroite = 0, texGauche = 0,
         texDroite = 0, texBasGauche = 0, texBas = 0, texBasDroite = 0;
  GLuint texFlecheHaut = 0, texFlecheBas = 0;
};

extern TexturesGui texturesGui;

// Fills `texturesGui` from the data directory; logs "Fonts ok" after the font sheets.
void chargerTexturesGui();
