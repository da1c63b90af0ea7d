#include "editor/touches_editeur.h"

#include "editor/regles_editeur.h"

int outilPourTouche(SDLKey touche) {
  if (touche >= SDLK_0 && touche <= SDLK_9) return touche - SDLK_0;
  if (touche >= SDLK_KP0 && touche <= SDLK_KP9) return touche - SDLK_KP0;
  if (touche >= SDLK_a && touche <= SDLK_j) return 10 + (touche - SDLK_a);
  if (touche == SDLK_p) return OutilBalle;
  return -1;
}

std::string nomToucheOutil(SDLKey touche) {
  const int outil = outilPourTouche(touche);
  if (outil < 0) return "";
  if (touche >= SDLK_KP0 && touche <= SDLK_KP9) return "pavé " + std::to_string(outil);
  return std::string(1, static_cast<char>(touche));  // SDL's codes of digits and letters are ASCII
}
