#pragma once
// What the menus draw behind their widgets: the menu background's level, as the frame code
// composes it. Shared by the main menu, the options screen and the language screen.
#include <cstdint>

#include "game/instantane.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks);
