#pragma once
// Starting other programs, always from an argument vector (never through a shell, so no text
// can inject a command).
#include <string>
#include <vector>

// Full path of `nom`: itself when it holds a '/', else the first executable regular file of that
// name along PATH. Empty when there is none.
std::string chercherProgramme(const std::string& nom);

// Starts argv[0] (a path as chercherProgramme gives) with the given arguments, stdin/stdout/
// stderr inherited. With `attendre` the call returns when the program has ended; without it the
// program is started detached (a double fork: the intermediate child is reaped at once and the
// program itself is adopted by init, so no zombie is left behind).
// 0 when the program could be executed, -1 when it could not (fork or exec failure).
int lancerProgramme(const std::vector<std::string>& argv, bool attendre);

// Asks the desktop to open a document or web address (xdg-open), or starts an executable file
// with `parametre` as its single argument (none when empty). Not waited for.
// 0 when the process was started, -1 otherwise.
int ouvrirDocument(const std::string& cible, const std::string& parametre);
int ouvrirPageWeb(const std::string& adresse);

// Milliseconds since this process was started (exec), from its start time in /proc (to the
// kernel's clock tick, 10 ms); -1 when the system does not say.
double msDepuisLancement();
// The monotonic clock (CLOCK_MONOTONIC) in seconds: a benchmark started before the game can
// compare its own reading with the game's log.
double secondesMonotones();

// The calling thread yields the processor to the others (a lower priority, Linux's nice being
// per thread): a long search in the background never slows the frames or the physics.
void cederPriorite();
