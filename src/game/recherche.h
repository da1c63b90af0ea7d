#pragma once
// Breadth-first search for the fastest win of a level: the keys may change every few steps,
// states met before (position to a twentieth of a cell, jump, speed sign, bombs, blast timer
// and grid) are not searched again. The level tools write solutions and look for shortcuts
// with it; the editor's check proves a level with it on a worker thread.
//
// Bounded: no win later than `pasMax` steps is looked for, the search stops after `etatsMax`
// states (checked after each layer) and never holds more than `octetsMax` bytes of its own
// (states, the seen set, the grids). A state is 32 bytes and names its grid in a pool where
// every distinct grid is kept once, so a large level costs a grid per blast or switch, not per
// state. A cancel flag is read before every state, and the progress is published as it goes.
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "game/niveau.h"
#include "game/partie.h"

struct BornesRecherche {
  long tous = 5;                // the keys may change every `tous` steps
  long pasMax = 8000;           // the latest step a win is looked for at
  long etatsMax = 3000000;      // distinct states, checked after each layer
  size_t octetsMax = SIZE_MAX;  // bytes the search may hold at once
  bool sansEspace = false;      // never press the space bar
  // Only whether a win is reachable: the search stops at the first one, without its keys.
  bool existenceSeule = false;
};

// How far a running search is: written by the search, read by any thread.
struct ProgresRecherche {
  std::atomic<uint64_t> etats{0};   // distinct states met
  std::atomic<int64_t> pas{0};      // the depth reached, in steps
  std::atomic<uint64_t> octets{0};  // bytes held now
};

enum class FinRecherche {
  Gagnee,      // a win was found
  Epuisee,     // every state reachable within pasMax searched: no win
  Bornee,      // a bound (steps, states, bytes) reached before a win
  Annulee,     // the cancel flag was raised
  SansDepart,  // the ball has no start: no grid, a start outside it or inside a solid cell
};

struct Resolution {
  bool trouvee = false;
  long pas = 0;      // step of the win
  Script script;     // the winning keys, with as few changes as found
  size_t etats = 0;  // distinct states searched
  FinRecherche fin = FinRecherche::Bornee;
  size_t octetsPic = 0;  // the most bytes the search held at once
};

// Whether a ball can start in `n`: a grid, and a start cell inside it that is not solid.
bool departValable(const Niveau& n);

// The fastest win of `partie`'s level within `bornes`. `progres` (optional) follows the search;
// `annulation` (optional) stops it at the next state once raised.
Resolution chercherPlusCourt(Partie& partie, const BornesRecherche& bornes,
                             ProgresRecherche* progres = nullptr,
                             const std::atomic<bool>* annulation = nullptr);

// The tools' form: keys changing every `tous` steps, no byte bound.
inline Resolution chercherPlusCourt(Partie& partie, long tous, long pasMax, long etatsMax,
                                    bool sansEspace = false) {
  BornesRecherche b;
  b.tous = tous;
  b.pasMax = pasMax;
  b.etatsMax = etatsMax;
  b.sansEspace = sansEspace;
  return chercherPlusCourt(partie, b);
}

// The editor's check: wins up to two minutes of play (12000 steps), at most 4 million states and
// 256 MiB (every shipped level is proven within them). On a 255 x 255 level the bytes stop it
// first, after about 2 million states.
BornesRecherche bornesVerification();
