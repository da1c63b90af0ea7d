#include "screens/boucle_ecran.h"

#include "base/journal.h"
#include "base/texte.h"
#include "game/manette.h"
#include "game/touches.h"
#include "gui/gui.h"
#include "render/erreurs_gl.h"
#include "screens/cadence.h"
#include "screens/fond_menu.h"
#include "screens/plein_ecran.h"
#include "sound/sons.h"

LabelGUI* labelIPS = nullptr;

namespace {

// The window's state outlives each screen's loop: a screen that opens while the window is
// minimised draws nothing either.
uint32_t derniereSaisie = 0;
bool cachee = false;

bool estSaisie(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYAXISMOTION: return true;
    default: return false;
  }
}

// The application-active events say when the window is minimised and shown again.
void suivreVisibilite(const SDL_Event& e) {
  if (e.type != SDL_ACTIVEEVENT || !(e.active.state & SDL_APPACTIVE)) return;
  const bool cacher = e.active.gain == 0;
  if (cacher == cachee) return;
  cachee = cacher;
  suspendreFondMenu(cachee);
  journal(cachee ? "Fenetre cachee : plus d'images" : "Fenetre visible : images reprises");
}

// The frame-rate label shows the frames of the last second, from the first frame on ("0").
uint32_t prochaineMiseAJour = 0;
int imagesComptees = 0;
void compterImage(uint32_t maintenant) {
  if (!labelIPS) return;
  if (maintenant >= prochaineMiseAJour) {
    char texte[16];
    entierVersTexte(imagesComptees, texte, 10, sizeof texte);
    labelIPS->zone()->setTexte(texte);
    imagesComptees = 0;
    prochaineMiseAJour = maintenant + 1000;
  }
  ++imagesComptees;
}

// ---- GUI manager hooks -------------------------------------------------------------------------
// The GUI manager sees every event before the screen and draws its widgets over the screen's
// frame. It routes events to its widgets but takes none away: the screen still gets each one
// (the play screen keeps the last typed character, for instance).
bool guiPrendEvenement(const SDL_Event& e) {
  if (gui) gui->gererEvenement(e);
  return false;
}
void guiDessiner() {
  if (!gui) return;
  gui->projection();
  gui->dessiner();
  verifierErreursGL("Err drawGUI");
  compterImage(SDL_GetTicks());
}
// -------------------------------------------------------------------------------------------------

// The key press a pad's button press stands for; the event itself when it stands for none.
SDL_Event toucheDeBoutonManette(const SDL_Event& bouton) {
  const BoutonManette sens = sensBoutonManette(bouton.jbutton.button);
  if (sens == BoutonManette::Rien) return bouton;
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym =
      sens == BoutonManette::Entree ? SDLK_RETURN : static_cast<SDLKey>(toucheDe(ActionJeu::Pause));
  e.key.keysym.unicode = sens == BoutonManette::Entree ? '\r' : 0;
  e.key.which = ToucheDeManette;
  return e;
}

// The screen's frames and how long it was shown, when it ends: its frame rate for the
// benchmarks that read the log.
struct BilanImages {
  uint32_t debut = SDL_GetTicks();
  long images = 0;
  ~BilanImages() {
    journal("Images : " + std::to_string(images) + " en " + std::to_string(SDL_GetTicks() - debut) +
            " ms");
  }
};

}  // namespace

FinEcran bouclerEcran(const GestionnairesEcran& ecran) {
  // Kept across frames: the copy reuses its buffers.
  InstantaneTerrain vue;
  BilanImages bilan;
  for (;;) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_QUIT) return FinEcran::Quitter;
      if (estSaisie(e)) derniereSaisie = SDL_GetTicks();
      suivreVisibilite(e);
      // Alt+Enter belongs to the window, on every screen: no widget or screen sees it as Enter.
      if (estAltEntree(e)) {
        basculerPleinEcran();
        continue;
      }
      // A resized window: the views and the GUI follow before the screen sees the event.
      if (e.type == SDL_VIDEORESIZE) suivreRedimensionnement(e);
      // A pad's button reaches the screens as the key it stands for (Enter, the pause key).
      if (e.type == SDL_JOYBUTTONDOWN) e = toucheDeBoutonManette(e);
      if (guiPrendEvenement(e)) continue;
      if (ecran.evenement) ecran.evenement(e);
    }
    if (ecran.fini && ecran.fini()) return FinEcran::Termine;
    const uint32_t ticks = SDL_GetTicks();
    if (ecran.avancer) ecran.avancer(ticks);
    if (sons) sons->executerRequetes();
    if (cachee) {
      // Nothing to show: a tenth of a second between looks at the events.
      SDL_Delay(100);
      continue;
    }
    if (ecran.copier) ecran.copier(vue);
    if (ecran.dessiner) ecran.dessiner(vue, ticks);
    guiDessiner();
    SDL_GL_SwapBuffers();
    if (++bilan.images == 1 && ecran.premiereImage) ecran.premiereImage();
    attendreImageSuivante(ecran.cadence ? ecran.cadence(ticks) : ecran.imagesParSeconde);
  }
}

uint32_t ticksDerniereSaisie() { return derniereSaisie; }

bool fenetreCachee() { return cachee; }
