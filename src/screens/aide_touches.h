#pragma once
// The play keys as the player bound them, in one line of marked-up text for the play screen's
// hint: each action's translated name, then its key in warm yellow.
#include <string>

std::string ligneAideTouches();
