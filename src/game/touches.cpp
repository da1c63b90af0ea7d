#include "game/touches.h"

#include <SDL.h>

Touches lireClavier() {
  Touches t;
  const Uint8* etat = SDL_GetKeyState(nullptr);
  if (!etat) return t;
  t.gauche = etat[SDLK_LEFT] != 0;
  t.droite = etat[SDLK_RIGHT] != 0;
  t.espace = etat[SDLK_SPACE] != 0;
  return t;
}
