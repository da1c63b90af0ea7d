#include "base/maths.h"

#include <cmath>

void interpolerCouleur(float u, float v, const float c0[4], const float c1[4], const float c2[4],
                       const float c3[4], float out[4]) {
  for (int i = 0; i < 4; ++i)
    out[i] = v * (u * c0[i] + (1 - u) * c1[i]) + (1 - v) * (u * c2[i] + (1 - u) * c3[i]);
}

void normaliser(float v[3]) {
  float longueur = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (longueur == 0.0f) return;
  v[0] /= longueur;
  v[1] /= longueur;
  v[2] /= longueur;
}
