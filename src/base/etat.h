#pragma once
// State of the running program shared across subsystems.

// True while the level editor runs (main thread only); the board drawing reads it.
extern bool modeEditeur;
