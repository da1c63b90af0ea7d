#pragma once
// What one frame draws of a Terrain, copied in one go under the Terrain's lock so that the
// drawing never sees a half-made step and never holds the lock while it draws.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/balle.h"
#include "game/camera.h"
#include "game/particule.h"

struct InstantaneTerrain {
  int32_t largeur = 0;
  int32_t hauteur = 0;
  std::vector<uint8_t> grille;  // empty when the Terrain has no grid
  Balle balle;
  int32_t bombes = 0;
  Camera camera;
  uint8_t minuteurExplosion = 0;
  float explosionX = 0.0f, explosionY = 0.0f, explosionAlea = 0.0f;
  float couleurs[4][4] = {};
  std::vector<Particule> particules;  // the whole ring, dead slots included

  bool aGrille() const { return !grille.empty(); }
  uint8_t lireCase(int c, int r) const {
    if (c < 0 || r < 0 || c >= largeur || r >= hauteur) return 0;
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(largeur) + static_cast<size_t>(c);
    return i < grille.size() ? grille[i] : 0;
  }
};
