// A spring jump followed step by step against the jump rules worked out here in closed form:
// at jump step k (saut = 121 - k before the step) the ball rises by 0.2 f with
// f = (121 - k) / 50 - 1.3, drifts by 0.5 vitesseX, and a descending ball stops at the row
// centre once the probe from its previous position finds 0.5 or less free space below.
#include <gtest/gtest.h>

#include <cmath>

#include "grilles_test.h"

namespace {

std::vector<std::string> Puits(int colonneRessort) {
  std::vector<std::string> v(11, std::string(12, '.'));
  v.push_back(std::string(12, '#'));
  v[10][colonneRessort] = '^';
  return v;
}

// Height after n jump steps from y0, summed in closed form.
double hauteurFermee(double y0, int n) {
  const double sommeSaut = 121.0 * n - n * (n + 1) / 2.0;  // sum of (121 - k), k = 1..n
  return y0 - 0.2 * (sommeSaut / 50.0 - 1.3 * n);
}

TEST(Saut, TrajectoirePasAPas) {
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  // A one-cell ledge at (6, 9) catches the ball on its way down, well away from the exact
  // return to the start height.
  std::vector<std::string> grille = Puits(2);
  grille[9][6] = '#';
  dessinerTerrain(t, grille, 2.5f, 10.5f);
  t.balle.vitesseX = 0.075f;  // as after a ground step with no arrow held

  int atterrissage = 0;
  double yPrecedent = 10.5;
  double yMin = 10.5;
  for (int k = 1; k <= 130 && !atterrissage; ++k) {
    SCOPED_TRACE(k);
    t.avancer(Touches{}, &s);
    const std::vector<int> effets = effetsQueues(s);
    EXPECT_EQ(effets, k == 1 ? std::vector<int>{SonRessort} : std::vector<int>{});

    const double f = (121 - k) / 50.0 - 1.3;
    const double x = 2.5 + 0.0375 * k;
    // Above the ledge, in row 8, the free space below is 1 - frac(y): the ball stops once it
    // starts a step at 8.5 or lower.
    const bool posee = f < 0 && std::floor(x) == 6 && yPrecedent >= 8.5 && yPrecedent < 9.0;
    const double yAttendu = posee ? 8.5 : hauteurFermee(10.5, k);
    EXPECT_NEAR(t.balle.y, yAttendu, 1e-4);
    EXPECT_NEAR(t.balle.x, x, 1e-4);
    EXPECT_EQ(t.balle.saut, posee ? 0 : 120 - k);
    if (posee) atterrissage = k;
    yPrecedent = yAttendu;
    yMin = std::min(yMin, static_cast<double>(t.balle.y));
    if (k == 56) {
      EXPECT_FLOAT_EQ(t.balle.y, static_cast<float>(hauteurFermee(10.5, 55)));
    }
  }
  // 55 rising steps of about 6.16 cells, one still step, then the way down.
  EXPECT_NEAR(yMin, 10.5 - 6.16, 1e-4);
  EXPECT_EQ(atterrissage, 103);
  // Landed on the ledge: it stays put.
  const float x = t.balle.x;
  t.avancer(Touches{}, &s);
  EXPECT_EQ(t.balle.saut, 0);
  EXPECT_FLOAT_EQ(t.balle.y, 8.5f);
  EXPECT_FLOAT_EQ(t.balle.x, x);
}

TEST(Saut, RetombeSurLeRessortEtRepart) {
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, Puits(2), 2.5f, 10.5f);  // vitesseX 0: straight up and down
  int ressorts = 0;
  int atterrissage = 0;
  for (int k = 1; k <= 200; ++k) {
    t.avancer(Touches{}, &s);
    for (int e : effetsQueues(s)) ressorts += e == SonRessort;
    if (k > 1 && t.balle.saut == 0 && !atterrissage) atterrissage = k;
    if (atterrissage && k == atterrissage + 1) {
      EXPECT_EQ(t.balle.saut, 119);
      break;
    }
  }
  EXPECT_GT(atterrissage, 56);
  EXPECT_EQ(ressorts, 2);
  EXPECT_FLOAT_EQ(t.balle.x, 2.5f);
}

}  // namespace
