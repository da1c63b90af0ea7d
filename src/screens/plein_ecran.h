#pragma once
// Alt+Enter, on every screen: the window goes full screen or back without a restart, where the
// video driver can do it, and the choice is kept in the options file (that key alone).
#include <SDL.h>

// Whether the key press `e` is Alt+Enter (either Alt, Return or keypad Enter).
bool estAltEntree(const SDL_Event& e);

// Toggles full screen; on success the option Fullscreen follows and is stored. Logs
// "Plein ecran " + 0/1, or the failure. True when the mode changed.
bool basculerPleinEcran();

// The player resized the window (SDL_VIDEORESIZE), on any screen: the video mode, the viewport,
// the window-sized textures and the GUI's size and scale follow, and the new size is kept in the
// options file (ResX and ResY alone). Logs "Fenetre redimensionnee : WxH".
void suivreRedimensionnement(const SDL_Event& e);
