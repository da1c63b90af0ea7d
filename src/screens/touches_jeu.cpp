#include "screens/touches_jeu.h"

#include "game/touches.h"
#include "gui/saisie.h"
#include "screens/aide_touches.h"

// The keys the options bind come first; Backspace and Escape keep working whatever the binding,
// so a player who rebinds never loses the way out of a stuck level or into the pause panel.
bool estToucheRecommencer(SDLKey touche) {
  return estTouche(touche, ActionJeu::Recommencer) || touche == SDLK_BACKSPACE;
}
bool estTouchePause(SDLKey touche) {
  return estTouche(touche, ActionJeu::Pause) || touche == SDLK_ESCAPE;
}
bool estToucheEntree(SDLKey touche) { return touche == SDLK_RETURN || touche == SDLK_KP_ENTER; }
bool estToucheIndice(SDLKey touche) { return estTouche(touche, ActionJeu::Indice); }
std::string nomToucheJeu(ActionJeu action) { return nomTouche(toucheDe(action)); }
std::string avecToucheIndice(const std::string& texte) {
  return texte + " (" + nomToucheJeu(ActionJeu::Indice) + ")";
}
std::string avecToucheRecommencer(const std::string& texte) {
  return texte + " (" + nomToucheJeu(ActionJeu::Recommencer) + ")";
}
bool estToucheApercu(SDLKey touche) { return estTouche(touche, ActionJeu::Apercu); }
bool toucheApercuTenue() {
  int taille = 0;
  const Uint8* etat = SDL_GetKeyState(&taille);
  const int32_t s = toucheDe(ActionJeu::Apercu);
  return etat && s < taille && etat[s] != 0;
}
