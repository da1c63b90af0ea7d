#pragma once
// A large level with no win cell for the search's bounds: floors every six rows, each with
// gaps, fragile stretches, springs and bombs at fixed pseudo-random places, armour around. A
// ball that falls, rolls, jumps and blasts through it meets a great many states and grids.
#include <cstdint>

#include "game/cases.h"
#include "game/niveau.h"

inline Niveau grandNiveau(int cote = 255, int32_t bombes = 3) {
  Niveau n;
  n.largeur = n.hauteur = cote;
  n.grille.assign(static_cast<size_t>(cote) * static_cast<size_t>(cote), Vide);
  uint32_t alea = 12345;
  auto tirer = [&alea](uint32_t m) {
    alea = alea * 1664525u + 1013904223u;
    return (alea >> 8) % m;
  };
  auto poser = [&](int c, int r, uint8_t code) {
    n.grille[static_cast<size_t>(r) * static_cast<size_t>(cote) + static_cast<size_t>(c)] = code;
  };
  for (int i = 0; i < cote; ++i) {
    poser(i, 0, Blinde);
    poser(i, cote - 1, Blinde);
    poser(0, i, Blinde);
    poser(cote - 1, i, Blinde);
  }
  for (int r = 6; r < cote - 1; r += 6) {
    for (int c = 1; c < cote - 1; ++c) {
      const uint32_t t = tirer(100);
      const uint8_t code = t < 8 ? Vide : t < 20 ? Casse : Brique;
      poser(c, r, code);
      if (code != Vide && t >= 95) poser(c, r - 1, Ressort);
      else if (code != Vide && t >= 92) poser(c, r - 1, Bombe);
    }
  }
  n.departX = static_cast<float>(cote / 2) + 0.5f;
  n.departY = 1.5f;
  n.bombes = bombes;
  return n;
}
