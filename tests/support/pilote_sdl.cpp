#include "pilote_sdl.h"

#include "base/journal.h"
#include "base/requetes_sons.h"
#include "base/traducteur.h"
#include "fixtures.h"
#include "game/terrain.h"
#include "gui/chargement.h"
#include "gui/gui.h"
#include "render/textures.h"
#include "sound/sons.h"

void pousserTouche(SDLKey touche, SDLMod mod, uint16_t caractere) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = touche;
  e.key.keysym.mod = mod;
  e.key.keysym.unicode = caractere;
  SDL_PushEvent(&e);
}

void pousserSouris(Uint8 type, int x, int y, Uint8 bouton, Uint8 etat) {
  SDL_Event e{};
  e.type = type;
  if (type == SDL_MOUSEMOTION) {
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    e.motion.state = etat;
  } else {
    e.button.button = bouton;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
  }
  SDL_PushEvent(&e);
}

void pousserClic(int x, int y) {
  pousserSouris(SDL_MOUSEMOTION, x, y);
  pousserSouris(SDL_MOUSEBUTTONDOWN, x, y);
  pousserSouris(SDL_MOUSEBUTTONUP, x, y);
}

void pousserClicPuisRepos(int x, int y, int xRepos, int yRepos) {
  pousserClic(x, y);
  pousserSouris(SDL_MOUSEMOTION, xRepos, yRepos);
}

void pousserFermeture() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
}

bool lancerAvecReactions(Reactions reactions, OrdreReactions ordre,
                         std::vector<std::string>& lignes, const std::function<bool()>& ecran) {
  lignes.clear();
  journalDetourner([&lignes, &reactions, ordre](const std::string& l) {
    lignes.push_back(l);
    for (auto& r : reactions) {
      if (!r.second) continue;
      if (l.find(r.first) != std::string::npos) {
        auto action = std::move(r.second);
        r.second = nullptr;
        action();
        break;
      }
      if (ordre == OrdreReactions::Strict) break;
    }
  });
  const bool resultat = ecran();
  journalDetourner({});
  return resultat;
}

ServicesEcran::ServicesEcran(int largeur, int hauteur, Jeu jeu) {
  CaptureJournal silence;
  gui = new Gui(largeur, hauteur);
  chargerImagesGui(*gui);
  chargerImages();
  if (jeu == AvecJeu) {
    terrain = new Terrain();
    sons = new Sons(PeripheriqueSon::Simule);
    requetesSons = sons;
  }
  traducteur = new Traducteur();
  traducteur->charger(std::string(ZARVINEL_SOURCE_DIR) + "/data/lang/en.txt");
}

ServicesEcran::~ServicesEcran() {
  journalDetourner({});
  delete traducteur;
  traducteur = nullptr;
  requetesSons = nullptr;
  delete sons;
  sons = nullptr;
  delete terrain;
  terrain = nullptr;
  delete gui;
  gui = nullptr;
}
