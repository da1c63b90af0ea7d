// The action thread under the play screen's newer controls: a pause stops the steps and the step
// count, and once a result is there the held keys no longer move the ball.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
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

// A clock the test moves: every sleep of the action thread waits until the test lets it pass,
// so the test knows exactly how many turns of the loop ran (one sleep each) and needs no window
// of real time.
class HorlogeManuelle : public HorlogeAction {
 public:
  uint32_t maintenant() override {
    std::lock_guard<std::mutex> l(m_);
    return temps_;
  }
  void dormir(uint32_t duree) override {
    std::unique_lock<std::mutex> l(m_);
    ++sommeils_;
    cv_.notify_all();
    cv_.wait(l, [&] { return permis_ > 0 || libre_; });
    if (permis_ > 0) --permis_;
    temps_ += duree;
  }
  // Lets `n` sleeps pass and returns once the thread sleeps again after them: `n` more turns of
  // its loop. False after 20 s (a thread that hangs or no longer sleeps).
  bool laisserPasser(int n) {
    std::unique_lock<std::mutex> l(m_);
    if (!cv_.wait_for(l, std::chrono::seconds(20), [&] { return sommeils_ > passes_; }))
      return false;
    permis_ += n;
    passes_ += n;
    cv_.notify_all();
    return cv_.wait_for(l, std::chrono::seconds(20), [&] { return sommeils_ > passes_; });
  }
  // Every sleep passes from now on (the end of a test).
  void liberer() {
    std::lock_guard<std::mutex> l(m_);
    libre_ = true;
    cv_.notify_all();
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  uint32_t temps_ = 0;
  long sommeils_ = 0;  // sleeps begun
  long passes_ = 0;    // sleeps let through
  int permis_ = 0;
  bool libre_ = false;
};

float balleX(const Terrain& t) {
  InstantaneTerrain v;
  t.prendreInstantane(v);
  return v.balle.x;
}

TEST(ActionPause, LaPauseArreteLesPasEtLaBalle) {
  CaptureJournal journal;
  Terrain t;
  Spectacle sp;
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
  HorlogeManuelle horloge;
  std::thread action([&] { threadAction(donnees, t, sp, nullptr, nullptr, &horloge); });
  // One step before each sleep: the thread now sleeps after its sixth step.
  ASSERT_TRUE(horloge.laisserPasser(5));
  EXPECT_EQ(donnees.pas.load(), 6u);
  donnees.pause = true;
  const float x = balleX(t);
  ASSERT_TRUE(horloge.laisserPasser(50));  // half a second of pause
  EXPECT_EQ(donnees.pas.load(), 6u);
  EXPECT_EQ(balleX(t), x);
  donnees.pause = false;
  ASSERT_TRUE(horloge.laisserPasser(5));
  EXPECT_EQ(donnees.pas.load(), 11u);
  EXPECT_GT(balleX(t), x);
  donnees.arret = true;
  horloge.liberer();
  action.join();
}

TEST(ActionPause, ApresLaVictoireLaBalleNObeitPlus) {
  CaptureJournal journal;
  Terrain t;
  Spectacle sp;
  // Held right, the ball would roll on through the win cell into the deadly one.
  {
    Niveau n;
    dessinerTerrain(n, {"@@@@@@@@@@", "@..W.....X", "@@@@@@@@@@"}, 1.5f, 1.5f);
    t.commencerNiveau(n);
  }
  DonneesAction donnees;
  donnees.deposerTouches(Touches{false, true, false});
  HorlogeManuelle horloge;
  std::thread action([&] { threadAction(donnees, t, sp, nullptr, nullptr, &horloge); });
  for (int i = 0; i < 2000 && donnees.resultat.load() == 0; ++i)
    ASSERT_TRUE(horloge.laisserPasser(1));
  EXPECT_EQ(donnees.resultat.load(), Gagne);
  EXPECT_GT(donnees.pasResultat.load(), 0u);
  const uint32_t pas = donnees.pas.load();
  ASSERT_TRUE(horloge.laisserPasser(100));  // a second more
  EXPECT_EQ(donnees.pas.load(), pas + 100);
  EXPECT_LT(balleX(t), 5.0f);
  donnees.arret = true;
  horloge.liberer();
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
  Spectacle sp;
  t.commencerNiveau(n);
  DonneesAction donnees;
  // The player's keys say left: the solution's are the ones played.
  donnees.deposerTouches(Touches{true, false, false});
  std::thread action([&] { threadAction(donnees, t, sp, nullptr, &s); });
  ASSERT_TRUE(attendre([&] { return donnees.resultat.load() != 0; }));
  donnees.arret = true;
  action.join();
  EXPECT_EQ(donnees.resultat.load(), Gagne);
}

}  // namespace
