// The play screen's action thread and the menu background's thread, each started and stopped
// several times on one live Terrain while this thread takes frame copies and hands the held keys
// over, as the main thread does. Run under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "../unit/grilles_test.h"
#include "fixtures.h"
#include "game/action.h"
#include "game/donnees_action.h"
#include "game/animation_fond_menu.h"

namespace {

// Rolling right the ball blasts through the brick, takes the bomb and reaches the win cell.
const std::vector<std::string> Parcours = {
    "@@@@@@@@@@@@@@@@@@@@@@@@",
    "@.....#..o.........%..W@",
    "@@@@@@@@@@@@@@@@@@@@@@@@",
};

void copierQuelquesTrames(const Terrain& t, const Spectacle& sp, InstantaneTerrain& copie, int n) {
  for (int i = 0; i < n; ++i) {
    prendreInstantane(t, sp, copie);
    ASSERT_EQ(copie.grille.size(), static_cast<size_t>(copie.largeur) * copie.hauteur);
    SDL_Delay(1);
  }
}

TEST(JeuThreads, ThreadActionPuisFondMenuPlusieursFois) {
  CaptureJournal journal;
  Terrain t;
  Sons s(PeripheriqueSon::Simule);
  // The menu background and the play screen each show the one live level with their own
  // camera and particles.
  FondMenu fond;
  Spectacle jeu;
  InstantaneTerrain copie;
  for (int cycle = 0; cycle < 3; ++cycle) {
    // The menu background over a level of bricks.
    std::vector<std::string> demo(24, std::string(40, '.'));
    for (int r = 0; r < 24; r += 3) demo[r] = std::string(40, '#');
    {
      Niveau n;
      dessinerTerrain(n, demo, 1.5f, 1.5f);
      t.commencerNiveau(n);
    }
    const Camera cameraJeu = jeu.camera;
    fond.demarrer(t);
    copierQuelquesTrames(t, fond.spectacle(), copie, 40);
    fond.arreter();
    EXPECT_FALSE(fond.actif());
    EXPECT_GT(fond.pas(), 0);
    EXPECT_TRUE(copie.particules.empty());
    EXPECT_NE(fond.spectacle().camera.oeilZ, Camera{}.oeilZ);  // the flight moved its camera
    EXPECT_EQ(jeu.camera.oeilX, cameraJeu.oeilX);              // and only its own
    EXPECT_EQ(jeu.camera.oeilZ, cameraJeu.oeilZ);
    t.libererGrille();

    // A level played by the real action thread, the keys handed over each "frame".
    {
      Niveau n;
      dessinerTerrain(n, Parcours, 1.5f, 1.5f);
      // Spare bombs: under a loaded machine this thread may stall with space still held, and
      // the ball would spend the bomb it picks up in open air before the second brick.
      n.bombes = 3;
      t.commencerNiveau(n);
    }
    jeu.allouerParticules(ParticulesParNiveau);
    DonneesAction donnees;
    std::thread action([&] { threadAction(donnees, t, jeu, &s); });
    const auto debut = std::chrono::steady_clock::now();
    while (donnees.resultat.load() == 0 &&
           std::chrono::steady_clock::now() - debut < std::chrono::seconds(30)) {
      InstantaneTerrain vue;
      prendreInstantane(t, jeu, vue);
      // Space only while a brick stops the ball: the copy is what the main thread knows.
      const uint8_t devant = vue.lireCase(static_cast<int>(vue.balle.x) + 1, 1);
      const bool devantBrique = devant == Brique || devant == Casse;
      donnees.deposerTouches(Touches{false, true, devantBrique});
      s.executerRequetes();
      copierQuelquesTrames(t, jeu, copie, 1);
      ASSERT_EQ(copie.particules.size(), static_cast<size_t>(ParticulesParNiveau));
    }
    EXPECT_EQ(donnees.resultat.load(), Gagne);
    // The steps go on behind the result; a stop is seen within one step: once the stop is
    // set, only the step already past its check may still finish (the count is read after the
    // stop, so a stall of this thread cannot add steps to the margin).
    SDL_Delay(30);
    donnees.arret = true;
    const uint32_t auMomentDeLArret = donnees.pas.load();
    action.join();
    EXPECT_LE(donnees.pas.load(), auMomentDeLArret + 1);
    t.libererGrille();
    jeu.libererParticules();
  }
  int arrets = 0;
  for (const std::string& l : journal.lignes()) arrets += l == "Thread arrete : 1";
  EXPECT_EQ(arrets, 3);
}

// Waits, by the thread's own step count, until `fini` holds or 30 s have passed.
template <class F>
bool attendrePas(F fini) {
  const auto debut = std::chrono::steady_clock::now();
  while (!fini()) {
    if (std::chrono::steady_clock::now() - debut > std::chrono::seconds(30)) return false;
    SDL_Delay(1);
  }
  return true;
}

TEST(JeuThreads, LePremierResultatResteEtLeThreadFinitSansGrille) {
  // The ball falls onto the deadly cell by itself (no key: a kept result makes the thread
  // ignore them). Run once without a result first, to know at which step the loss comes.
  const std::vector<std::string> chute = {"@@@@@", "@...@", "@...@", "@.X.@", "@@@@@"};
  uint32_t pasPerte = 0;
  {
    Terrain t;
    Spectacle sp;
    Niveau n;
    dessinerTerrain(n, chute, 2.5f, 1.5f);
    t.commencerNiveau(n);
    DonneesAction donnees;
    std::thread action([&] { threadAction(donnees, t, sp, nullptr); });
    const bool fini = attendrePas([&] { return donnees.resultat.load() != 0; });
    arreterThreadAction(action, donnees, nullptr);
    ASSERT_TRUE(fini) << "the ball never reached the deadly cell";
    ASSERT_EQ(donnees.resultat.load(), Perdu);
    pasPerte = donnees.pasResultat.load();
  }
  CaptureJournal journal;
  Terrain t;
  Spectacle sp;
  {
    Niveau n;
    dessinerTerrain(n, chute, 2.5f, 1.5f);
    t.commencerNiveau(n);
  }
  DonneesAction donnees;
  donnees.proposerResultat(Gagne);  // the win code, before the thread starts
  std::thread action([&] { threadAction(donnees, t, sp, nullptr); });
  // Well past the step where the same fall lost.
  ASSERT_TRUE(attendrePas([&] { return donnees.pas.load() > pasPerte + 10; }));
  EXPECT_EQ(donnees.resultat.load(), Gagne);
  // The level loses its grid under the thread: it ends by itself.
  t.libererGrille();
  action.join();
  EXPECT_TRUE(journal.contient("Thread arrete : 1"));
}

}  // namespace

