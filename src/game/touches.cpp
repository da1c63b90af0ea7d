#include "game/touches.h"

#include <SDL.h>

#include "platform/options.h"

namespace {

int32_t Options::*champ(ActionJeu action) {
  switch (action) {
    case ActionJeu::Gauche: return &Options::ToucheGauche;
    case ActionJeu::Droite: return &Options::ToucheDroite;
    case ActionJeu::Bombe: return &Options::ToucheBombe;
    case ActionJeu::Recommencer: return &Options::ToucheRecommencer;
    case ActionJeu::Pause: break;
  }
  return &Options::TouchePause;
}

bool estSymbole(int32_t s) { return s > 0 && s < SDLK_LAST; }

}  // namespace

const char* cleOptionTouche(ActionJeu action) {
  switch (action) {
    case ActionJeu::Gauche: return "ToucheGauche";
    case ActionJeu::Droite: return "ToucheDroite";
    case ActionJeu::Bombe: return "ToucheBombe";
    case ActionJeu::Recommencer: return "ToucheRecommencer";
    case ActionJeu::Pause: break;
  }
  return "TouchePause";
}

int32_t toucheParDefaut(ActionJeu action) { return Options().*champ(action); }

int32_t toucheDe(ActionJeu action, const Options& o) {
  const int32_t s = o.*champ(action);
  return estSymbole(s) ? s : toucheParDefaut(action);
}

int32_t toucheDe(ActionJeu action) { return toucheDe(action, options); }

bool estTouche(int32_t symbole, ActionJeu action) { return symbole == toucheDe(action); }

Touches lireClavier(const uint8_t* etat, int taille, const Options& o) {
  Touches t;
  if (!etat) return t;
  auto tenue = [&](ActionJeu a) {
    const int32_t s = toucheDe(a, o);
    return s < taille && etat[s] != 0;
  };
  t.gauche = tenue(ActionJeu::Gauche);
  t.droite = tenue(ActionJeu::Droite);
  t.espace = tenue(ActionJeu::Bombe);
  return t;
}

Touches lireClavier() {
  int taille = 0;
  const Uint8* etat = SDL_GetKeyState(&taille);
  return lireClavier(etat, taille, options);
}
