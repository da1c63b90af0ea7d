#pragma once
// A level's hint, looked up and checked off the frame's thread: its recorded solution file read
// and replayed headless on a worker (`solutionGagne`, bounded by the editor check's step limit),
// so even a hostile file never stops the frames.
//
// Threads: the worker owns its copy of the level and the path, writes the solution and then the
// state once (release); the starting thread reads the solution only after seeing the state
// (acquire). The destructor waits for the worker: at most one bounded replay.
#include <atomic>
#include <string>
#include <thread>

#include "game/niveau.h"
#include "game/solution.h"

enum class EtatIndice {
  Aucun,       // no check started
  EnCours,     // the worker is reading or replaying
  Absent,      // no readable, well-formed solution file
  Refuse,      // a solution that does not win the level as loaded
  Disponible,  // a solution that wins it
};

class ControleIndice {
 public:
  ControleIndice() = default;
  ~ControleIndice();
  ControleIndice(const ControleIndice&) = delete;
  ControleIndice& operator=(const ControleIndice&) = delete;

  // Starts checking the solution file at `chemin` (a path, resolved by the caller) against
  // `depart`; nothing when a check was started already.
  void lancer(const std::string& chemin, const Niveau& depart);
  EtatIndice etat() const { return etat_.load(std::memory_order_acquire); }
  // The winning solution: meaningful once etat() is Disponible.
  const Solution& solution() const { return solution_; }

 private:
  std::thread fil_;
  std::atomic<EtatIndice> etat_{EtatIndice::Aucun};
  Solution solution_;  // written by the worker before etat_
};
