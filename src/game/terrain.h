#pragma once
// The live level: a Niveau (the record a level file holds) plus the play state (the ball, the
// explosion in progress, the particle ring, the rolling-sound flags) and the lock. The global
// `terrain` is the level being played or shown; the editor keeps plain Niveau records.
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
#include "game/touches.h"

// Result of one physics step.
enum ResultatEtape : int { EnCours = 0, Gagne = 1, Perdu = 2 };

constexpr int32_t ParticulesParNiveau = 1000;

class Terrain : public Niveau {
 public:
  Terrain();  // logs "Terrain crée"
  ~Terrain();
  Terrain(const Terrain&) = delete;
  Terrain& operator=(const Terrain&) = delete;

  Balle balle;
  uint8_t minuteurExplosion = 0;  // 100 after a blast, lowered by each step
  float explosionX = 0.0f, explosionY = 0.0f;
  float explosionAlea = 0.0f;  // rand() drawn at the last blast (the flash's angle)
  bool rouleEnCours = false;   // the rolling loop plays on its channel
  bool chocJoue = false;       // the bump already sounded for the current fall
  std::unique_ptr<Particule[]> particules;
  int32_t capaciteParticules = 0;
  int32_t prochaineParticule = 0;

  mutable std::mutex verrou;

  void reinitialiserCamera();
  void reinitialiserBalle();
  // The ball-following camera update (target: the ball, at the camera's eye depth).
  void suivreCameraBalle();
  // A camera update toward (x, y, z) under the lock (the menu background's flight).
  void suivreCameraVers(float x, float y, float z);

  // One physics step: 0 go on, 1 won, 2 lost. Sound requests go to `sonsEtape` (none: silent).
  // Does nothing and returns 0 without a grid.
  int avancer(const Touches& touches, RequetesSons* sonsEtape = requetesSons);

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
};

extern Terrain* terrain;
