#pragma once
// What the menus draw behind their widgets: the menu background's level, as the frame code
// composes it. Shared by the main menu, the options screen and the language screen.
#include <cstdint>

#include "game/instantane.h"
#include "screens/boucle_ecran.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks);

// The menus' frame rate for bouclerEcran: 30 with the option MenuTrenteImages, else the
// display's pace (0).
int imagesParSecondeMenus();

// A menu screen's frames: the background's copy (copierFondMenu) drawn by dessinerCadreMenus at imagesParSecondeMenus at most,
// fewer while the background moves slowly (screens/cadence_menus.h).
void cadrerMenus(GestionnairesEcran& ecran);
