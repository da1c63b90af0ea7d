#pragma once
// A frame without GUI: clear, the sky cube when Fond is on (and its cube map exists), then the
// board. What the capture tool, the frame benchmark and the drawing tests show until the full
// frame composition (fractal background, glow, widgets) takes its place. Does not swap.
#include <cstdint>

#include "game/instantane.h"

void dessinerImageMinimale(const InstantaneTerrain& t, uint32_t ticks);
