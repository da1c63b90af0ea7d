#include "screens/aide_touches.h"

#include <SDL.h>

#include "base/traducteur.h"
#include "game/touches.h"
#include "gui/saisie.h"

std::string ligneAideTouches() {
  // The keys that always act; the hint's key shows on its own button when it is offered.
  static const struct {
    const char* cle;
    ActionJeu action;
  } Cles[] = {{"TGauche", ActionJeu::Gauche}, {"TDroite", ActionJeu::Droite},
              {"TBombe", ActionJeu::Bombe},   {"TRecommencer", ActionJeu::Recommencer},
              {"TPause", ActionJeu::Pause},   {"TApercu", ActionJeu::Apercu}};
  std::string ligne;
  for (const auto& c : Cles) {
    const char* nom = SDL_GetKeyName(static_cast<SDLKey>(toucheDe(c.action)));
    if (!ligne.empty()) ligne += "   ";
    ligne += (traducteur ? traducteur->traduire(c.cle) : std::string(c.cle)) + " <cffdd77>" +
             echapperBalises(nom && *nom ? nom : "?") + "<cffffff>";
  }
  return ligne;
}
