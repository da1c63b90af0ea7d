#include "screens/cadence.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(Cadence, EcheancesAbsolues) {
  const Horloge::time_point t0{};
  const Horloge::duration p = 16667us;
  const struct {
    const char* nom;
    Horloge::duration maintenant, attendue;  // since t0; the previous deadline is t0
  } cas[] = {
      {"frame early: the next step of the timetable", 5ms, p},
      {"frame a little late: still the timetable, no drift", p + 3ms, p},
      {"within one period late: the timetable catches up", 2 * p - 1ms, p},
      {"more than a period late: start again from now", 2 * p + 1ms, 2 * p + 1ms},
  };
  for (const auto& c : cas)
    EXPECT_EQ(echeanceSuivante(t0, t0 + c.maintenant, p), t0 + c.attendue) << c.nom;
  // Sixty steps land on one second exactly: the pace does not drift with the frames' length.
  Horloge::time_point e = t0;
  for (int i = 0; i < 60; ++i)
    e = echeanceSuivante(e, e + (i % 3) * 4ms, Horloge::duration(1s) / 60);
  EXPECT_LE(std::chrono::abs(e - (t0 + 1s)), 1us);
}

TEST(Cadence, SynchroSeulementQuandLEchangeAttend) {
  const struct {
    std::vector<double> ms;
    bool synchro;
  } cas[] = {
      {{16.6, 16.7, 16.7, 16.6, 16.8, 16.7}, true},  // 60 Hz
      {{0.1, 0.2, 16.7, 16.6, 16.7, 16.7}, true},    // a queued frame or two first
      {{6.9, 7.0, 6.9, 7.0}, false},                 // 144 Hz cannot be told from a fast swap
      {{2.1, 2.3, 1.9, 2.0, 2.2}, false},            // software swap, no wait
      {{33.4, 33.3, 33.3}, true},                    // 30 Hz
      {{120, 130, 110}, false},                      // a loaded machine, not a display
      {{}, false},
  };
  for (const auto& c : cas) EXPECT_EQ(synchroMesuree(c.ms), c.synchro) << c.ms.size();
}
