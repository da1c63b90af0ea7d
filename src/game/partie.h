#pragma once
// A level as it starts, replayed as often as wanted through the game's own rule step
// (pasRegles) on a working Terrain of its own, without its lock: key scripts held from given
// steps, and where a replay ended. The level tools and the editor's check share it; nothing here
// touches the live level.
#include <cstdint>
#include <functional>
#include <vector>

#include "game/niveau.h"
#include "game/solution.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "game/touches.h"

// From step `pas` on, `touches` are held until the next instruction.
struct Consigne {
  long pas = 0;
  Touches touches;
};
using Script = std::vector<Consigne>;

inline bool memesTouches(const Touches& a, const Touches& b) {
  return a.gauche == b.gauche && a.droite == b.droite && a.espace == b.espace;
}

// The same keys as a solution the play screen's replay reads step by step.
Solution enSolution(const Script& s);

// Where a replay ended: the first step that returned won or lost, or still running.
struct Issue {
  int resultat = EnCours;
  long pas = 0;  // the step of the result; the number of steps run when still running
};

// Particles do not touch the ball or the grid, so the replays run without a ring unless asked;
// with one, `spectacle` reacts to each step as in play (the same rand() draws).
class Partie {
 public:
  // The level now in `t` (loaded by the caller) becomes the start the replays go back to.
  void retenirDepart();
  // `niveau` becomes the start: the ball on its start cell.
  void preparer(const Niveau& niveau);

  void allouerParticules(int32_t n) { spectacle.allouerParticules(n); }

  // Back to the level's start: the grid, the ball on its start cell, the bombs, the blast
  // timer and the camera as new.
  void recommencer() {
    t.commencerNiveau(depart);
    spectacle.reinitialiserCamera();
  }

  // Plays `s` from the start for at most `pasMax` steps. With `jusquAuBout` every step runs
  // (as zv-jouer does); otherwise the replay stops at the first result. `apresPas` sees every
  // step (its number and what it returned).
  Issue jouer(const Script& s, long pasMax, bool jusquAuBout = false,
              const std::function<void(long, int)>& apresPas = nullptr);

  Terrain t;
  Spectacle spectacle;           // the replay's own, used only with a ring
  Niveau depart;                 // the level as it starts
  std::vector<uint8_t> grille0;  // the same grid, ball and bombs, for the searches
  Balle balle0;
  int32_t bombes0 = 0;
  uint8_t minuteur0 = 0;  // a blast's timer still running where the search starts
};
