#pragma once
// A level proved on a worker thread: the breadth-first search (game/recherche.h) over a copy of
// the level, followed and cancelled from the thread that started it. The editor's check.
//
// Threads: the worker owns its copy of the level, writes the progress record (atomics) as it
// goes and the result once, before it raises `finie_` (release); the starting thread reads the
// result only after seeing `finie_` (acquire) and joins the worker. A cancel raises the search's
// flag and joins: the search reads it before every state, so it stops within a tenth of a
// second even on a 255 x 255 level.
#include <atomic>
#include <thread>

#include "game/niveau.h"
#include "game/recherche.h"

class Verification {
 public:
  Verification() = default;
  ~Verification() { annuler(); }
  Verification(const Verification&) = delete;
  Verification& operator=(const Verification&) = delete;

  // Starts proving `niveau`; false (nothing started) while a search runs or its result is not
  // taken yet.
  bool lancer(const Niveau& niveau, const BornesRecherche& bornes = bornesVerification());
  // A search started and its result not taken.
  bool enCours() const { return fil_.joinable(); }
  // The result is ready: prendre() will not wait.
  bool finie() const { return enCours() && finie_.load(std::memory_order_acquire); }
  // The result of the finished search (waits for it otherwise); the worker is joined.
  const Resolution& prendre();
  // Stops a running search and waits for its end. True when one was running.
  bool annuler();

  const ProgresRecherche& progres() const { return progres_; }

 private:
  std::thread fil_;
  ProgresRecherche progres_;
  std::atomic<bool> annulation_{false};
  std::atomic<bool> finie_{false};
  Resolution resultat_;  // written by the worker before finie_
};
