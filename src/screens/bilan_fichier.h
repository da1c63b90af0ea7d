#pragma once
// The end of a level file: once its last level is won, one screen lists each level's best time
// and medal, the file's total, and offers the next shipped file or the menu. Main thread only;
// the global terrain holds no level while it shows (the background alone is drawn).
#include "levels/progression.h"

enum class ChoixBilan {
  Menu,            // back to the main menu
  FichierSuivant,  // play the next shipped file
  Fenetre,         // the window was closed
};

// Shows the summary of `etat` until a choice: the "Next file" button (only when `suivantExiste`)
// or Enter plays the next file; the "Menu" button, Escape (or Enter without a next file) go back
// to the menu. Logs "Bilan du fichier NAME", one "Bilan niveau N : T s, médaille M" line per level
// ("non gagné" for one not won), "Bilan total : T s" and the choice ("Bilan : fichier suivant",
// "Bilan : menu").
ChoixBilan montrerBilan(const EtatFichier& etat, bool suivantExiste);

// "Medals: 31 gold, 12 silver, 9 bronze of 88", in the player's language.
std::string texteTotalMedailles(const CompteMedailles& compte);
