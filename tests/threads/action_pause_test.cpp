// The action thread under the play screen's newer controls: a pause stops the steps and the step
// count, and once a result is there the held keys no longer move the ball.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <thread>

#include "../unit/grilles_test.h"
#include "fixtures.h"
#include "game/action.h"
#include "game/donnees_action.h"

namespace {

// Waits (at most 20 s, for loaded machines) until `condition` holds.
template <class F>
bool attendre(F condition) {
  const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > fin) return false;
    SDL_Delay(2);
  }
  return true;
}

float balleX(const Terrain& t) {
  InstantaneTerrain v;
  t.prendreInstantane(v);
  return v.balle.x;
}

TEST(ActionPause, LaPauseArreteLesPasEtLaBalle) {
  CaptureJournal journal;
  Terrain t;
  {
    Niveau n;
    dessinerTerrain(
        n,
        {"@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@", "@......................................@",
         "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"},
        1.5f, 1.5f);
    t.commencerNiveau(n);
  }
  DonneesAction donnees;
  donnees.deposerTouches(Touches{false, true, false});
  std::thread action([&] { threadAction(donnees, t, nullptr); });
  ASSERT_TRUE(attendre([&] { return donnees.pas.load() >= 5; }));
  donnees.pause = true;
  SDL_Delay(50);  // a step under way ends
  const uint32_t pas = donnees.pas.load();
  const float x = balleX(t);
  SDL_Delay(300);
  EXPECT_EQ(donnees.pas.load(), pas);
  EXPECT_EQ(balleX(t), x);
  donnees.pause = false;
  EXPECT_TRUE(attendre([&] { return donnees.pas.load() >= pas + 5; }));
  EXPECT_GT(balleX(t), x);
  donnees.arret = true;
  action.join();
}

TEST(ActionPause, ApresLaVictoireLaBalleNObeitPlus) {
  CaptureJournal journal;
  Terrain t;
  // Held right, the ball would roll on through the win cell into the deadly one.
  {
    Niveau n;
    dessinerTerrain(n, {"@@@@@@@@@@", "@..W.....X", "@@@@@@@@@@"}, 1.5f, 1.5f);
    t.commencerNiveau(n);
  }
  DonneesAction donnees;
  donnees.deposerTouches(Touches{false, true, false});
  std::thread action([&] { threadAction(donnees, t, nullptr); });
  ASSERT_TRUE(attendre([&] { return donnees.resultat.load() != 0; }));
  EXPECT_EQ(donnees.resultat.load(), Gagne);
  EXPECT_GT(donnees.pasResultat.load(), 0u);
  const uint32_t pas = donnees.pas.load();
  ASSERT_TRUE(attendre([&] { return donnees.pas.load() >= pas + 100; }));  // a second more
  EXPECT_LT(balleX(t), 5.0f);
  donnees.arret = true;
  action.join();
}

}  // namespace

namespace {

TEST(ActionPause, UneSolutionRejoueeParLeThreadGagneAuMemePasQueSansFenetre) {
  CaptureJournal journal;
  Niveau n;
  // Right to the brick, a bomb through it, right again to the goal.
  dessinerTerrain(n, {"@@@@@@@@@@@@", "@.....#...W@", "@@@@@@@@@@@@"}, 1.5f, 1.5f);
  n.bombes = 1;
  Solution s;
  ASSERT_TRUE(lireSolution("0 R\n60 RS\n64 R\n", s));
  ASSERT_TRUE(solutionGagne(n, s));
  Terrain t;
  t.commencerNiveau(n);
  DonneesAction donnees;
  // The player's keys say left: the solution's are the ones played.
  donnees.deposerTouches(Touches{true, false, false});
  std::thread action([&] { threadAction(donnees, t, nullptr, &s); });
  ASSERT_TRUE(attendre([&] { return donnees.resultat.load() != 0; }));
  donnees.arret = true;
  action.join();
  EXPECT_EQ(donnees.resultat.load(), Gagne);
}

}  // namespace
