// The editor's view without a window: the view that shows a whole level between the bars, and
// the arrow keys' steps.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/vue_editeur.h"
#include "game/camera.h"

TEST(VueAjustee, BarresDeLEditeur) {
  const struct {
    int ecranL, ecranH, haut, bas;
  } cas[] = {
      {640, 480, 66, 54},    // the ball and selection tools on a second row
      {672, 480, 66, 54},    // the ball tool on the first row, the selection's still below
      {1280, 1024, 34, 54},  // both on the tools' row
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.ecranL);
    const CadreEditeur k = cadreEditeur(c.ecranL, c.ecranH);
    EXPECT_EQ(k.ecranL, c.ecranL);
    EXPECT_EQ(k.ecranH, c.ecranH);
    EXPECT_EQ(k.haut, c.haut);
    EXPECT_EQ(k.bas, c.bas);
  }
}

// Whatever its size, the level lies whole between the bars with 8 pixels spare, centred in
// that band, touching its sides on one axis unless it is small enough for the usual 15 cells.
TEST(VueAjustee, ToutLeNiveauEntreLesBarres) {
  const struct {
    const char* nom;
    int largeur, hauteur, ecranL, ecranH;
    bool serre;  // fills the band on one axis
  } cas[] = {
      {"new level", 15, 15, 640, 480, true},
      {"largest level", 255, 255, 640, 480, true},
      {"long corridor", 200, 3, 640, 480, true},
      {"tall shaft", 3, 120, 640, 480, true},
      {"tiny level", 2, 2, 640, 480, false},
      {"largest level, large window", 255, 255, 1920, 1080, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    const CadreEditeur cadre = cadreEditeur(c.ecranL, c.ecranH);
    Camera k;
    k.suivre = true;
    k.centreX = k.oeilX = 99.0f;
    ajusterVue(k, c.largeur, c.hauteur, cadre);
    EXPECT_FALSE(k.suivre);
    EXPECT_FLOAT_EQ(k.oeilX, k.centreX);  // straight on at once
    EXPECT_FLOAT_EQ(k.oeilY, k.centreY);
    EXPECT_FLOAT_EQ(k.oeilZ, k.profondeurOeil);
    EXPECT_LE(k.profondeurOeil, -15.0f);
    EXPECT_GE(k.profondeurOeil, ProfondeurZoomMax);
    const float p = pixelsParCase(-k.profondeurOeil, c.ecranH);
    const float gauche = c.ecranL / 2.0f + (0 - k.centreX) * p;
    const float droite = c.ecranL / 2.0f + (c.largeur - k.centreX) * p;
    const float haut = c.ecranH / 2.0f + (0 - k.centreY) * p;
    const float bas = c.ecranH / 2.0f + (c.hauteur - k.centreY) * p;
    EXPECT_GE(gauche, 8.0f - 0.01f);
    EXPECT_LE(droite, c.ecranL - 8.0f + 0.01f);
    EXPECT_GE(haut, cadre.haut + 8.0f - 0.01f);
    EXPECT_LE(bas, c.ecranH - cadre.bas - 8.0f + 0.01f);
    EXPECT_NEAR(gauche + droite, static_cast<float>(c.ecranL), 0.01f);
    EXPECT_NEAR(haut + bas, static_cast<float>(c.ecranH + cadre.haut - cadre.bas), 0.01f);
    const float marge = std::min(gauche - 8.0f, haut - cadre.haut - 8.0f);
    if (c.serre) EXPECT_NEAR(marge, 0.0f, 0.05f);
    else EXPECT_GT(marge, 1.0f);
  }
}

TEST(VueAjustee, PasDesFleches) {
  const struct {
    const char* nom;
    float profondeur;
    int dx, dy;
    bool demiEcran;
    float centreX, centreY;
  } cas[] = {
      // At 15 cells a 480-pixel window shows 17.32 cells: half of it 8.66 high, 11.55 wide.
      {"one cell right", -15.0f, 1, 0, false, 21.0f, 20.0f},
      {"one cell up, zoomed out", -60.0f, 0, -1, false, 20.0f, 19.0f},
      {"half a window down", -15.0f, 0, 1, true, 20.0f, 28.66f},
      {"half a window left", -15.0f, -1, 0, true, 8.45f, 20.0f},
      {"half a window left, zoomed out: kept inside", -60.0f, -1, 0, true, 0.2f, 20.0f},
      {"half a window down, zoomed out: kept inside", -60.0f, 0, 1, true, 20.0f, 39.8f},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Camera k;
    k.centreX = k.centreY = 20.0f;
    k.oeilX = 19.5f;
    k.oeilY = 20.0f;
    k.profondeurOeil = c.profondeur;
    pasVue(k, 40, 40, c.dx, c.dy, c.demiEcran, 640, 480);
    EXPECT_NEAR(k.centreX, c.centreX, 0.01f);
    EXPECT_NEAR(k.centreY, c.centreY, 0.01f);
    // The eye moves with the centre: the step shows at once, the picking aims right.
    EXPECT_NEAR(k.oeilX - k.centreX, -0.5f, 1e-4f);
    EXPECT_NEAR(k.oeilY - k.centreY, 0.0f, 1e-4f);
  }
}
