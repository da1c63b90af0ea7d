#pragma once
// One explosion particle. The board drawing (render side) draws the live ones, with the
// texture it chooses.
#include <cstdint>

struct Particule {
  int32_t vie = 0;  // remaining life in steps; alive while > 0
  float x = 0.0f, y = 0.0f, z = 0.0f;
  float vx = 0.0f, vy = 0.0f, vz = 0.0f;  // cells per step
  bool gravite = true;                    // when set, vy grows by 0.001 per step
  float taille = 0.0f;                    // half the side of the particle's square

  // A fresh live particle: gravity on, 1000 steps of life.
  void initialiser(float x, float y, float z, float vx, float vy, float vz, float taille);
  // One step scaled by dt (the physics passes 1). Dead particles do nothing.
  void avancerParticule(float dt);
  bool vivante() const { return vie > 0; }
};
