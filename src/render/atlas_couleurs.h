#pragma once
// The four coloured-brick pictures side by side in one texture (2 x 2, red, yellow / green,
// blue), so that a level full of coloured bricks is drawn without a texture change between
// bricks of different colours, which would cut the drawing into one small batch per brick.
#include "render/gl.h"

// From the four loaded textures (same square size, GL_NEAREST as they are loaded): a texture
// twice their size with the same filters. 0 when they differ in size or one is empty (the board
// then binds each picture as before).
GLuint creerAtlasCouleurs(const GLuint sources[4]);

// Where colour k (0 to 3) lies in the atlas: coordinates (s, t) of its picture become
// (ox + s / 2, oy + t / 2).
inline void coinAtlasCouleurs(int k, float& ox, float& oy) {
  ox = (k % 2) * 0.5f;
  oy = (k / 2) * 0.5f;
}
