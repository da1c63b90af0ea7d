#pragma once
// What the menus draw behind their widgets: the menu background's level, as the frame code
// composes it. Shared by the main menu, the options screen and the language screen.
#include <cstdint>

#include "game/instantane.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks);

// The menus' frame rate for bouclerEcran: 30 with the option MenuTrenteImages, else the
// display's pace (0).
int imagesParSecondeMenus();
