// How the C library's allocator keeps the memory the game frees.
#pragma once

// Called first in main, before any thread or large allocation. A picture decoded for a texture
// (the sky alone is several megabytes) is freed once the driver holds its copy; by default the
// allocator then raises its threshold for mapping large blocks to that size, so every later
// block below it lands in the heap and stays there once freed. Fixing the threshold gives each
// large block back to the system when it is freed.
void reglerAllocateur();

// Hands the free pages left in the heap by the start-up's temporary buffers back to the system.
void rendreMemoireLibre();
