#include "screens/aide_touches.h"

#include <SDL.h>

#include "base/traducteur.h"
#include "game/touches.h"
#include "gui/saisie.h"

std::string nomTouche(int32_t symbole) {
  const char* nom = SDL_GetKeyName(static_cast<SDLKey>(symbole));
  std::string texte = nom && *nom ? nom : "";
  if (texte.empty() || texte == "unknown key") return "?";
  std::string cle = "Touche_" + texte;
  for (char& c : cle)
    if (c == ' ') c = '_';
  const std::string traduit = traducteur ? traducteur->traduire(cle) : std::string();
  if (!traduit.empty()) return echapperBalises(traduit);
  const bool fonction = texte.size() >= 2 && texte[0] == 'f' && texte[1] >= '0' && texte[1] <= '9';
  if (texte.size() == 1 || fonction)
    for (char& c : texte)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return echapperBalises(texte);
}

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
    if (!ligne.empty()) ligne += "   ";
    ligne += (traducteur ? traducteur->traduire(c.cle) : std::string(c.cle)) + " <cffdd77>" +
             nomTouche(toucheDe(c.action)) + "<cffffff>";
  }
  return ligne;
}
