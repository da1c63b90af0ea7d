#pragma once
// The level editor screen: every level of one of the player's level files, painted with the
// mouse (tool bar at the top, ball tool top-right), scrolled by pushing the pointer against the
// screen edges, stepped through with the spinner, managed with the five command buttons.
#include <string>

// Edits `fichier` (a path under the player's "mapsusr/") with the global GUI manager, textures
// and translator; the main loop sets modeEditeur and stops the menu background around it.
// True when the window was closed (the program must end; unsaved edits went to the recovery
// copy), false when the player left the editor or the file could not be edited.
bool editeur(const std::string& fichier);
