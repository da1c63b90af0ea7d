#pragma once
// One level: the grid of cell codes, the ball, the bombs, the explosion in progress, the
// particle ring, the corner colours and the camera. The global `terrain` is the live level;
// the editor keeps further Terrain objects of its own.
//
// Threads: the physics step (action thread) and the menu background's automaton change the
// live Terrain while the main thread draws it. Every operation that may run on such a thread
// (avancer, etapeVie, ajouterPlaneur, suivreCameraVers, ajouterBombe, afficherBombes) holds
// `verrou`, and the main thread draws from a copy taken with prendreInstantane under the same
// lock. Loading and releasing a grid still happen only while no other thread uses the Terrain.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "base/requetes_sons.h"
#include "game/balle.h"
#include "game/camera.h"
#include "game/cases.h"
#include "game/instantane.h"
#include "game/particule.h"
#include "game/touches.h"


// Result of one physics step.
enum ResultatEtape : int { EnCours = 0, Gagne = 1, Perdu = 2 };

constexpr int32_t ParticulesParNiveau = 1000;

class Terrain {
 public:
  Terrain();  // logs "Terrain crée"
  ~Terrain();
  Terrain(const Terrain&) = delete;
  Terrain& operator=(const Terrain&) = delete;

  int32_t largeur = 15;
  int32_t hauteur = 15;
  std::vector<uint8_t> grille;  // largeur x hauteur bytes, row by row; empty = no level loaded
  Balle balle;
  int32_t bombes = 0;
  Camera camera;
  uint8_t minuteurExplosion = 0;  // 100 after a blast, lowered by each step
  float explosionX = 0.0f, explosionY = 0.0f;
  float explosionAlea = 0.0f;  // rand() drawn at the last blast (the flash's angle)
  bool rouleEnCours = false;   // the rolling loop plays on its channel
  bool chocJoue = false;       // the bump already sounded for the current fall
  float couleurs[4][4];        // corner colours, RGBA
  std::unique_ptr<Particule[]> particules;
  int32_t capaciteParticules = 0;
  int32_t prochaineParticule = 0;
  std::unique_ptr<std::istream> fichier;  // the level file being read sequentially

  // GL texture name given to blast particles (set by whoever loads the textures).
  uint32_t textureParticule = 0;
  // Shows the bomb count (the play screen's label). Called with `verrou` held, on the thread
  // that changed the count: it must be short and must not call back into this Terrain.
  std::function<void(int32_t bombes)> afficheurBombes;

  mutable std::mutex verrou;

  bool aGrille() const { return !grille.empty(); }
  // The code at column c, row r; Vide outside the grid.
  uint8_t lireCase(int c, int r) const {
    if (c < 0 || r < 0 || c >= largeur || r >= hauteur) return Vide;
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(largeur) + static_cast<size_t>(c);
    return i < grille.size() ? grille[i] : static_cast<uint8_t>(Vide);
  }

  void reinitialiserCamera();
  void reinitialiserBalle();
  // The ball-following camera update (target: the ball, at the camera's eye depth).
  void suivreCameraBalle();
  // A camera update toward (x, y, z) under the lock (the menu background's flight).
  void suivreCameraVers(float x, float y, float z);

  // One generation of the cellular automaton (solid cells live, the grid wraps at its edges).
  void etapeVie();
  // Drops a glider at a random place; needs a grid of at least 3 x 3 (otherwise nothing).
  void ajouterPlaneur();

  // One physics step: 0 go on, 1 won, 2 lost. Sound requests go to `sonsEtape` (none: silent).
  // Does nothing and returns 0 without a grid.
  int avancer(const Touches& touches, RequetesSons* sonsEtape = requetesSons);

  // Particle ring.
  void allouerParticules(int32_t n);
  void libererParticules();  // logs "Unalloc particules" + "ok"
  void ajouterParticule(const Particule& p);

  // Bomb count display (through afficheurBombes) and the bomb code's extra bomb.
  void afficherBombes();
  void ajouterBombe();

  // A consistent copy of what a frame draws, taken under the lock. Reuses the buffers of
  // `sortie`, so repeated copies of same-sized levels allocate nothing.
  void prendreInstantane(InstantaneTerrain& sortie) const;

  // Level file, read one level at a time (defined with the level files).
  bool chargerFichier(const std::string& chemin);
  // Same, from an already open stream (`nom` is what the log shows).
  bool chargerFichierDepuis(std::unique_ptr<std::istream> flux, const std::string& nom);
  // false when a level was loaded, true at the end of the file (no level loaded).
  bool chargerNiveauSuivant();
  // Reads the next level record of `flux` into this Terrain (the work of chargerNiveauSuivant).
  bool lireNiveau(std::istream& flux);
  void libererGrille();
  void fermerFichier();

 private:
  int avancerSansVerrou(const Touches& touches, RequetesSons* sonsEtape);
  void afficherBombesSansVerrou();
  void exploser(float x, float y, RequetesSons* sonsEtape);

  // etapeVie's work grid and solid-cell mask, kept to avoid reallocating every generation.
  std::vector<uint8_t> grilleTravail;
  std::vector<uint8_t> masqueVie;
};

extern Terrain* terrain;
