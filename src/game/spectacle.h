#pragma once
// What shows a live level without being part of its rules: the camera, the flash of the last
// blast and the particle ring. It reacts to each step's events (game/regles.h) after the rules
// are done with the step. The play screen owns one for the file it plays, the menu background
// one for its flight; the rules, the searches and the replays never need one.
//
// Threads: a Spectacle has its own lock. A step of the live level (`avancer` below) holds the
// Terrain's lock and this one together, and so does the frame copy (`prendreInstantane` below),
// so a frame shows the camera and the particles of the very step its grid and ball come from.
// Every member function that says so takes the lock; the others expect the caller to hold it,
// or to own the Spectacle alone.
#include <cstdint>
#include <memory>
#include <mutex>

#include "base/requetes_sons.h"
#include "game/camera.h"
#include "game/instantane.h"
#include "game/particule.h"
#include "game/regles.h"
#include "game/terrain.h"
#include "game/touches.h"

constexpr int32_t ParticulesParNiveau = 1000;

class Spectacle {
 public:
  Spectacle() = default;
  ~Spectacle();  // a ring still there is released as libererParticules does it (logged)
  Spectacle(const Spectacle&) = delete;
  Spectacle& operator=(const Spectacle&) = delete;

  Camera camera;
  // The flash of the last blast: it lasts while the rules' minuteurExplosion runs down.
  float explosionX = 0.0f, explosionY = 0.0f;
  float explosionAlea = 0.0f;  // rand() drawn at the last blast (the flash's angle)
  std::unique_ptr<Particule[]> particules;
  int32_t capaciteParticules = 0;
  int32_t prochaineParticule = 0;

  mutable std::mutex verrou;

  // Under the lock: the camera set, back to its initial values, or one update toward (x, y, z).
  void poserCamera(const Camera& k);
  void reinitialiserCamera();
  void suivreCameraVers(float x, float y, float z);

  // Under the lock: a ring of `n` dead particles (none for n <= 0). The ring position carries
  // over from the last ring; it must still name a slot.
  void allouerParticules(int32_t n);
  void libererParticules();  // logs "Unalloc particules" + "ok"

  // Without the lock. The camera follows the ball, a blast lights its flash (one rand()) and
  // bursts 200 particles (600 rand()), and every particle moves one step. Nothing for a step
  // that did not run.
  void montrer(const EvenementsPas& ev);
  void ajouterParticule(const Particule& p);
  // The camera, the flash and the whole ring into a frame copy (its buffers reused).
  void copierDans(InstantaneTerrain& sortie) const;
};

// One step of the live level, under both locks: the rules (pasRegles), then `spectacle` reacts
// to the step's events. Returns 0 go on, 1 won, 2 lost; the step's sound requests go to
// `sonsEtape` (none: silent). Does nothing and returns 0 without a grid.
int avancer(Terrain& terrain, Spectacle& spectacle, const Touches& touches,
            RequetesSons* sonsEtape);

// A consistent copy of what a frame draws, under both locks: the level and its play state from
// `terrain`, the camera, the flash and the particles from `spectacle`.
void prendreInstantane(const Terrain& terrain, const Spectacle& spectacle,
                       InstantaneTerrain& sortie);
