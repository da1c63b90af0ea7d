#include "screens/cadre_menus.h"

#include "render/image.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks) { dessinerImage(vue, ticks); }
