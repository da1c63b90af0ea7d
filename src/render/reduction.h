#pragma once
// Images made smaller before they reach the GL: a picture drawn at a few hundred pixels on the
// screen need not be held at its file's size. Pure code, no GL.
#include <cstdint>
#include <vector>

// Tightly packed pixels, rows top to bottom, `octetsParPixel` bytes each.
struct PixelsImage {
  int largeur = 0, hauteur = 0, octetsParPixel = 0;
  std::vector<uint8_t> octets;
};

// Halves the image (each pixel the mean of a 2 x 2 block; an odd last row or column is dropped)
// while its larger side is above `coteMax`. Unchanged when already small enough or when
// `coteMax` < 1.
void reduireImage(PixelsImage& image, int coteMax);

// The side (a power of two) at which a square picture spanning `champ` times a window of
// `hauteurFenetre` pixels shows about one texel per pixel (at least 10 for 11): the stars stay
// as sharp as the window can show them, and nothing more is held.
int coteUtile(int hauteurFenetre, double champ);
