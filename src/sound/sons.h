#pragma once
// Sound effects and music over SDL_mixer: the player of the request queue. Any thread may
// queue an effect (the physics step does, on the action thread); only the main thread executes
// the queued requests, once per frame, turning effect numbers into the loaded chunks, so the
// mixer is only ever called from the main thread.
#include <SDL_mixer.h>

#include <array>
#include <mutex>
#include <string>

#include "base/requetes_sons.h"

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

// The player is its own request queue: whoever holds the player may queue into it, and the
// game's code reaches it through the global `requetesSons` (main sets it).
class Sons : public RequetesSons {
 public:
  explicit Sons(PeripheriqueSon peripherique = PeripheriqueSon::Ouvrir);
  ~Sons();
  Sons(const Sons&) = delete;
  Sons& operator=(const Sons&) = delete;

  // Runs the queued requests in arrival order and empties the queue; main thread only.
  void executerRequetes();
  // Replaces the current music by the file `nom` (resolved through the directories), looping.
  void changerMusique(const std::string& nom);
  void arreterMusique();
  // The music's and the effects' volumes, 0..128 (MIX_MAX_VOLUME), applied at once and kept for
  // the next tracks.
  void reglerVolumes(int musique0a128, int effets0a128);
  int volumeMusique() const { return volumeMusique_; }
  int volumeEffets() const { return volumeEffets_; }

  bool estPret() const { return pret; }
  void definirExecuteur(const ExecuteurSons& executeur);

 private:
  Mix_Music* musique = nullptr;
  std::array<Mix_Chunk*, NombreEffets> effets{};
  mutable std::mutex verrouExecuteur;  // guards executeur
  bool pret = false;
  int volumeMusique_ = MIX_MAX_VOLUME;
  int volumeEffets_ = MIX_MAX_VOLUME;
  bool melangeur = false;  // the mixer is really open (false when simulated)
  ExecuteurSons executeur{};
};

extern Sons* sons;
