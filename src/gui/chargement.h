#pragma once
// The GUI's pictures: the font and the frame pieces, loaded at start-up into the manager.
#include "gui/gui.h"

// The frame pieces of the button style and the list's arrows (texture names, 0 = missing).
struct TexturesCadre {
  GLuint centre = 0, hautGauche = 0, haut = 0, hautDroite = 0, gauche = 0, droite = 0,
         basGauche = 0, bas = 0, basDroite = 0;
  GLuint flecheHaut = 0, flecheBas = 0;
};

// The six styles of the game from these pieces: buttons framed (borders 2, the centre four
// times across and every 2 pixels down, white text); panels, text entries and lists copy
// the button style, lists add their 16 x 20 arrows; images and labels have no frame.
void remplirStyles(Gui& g, const TexturesCadre& t);

// Creates the font (17-pixel lines, '?' for unknown codes) from imgs/lettres/assci7.png and
// assci8.png and gives it to `g` (logs "Fonts ok"), then loads imgs/gui/ and fills the styles.
// Needs the GL context and the data directory.
void chargerImagesGui(Gui& g);
