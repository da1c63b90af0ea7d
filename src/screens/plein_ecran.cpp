#include "screens/plein_ecran.h"

#include "base/journal.h"
#include "gui/gui.h"
#include "platform/options.h"
#include "render/fenetre.h"
#include "render/textures.h"

bool estAltEntree(const SDL_Event& e) {
  if (e.type != SDL_KEYDOWN || (e.key.keysym.mod & KMOD_ALT) == 0) return false;
  return e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER;
}

bool basculerPleinEcran() {
  SDL_Surface* ecran = SDL_GetVideoSurface();
  if (!ecran || SDL_WM_ToggleFullScreen(ecran) != 1) {
    // Some drivers cannot switch a live window: the options screen's box still works.
    journal(std::string("Plein ecran impossible sans redemarrage : ") + SDL_GetError());
    SDL_ClearError();
    return false;
  }
  options.Fullscreen = !options.Fullscreen;
  journal(std::string("Plein ecran ") + (options.Fullscreen ? "1" : "0"));
  options.sauvegarderCles({"Fullscreen"});
  return true;
}

void suivreRedimensionnement(const SDL_Event& e) {
  if (e.type != SDL_VIDEORESIZE || options.Fullscreen) return;
  const int avantX = options.ResX, avantY = options.ResY;
  if (!suivreTailleFenetre(e.resize.w, e.resize.h)) return;
  if (options.ResX == avantX && options.ResY == avantY) return;
  creerTexturesFenetre();
  if (gui) gui->redimensionner(options.ResX, options.ResY);
  options.sauvegarderCles({"ResX", "ResY"});
}
