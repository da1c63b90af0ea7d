#pragma once
// What one frame draws of a Terrain, copied in one go under the Terrain's lock so that the
// drawing never sees a half-made step and never holds the lock while it draws.
#include <cstdint>
#include <vector>

#include "game/balle.h"
#include "game/niveau.h"
#include "game/particule.h"

// The level record (grid, size, start, bombs, colours, camera) plus the play state a frame shows.
struct InstantaneTerrain : Niveau {
  Balle balle;
  uint8_t minuteurExplosion = 0;
  float explosionX = 0.0f, explosionY = 0.0f, explosionAlea = 0.0f;
  std::vector<Particule> particules;  // the whole ring, dead slots included
};
