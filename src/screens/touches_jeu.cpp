#include "screens/touches_jeu.h"

bool estToucheRecommencer(SDLKey touche) { return touche == SDLK_r || touche == SDLK_BACKSPACE; }
bool estTouchePause(SDLKey touche) { return touche == SDLK_ESCAPE; }
bool estToucheEntree(SDLKey touche) { return touche == SDLK_RETURN || touche == SDLK_KP_ENTER; }
