#pragma once
// The action thread's work: the physics step of the live level every 10 ms until it is told to
// stop or the level loses its grid. It touches neither SDL's keyboard nor any widget: the keys
// come from `donnees` (the main thread samples them), the bomb count is read by the main thread
// from its frame copy.
#include <cstdint>
#include <thread>

#include "base/requetes_sons.h"
#include "game/donnees_action.h"
#include "game/solution.h"
#include "game/spectacle.h"
#include "game/terrain.h"

constexpr uint32_t DureePas = 10;  // milliseconds per physics step

// The time the action thread keeps its timetable by: SDL's clock in the game; a test hands the
// thread a clock it moves itself, so what a pause does is seen step by step, not in a window of
// real time.
class HorlogeAction {
 public:
  virtual ~HorlogeAction() = default;
  virtual uint32_t maintenant() = 0;        // milliseconds, any origin
  virtual void dormir(uint32_t duree) = 0;  // blocks the calling thread about that long
};
// SDL_GetTicks and SDL_Delay.
HorlogeAction& horlogeSdl();

// Steps `niveau` and lets `spectacle` show each step (game/spectacle.h: avancer), the step's
// sound requests into `sonsEtape` (none: silent). Runs until `donnees.arret` or no grid; stores the
// first step result into `donnees.resultat` (one already there is kept, and the steps go on behind
// the result picture with no key held). While `donnees.pause` no step runs and the step count
// stays. Logs "Thread arrete : " + the result. Returns 0.
//
// The steps keep to a 10 ms timetable: a step that starts late is not made up by sleeping less
// forever (the timetable restarts after a delay longer than ten steps), but a short delay is
// caught up, so the rate stays at 100 steps a second where sleeping 10 - e ms after each step
// would lose the sleep's own overshoot every time.
//
// With a `solution` (a hint being shown) the keys of each step are the solution's for that step
// number, not the player's: the replay is the recorded one, step for step. `horloge`: none for
// SDL's.
int threadAction(DonneesAction& donnees, Terrain& niveau, Spectacle& spectacle,
                 RequetesSons* sonsEtape, const Solution* solution = nullptr,
                 HorlogeAction* horloge = nullptr);

// The end of a level's play: asks the action thread to stop, waits for it, and only then queues
// the halt of the rolling loop (CanalRoule) into `file`. A roll the last step asked for is thus
// queued before the halt and never plays on in the menu. The caller executes the queue after.
void arreterThreadAction(std::thread& fil, DonneesAction& donnees, RequetesSons* file);
