#pragma once
// The loop every screen runs (play, menus, options, language, editor): each screen is this loop
// with its own handlers. Main thread only.
#include <SDL.h>

#include <cstdint>
#include <functional>

#include "game/instantane.h"
#include "gui/widgets.h"

// The frame-rate label (option AfficheIPS), made at start-up; the loop writes the number of
// frames of the last second into it. None when the option is off.
extern LabelGUI* labelIPS;

// How a screen's loop ended.
enum class FinEcran {
  Termine,  // the screen said it is done (fini)
  Quitter,  // the window was closed (SDL_QUIT, also what a SIGTERM becomes)
};

// A screen's handlers; any may be left empty.
struct GestionnairesEcran {
  // Each event the GUI manager did not take, in arrival order.
  std::function<void(const SDL_Event& evenement)> evenement;
  // Once per frame after the events: true ends the loop before the frame is drawn.
  std::function<bool()> fini;
  // Once per frame before the copy (animations, the menu background's steps).
  std::function<void(uint32_t ticks)> avancer;
  // The frame's copy of the level the screen shows, taken in one go (game/spectacle.h:
  // prendreInstantane); none: the copy stays empty.
  std::function<void(InstantaneTerrain& vue)> copier;
  // The frame from the copy of the level; the GUI's widgets are drawn over it afterwards.
  std::function<void(const InstantaneTerrain& vue, uint32_t ticks)> dessiner;
  // Once, right after the first frame is swapped.
  std::function<void()> premiereImage;
  // At most this many frames a second; 0: the display's pace (screens/cadence.h).
  int imagesParSeconde = 0;
  // When set, asked after each frame instead of imagesParSeconde (a pace that follows the
  // picture).
  std::function<int(uint32_t ticks)> cadence;
};

// SDL_GetTicks of the player's last input (a key, a button, the mouse moved) in any screen's
// loop; 0 before the first.
uint32_t ticksDerniereSaisie();

// Whether the window is minimised or hidden (SDL's application-active events): the loops then
// draw nothing and the menu background pauses, until it shows again.
bool fenetreCachee();

// Until the screen is done: poll every pending event (SDL_QUIT ends the loop at once with
// Quitter) and hand each to the GUI manager, then to the screen; ask fini; avancer; execute the
// queued sound requests; take the frame copy (copier);
// draw the screen's frame and the GUI over it; swap; wait for the frame's time
// (attendreImageSuivante: the display's pace, or imagesParSeconde). While the window is hidden
// no frame is drawn: the loop wakes ten times a second for the events and the screen's steps.
FinEcran bouclerEcran(const GestionnairesEcran& ecran);
