#pragma once
// The look a zone takes from the manager's styles: frame pieces, their repetition, text style.
#include <cstdint>

#include "gui/police.h"
#include "render/gl.h"

struct StyleGUI {
  uint8_t bordureHaut = 0, bordureBas = 0, bordureGauche = 0, bordureDroite = 0;  // frame pixels
  uint16_t hauteur = 20;  // height given to a zone taking this style
  // The nine frame pieces (0: not drawn).
  GLuint texCentre = 0, texHaut = 0, texBas = 0, texDroite = 0, texGauche = 0, texHautDroite = 0,
         texBasDroite = 0, texHautGauche = 0, texBasGauche = 0;
  GLuint flecheHaut = 0;  // list style only: scroll arrows and their drawn size
  uint8_t flecheHautLargeur = 0, flecheHautHauteur = 0;
  GLuint flecheBas = 0;
  uint8_t flecheBasLargeur = 0, flecheBasHauteur = 0;
  // Repetition across (X) and down (Y): mode 1 = `valeur` repetitions over the content size,
  // any other mode = one repetition every `valeur` pixels.
  int32_t modeX = 0, modeY = 0;
  int32_t valeurX = 0, valeurY = 0;
  StyleTexte styleTexte;
  float couleurTexte[3] = {0, 0, 0};
  GLenum melangeSource = GL_SRC_ALPHA, melangeDestination = GL_ONE_MINUS_SRC_ALPHA;
};
