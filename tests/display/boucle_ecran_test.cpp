// The screen loop in a real window: events reach the screen in order, SDL_QUIT ends it at once,
// "done" ends it before another frame, and each frame runs the sound requests, copies the level
// and draws.
#include <vector>

#include "rendu_commun.h"
#include "game/terrain.h"
#include "gui/chargement.h"
#include "pilote_sdl.h"
#include "screens/boucle_ecran.h"
#include "sound/sons.h"

namespace {

std::vector<int> effetsJoues;
int jouerEnregistre(int, Mix_Chunk*, int, int) {
  effetsJoues.push_back(1);
  return 0;
}

class BoucleEcran : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(160, 120);
    effetsJoues.clear();
  }
  void TearDown() override {
    delete sons;
    sons = nullptr;
    FenetreRendu::TearDown();
  }
};

TEST_F(BoucleEcran, FiniApresTroisImagesAvecSonsCopieEtDessin) {
  sons = new Sons(PeripheriqueSon::Simule);
  sons->definirExecuteur({jouerEnregistre, [](int) { return 0; }});
  Terrain t;
  t.largeur = 7;
  t.grille.assign(7 * 15, 0);
  pousserTouche(SDLK_a);
  pousserTouche(SDLK_b);

  std::vector<std::string> ordre;
  std::vector<int> touches;
  int images = 0;
  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type == SDL_KEYDOWN) touches.push_back(e.key.keysym.sym);
  };
  ecran.fini = [&] {
    ordre.push_back("fini");
    return images == 3;
  };
  ecran.avancer = [&](uint32_t) {
    ordre.push_back("avancer");
    sons->jouer(-1, SonChoc, 0);  // queued during the frame, played in the same frame
  };
  ecran.dessiner = [&](const InstantaneTerrain& vue, uint32_t) {
    ordre.push_back("dessiner");
    EXPECT_EQ(vue.largeur, 7);
    EXPECT_EQ(vue.grille.size(), 7u * 15u);
    EXPECT_EQ(effetsJoues.size(), static_cast<size_t>(images + 1));
    ++images;
  };
  ecran.copier = [&](InstantaneTerrain& vue) { t.prendreInstantane(vue); };
  EXPECT_EQ(bouclerEcran(ecran), FinEcran::Termine);
  EXPECT_EQ(touches, (std::vector<int>{SDLK_a, SDLK_b}));
  EXPECT_EQ(images, 3);
  EXPECT_EQ(ordre, (std::vector<std::string>{"fini", "avancer", "dessiner", "fini", "avancer",
                                             "dessiner", "fini", "avancer", "dessiner", "fini"}));
}

TEST_F(BoucleEcran, FermerLaFenetreQuitteSansAutreImage) {
  pousserTouche(SDLK_a);
  pousserFermeture();
  pousserTouche(SDLK_b);  // after the close: never handed to the screen
  std::vector<int> touches;
  int images = 0;
  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type == SDL_KEYDOWN) touches.push_back(e.key.keysym.sym);
  };
  ecran.dessiner = [&](const InstantaneTerrain& vue, uint32_t) {
    EXPECT_FALSE(vue.aGrille());
    ++images;
  };
  EXPECT_EQ(bouclerEcran(ecran), FinEcran::Quitter);
  EXPECT_EQ(touches, std::vector<int>{SDLK_a});
  EXPECT_EQ(images, 0);
}

}  // namespace

// The GUI manager's hook: a click pushed as events reaches a button through the loop, the screen
// still sees the events, the widgets are drawn over the screen's frame, and the frame-rate label
// gets the count.
class BoucleEcranGui : public BoucleEcran {
 protected:
  void SetUp() override {
    BoucleEcran::SetUp();
    gui = new Gui(160, 120);
    CaptureJournal capture;
    chargerImagesGui(*gui);
  }
  void TearDown() override {
    delete labelIPS;
    labelIPS = nullptr;
    delete gui;
    gui = nullptr;
    BoucleEcran::TearDown();
  }
};

TEST_F(BoucleEcranGui, UnClicAtteintLeBoutonEtLEcranVoitTout) {
  int clics = 0, vusParLEcran = 0, images = 0;
  BoutonGUI b(10, 10, 80, "OK", surClic([&] { ++clics; }), 0);
  labelIPS = new LabelGUI(0, 32, 80, "", nullptr, 0);
  pousserClic(20, 15);
  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event&) { ++vusParLEcran; };
  ecran.fini = [&] { return images == 2; };
  ecran.dessiner = [&](const InstantaneTerrain&, uint32_t) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    ++images;
  };
  EXPECT_EQ(bouclerEcran(ecran), FinEcran::Termine);
  EXPECT_EQ(clics, 1);
  EXPECT_GE(vusParLEcran, 3);
  EXPECT_EQ(labelIPS->zone()->texte(), "0");  // the first frame's count
  // The widgets go over the screen's frame (the back buffer is undefined after the swap: one
  // more frame, read before any swap).
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  gui->projection();
  gui->dessiner();
  glFinish();
  const auto c = pixel(10, 120 - 1 - 10);  // top-left corner piece
  EXPECT_GT(c[0] + c[1] + c[2], 100);
}
