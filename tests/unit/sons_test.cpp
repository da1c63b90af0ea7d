// The sound request queue: order, capacity, execution, and silence without a device.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fixtures.h"
#include "sound/sons.h"

namespace {

struct Appel {
  bool jouer;
  int canal;
  Mix_Chunk* son;
  int boucles;
  int ticks;
  bool operator==(const Appel& a) const {
    return jouer == a.jouer && canal == a.canal && son == a.son && boucles == a.boucles &&
           ticks == a.ticks;
  }
};

std::vector<Appel> appels;

int enregistrerJouer(int canal, Mix_Chunk* son, int boucles, int ticks) {
  appels.push_back({true, canal, son, boucles, ticks});
  return canal;
}
int enregistrerArret(int canal) {
  appels.push_back({false, canal, nullptr, 0, 0});
  return 0;
}

class FileSons : public ::testing::Test {
 protected:
  void SetUp() override {
    appels.clear();
    sons_.definirExecuteur({enregistrerJouer, enregistrerArret});
  }
  Sons sons_{PeripheriqueSon::Simule};
};

TEST_F(FileSons, HuitGardeesDansLOrdreLaNeuviemePerdue) {
  for (int i = 0; i < 9; ++i) sons_.jouer(i % 8 - 1, i % NombreEffets, i);
  std::array<RequeteSon, CapaciteRequetes> r;
  ASSERT_EQ(sons_.requetesEnAttente(r), 8);
  EXPECT_EQ(r[7].effet, 7 % NombreEffets);
  sons_.executerRequetes();
  ASSERT_EQ(appels.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(appels[i], (Appel{true, i - 1, nullptr, i, -1})) << i;
  }
  appels.clear();
  sons_.executerRequetes();  // emptied by the execution
  EXPECT_TRUE(appels.empty());
}

TEST_F(FileSons, JouerPuisArreterLeCanal7EnUneExecution) {
  sons_.jouer(CanalRoule, SonRoule, -1);
  sons_.arreterCanal(CanalRoule);
  sons_.executerRequetes();
  EXPECT_EQ(appels, (std::vector<Appel>{{true, 7, nullptr, -1, -1}, {false, 7, nullptr, 0, 0}}));
}

TEST_F(FileSons, EffetInconnuIgnore) {
  sons_.jouer(-1, NombreEffets, 0);
  sons_.jouer(-1, -1, 0);
  sons_.executerRequetes();
  EXPECT_TRUE(appels.empty());
}

TEST_F(FileSons, MusiqueSimuleeJournalisee) {
  CaptureJournal journal;
  sons_.changerMusique("ziks/start.ogg");
  sons_.arreterMusique();
  EXPECT_EQ(journal.lignes(), (std::vector<std::string>{"musicLoad", "musicChange"}));
}

TEST(Sons, PeripheriqueAbsentToutSeTait) {
  appels.clear();
  CaptureJournal journal;
  Sons s(PeripheriqueSon::Absent);
  s.definirExecuteur({enregistrerJouer, enregistrerArret});
  EXPECT_FALSE(s.estPret());
  s.jouer(-1, SonBoom, 0);
  s.arreterCanal(CanalRoule);
  std::array<RequeteSon, CapaciteRequetes> r;
  EXPECT_EQ(s.requetesEnAttente(r), 0);
  s.executerRequetes();
  s.changerMusique("ziks/start.ogg");
  s.arreterMusique();
  EXPECT_TRUE(appels.empty());
  EXPECT_TRUE(journal.lignes().empty());
}

// The real mixer: the dummy audio driver opens a device; then a driver that does not exist.
TEST(Sons, PeripheriqueReel) {
  const char* avant = std::getenv("SDL_AUDIODRIVER");
  const std::string pilote = avant ? avant : "";
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  {
    CaptureJournal journal;
    Sons s;
    ASSERT_TRUE(s.estPret());
    // The effect files are not found from here: their chunks are none and playing them
    // fails quietly inside the mixer.
    s.jouer(-1, SonChoc, 0);
    s.jouer(CanalRoule, SonRoule, -1);
    s.arreterCanal(CanalRoule);
    s.executerRequetes();
    s.changerMusique("absent.ogg");
    s.changerMusique("absent.ogg");
    EXPECT_EQ(journal.lignes().size(), 4u);
  }
  // Let SDL choose its audio driver again, as at a fresh start.
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  setenv("SDL_AUDIODRIVER", "pas-de-tel-pilote", 1);
  {
    testing::internal::CaptureStdout();
    Sons s;
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(s.estPret());
    EXPECT_EQ(sortie.rfind("Mix_OpenAudio: ", 0), 0u) << sortie;
    s.jouer(-1, SonBoom, 0);
    s.executerRequetes();
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (avant) setenv("SDL_AUDIODRIVER", pilote.c_str(), 1);
  else unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
