// The live Terrain shared between threads: the physics step or the automaton on one thread,
// frame copies on another, sound requests crossing over. Run under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "../unit/grilles_test.h"
#include "game/animation_fond_menu.h"
#include "game/donnees_action.h"

namespace {

// The ball rolls right and sets off a bomb whenever a brick stops it: it blasts its way
// through, collects bombs, opens the red bricks with their switch and ends on the win cell.
const std::vector<std::string> Parcours = {
    "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
    "@.....#..o...r....#...o.....R.....%...W@",
    "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
};

TEST(TerrainThreads, PasDActionPendantLesCopiesDeTrame) {
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, Parcours, 1.5f, 1.5f);
  t.bombes = 2;
  t.spectacle.allouerParticules(ParticulesParNiveau);

  DonneesAction donnees;
  std::thread action([&] {
    t.ajouterBombe();
    float avant = -1.0f;
    for (int pas = 0; t.aGrille() && !donnees.arret.load(); ++pas) {
      const bool bloquee = t.balle.x == avant;  // only this thread writes the ball
      avant = t.balle.x;
      donnees.proposerResultat(t.avancer(Touches{false, true, bloquee}, &s));
      if (pas > 20000) donnees.proposerResultat(2);  // never hang the test on a stuck ball
    }
  });

  InstantaneTerrain copie;
  int copies = 0;
  while (donnees.resultat.load() == 0 || copies < 100) {
    prendreInstantane(t, t.spectacle, copie);
    s.executerRequetes();  // the main thread's part of the sound queue
    ++copies;
    ASSERT_EQ(copie.grille.size(), static_cast<size_t>(copie.largeur * copie.hauteur));
    ASSERT_EQ(copie.particules.size(), static_cast<size_t>(ParticulesParNiveau));
    ASSERT_GE(copie.balle.x, 0.0f);
    ASSERT_LT(copie.balle.x, 40.0f);
    ASSERT_GE(copie.bombes, 0);
  }
  donnees.proposerResultat(2);  // too late: the first result stays
  donnees.arret.store(true);
  action.join();
  EXPECT_EQ(donnees.resultat.load(), 1);
  prendreInstantane(t, t.spectacle, copie);
  EXPECT_EQ(copie.bombes, t.bombes);  // the bomb label's count, as the drawing sees it
  t.libererGrille();
  t.spectacle.libererParticules();
}

TEST(TerrainThreads, AutomateEtCameraPendantLesCopies) {
  TerrainVivant t;
  std::vector<std::string> g(60, std::string(80, '.'));
  for (int r = 0; r < 60; r += 3)
    for (int c = (r / 3) % 4; c < 80; c += 5) g[r][c] = '#';
  dessinerTerrain(t, g, 0.5f, 0.5f);

  std::atomic<bool> arret{false};
  std::atomic<int> generations{0};
  std::thread fond([&] {
    TamponsVie tampons;
    for (int pas = 0; !arret.load(); ++pas) {
      t.spectacle.suivreCameraVers(40.0f + pas % 7, 30.0f, -20.0f);
      if (pas % 4 == 0) {
        etapeVie(t, tampons);
        ++generations;
      }
      if (pas % 2 == 0) ajouterPlaneur(t);
    }
  });
  InstantaneTerrain copie;
  for (int i = 0; i < 300 || generations.load() < 50; ++i) {
    prendreInstantane(t, t.spectacle, copie);
    ASSERT_EQ(copie.grille.size(), 80u * 60u);
    ASSERT_EQ(copie.largeur, 80);
  }
  arret.store(true);
  fond.join();
}

TEST(TerrainThreads, RequetesSonDepuisUnAutreThread) {
  Sons s(PeripheriqueSon::Simule);
  static std::atomic<int> joues{0};
  joues = 0;
  s.definirExecuteur({[](int, Mix_Chunk*, int, int) { return ++joues; }, [](int) { return 0; }});
  std::atomic<bool> fini{false};
  std::thread producteur([&] {
    for (int i = 0; i < 20000; ++i) {
      s.jouer(-1, i % NombreEffets, 0);
      if (i % 3 == 0) s.arreterCanal(CanalRoule);
    }
    fini.store(true);
  });
  while (!fini.load()) s.executerRequetes();
  producteur.join();
  s.executerRequetes();
  EXPECT_GT(joues.load(), 0);
  EXPECT_LE(joues.load(), 20000);
}

}  // namespace
