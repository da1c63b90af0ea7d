#include "screens/aide_touches.h"

#include <SDL.h>

#include "base/traducteur.h"
#include "game/touches.h"
#include "gui/saisie.h"

std::string ligneAideTouches() {
  // The keys that always act; the hint's key shows on its own button when it is offered.
  static const char* const Cles[] = {"TGauche", "TDroite", "TBombe", "TRecommencer", "TPause"};
  std::string ligne;
  for (int i = 0; i < static_cast<int>(sizeof Cles / sizeof *Cles); ++i) {
    const char* nom = SDL_GetKeyName(static_cast<SDLKey>(toucheDe(static_cast<ActionJeu>(i))));
    if (!ligne.empty()) ligne += "   ";
    ligne += (traducteur ? traducteur->traduire(Cles[i]) : std::string(Cles[i])) + " <cffdd77>" +
             echapperBalises(nom && *nom ? nom : "?") + "<cffffff>";
  }
  return ligne;
}
