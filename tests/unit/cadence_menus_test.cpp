#include "screens/cadence_menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/animation_fond_menu.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "grilles_test.h"

namespace {

Camera camera(float x, float y, float z) {
  Camera k;
  k.oeilX = k.centreX = x;
  k.oeilY = k.centreY = y;
  k.oeilZ = z;
  k.centreZ = 0;
  return k;
}

}  // namespace

TEST(CadenceMenus, VitesseDeLImage) {
  const double focale480 = 480 / (2 * 0.57735026919);
  const struct {
    const char* nom;
    Camera avant, apres;
    double secondes;
    int hauteur;
    double attendue;  // pixels a second, within 2 %
  } cas[] = {
      {"still", camera(10, 10, -15), camera(10, 10, -15), 1, 480, 0},
      {"one cell sideways at depth 15", camera(10, 10, -15), camera(11, 10, -15), 1, 480,
       focale480 / 15},
      {"the same in half the time", camera(10, 10, -15), camera(11, 10, -15), 0.5, 480,
       2 * focale480 / 15},
      {"twice as far: half the pixels", camera(10, 10, -30), camera(11, 10, -30), 1, 480,
       focale480 / 30},
      {"a window twice as high: twice the pixels", camera(10, 10, -15), camera(11, 10, -15), 1, 960,
       2 * focale480 / 15},
      {"no time: nothing", camera(10, 10, -15), camera(11, 10, -15), 0, 480, 0},
  };
  for (const auto& c : cas)
    EXPECT_NEAR(pixelsParSeconde(c.avant, c.apres, c.secondes, c.hauteur), c.attendue,
                0.02 * c.attendue + 1e-9)
        << c.nom;
  // Closing in moves the picture's edges though its centre stays.
  EXPECT_GT(pixelsParSeconde(camera(10, 10, -30), camera(10, 10, -20), 1, 480), 50);
}

TEST(CadenceMenus, ImagesPourVitesse) {
  const struct {
    double vitesse, pixelsParImage;
    int minimum, maximum, attendues;
  } cas[] = {
      {0, 4, 10, 30, 10},     // still: the floor
      {60, 4, 10, 30, 15},    // 4 pixels a frame
      {61, 4, 10, 30, 16},    // rounded up: never more than 4
      {1000, 4, 10, 30, 30},  // fast: the ceiling
      {100, 0, 10, 30, 30},   // no limit asked: the ceiling
      {100, 4, 10, 5, 10},    // a ceiling under the floor: the floor
  };
  for (const auto& c : cas)
    EXPECT_EQ(imagesPourVitesse(c.vitesse, c.pixelsParImage, c.minimum, c.maximum), c.attendues)
        << c.vitesse << " px/s";
}

// The menu background's first twelve seconds as the menus show them at 640 x 480: fewer frames
// than the 30 a second asked, none of them moving the picture more than 4 pixels; the full pace
// right after an input; the display's pace asked (0) stays 0 after an input.
TEST(CadenceMenus, LeFondDuMenuAuReposDemandeMoinsDImages) {
  Terrain t;
  dessinerTerrain(t, std::vector<std::string>(202, std::string(255, '.')), 1.5f, 1.5f);
  Spectacle spectacle;
  EtatFondMenu etat;
  CadenceMenus cadence(30);
  uint32_t prochaine = 0;
  int images = 0;
  Camera precedente;
  uint32_t ticksPrecedents = 0;
  double plusGrandPas = 0;
  const uint32_t jamaisSaisi = 0;
  for (uint32_t ms = 0; ms < 12000; ms += 10) {
    pasFondMenu(etat, t, spectacle, 255, 202);
    if (ms < prochaine) continue;
    const Camera k = spectacle.camera;
    cadence.image(k, ms + 5000, 480);  // the loop's ticks start well after 0
    if (ms >= 2000) {
      ++images;
      plusGrandPas = std::max(
          plusGrandPas, pixelsParSeconde(precedente, k, (ms - ticksPrecedents) / 1000.0, 480) *
                            (ms - ticksPrecedents) / 1000.0);
    }
    precedente = k;
    ticksPrecedents = ms;
    const int n = cadence.imagesParSeconde(ms + 5000, jamaisSaisi);
    ASSERT_GE(n, CadenceMenus::Minimum);
    ASSERT_LE(n, 30);
    prochaine = ms + 1000 / static_cast<uint32_t>(n);
  }
  EXPECT_LT(images, 10 * 20) << "frames from 2 s to 12 s";
  EXPECT_GT(images, 10 * CadenceMenus::Minimum);
  // The frames come at whole steps of 10 ms: a little over the 4 pixels asked.
  EXPECT_LT(plusGrandPas, 5.5);
  // An input half a second ago: the full pace.
  EXPECT_EQ(cadence.imagesParSeconde(17000, 16500), 30);
  CadenceMenus affichage(0);
  affichage.image(spectacle.camera, 100, 480);
  affichage.image(spectacle.camera, 200, 480);
  EXPECT_EQ(affichage.imagesParSeconde(300, 250), 0);
  EXPECT_EQ(affichage.imagesParSeconde(5000, 250), CadenceMenus::Minimum);
}
