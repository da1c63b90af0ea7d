#include "screens/cadre_menus.h"

#include <SDL.h>

#include <memory>

#include "platform/options.h"
#include "render/image.h"
#include "screens/cadence_menus.h"
#include "screens/fond_menu.h"

void dessinerCadreMenus(const InstantaneTerrain& vue, uint32_t ticks) { dessinerImage(vue, ticks); }

int imagesParSecondeMenus() { return options.MenuTrenteImages ? 30 : 0; }

void cadrerMenus(GestionnairesEcran& ecran) {
  auto cadence = std::make_shared<CadenceMenus>(imagesParSecondeMenus());
  ecran.imagesParSeconde = imagesParSecondeMenus();
  ecran.copier = copierFondMenu;
  ecran.dessiner = [cadence](const InstantaneTerrain& vue, uint32_t ticks) {
    dessinerCadreMenus(vue, ticks);
    const SDL_Surface* fenetre = SDL_GetVideoSurface();
    cadence->image(vue.camera, ticks, fenetre ? fenetre->h : 480);
  };
  ecran.cadence = [cadence](uint32_t ticks) {
    return cadence->imagesParSeconde(ticks, ticksDerniereSaisie());
  };
}
