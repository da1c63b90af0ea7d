#pragma once
// Play as the main menu starts it: the chosen file from a level, and when its last level is won,
// its summary, from which the next shipped file follows in catalogue order (from its first level
// not won), and so on until the player goes back to the menu. Main thread only; the menu
// background must be stopped.
#include <string>

// True when the window was closed.
bool jouerDepuisMenu(const std::string& fichier, int premierNiveau);
