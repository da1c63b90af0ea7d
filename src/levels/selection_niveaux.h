#pragma once
// The editor's block of cells, without window or widgets: a rectangle selected on a level, the
// clipboard that holds a copy of one, and what emptying, pasting and moving a block do. A paste
// or a move that reaches past the level's edge keeps only the cells that land inside: the level
// never grows from it.
#include <cstdint>
#include <optional>
#include <vector>

#include "game/niveau.h"

// A rectangle of cells: its top-left cell and its size (both at least 1).
struct ZoneCases {
  int colonne = 0, ligne = 0;
  int largeur = 1, hauteur = 1;
  bool contient(int c, int l) const {
    return c >= colonne && l >= ligne && c < colonne + largeur && l < ligne + hauteur;
  }
  bool operator==(const ZoneCases& o) const {
    return colonne == o.colonne && ligne == o.ligne && largeur == o.largeur && hauteur == o.hauteur;
  }
};

// The rectangle between two cells (corners in either order) cut to a level of largeur x
// hauteur; nothing when none of it is inside.
std::optional<ZoneCases> zoneEntre(int c0, int l0, int c1, int l1, int largeur, int hauteur);

// A copied block: its cells row by row (largeur x hauteur codes).
struct PressePapiers {
  int largeur = 0, hauteur = 0;
  std::vector<uint8_t> cases;
  bool vide() const { return largeur < 1 || hauteur < 1; }
  uint8_t lire(int c, int l) const {
    return cases[static_cast<size_t>(l) * static_cast<size_t>(largeur) + static_cast<size_t>(c)];
  }
};

// The block's cells (cells past the level's edge read as empty).
PressePapiers copierZone(const Niveau& niveau, const ZoneCases& zone);
// Empties the block's cells; the number of cells that changed.
int viderZone(Niveau& niveau, const ZoneCases& zone);
// Writes the clipboard with its top-left cell at (colonne, ligne); cells that would land outside
// the level are left out. The number of cells that changed.
int collerZone(Niveau& niveau, const PressePapiers& bloc, int colonne, int ligne);
// The part of a paste at (colonne, ligne) that lands inside the level; nothing when none does.
std::optional<ZoneCases> zoneCollee(const Niveau& niveau, const PressePapiers& bloc, int colonne,
                                    int ligne);
// Moves the block by (dc, dl): its cells leave empty cells behind and cover what was at their
// new place, those landing outside the level are lost; the ball's start moves with them when it
// lay in the block and its new cell is inside. The number of cells that changed (the start
// counts as one).
int deplacerZone(Niveau& niveau, const ZoneCases& zone, int dc, int dl);

// The clipboard of the whole run: kept across the levels of a file and the files edited.
PressePapiers& pressePapiersSession();
