#pragma once
// What the editor does to a level list, without window or widgets: a new level, insertions and
// deletions, the properties dialog's resize and corner colours, what a tool does to a cell, the
// flood fill's region.
#include <cstdint>
#include <utility>
#include <vector>

#include "game/niveau.h"

constexpr uint8_t OutilBalle = 255;      // the tool that places the ball's start
constexpr uint8_t OutilSelection = 254;  // the tool that selects a block of cells: paints none
constexpr int NombreOutilsCases = 20;    // tools 0..19 write their cell code

// A new level as the add dialog makes it: 15 x 15 empty cells, start (1.5, 1.5), no bombs,
// grey corners, the editor's fixed camera on the start cell.
Niveau nouveauNiveau();

// Inserts a new level before (apres = false) or after the spinner's level (1-based `valeur`);
// returns the spinner's new value, which is the new level's.
int insererNiveau(std::vector<Niveau>& niveaux, int valeur, bool apres);
// Deletes the spinner's level unless it is the only one; returns the spinner's new value
// (lowered when the last level went).
int supprimerNiveau(std::vector<Niveau>& niveaux, int valeur);

// The properties dialog's working colours: working k is the level's corner colour 3 - k, so the
// four read top-left, top-right, bottom-left, bottom-right.
using CouleursTravail = float[4][4];
void lireCouleursTravail(const Niveau& niveau, CouleursTravail travail);
// Where a new size adds or takes off columns and rows: at the right (or left) side, at the bottom
// (or top).
struct AncreTaille {
  bool gauche = false;
  bool haut = false;
};
// New size X x Y (each side at least 1), the columns and rows added or taken off at the sides
// `ancre` names: the other cells keep their place against the opposite sides, the ball's start
// moves with its cell (back to the nearest cell inside when its cell went), the view with them.
void redimensionnerAncre(Niveau& niveau, int X, int Y, AncreTaille ancre);
// "OK" of the properties dialog: size X x Y (2 to 255) at the sides `ancre` names, B bombs, the
// working colours' RGB into the corners (alpha kept), the camera pulled back inside.
void appliquerProprietes(Niveau& niveau, int X, int Y, int B, const CouleursTravail travail,
                         AncreTaille ancre = {});

// What tool `outil` does at (colonne, ligne): writes its code, or (OutilBalle) moves the start to
// the cell's centre. False when nothing changed (outside the grid, same code, same place, a tool
// that writes no cell).
bool appliquerOutil(Niveau& niveau, uint8_t outil, int colonne, int ligne);

// The cells a flood fill with `outil` from (colonne, ligne) changes: the region of cells holding
// the clicked cell's code, joined by their sides, within the level. None outside the level, with
// the ball tool (the start is not a cell code), or when the clicked cell already holds the
// tool's code.
std::vector<std::pair<int, int>> casesRemplissage(const Niveau& niveau, uint8_t outil, int colonne,
                                                  int ligne);
