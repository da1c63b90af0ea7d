#pragma once
// Sound effects and music over SDL_mixer. Any thread may request an effect (the physics step
// does, on the action thread); only the main thread executes the queued requests, once per
// frame, so the mixer is only ever called from the main thread.
#include <SDL_mixer.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

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
  int32_t type = 0;           // RequeteJouer or RequeteArreter
  int32_t canal = 0;          // -1 = first free channel (play only)
  Mix_Chunk* son = nullptr;   // play only
  int32_t boucles = 0;        // extra repetitions: 0 once, -1 until halted (play only)
  int32_t effet = -1;         // the effect number of a play request, -1 for a halt
};

// The mixer calls made by executerRequetes. Tests swap them for recorders.
struct ExecuteurSons {
  int (*jouerCanal)(int canal, Mix_Chunk* son, int boucles, int ticks);
  int (*arreterCanal)(int canal);
};

enum class PeripheriqueSon {
  Ouvrir,  // open the audio device (the game)
  Absent,  // behave as if the device could not be opened: everything silent
  Simule,  // no device, no mixer call; the queue works and executes through the executor,
           // which does nothing unless a test installs one
};

class Sons {
 public:
  explicit Sons(PeripheriqueSon peripherique = PeripheriqueSon::Ouvrir);
  ~Sons();
  Sons(const Sons&) = delete;
  Sons& operator=(const Sons&) = delete;

  // Queues a play of effect `effet` (an EffetSon) on `canal`; any thread. Dropped when the
  // queue already holds CapaciteRequetes requests or the effect number is unknown.
  void jouer(int canal, int effet, int boucles);
  // Queues a halt of `canal`; any thread.
  void arreterCanal(int canal);
  // Runs the queued requests in arrival order and empties the queue; main thread only.
  void executerRequetes();
  // Replaces the current music by the file `nom` (resolved through the directories), looping.
  void changerMusique(const std::string& nom);
  void arreterMusique();

  bool estPret() const { return pret; }
  // Copies the pending requests into `sortie` and returns their number (tests, diagnostics).
  int requetesEnAttente(std::array<RequeteSon, CapaciteRequetes>& sortie) const;
  void definirExecuteur(const ExecuteurSons& executeur);

 private:
  void ajouterRequete(const RequeteSon& requete);

  Mix_Music* musique = nullptr;
  std::array<Mix_Chunk*, NombreEffets> effets{};
  std::array<RequeteSon, CapaciteRequetes> requetes{};
  int32_t nbRequetes = 0;
  mutable std::mutex verrou;  // guards requetes, nbRequetes and executeur
  bool pret = false;
  bool melangeur = false;  // the mixer is really open (false when simulated)
  ExecuteurSons executeur{};
};

extern Sons* sons;
