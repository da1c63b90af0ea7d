#pragma once
// The part of a board a camera can show: both the cell pass and the bricks' arrays draw only
// what falls inside it.
#include "game/camera.h"

// Cells whose drawing can reach the picture under this camera (columns c0..c1, rows r0..r1,
// inclusive and clamped to the grid); the whole grid when the view cannot be bounded.
struct ZoneVisible {
  int c0, c1, r0, r1;
};
ZoneVisible zoneVisible(const Camera& camera, float ratio, int largeur, int hauteur);
