#include "game/touches.h"

#include <SDL.h>

#include "platform/options.h"
#include "platform/touches_options.h"

static_assert(NombreActionsJeu == NombreTouchesJeu, "one options key per action");
static_assert(static_cast<int>(ActionJeu::Recommencer) == ToucheJeuRecommencer &&
                  static_cast<int>(ActionJeu::Pause) == ToucheJeuPause,
              "the options' keys in the order of the actions");

const char* cleOptionTouche(ActionJeu action) { return cleToucheJeu(static_cast<int>(action)); }

int32_t toucheParDefaut(ActionJeu action) { return toucheJeuParDefaut(static_cast<int>(action)); }

int32_t toucheDe(ActionJeu action, const Options& o) {
  const int32_t s = toucheJeu(o, static_cast<int>(action));
  return estSymboleTouche(s) ? s : toucheParDefaut(action);
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
