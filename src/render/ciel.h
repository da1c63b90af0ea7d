#pragma once
// The turning sky-cube background: the cube map `textures.texFondCube` seen from inside.
// Expects both matrices at identity with the projection matrix current, depth test and lighting
// off; leaves the model-view matrix current and cube mapping off.
#include <cstdint>

void dessinerFond3D(uint32_t ticks, float ratio);
