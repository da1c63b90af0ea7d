#pragma once
// One whole frame of the game under the GUI: clear, the background (the turning sky cube, or
// the fractal computed one vertical slice per frame by its shader), the board of the level's
// frame copy, and the optional glow pass. The screen loop draws the widgets over it and swaps.
// Main thread only.
#include <cstdint>

#include "game/instantane.h"
#include "render/reglages_scene.h"
#include "render/gl.h"

// The whole frame below the GUI, from the options Fond, FondShader, FondShaderTaille,
// FondShaderDiv and Bloom. A copy without a grid gives the background alone. Leaves the
// projection matrix current.
void dessinerImage(const InstantaneTerrain& t, uint32_t ticks);

// Renders slice `tranche` of `tranches` of the fractal (at time `temps`) into texFondShader.
// The fractal's motion changes only with slice 0, once per whole picture.
void calculerFondShader(int tranche, int tranches, double temps);
// The last fractal picture stretched over the whole window.
void afficherFondShader(GLuint texture);
// The board drawn into the frame, then the frame copied into texBloom.
void preparerBloom(const InstantaneTerrain& t, uint32_t ticks, const ReglagesScene& reglages);
// texBloom drawn back over the window through the glow program (blending left on).
void dessinerBloom();

// The slice of the fractal the next frame computes (tests).
int trancheFondShader();
