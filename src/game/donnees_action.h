#pragma once
// What the play screen's main thread and its action thread share about the running level.
// Both fields are atomic: the main thread writes them (level start, quit button, win code,
// stop), the action thread reads the stop request once per step and stores step results.
#include <atomic>
#include <cstdint>

struct DonneesAction {
  std::atomic<bool> arret{false};     // the action thread must stop
  std::atomic<int32_t> resultat{0};   // 0 running, 1 won, 2 lost

  // Stores `r` unless a result is already there: the first result, from either thread, is
  // the one kept. False when `r` was not stored.
  bool proposerResultat(int32_t r) {
    int32_t attendu = 0;
    return r != 0 && resultat.compare_exchange_strong(attendu, r);
  }
};

extern DonneesAction donneesAction;
