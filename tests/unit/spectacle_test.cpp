// What shows a live level, apart from its rules: how the camera, the flash and the particles
// react to a step's events, and the frame copies with and without it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "game/spectacle.h"
#include "grilles_test.h"

namespace {

int vivantes(const Spectacle& s) {
  int n = 0;
  for (int i = 0; i < s.capaciteParticules; ++i) n += s.particules[i].vivante();
  return n;
}

EvenementsPas pasJoue(float x, float y) {
  EvenementsPas ev;
  ev.joue = true;
  ev.departX = x;
  ev.departY = y;
  return ev;
}

TEST(Spectacle, ReagitAuxEvenementsDUnPas) {
  struct Cas {
    const char* nom;
    bool joue, explosion;
    int nouvellesAttendues;  // particles it bursts
  };
  const Cas cas[] = {
      {"pas sans grille", false, false, 0},
      {"pas ordinaire", true, false, 0},
      {"explosion", true, true, 200},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Spectacle s;
    s.allouerParticules(ParticulesParNiveau);
    Particule ancienne;
    ancienne.initialiser(9.0f, 9.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.2f);
    s.ajouterParticule(ancienne);
    EvenementsPas ev = pasJoue(3.5f, 2.5f);
    ev.joue = c.joue;
    ev.explosion = c.explosion;
    ev.explosionX = 4.0f;
    ev.explosionY = 6.0f;
    Camera attendue = s.camera;
    if (c.joue) suivreCamera(attendue, 3.5f, 2.5f, attendue.profondeurOeil);

    std::srand(5);
    const int premier = std::rand();
    std::srand(5);
    s.montrer(ev);

    EXPECT_FLOAT_EQ(s.camera.oeilX, attendue.oeilX);
    EXPECT_FLOAT_EQ(s.camera.centreY, attendue.centreY);
    EXPECT_EQ(vivantes(s), 1 + c.nouvellesAttendues);
    EXPECT_EQ(s.prochaineParticule, 1 + c.nouvellesAttendues);
    // The old particle moved one step only when a step ran.
    EXPECT_FLOAT_EQ(s.particules[0].x, c.joue ? 9.5f : 9.0f);
    if (c.explosion) {
      EXPECT_FLOAT_EQ(s.explosionX, 4.0f);
      EXPECT_FLOAT_EQ(s.explosionY, 6.0f);
      EXPECT_FLOAT_EQ(s.explosionAlea, static_cast<float>(premier));  // the first draw
      // The burst surrounds the ball where the step began.
      const Particule& p = s.particules[1];
      EXPECT_NEAR(std::hypot(p.x - p.vx - 3.5, p.y - (p.vy - 0.001) - 2.5), 0.5, 1e-5);
    } else {
      EXPECT_FLOAT_EQ(s.explosionX, 0.0f);
      EXPECT_FLOAT_EQ(s.explosionAlea, 0.0f);
    }
  }
}

TEST(Spectacle, LeNombreDeTiragesDUneExplosion) {
  // The blast's draws are the game's random numbers that follow: 1 for the flash, 3 per
  // particle, whether or not there is a ring to keep the particles.
  for (int anneau : {0, ParticulesParNiveau}) {
    SCOPED_TRACE(anneau);
    Spectacle s;
    s.allouerParticules(anneau);
    EvenementsPas ev = pasJoue(1.5f, 1.5f);
    ev.explosion = true;
    std::srand(9);
    s.montrer(ev);
    const int apres = std::rand();
    std::srand(9);
    for (int i = 0; i < 601; ++i) std::rand();
    EXPECT_EQ(apres, std::rand());
  }
}

TEST(Spectacle, LaCopieSansSpectacleNeMontreRien) {
  // A frame copy reused from a shown level keeps nothing of that show when copied from a
  // Terrain alone.
  TerrainVivant t;
  dessinerTerrain(t, {"#######", "#.....#", "#######"}, 3.5f, 1.5f);
  t.spectacle.allouerParticules(4);
  t.spectacle.suivreCameraVers(9.0f, 9.0f, -40.0f);
  t.spectacle.explosionX = 2.0f;
  InstantaneTerrain vue;
  prendreInstantane(t, t.spectacle, vue);
  ASSERT_EQ(vue.particules.size(), 4u);
  ASSERT_NE(vue.camera.oeilZ, Camera{}.oeilZ);
  t.prendreInstantane(vue);
  EXPECT_EQ(vue.grille, t.grille);
  EXPECT_TRUE(vue.particules.empty());
  EXPECT_FLOAT_EQ(vue.camera.oeilZ, Camera{}.oeilZ);
  EXPECT_FLOAT_EQ(vue.explosionX, 0.0f);
}

}  // namespace
