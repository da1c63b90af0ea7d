#pragma once
// The turning sky-cube background: the sky picture `textures.texFondCiel` on the six inner faces
// of a cube around the eye, each face holding the whole picture as a cube map would.
// Expects both matrices at identity with the projection matrix current, depth test and lighting
// off; leaves the model-view matrix current and texturing off.
#include <cstdint>

// The sky's vertical field of view is 60 degrees, so a face (90 degrees) spans 1 / tan(30 deg)
// of the window's height at the centre: the size its picture needs (render/reduction.h).
constexpr double ChampCiel = 1.7320508;

void dessinerFond3D(uint32_t ticks, float ratio);
