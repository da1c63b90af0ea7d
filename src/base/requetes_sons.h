#pragma once
// The queue of sound requests: effect numbers and channels, never mixer data. Any thread may
// queue (the physics step does, on the action thread); only the main thread takes the requests
// out, once per frame, and hands them to the player (Sons), so the mixer is only ever called
// from the main thread and the game core needs no audio library.
#include <array>
#include <cstdint>
#include <mutex>

enum EffetSon : int32_t {
  SonChoc = 0,          // sons/paf.ogg: a fall reaches the ground, a jump hits a wall
  SonRoule = 1,         // sons/rool.ogg: looped on CanalRoule while rolling
  SonBoom = 2,          // sons/boom.ogg
  SonRessort = 3,       // sons/ressort.ogg
  SonInterrupteur = 4,  // sons/inter.wav
  SonBombe = 5,         // sons/pr_bombe.wav: bomb picked up
};
constexpr int NombreEffets = 6;
constexpr int NombreCanaux = 8;
constexpr int CanalRoule = 7;  // the rolling loop is started and halted on this channel
constexpr int CapaciteRequetes = 8;

enum TypeRequete : int32_t { RequeteJouer = 1, RequeteArreter = 2 };

struct RequeteSon {
  int32_t type = 0;     // RequeteJouer or RequeteArreter
  int32_t canal = 0;    // -1 = first free channel (play only)
  int32_t boucles = 0;  // extra repetitions: 0 once, -1 until halted (play only)
  int32_t effet = -1;   // the effect number of a play request, -1 for a halt
};

class RequetesSons {
 public:
  // Queues a play of effect `effet` (an EffetSon) on `canal`; any thread. Dropped when the
  // queue already holds CapaciteRequetes requests, the effect number is unknown or the queue
  // is closed.
  void jouer(int canal, int effet, int boucles);
  // Queues a halt of `canal`; any thread. Dropped as above.
  void arreterCanal(int canal);

  // Moves the pending requests into `sortie` in arrival order and empties the queue; returns
  // their number. The main thread's part.
  int prendreRequetes(std::array<RequeteSon, CapaciteRequetes>& sortie);
  // Copies the pending requests into `sortie` and returns their number (tests, diagnostics).
  int requetesEnAttente(std::array<RequeteSon, CapaciteRequetes>& sortie) const;

  // A closed queue takes nothing (a game without a sound device stays silent). Open by default.
  void ouvrirFile(bool ouverte);
  bool fileOuverte() const;

 private:
  void ajouter(const RequeteSon& requete);

  mutable std::mutex verrou_;  // guards everything below
  std::array<RequeteSon, CapaciteRequetes> requetes_{};
  int32_t nombre_ = 0;
  bool ouverte_ = true;
};

// Where the game's own code queues its sounds: the player's queue once the player exists,
// null before (and in the headless tools): no sound.
extern RequetesSons* requetesSons;
