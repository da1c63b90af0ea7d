#pragma once
// The editor's marks over the board: a thin frame and a light veil on a block of cells (the cell
// under the pointer, the rectangle a Shift + drag would paint), drawn after the board with the
// board's camera, over everything (no depth test).
#include "game/camera.h"

// Cells (c0, l0) to (c1, l1), both included, corners in either order; `couleur` RGBA (the veil
// takes a quarter of its alpha). Leaves the projection matrix the camera's, texturing and depth
// test off, blending on.
void dessinerCadreCases(const Camera& camera, float ratio, int c0, int l0, int c1, int l1,
                        const float couleur[4]);
