#pragma once
// What the play screen's main thread and its action thread share about the running level.
// Every field is atomic: the main thread writes the stop request, the held keys and the results
// it decides (quit button, win code); the action thread reads the stop request and the keys once
// per step, stores step results and counts its steps.
#include <atomic>
#include <cstdint>

#include "game/touches.h"

struct DonneesAction {
  std::atomic<bool> arret{false};        // the action thread must stop
  std::atomic<int32_t> resultat{0};      // 0 running, 1 won, 2 lost
  std::atomic<uint32_t> pas{0};          // steps run since the thread started
  std::atomic<uint8_t> touches{0};       // the held keys, as the main thread last sampled them
  std::atomic<bool> pause{false};        // the steps wait (the pause panel is open)
  std::atomic<uint32_t> pasResultat{0};  // the step count when the kept result came

  // Stores `r` unless a result is already there: the first result, from either thread, is
  // the one kept. False when `r` was not stored.
  bool proposerResultat(int32_t r) {
    int32_t attendu = 0;
    if (r == 0 || !resultat.compare_exchange_strong(attendu, r)) return false;
    pasResultat = pas.load();
    return true;
  }

  // The keys go over as one byte: SDL's keyboard state belongs to the main thread, which samples
  // it after polling the events; the step reads the latest sample.
  void deposerTouches(const Touches& t) {
    touches.store(
        static_cast<uint8_t>((t.gauche ? 1 : 0) | (t.droite ? 2 : 0) | (t.espace ? 4 : 0)));
  }
  Touches lireTouches() const {
    const uint8_t b = touches.load();
    Touches t;
    t.gauche = (b & 1) != 0;
    t.droite = (b & 2) != 0;
    t.espace = (b & 4) != 0;
    return t;
  }

  // A new level: no stop, no pause, no result, no step, no key.
  void reinitialiser() {
    arret = false;
    pause = false;
    resultat = 0;
    pas = 0;
    pasResultat = 0;
    touches = 0;
  }
};

extern DonneesAction donneesAction;
