#include "game/manette.h"

#include <SDL.h>

#include <string>

#include "base/journal.h"

namespace {

SDL_Joystick* manette = nullptr;

}  // namespace

Touches touchesManette(const EtatManette& e) {
  Touches t;
  t.gauche = e.axeX < -SeuilManette || (e.chapeau & SDL_HAT_LEFT) != 0;
  t.droite = e.axeX > SeuilManette || (e.chapeau & SDL_HAT_RIGHT) != 0;
  t.espace = e.boutonBombe;
  return t;
}

Touches combiner(const Touches& a, const Touches& b) {
  Touches t;
  t.gauche = a.gauche || b.gauche;
  t.droite = a.droite || b.droite;
  t.espace = a.espace || b.espace;
  return t;
}

BoutonManette sensBoutonManette(int bouton) {
  if (bouton == BoutonManetteEntree) return BoutonManette::Entree;
  for (int b : BoutonsManetteStart)
    if (bouton == b) return BoutonManette::Pause;
  return BoutonManette::Rien;
}

void ouvrirManettes() {
  if (manette) return;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    SDL_ClearError();
    return;
  }
  if (SDL_NumJoysticks() < 1) return;
  manette = SDL_JoystickOpen(0);
  if (!manette) {
    SDL_ClearError();
    return;
  }
  SDL_JoystickEventState(SDL_ENABLE);  // the screens get its button presses as events
  const char* nom = SDL_JoystickName(0);
  journal(std::string("Manette : ") + (nom ? nom : "?"));
}

void fermerManettes() {
  if (manette) SDL_JoystickClose(manette);
  manette = nullptr;
}

EtatManette lireManette() {
  EtatManette e;
  if (!manette) return e;
  if (SDL_JoystickNumAxes(manette) > 0) e.axeX = SDL_JoystickGetAxis(manette, 0);
  if (SDL_JoystickNumHats(manette) > 0) e.chapeau = SDL_JoystickGetHat(manette, 0);
  e.boutonBombe = SDL_JoystickNumButtons(manette) > BoutonManetteEntree &&
                  SDL_JoystickGetButton(manette, BoutonManetteEntree) != 0;
  return e;
}
