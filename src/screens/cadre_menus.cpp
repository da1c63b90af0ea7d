#include "screens/cadre_menus.h"

#include "platform/options.h"
#include "render/image.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks) { dessinerImage(vue, ticks); }

int imagesParSecondeMenus() { return options.MenuTrenteImages ? 30 : 0; }
