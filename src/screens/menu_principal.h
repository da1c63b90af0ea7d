#pragma once
// The main menu: title, six choices on the left, the level catalogue on the right, the credits
// line with its two links, over the menu background's level.
#include <string>

// What the menu returns (the main loop acts on it).
enum ResultatMenu : int {
  MenuQuitter = 0,        // Quit, or the window was closed
  MenuJouer = 1,          // play the selected file
  MenuNouveau = 2,        // a new file was created: open it in the editor
  MenuEditer = 3,         // edit the selected (editable) file
  MenuLienCredits = 252,  // the credits line's second link: the credits page
  MenuLienManuel = 253,   // its first link: the player's manual
  MenuOptions = 254,
  MenuLangue = 255,
};

// Shows the menu until a choice is made; `chemin` receives the level file's path (the new
// file's for MenuNouveau, else the selected entry's, empty when the catalogue is empty).
int menuPrincipal(std::string& chemin);
// The same; `premierNiveau` receives the level to start the file at: the one chosen in the level
// chooser, else the file's first level not won (1 when every one was).
int menuPrincipal(std::string& chemin, int& premierNiveau);
