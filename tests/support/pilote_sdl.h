#pragma once
// Drives a screen of the game from a display test as a player would: SDL events pushed into the
// queue, and log reactions that push the next ones when a given line appears (never a fixed
// wait). Also the services a screen expects to find once the window is open.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

void pousserTouche(SDLKey touche, SDLMod mod = KMOD_NONE, uint16_t caractere = 0);
void pousserSouris(Uint8 type, int x, int y, Uint8 bouton = SDL_BUTTON_LEFT, Uint8 etat = 0);
// Motion to (x, y), then a left press and release there.
void pousserClic(int x, int y);
// The same, then the pointer to (xRepos, yRepos): off the widgets again, so the next click is
// seen as a new hover.
void pousserClicPuisRepos(int x, int y, int xRepos, int yRepos);
void pousserFermeture();

// Log key, then what to push when a line holding it appears; each action runs at most once.
using Reactions = std::vector<std::pair<std::string, std::function<void()>>>;
enum class OrdreReactions {
  Strict,          // only the first pending reaction is looked at
  PremiereTrouvee  // the first pending reaction whose key the line holds
};

// Runs `ecran` with the log lines collected in `lignes` and the reactions run on the spot.
bool lancerAvecReactions(Reactions reactions, OrdreReactions ordre,
                         std::vector<std::string>& lignes, const std::function<bool()>& ecran);

// The GUI with its images, the game's images and the English translator; with `jeu`, also a
// terrain and simulated sounds for screens that play. Made after the window is open, dropped
// before it closes; the log is detached first.
class ServicesEcran {
 public:
  enum Jeu { SansJeu, AvecJeu };
  ServicesEcran(int largeur, int hauteur, Jeu jeu);
  ~ServicesEcran();
  ServicesEcran(const ServicesEcran&) = delete;
  ServicesEcran& operator=(const ServicesEcran&) = delete;
};
