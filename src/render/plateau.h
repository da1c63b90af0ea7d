#pragma once
// Drawing one level in 3D from a frame's copy of it, and turning a click into a cell.
// Board coordinates: one unit per cell, x column, y row growing downward, z depth 0 (front) to 1.
#include <cstdint>
#include <optional>

#include "game/camera.h"
#include "game/instantane.h"
#include "game/particule.h"
#include "game/visee.h"
#include "render/gl.h"
#include "render/reglages_scene.h"
#include "render/zone_visible.h"

// Width / height of the current viewport (1 when it is empty).
float ratioFenetre();

// Projection from the camera (60 degrees, near and far from the eye depth), model-view identity.
void appliquerCamera(const Camera& camera, float ratio);

// The whole board: frame, ball, cells, particles, explosion flash. Does nothing without a grid.
// Leaves depth test, lighting and texturing off. `ticks` drives the animated signs and the
// turning reflections. Reads no global: what it needs comes in `reglages`.
void dessinerScene(const InstantaneTerrain& t, uint32_t ticks, const ReglagesScene& reglages);

// One particle, if alive, as a square with `texture` in its plane (colour and blending: the
// caller's).
void dessinerParticule(const Particule& p, GLuint texture);

// The cell under the mouse at (mx, my), window pixels from the top-left, or none (frame, outside
// the grid, no grid): the ray through that pixel of the current viewport (caseVisee), no GL
// selection mode.
std::optional<CaseChoisie> choisirCase(const InstantaneTerrain& t, float ratio, int mx, int my);
