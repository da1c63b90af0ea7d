#pragma once
#include <cstdint>

// The ball of a level. Positions are in cell units; y grows downwards.
struct Balle {
  float x = 1.5f;
  float y = 1.5f;
  int32_t saut = 0;       // jump counter: 0 = no jump; a spring sets 120
  float vitesseX = 0.0f;  // horizontal speed during a jump: -0.075, 0 or +0.075
};
