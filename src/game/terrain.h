#pragma once
// The live level: the rule state (game/regles.h: grid, ball, bombs, blast timer), the rest of
// the level record (start, corner colours) and the lock. The global `terrain` is the level being
// played or shown; what shows it (camera, flash, particles) is the Spectacle of the screen that
// shows it (game/spectacle.h). The editor keeps plain Niveau records, and the searches and
// replays step a rule state without any of this.
//
// Threads: the physics step (action thread) and the menu background's automaton change the
// live Terrain while the main thread draws it. Every operation that may run on such a thread
// (the step of game/spectacle.h, ajouterBombe, and the menu background's etapeVie and
// ajouterPlaneur) holds `verrou`, and the main thread draws from a copy taken under the same
// lock (prendreInstantane here or in game/spectacle.h). Starting a level (commencerNiveau)
// also takes the lock.
#include <cstdint>
#include <mutex>
#include <vector>

#include "game/balle.h"
#include "game/cases.h"
#include "game/instantane.h"
#include "game/niveau.h"
#include "game/regles.h"

class Terrain : public EtatRegles {
 public:
  Terrain();  // logs "Terrain crée"
  ~Terrain();
  Terrain(const Terrain&) = delete;
  Terrain& operator=(const Terrain&) = delete;

  // The level record's fields that are not rule state.
  float departX = 1.5f;
  float departY = 1.5f;
  float couleurs[4][4] = {};

  mutable std::mutex verrou;

  void reinitialiserBalle();

  // The bomb code's extra bomb. The bomb label is the play screen's: it shows the count of the
  // frame copy.
  void ajouterBombe();

  // A consistent copy of the level and its play state, taken under the lock; nothing shows it
  // (the initial camera, no flash, no particles). Reuses the buffers of `sortie`, so repeated
  // copies of same-sized levels allocate nothing.
  void prendreInstantane(InstantaneTerrain& sortie) const;
  // The same copy without the lock: the caller holds it.
  void copierDans(InstantaneTerrain& sortie) const;

  // The level record alone (a consistent copy, under the lock), with the initial camera.
  Niveau niveau() const;
  // The live level becomes `niveau` and play starts over: the ball on the start cell, the
  // explosion timer and the sound flags as new (its camera is no part of the live level).
  void commencerNiveau(Niveau niveau);
  // Only the play state's reset of commencerNiveau, the level and the ball kept.
  void reinitialiserJeu();
  void libererGrille();

 private:
  void reinitialiserJeuSansVerrou();
  void poserNiveau(Niveau&& n);
};

extern Terrain* terrain;
