#pragma once
// Shared by the editor's window tests: a 640 x 480 window with the services the editor expects,
// a user level folder, and the editor run on a file while log lines drive it.
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/etat.h"
#include "editor/editeur.h"
#include "editor/vue_editeur.h"
#include "game/vue_entiere.h"
#include "pilote_sdl.h"
#include "rendu_commun.h"

// A click on the window, the pointer then back in the middle (away from the widgets).
inline void pousserClicAuCentre(int x, int y) { pousserClicPuisRepos(x, y, 320, 240); }

// Where board point (x, y) of a level of largeur x hauteur cells lands on the 640 x 480 window
// in the editor's first view (the whole level fitted between the bars).
inline SDL_Rect pixelVueDepart(int largeur, int hauteur, double x, double y) {
  Camera k;
  ajusterVue(k, largeur, hauteur, cadreEditeur(640, 480));
  float ex = 0, ey = 0;
  projeterPoint(k, 640, 480, static_cast<float>(x), static_cast<float>(y), 0, ex, ey);
  SDL_Rect r{};
  r.x = static_cast<Sint16>(std::lround(ex));
  r.y = static_cast<Sint16>(std::lround(ey));
  return r;
}

// The buttons of a centred dialog of height h: the i-th one's centre.
inline int xBouton(int i) { return 175 + 85 * i + 40; }
inline int yBouton(int h) { return (480 - h) / 2 + h - 15; }

class FenetreEditeur : public FenetreRendu {
 protected:
  explicit FenetreEditeur(ServicesEcran::Jeu jeu = ServicesEcran::SansJeu) : jeu_(jeu) {}
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(640, 480);
    services_ = std::make_unique<ServicesEcran>(640, 480, jeu_);
    std::filesystem::create_directories(repertoires->chemin("mapsusr/"));
    chemin_ = repertoires->chemin("mapsusr/essai.map");
    modeEditeur = true;
    SDL_WarpMouse(320, 240);  // edge scrolling reads the real pointer: keep it in the middle
  }
  void TearDown() override {
    modeEditeur = false;
    services_.reset();
    FenetreRendu::TearDown();
  }

  // Runs the editor on `chemin`; each reaction's action runs once, in order, at the first log
  // line holding its key.
  bool editer(const std::string& chemin, Reactions reactions) {
    return lancerAvecReactions(std::move(reactions), OrdreReactions::Strict, lignes_,
                               [&chemin] { return editeur(chemin); });
  }
  bool editer(Reactions reactions) { return editer(chemin_, std::move(reactions)); }

  std::string chemin_;
  std::vector<std::string> lignes_;

 private:
  ServicesEcran::Jeu jeu_;
  std::unique_ptr<ServicesEcran> services_;
};
