#pragma once
// The live level: the rule state (game/regles.h: grid, ball, bombs, blast timer), the rest of
// the level record (start, corner colours) and what shows the play without being part of its
// rules (the camera, the flash of the last blast, the particle ring), plus the lock. The global
// `terrain` is the level being played or shown; the editor keeps plain Niveau records, and the
// searches and replays step a rule state without any of this.
//
// Threads: the physics step (action thread) and the menu background's automaton change the
// live Terrain while the main thread draws it. Every operation that may run on such a thread
// (avancer, suivreCameraVers, ajouterBombe, and the menu background's etapeVie and
// ajouterPlaneur) holds `verrou`, and the main thread draws from a copy taken with
// prendreInstantane under the same lock. Starting a
// level (commencerNiveau) also takes the lock; particles are allocated and released only while
// no other thread uses the Terrain.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "base/requetes_sons.h"
#include "game/balle.h"
#include "game/camera.h"
#include "game/cases.h"
#include "game/instantane.h"
#include "game/niveau.h"
#include "game/particule.h"
#include "game/regles.h"
#include "game/touches.h"

constexpr int32_t ParticulesParNiveau = 1000;

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
  Camera camera;

  // What shows the play: the flash of the last blast (it lasts while minuteurExplosion runs
  // down) and the particle ring.
  float explosionX = 0.0f, explosionY = 0.0f;
  float explosionAlea = 0.0f;  // rand() drawn at the last blast (the flash's angle)
  std::unique_ptr<Particule[]> particules;
  int32_t capaciteParticules = 0;
  int32_t prochaineParticule = 0;

  mutable std::mutex verrou;

  void reinitialiserCamera();
  void reinitialiserBalle();
  // A camera update toward (x, y, z) under the lock (the menu background's flight).
  void suivreCameraVers(float x, float y, float z);

  // One step of the live level, under the lock: the rules (pasRegles), then what shows them
  // reacts to the step's events (montrer). Returns 0 go on, 1 won, 2 lost; the step's sound
  // requests go to `sonsEtape` (none: silent). Does nothing and returns 0 without a grid.
  int avancer(const Touches& touches, RequetesSons* sonsEtape);
  // What shows the play reacts to one step's events (without the lock: the caller holds it, or
  // owns the Terrain alone): the camera follows the ball, a blast lights its flash (one rand())
  // and bursts 200 particles (600 rand()), and every particle moves one step.
  void montrer(const EvenementsPas& ev);

  // Particle ring.
  void allouerParticules(int32_t n);
  void libererParticules();  // logs "Unalloc particules" + "ok"
  void ajouterParticule(const Particule& p);

  // The bomb code's extra bomb. The bomb label is the play screen's: it shows the count of the
  // frame copy.
  void ajouterBombe();

  // A consistent copy of what a frame draws, taken under the lock. Reuses the buffers of
  // `sortie`, so repeated copies of same-sized levels allocate nothing.
  void prendreInstantane(InstantaneTerrain& sortie) const;

  // The level record alone (a consistent copy, under the lock): what the editor keeps.
  Niveau niveau() const;
  // The live level becomes `niveau` and play starts over: the ball on the start cell, the
  // camera, the explosion timer and the sound flags as new. The particles stay.
  void commencerNiveau(Niveau niveau);
  // Only the play state's reset of commencerNiveau, the level and the ball kept.
  void reinitialiserJeu();
  void libererGrille();

 private:
  void reinitialiserJeuSansVerrou();
  void poserNiveau(Niveau&& n);
};

extern Terrain* terrain;
