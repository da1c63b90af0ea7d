#pragma once
// The play screen: the levels of one level file in file order, each started by Enter and
// played by the action thread while the main thread draws and handles events. A level lost by
// play can be retried, any level restarted or paused; wins and best times go to the progress file.
#include <string>

// The two code letters, typed then confirmed with F11: one more bomb once the level runs, or
// the level won at once.
constexpr char LettreCodeBombe = 'k';
constexpr char LettreCodeGagne = 'v';

// Plays the level file `fichier` (a path as the main menu gives it) with the global terrain,
// sound player, translator and GUI manager. True when the window was closed during the play,
// false otherwise (also when the file cannot be opened). The menu background must be stopped.
bool jouerFichier(const std::string& fichier, int premierNiveau = 1);
