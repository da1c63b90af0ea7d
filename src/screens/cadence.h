#pragma once
// The frames' pace. When the swap really waits for the display (measured at start-up, not
// assumed from what the driver says), the swap itself paces the frames; otherwise each frame
// waits for the next step of a fixed timetable (60 a second), so that the pace neither drifts
// nor spins. A screen may ask for fewer frames (the menus at 30 for laptops). Main thread only.
#include <chrono>
#include <functional>
#include <vector>

using Horloge = std::chrono::steady_clock;

// The next deadline of a timetable of period `periode` after `precedente`, as of `maintenant`:
// one period later, or, when the frame came more than a period late (a slow frame, a screen
// just opened), `maintenant` itself: the timetable starts again instead of rushing frames to
// catch up.
Horloge::time_point echeanceSuivante(Horloge::time_point precedente, Horloge::time_point maintenant,
                                     Horloge::duration periode);

// Whether a swap takes about a display refresh: the median of the timed swaps is between 1/100
// and 1/20 s (from 100 Hz down to a display at half of 40 Hz).
bool synchroMesuree(std::vector<double> msParEchange);

// Times `n` empty frames swapped by `echanger` and keeps whether the swap waits for the display.
// Logs "Cadence : synchro ecran <ms>" or "Cadence : minuterie <ms>" (the median swap).
void mesurerCadence(const std::function<void()>& echanger, int n = 8);

// After each swap: returns once the frame's time is up. `imagesParSeconde` 0 is the display's
// pace (60 without a measured swap interval); above 0, at most that many frames a second.
void attendreImageSuivante(int imagesParSeconde);

// Forgets the measurement (a new window, a test): the timetable at 60 a second.
void oublierCadence();
