#pragma once
// The animation behind the menus: a camera wandering over the demonstration level held in a
// live Terrain and, after a while, the level's bricks living as a cellular automaton with
// gliders dropped in. It runs on a thread of its own; every change to the Terrain holds the
// Terrain's lock, every move of the camera the lock of the background's own Spectacle, and the
// main thread draws from its frame copy of the two.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "game/spectacle.h"
#include "game/terrain.h"

// The automaton's work grid and solid-cell mask, kept between generations so that a generation
// allocates nothing.
struct TamponsVie {
  std::vector<uint8_t> grilleTravail;
  std::vector<uint8_t> masque;
};

// One generation of the cellular automaton on `niveau`'s grid, under its lock: solid cells
// live, a cell with two live neighbours keeps its code, one with three becomes a brick, any
// other becomes empty; the grid wraps at its edges. Nothing without a grid.
void etapeVie(Terrain& niveau, TamponsVie& tampons);
// Drops a glider at a random place, under the lock; needs a grid of at least 3 x 3 (otherwise
// nothing).
void ajouterPlaneur(Terrain& niveau);

// The animation's own state, new at each start.
struct EtatFondMenu {
  float cibleX = 128, cibleY = 101;           // point the camera heads for, in cells
  float vitesseX = 0, vitesseY = 0;           // motion of the target per step
  float pousseeX = 0.01f, pousseeY = -0.01f;  // added to the speed each step
  bool tourneX = false, tourneY = false;      // the push was reversed during this excursion
  int pas = 0;                                // steps since the start
  TamponsVie tampons;
};

// The eye's distance factor at step `pas`: 250 / (pas / 500) capped at 300, so 300 up to step
// 416 and then falling smoothly as 1 / pas (step 499: 250.5).
float distanceFondMenu(int pas);

// One step of the animation on `niveau` of width x height cells: the target swings through
// the middle half of the level (its push reversed once per excursion out of the band), the
// camera follows it (eye depth -20 - distance), the automaton runs every 4th step after 1000
// and a glider drops every 2nd step after 3000.
void pasFondMenu(EtatFondMenu& etat, Terrain& niveau, Spectacle& spectacle, int largeur,
                 int hauteur);

class FondMenu {
 public:
  FondMenu() = default;
  ~FondMenu() { arreter(); }
  FondMenu(const FondMenu&) = delete;
  FondMenu& operator=(const FondMenu&) = delete;

  // Starts the thread on `niveau` (whose level the caller has loaded), the camera back to its
  // initial values; a running thread is stopped first.
  void demarrer(Terrain& niveau);
  // Asks the thread to stop and waits for it: it ends within one step. Nothing when stopped.
  void arreter();
  bool actif() const { return fil_.joinable(); }
  // While suspended the thread sleeps (a twentieth of a second at a time) instead of stepping;
  // the state outlives arreter and demarrer.
  void suspendre(bool oui) { suspendu_ = oui; }
  // Steps run by the current (or last) thread.
  int pas() const { return pas_.load(); }
  // What shows the background's level: the frames copy it with the level (game/spectacle.h).
  const Spectacle& spectacle() const { return spectacle_; }

 private:
  void boucle(Terrain& niveau);

  Spectacle spectacle_;
  std::atomic<bool> arret_{false};
  std::atomic<bool> suspendu_{false};
  std::atomic<int> pas_{0};
  std::thread fil_;
};
