#include "screens/cadre_menus.h"

#include "render/image_minimale.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks) {
  dessinerImageMinimale(vue, ticks);
}
