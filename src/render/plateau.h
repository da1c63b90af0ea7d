#pragma once
// Drawing one level in 3D from a frame's copy of it, and turning a click into a cell.
// Board coordinates: one unit per cell, x column, y row growing downward, z depth 0 (front) to 1.
#include <cstdint>
#include <optional>

#include "game/camera.h"
#include "game/instantane.h"
#include "game/particule.h"
#include "render/gl.h"

// Width / height of the current viewport (1 when it is empty).
float ratioFenetre();

// Projection from the camera (60 degrees, near and far from the eye depth), model-view identity.
void appliquerCamera(const Camera& camera, float ratio);

// The whole board: frame, ball, cells, particles, explosion flash. Does nothing without a grid.
// Leaves depth test, lighting and texturing off. `ticks` drives the animated signs and the
// turning reflections.
void dessinerScene(const InstantaneTerrain& t, uint32_t ticks);
void dessinerScene(const InstantaneTerrain& t);  // with SDL_GetTicks()

// One particle, if alive, as a square with `texture` in its plane (colour and blending: the
// caller's).
void dessinerParticule(const Particule& p, GLuint texture);

// Cells whose drawing can reach the picture under this camera (columns c0..c1, rows r0..r1,
// inclusive and clamped to the grid); the whole grid when the view cannot be bounded.
struct ZoneVisible {
  int c0, c1, r0, r1;
};
ZoneVisible zoneVisible(const Camera& camera, float ratio, int largeur, int hauteur);

// Selection-mode picking: preparerSelection enters GL_SELECT around window pixel (x, y) in GL
// convention (origin bottom-left); dessinerNoms draws every cell's front square named
// row * W + column + 1; finirSelection returns the hit count (-1 when the buffer overflowed).
void preparerSelection(const Camera& camera, float ratio, int x, int y, GLsizei longueur,
                       GLuint* tampon);
void dessinerNoms(const InstantaneTerrain& t);
// The same for the cells of `zone` only (a click can only land on a cell the view shows).
void dessinerNoms(const InstantaneTerrain& t, const ZoneVisible& zone);
int finirSelection();

struct CaseChoisie {
  int colonne, ligne;
};
// The cell under the mouse at (mx, my), window pixels from the top-left, or none (frame, outside
// the grid, no grid).
std::optional<CaseChoisie> choisirCase(const InstantaneTerrain& t, float ratio, int mx, int my);
