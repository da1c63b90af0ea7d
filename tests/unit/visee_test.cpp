// Picking by geometry, without a window: the ray through a point of the picture against the
// board's cells.
#include <gtest/gtest.h>

#include "game/camera.h"
#include "game/visee.h"

namespace {

// A camera straight over (cx, cy) from `recul` cells away, up the board's -y as the game's.
Camera droite(float cx, float cy, float recul) {
  Camera k;
  k.oeilX = k.centreX = cx;
  k.oeilY = k.centreY = cy;
  k.oeilZ = -recul;
  return k;
}

}  // namespace

TEST(Visee, CaseSousLePointOuAucune) {
  // Seen straight from 15 cells: the picture's half-height covers 15 tan 30 = 8.66 cells, so
  // ndc y = 1 / 8.66 is one cell up the screen, which is one row less on the board.
  const double ligne = 1.0 / (15.0 * 0.57735026919);
  const double colonne = ligne / (4.0 / 3.0);
  const struct {
    const char* nom;
    Camera k;
    double x, y;
    int W, H;
    int c, r;  // -1: none
  } cas[] = {
      {"centre", droite(7.5f, 7.5f, 15), 0, 0, 15, 15, 7, 7},
      {"une colonne a droite", droite(7.5f, 7.5f, 15), colonne, 0, 15, 15, 8, 7},
      {"une ligne plus haut a l'ecran", droite(7.5f, 7.5f, 15), 0, ligne, 15, 15, 7, 6},
      {"coin haut gauche", droite(0.5f, 0.5f, 15), 0, 0, 15, 15, 0, 0},
      {"le cadre a gauche", droite(0.5f, 0.5f, 15), -0.7 * colonne, 0, 15, 15, -1, -1},
      {"le cadre en bas", droite(14.5f, 14.5f, 15), 0, -0.7 * ligne, 15, 15, -1, -1},
      {"loin dehors", droite(7.5f, 7.5f, 15), 0.99, 0.99, 3, 3, -1, -1},
      {"une case", droite(0.5f, 0.5f, 15), 0, 0, 1, 1, 0, 0},
      {"pas de cases", droite(0.5f, 0.5f, 15), 0, 0, 0, 0, -1, -1},
      // Looking away from the board (centre behind the eye): nothing in front.
      {"dos au plateau",
       [] {
         Camera k = droite(5, 5, 15);
         k.centreZ = -30;
         return k;
       }(),
       0, 0, 15, 15, -1, -1},
      // The far plane is twice the eye's depth: a grazing ray meets the board beyond it.
      {"au-dela du plan lointain",
       [] {
         Camera k = droite(5, 5, 2);
         k.centreX = 25;
         return k;
       }(),
       0, 0, 255, 255, -1, -1},
      {"en deca",
       [] {
         Camera k = droite(5, 5, 2);
         k.centreX = 6;
         return k;
       }(),
       0, 0, 255, 255, 6, 5},
  };
  for (const auto& c : cas) {
    const auto v = caseVisee(c.k, 4.0f / 3.0f, c.x, c.y, c.W, c.H);
    if (c.c < 0) {
      EXPECT_FALSE(v.has_value()) << c.nom;
      continue;
    }
    ASSERT_TRUE(v.has_value()) << c.nom;
    EXPECT_EQ(v->colonne, c.c) << c.nom;
    EXPECT_EQ(v->ligne, c.r) << c.nom;
  }
  EXPECT_FALSE(caseVisee(droite(1, 1, 15), 0.0f, 0, 0, 15, 15).has_value());
}

TEST(Visee, PlansDeLaCamera) {
  double proche = 0, loin = 0;
  plansCamera(droite(0, 0, 15), proche, loin);
  EXPECT_DOUBLE_EQ(proche, 7.5);
  EXPECT_DOUBLE_EQ(loin, 30.0);
  plansCamera(droite(0, 0, -1), proche, loin);  // an eye behind the board: planes kept valid
  EXPECT_GT(proche, 0.0);
  EXPECT_GT(loin, proche);
}
