#pragma once
// The play keys as the player bound them, in one line of marked-up text for the play screen's
// hint: each action's translated name, then its key in warm yellow.
#include <cstdint>
#include <string>

std::string ligneAideTouches();

// A key's name in the player's language ("Touche_" + SDL's name, spaces as '_', in the language
// file: "left" is "Gauche" in French); letters and function keys upper-case otherwise, "?" for
// a key SDL has no name for. Marked-up text (markup characters escaped).
std::string nomTouche(int32_t symbole);
