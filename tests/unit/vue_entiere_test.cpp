// The whole-level camera and the projection of board points onto the window.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "game/cases.h"
#include "game/vue_entiere.h"
#include "levels/fichier_niveaux.h"

namespace {

struct Fenetre {
  int largeur, hauteur;
};

// Every corner of cell (c, r), both faces, lands inside the window.
::testing::AssertionResult caseVisible(const Camera& k, Fenetre f, int c, int r) {
  for (float z : {0.0f, 1.0f})
    for (int dc : {0, 1})
      for (int dr : {0, 1}) {
        float x = 0, y = 0;
        if (!projeterPoint(k, f.largeur, f.hauteur, static_cast<float>(c + dc),
                           static_cast<float>(r + dr), z, x, y))
          return ::testing::AssertionFailure() << "cellule " << c << "," << r << " derriere l'oeil";
        if (x < 0 || y < 0 || x > f.largeur || y > f.hauteur)
          return ::testing::AssertionFailure()
                 << "cellule " << c << "," << r << " hors fenetre " << f.largeur << "x" << f.hauteur
                 << " : " << x << "," << y;
      }
  return ::testing::AssertionSuccess();
}

TEST(VueEntiere, LesCoinsDeToutNiveauTiennentDansToutesLesFenetres) {
  const Fenetre fenetres[] = {{640, 480},  {1280, 1024}, {1920, 1080}, {480, 800},
                              {300, 1000}, {1000, 200},  {1, 1}};
  const int tailles[][2] = {{1, 1}, {15, 15}, {20, 15}, {100, 5}, {5, 100}, {255, 255}, {3, 40}};
  for (const Fenetre& f : fenetres)
    for (const auto& t : tailles) {
      SCOPED_TRACE(std::to_string(t[0]) + "x" + std::to_string(t[1]) + " dans " +
                   std::to_string(f.largeur) + "x" + std::to_string(f.hauteur));
      const Camera k = cameraNiveauEntier(t[0], t[1], f.largeur, f.hauteur);
      for (int c : {0, t[0] - 1})
        for (int r : {0, t[1] - 1}) EXPECT_TRUE(caseVisible(k, f, c, r));
    }
}

TEST(VueEntiere, LeNiveauOccupeLaFenetreSansMargeExcessive) {
  // A level with the window's own aspect fills most of the height: not a speck in the middle.
  const Camera k = cameraNiveauEntier(40, 30, 640, 480);
  float x0, y0, x1, y1;
  ASSERT_TRUE(projeterPoint(k, 640, 480, 0, 0, 0, x0, y0));
  ASSERT_TRUE(projeterPoint(k, 640, 480, 40, 30, 0, x1, y1));
  EXPECT_LT(x0, x1);  // board x to the right, row 0 at the top
  EXPECT_LT(y0, y1);
  EXPECT_GT(y1 - y0, 0.7f * 480);
  // Bands left free above and below for the labels and the start hint.
  EXPECT_GT(y0, 0.05f * 480);
  EXPECT_LT(y1, 0.95f * 480);
}

TEST(VueEntiere, ProjectionDuRegardEtDesBordsDuChamp) {
  Camera k = cameraDepart(20, 10, 3.5f, 4.5f);
  float x, y;
  // The point looked at lands in the window's middle.
  ASSERT_TRUE(projeterPoint(k, 800, 600, k.centreX, k.centreY, k.centreZ, x, y));
  EXPECT_NEAR(x, 400, 1e-2);
  EXPECT_NEAR(y, 300, 1e-2);
  // Straight ahead at distance d, the field's top edge is d * tan(30 degrees) toward screen up
  // (board -y).
  k = Camera{};
  k.oeilX = 5, k.oeilY = 5, k.oeilZ = -10, k.centreX = 5, k.centreY = 5, k.centreZ = 0;
  const float haut = 10 * std::tan(30.0f * 3.14159265f / 180.0f);
  ASSERT_TRUE(projeterPoint(k, 800, 600, 5, 5 - haut, 0, x, y));
  EXPECT_NEAR(x, 400, 1e-2);
  EXPECT_NEAR(y, 0, 1e-2);
  ASSERT_TRUE(projeterPoint(k, 800, 600, 5 + haut * 800 / 600, 5, 0, x, y));
  EXPECT_NEAR(x, 800, 1e-2);
  // Behind the eye, or on it: nothing.
  EXPECT_FALSE(projeterPoint(k, 800, 600, 5, 5, -11, x, y));
  EXPECT_FALSE(projeterPoint(k, 800, 600, 5, 5, -10, x, y));
}

bool celluleAVoir(uint8_t code) {
  return code == Win || code == Lost || code == Ressort || estInterrupteur(code);
}

TEST(VueEntiere, LesNiveauxLivresMontrentButsRessortsInterrupteursEtDangersEn640x480) {
  const Fenetre f{640, 480};
  int fichiers = 0, niveauxVus = 0, butsVus = 0;
  for (const auto& e :
       std::filesystem::directory_iterator(std::string(ZARVINEL_SOURCE_DIR) + "/data/mapsoff")) {
    if (e.path().extension() != ".map") continue;
    std::vector<Niveau> niveaux;
    chargerTout(e.path().string(), niveaux);
    ++fichiers;
    for (size_t i = 0; i < niveaux.size(); ++i) {
      const Niveau& n = niveaux[i];
      SCOPED_TRACE(e.path().filename().string() + " niveau " + std::to_string(i + 1));
      const Camera k = cameraNiveauEntier(n.largeur, n.hauteur, f.largeur, f.hauteur);
      ++niveauxVus;
      for (int r = 0; r < n.hauteur; ++r)
        for (int c = 0; c < n.largeur; ++c) {
          const uint8_t code = n.lireCase(c, r);
          if (!celluleAVoir(code)) continue;
          if (code == Win) ++butsVus;
          EXPECT_TRUE(caseVisible(k, f, c, r));
        }
    }
  }
  EXPECT_GT(fichiers, 0);
  EXPECT_GT(niveauxVus, 0);
  EXPECT_GT(butsVus, 0);
}

}  // namespace
