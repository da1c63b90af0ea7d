#include "platform/memoire.h"

#include <malloc.h>

namespace {
// glibc's own starting value: blocks from 128 kB on are mapped on their own.
constexpr int SeuilBlocsIsoles = 128 * 1024;
// The game's threads (sound, the sky decoder, the search worker, the driver's rasterisers)
// allocate little; an arena per core for them keeps megabytes of half-used heaps for nothing.
constexpr int Arenes = 2;
}  // namespace

void reglerAllocateur() {
  mallopt(M_MMAP_THRESHOLD, SeuilBlocsIsoles);
  mallopt(M_ARENA_MAX, Arenes);
}

void rendreMemoireLibre() { malloc_trim(0); }
