#pragma once
// One level as a plain record: what a level file stores (size, grid, start cell, bombs, corner
// colours) and the camera it is looked at with. Copyable: the file reader produces it, the
// writer takes it, the editor copies, inserts and resizes it, and the live Terrain is one of
// these plus the play state.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/camera.h"
#include "game/cases.h"

struct Niveau {
  int32_t largeur = 15;
  int32_t hauteur = 15;
  std::vector<uint8_t> grille;  // largeur x hauteur bytes, row by row; empty = no level loaded
  float departX = 1.5f;         // the ball's start: the centre of the start cell
  float departY = 1.5f;
  int32_t bombes = 0;
  float couleurs[4][4] = {{0.7f, 0.7f, 0.7f, 1.0f},
                          {0.7f, 0.7f, 0.7f, 1.0f},
                          {0.7f, 0.7f, 0.7f, 1.0f},
                          {0.7f, 0.7f, 0.7f, 1.0f}};  // corner colours, RGBA
  Camera camera;

  bool aGrille() const { return !grille.empty(); }
  // The code at column c, row r; Vide outside the grid.
  uint8_t lireCase(int c, int r) const {
    if (c < 0 || r < 0 || c >= largeur || r >= hauteur) return Vide;
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(largeur) + static_cast<size_t>(c);
    return i < grille.size() ? grille[i] : static_cast<uint8_t>(Vide);
  }

  // New size (each side at least 1): the cells of the common part keep their place, new cells
  // are empty, and a start cell left outside moves back to the nearest cell inside.
  void redimensionner(int32_t nouvelleLargeur, int32_t nouvelleHauteur);
};
