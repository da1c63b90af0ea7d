// The GUI's scale without a window: the factor a window size and a choice give, the mouse's
// pixels as GUI units, and layouts anchored to the right and bottom at every scale.
#include <algorithm>
#include <string>

#include "base/journal.h"
#include "fixtures.h"
#include "gui/echelle.h"
#include "gui/widgets.h"
#include "gui_commun.h"

namespace {

TEST(Echelle, FacteurSelonLaFenetreEtLeChoix) {
  struct Cas {
    int choix, largeur, hauteur, attendu;
  } cas[] = {
      // Automatic: the largest factor at which 640 x 480 fits.
      {0, 640, 480, 1},
      {0, 1024, 768, 1},
      {0, 1280, 960, 2},
      {0, 1920, 1080, 2},
      {0, 2560, 1440, 3},
      {0, 3840, 2160, 4},
      {0, 7680, 4320, 9},
      {0, 1279, 960, 1},  // one pixel too narrow for 2
      {0, 1920, 959, 1},
      {0, 320, 200, 1},  // smaller than the layouts: never below 1
      {0, 0, 0, 1},
      // Chosen: kept when it fits, else lowered to what fits.
      {1, 3840, 2160, 1},
      {2, 3840, 2160, 2},
      {3, 3840, 2160, 3},
      {4, 3840, 2160, 4},
      {4, 1920, 1080, 2},
      {2, 640, 480, 1},
      {3, 2560, 1440, 3},
      // Out of range: automatic.
      {5, 3840, 2160, 4},
      {-1, 1920, 1080, 2},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(echelleInterface(c.choix, c.largeur, c.hauteur), c.attendu)
        << c.choix << " " << c.largeur << "x" << c.hauteur;
}

TEST(Echelle, PixelVersUnite) {
  struct Cas {
    int pixel, echelle, attendu;
  } cas[] = {{0, 1, 0},      {639, 1, 639}, {0, 2, 0},   {1, 2, 0},   {2, 2, 1},   {1919, 2, 959},
             {3839, 4, 959}, {7, 4, 1},     {-1, 2, -1}, {-4, 4, -1}, {-5, 4, -2}, {5, 0, 5}};
  for (const Cas& c : cas)
    EXPECT_EQ(versInterface(c.pixel, c.echelle), c.attendu) << c.pixel << " / " << c.echelle;
}

TEST(Echelle, TailleEnUnitesEtJournal) {
  CaptureJournal capture;
  Gui g(1920, 1080);  // made before the window: nothing logged yet
  EXPECT_EQ(g.echelle(), 2);
  EXPECT_EQ(g.largeur, 960);
  EXPECT_EQ(g.hauteur, 540);
  EXPECT_EQ(g.largeurPixels, 1920);
  EXPECT_FLOAT_EQ(g.ratio, 1920.0f / 1080.0f);
  g.redimensionner(1920, 1080);
  g.redimensionner(1920, 1080);  // no change: no line
  g.redimensionner(3840, 2160);
  g.setChoixEchelle(3);
  g.redimensionner(3840, 2160);
  EXPECT_EQ(g.largeur, 1280);
  EXPECT_EQ(g.hauteur, 720);
  g.redimensionner(640, 480);
  const std::vector<std::string> attendu = {
      "Echelle de l'interface : 2", "Echelle de l'interface : 4", "Echelle de l'interface : 3",
      "Echelle de l'interface : 1"};
  EXPECT_EQ(capture.lignes(), attendu);
}

// A button anchored to the bottom-right corner, clicked through real SDL mouse events at its
// window pixels: the click reaches it at every scale, and a press just outside does not.
class EchelleSouris : public GuiSansFenetre {
 protected:
  void evenement(Uint8 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.x = static_cast<Uint16>(x);
      e.motion.y = static_cast<Uint16>(y);
      e.motion.state = 0;
    } else {
      e.button.button = SDL_BUTTON_LEFT;
      e.button.x = static_cast<Uint16>(x);
      e.button.y = static_cast<Uint16>(y);
    }
    g_->gererEvenement(e);
  }
  void clicPixels(int x, int y) {
    evenement(SDL_MOUSEMOTION, x, y);
    evenement(SDL_MOUSEBUTTONDOWN, x, y);
    evenement(SDL_MOUSEBUTTONUP, x, y);
  }
};

TEST_F(EchelleSouris, ClicAuxPositionsMisesALEchelle) {
  struct Cas {
    int largeur, hauteur, echelle;
  } cas[] = {{640, 480, 1}, {1024, 768, 1}, {1920, 1080, 2}, {3840, 2160, 4}};
  for (const Cas& c : cas) {
    g_->redimensionner(c.largeur, c.hauteur);
    ASSERT_EQ(g_->echelle(), c.echelle);
    // 80 x 20 units, 10 units from the right and bottom edges.
    BoutonGUI b(g_->largeur - 90, g_->hauteur - 30, 80, "b", enregistreur(), 5);
    recus_.clear();
    // Its centre in window pixels.
    const int cx = (g_->largeur - 50) * c.echelle, cy = (g_->hauteur - 20) * c.echelle;
    EXPECT_LT(cx, c.largeur);
    EXPECT_LT(cy, c.hauteur);
    clicPixels(cx, cy);
    const bool clique =
        std::find(recus_.begin(), recus_.end(), Recu{5, EV_RELACHE, 40, 10}) != recus_.end();
    EXPECT_TRUE(clique) << c.largeur << "x" << c.hauteur;
    // The right edge's next pixel column in the window belongs to no zone.
    recus_.clear();
    clicPixels((g_->largeur - 9) * c.echelle, cy);
    EXPECT_EQ(std::count_if(recus_.begin(), recus_.end(),
                            [](const Recu& r) { return r.type == EV_RELACHE; }),
              0)
        << c.largeur << "x" << c.hauteur;
    clicPixels(0, 0);  // leave it before the next window size
  }
}

}  // namespace
