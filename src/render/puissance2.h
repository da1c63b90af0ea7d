#pragma once
// Render targets are made at power-of-two sizes (the drivers of this game's era need them).
#include <cstdint>

// 1 for n <= 1, else the smallest power of two not below n, capped at 2^30.
inline int32_t puiss2(int32_t n) {
  if (n <= 1) return 1;
  int32_t p = 1;
  while (p < n && p < (1 << 30)) p <<= 1;
  return p;
}
