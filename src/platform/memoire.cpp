#include "platform/memoire.h"

#include <malloc.h>

namespace {
// A block this large or more is mapped on its own and goes back to the system when freed: glibc's
// starting value, kept. By default a freed mapped block raises the threshold to its size, so after
// the sky's decoded picture (12 MB) every block up to that size would stay in the heap for good.
constexpr int SeuilBlocsIsoles = 128 * 1024;
// Free memory at the heap's top is given back only past this much: a frame of the menu allocates
// and frees a few megabytes in the driver; below that the heap would shrink and grow again every
// frame, a system call and page faults each time.
constexpr int SeuilRestitution = 8 * 1024 * 1024;
// The game's threads (sound, the sky decoder, the search worker, the driver's rasterisers)
// allocate little; an arena per core for them keeps megabytes of half-used heaps for nothing.
constexpr int Arenes = 2;
}  // namespace

void reglerAllocateur() {
  mallopt(M_MMAP_THRESHOLD, SeuilBlocsIsoles);
  mallopt(M_TRIM_THRESHOLD, SeuilRestitution);
  mallopt(M_ARENA_MAX, Arenes);
}

void rendreMemoireLibre() { malloc_trim(0); }
