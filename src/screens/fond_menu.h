#pragma once
// The menu background of the game: the demonstration level ("mapsoff/logom.map") in the global
// `terrain`, animated by a FondMenu thread. The main loop starts it once start-up is done, stops
// it before the play screen or the editor takes the global level and starts it again after them;
// shutdown stops it for good. Main thread only.
#include "game/instantane.h"

// Loads the demonstration level into `terrain` (none readable: the menus show the background
// alone, with a log line) and starts the animation thread. A running background is stopped first.
void demarrerFondMenu();
// Stops the thread, waits for it (within one step), then releases the level's grid.
// Nothing when it is not running.
void arreterFondMenu();
// While the window is hidden the animation waits (its thread sleeps instead of stepping) and
// then goes on where it was. Kept across a stop and a start.
void suspendreFondMenu(bool suspendre);
// The menus' frame copy (GestionnairesEcran::copier): the background's level with its camera.
// Nothing without a live level.
void copierFondMenu(InstantaneTerrain& vue);
// Whether the animation thread runs (tests).
bool fondMenuActif();
