#pragma once
// A recorded solution of a level: the keys held from each step on, as "STEP KEYS" lines (KEYS
// made of L, R and S, or "-" for none; '#' lines are comments). The play screen replays one as a
// hint through the real action thread, after checking headless that it wins the level as loaded.
#include <cstdint>
#include <string>
#include <vector>

#include "game/niveau.h"
#include "game/touches.h"

struct ConsigneSolution {
  uint32_t pas = 0;  // from this step on...
  Touches touches;   // ...these keys are held
};
using Solution = std::vector<ConsigneSolution>;

// Reads a solution's text. False (and `s` empty) for anything but well-formed lines in step
// order; an empty text is no solution either.
bool lireSolution(const std::string& texte, Solution& s);

// The keys held at step `pas` (0 for the first step).
Touches touchesAuPas(const Solution& s, uint32_t pas);

// Whether `s` wins `depart` (the level as its file holds it) within the steps of its last key
// change plus `marge`: a headless replay through the physics step, silent. Never past the step
// limit the editor's check proves levels within (`bornesVerification`, two minutes of play): a
// solution with a key change beyond it is refused without a replay, so no file can make the
// check run long.
bool solutionGagne(const Niveau& depart, const Solution& s, uint32_t marge = 6000);
