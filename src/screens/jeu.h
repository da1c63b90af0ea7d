#pragma once
// The play screen: the levels of one level file in file order, each started by Enter and
// played by the action thread while the main thread draws and handles events. A level lost by
// play can be retried, any level restarted or paused; wins and best times go to the progress file.
#include <string>

#include "game/niveau.h"
#include "game/solution.h"
#include "levels/progression.h"

// The two code letters, typed then confirmed with F11: one more bomb once the level runs, or
// the level won at once.
constexpr char LettreCodeBombe = 'k';
constexpr char LettreCodeGagne = 'v';

// How a file's play ended, for the summary.
struct IssueFichier {
  bool dernierGagne = false;  // its last level was won
  EtatFichier etat;           // its levels, records and targets as the play left them
};

// Plays the level file `fichier` (a path as the main menu gives it) from level `premierNiveau`
// with the global terrain, sound player, translator and GUI manager, and notes a catalogue file
// as the one played last. True when the window was closed during the play, false otherwise
// (also when the file cannot be opened). `fin`, when given, says how it ended. The menu
// background must be stopped.
bool jouerFichier(const std::string& fichier, int premierNiveau = 1, IssueFichier* fin = nullptr);

// How a test-play from the editor ended.
enum class FinEssai {
  Gagne,    // the ball reached a win cell
  Perdu,    // the level was lost
  Abandon,  // Escape, or the pause panel's way out
  Fenetre,  // the window was closed
};

// Plays `niveau` alone, running at once from its start, with the play screen's keys and
// physics (the editor's test-play; `fichier`, `numero` and `total`, the levels being edited, saved
// or not, only name it on the info line). No record is written. Ends at the first result or at
// Escape; logs "Essai niveau N", then "Fin essai : gagné|perdu|abandon au pas N". With a `route`
// the keys are the route's, step by step, as a hint is shown, and its result stays on screen a
// moment before the end.
FinEssai essayerNiveau(const Niveau& niveau, const std::string& fichier, int numero,
                       const Solution* route = nullptr, int total = 0);
