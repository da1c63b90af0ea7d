#include "screens/plein_ecran.h"

#include "base/journal.h"
#include "platform/options.h"

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
