// Recorded solutions: their text, the keys at each step, and the headless check that decides
// whether a level is offered a hint.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "game/recherche.h"
#include "game/solution.h"
#include "grilles_test.h"

namespace {

TEST(Solution, LectureEtTouchesParPas) {
  Solution s;
  ASSERT_TRUE(lireSolution("# won at step 9\n0 R\n5 RS\r\n\n7 -\n12 L\n", s));
  ASSERT_EQ(s.size(), 4u);
  struct {
    uint32_t pas;
    bool g, d, e;
  } attendus[] = {{0, 0, 1, 0}, {4, 0, 1, 0},  {5, 0, 1, 1},    {6, 0, 1, 1},
                  {7, 0, 0, 0}, {12, 1, 0, 0}, {99999, 1, 0, 0}};
  for (const auto& a : attendus) {
    const Touches t = touchesAuPas(s, a.pas);
    EXPECT_EQ(t.gauche, a.g) << a.pas;
    EXPECT_EQ(t.droite, a.d) << a.pas;
    EXPECT_EQ(t.espace, a.e) << a.pas;
  }
  // Nothing held before the first line's step.
  ASSERT_TRUE(lireSolution("10 R\n", s));
  EXPECT_FALSE(touchesAuPas(s, 9).droite);
}

TEST(Solution, TextesRefuses) {
  for (const char* texte : {"", "# rien\n", "0\n", "0 X\n", "0 R extra\n", "-1 R\n", "5 R\n3 L\n",
                            "12345678901 R\n", "a R\n"}) {
    Solution s;
    EXPECT_FALSE(lireSolution(texte, s)) << texte;
    EXPECT_TRUE(s.empty());
  }
}

TEST(Solution, LaVerificationSansFenetreSuitLeNiveauCharge) {
  CaptureJournal journal;
  Niveau gagnable;
  dessinerTerrain(gagnable, {"@@@@@@@@", "@.....W@", "@@@@@@@@"}, 1.5f, 1.5f);
  Niveau perdant = gagnable;  // the same level edited since: a deadly cell on the way
  dessinerTerrain(perdant, {"@@@@@@@@", "@..X..W@", "@@@@@@@@"}, 1.5f, 1.5f);
  Solution droite, gauche, rien;
  ASSERT_TRUE(lireSolution("0 R\n", droite));
  ASSERT_TRUE(lireSolution("0 L\n", gauche));
  EXPECT_TRUE(solutionGagne(gagnable, droite));
  EXPECT_FALSE(solutionGagne(perdant, droite));
  EXPECT_FALSE(solutionGagne(gagnable, gauche, 500));  // never gets there: gives up
  EXPECT_FALSE(solutionGagne(gagnable, rien));
  EXPECT_FALSE(solutionGagne(Niveau{}, droite));  // no grid
}

// A solution file is anyone's to write: the check never replays past the step limit the
// editor's check proves levels within, however far its last line points, and refuses a key
// change beyond it without replaying at all.
TEST(Solution, LaVerificationNeDepassePasLaBorneDesPas) {
  CaptureJournal journal;
  Niveau niveau;  // held Right, the ball reaches the goal within a few hundred steps
  dessinerTerrain(niveau, {"@@@@@@@@", "@.....W@", "@@@@@@@@"}, 1.5f, 1.5f);
  const uint32_t borne = static_cast<uint32_t>(bornesVerification().pasMax);
  struct {
    std::string texte;
    bool gagne;
  } cas[] = {
      {"0 R\n", true},
      {"0 -\n" + std::to_string(borne - 1000) + " R\n", true},  // wins before the limit
      {"0 -\n" + std::to_string(borne) + " R\n", false},        // would win just after it
      {"0 -\n999999999 -\n", false},                            // no replay of 10^9 steps
      {"0 -\n999999999 R\n", false},
  };
  for (const auto& c : cas) {
    Solution s;
    ASSERT_TRUE(lireSolution(c.texte, s)) << c.texte;
    EXPECT_EQ(solutionGagne(niveau, s), c.gagne) << c.texte;
  }
}

}  // namespace