namespace {

TEST(JeuThreads, LeRoulementDuDernierPasEstArreteApresLAttente) {
  // The thread's last step, seeing the stop too late, asks for the rolling loop: the halt must
  // come after it in the queue, or the roll would play on in the menu.
  RequetesSons file;
  DonneesAction d;
  std::thread fil([&] {
    while (!d.arret.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    file.jouer(CanalRoule, SonRoule, -1);
  });
  arreterThreadAction(fil, d, &file);
  EXPECT_FALSE(fil.joinable());
  std::array<RequeteSon, CapaciteRequetes> r;
  ASSERT_EQ(file.prendreRequetes(r), 2);
  EXPECT_EQ(r[0].type, RequeteJouer);
  EXPECT_EQ(r[0].canal, CanalRoule);
  EXPECT_EQ(r[1].type, RequeteArreter);
  EXPECT_EQ(r[1].canal, CanalRoule);

  // No thread started (a level left before Enter): the halt alone.
  std::thread aucun;
  arreterThreadAction(aucun, d, &file);
  ASSERT_EQ(file.prendreRequetes(r), 1);
  EXPECT_EQ(r[0].type, RequeteArreter);
  arreterThreadAction(aucun, d, nullptr);  // no sound at all: nothing to queue
}

}  // namespace
