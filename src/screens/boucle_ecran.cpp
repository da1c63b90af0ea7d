#include "screens/boucle_ecran.h"

#include "sound/sons.h"

namespace {

// ---- GUI manager hooks -------------------------------------------------------------------------
// The GUI manager sees every event before the screen (true: it used the event, the screen does
// not get it) and draws its widgets over the screen's frame. Until the GUI toolkit exists no
// widget takes an event and nothing is drawn.
bool guiPrendEvenement(const SDL_Event&) { return false; }
void guiDessiner() {}
// -------------------------------------------------------------------------------------------------

constexpr uint32_t PauseImage = 16;  // ms between frames: about 60 a second

}  // namespace

FinEcran bouclerEcran(const GestionnairesEcran& ecran, const Terrain* niveau) {
  // Kept across frames: the copy reuses its buffers.
  InstantaneTerrain vue;
  for (;;) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_QUIT) return FinEcran::Quitter;
      if (guiPrendEvenement(e)) continue;
      if (ecran.evenement) ecran.evenement(e);
    }
    if (ecran.fini && ecran.fini()) return FinEcran::Termine;
    const uint32_t ticks = SDL_GetTicks();
    if (ecran.avancer) ecran.avancer(ticks);
    if (sons) sons->executerRequetes();
    if (niveau) niveau->prendreInstantane(vue);
    if (ecran.dessiner) ecran.dessiner(vue, ticks);
    guiDessiner();
    SDL_GL_SwapBuffers();
    SDL_Delay(PauseImage);
  }
}
