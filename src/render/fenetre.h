#pragma once
// The game's single window with its OpenGL context.

// Starts SDL and opens the window from the global options, retrying once on the factory
// defaults (which then stay in the options). Sets the caption, the icon ("imgs/icon.bmp", which
// may be missing), Unicode key translation and the viewport. 0 when the window exists, 1 when
// SDL does not start or no window can be made. `tailleDuBureau` (a first start: no options file
// was read): the window takes about two thirds of the desktop instead of the options' size
// (logs "Fenetre adaptee au bureau : WxH").
int initGraph(bool tailleDuBureau = false);

// The desktop's size as SDL told it before the first window (0 x 0 when unknown).
void tailleBureau(int& largeur, int& hauteur);

// The player resized the window (SDL_VIDEORESIZE) to `largeur` x `hauteur`: the video mode and
// the viewport follow, and the options hold the new size. False for a size out of 1..8192 or
// one SDL refused (the old size stays). Main thread, GL context current.
bool suivreTailleFenetre(int largeur, int hauteur);

// One video-mode attempt with the current options; true when it failed. A width or height below
// 1 counts as refused (SDL would take 0 as "the desktop's size"). A window, full screen or not,
// is kept within the desktop and 8192 pixels (sizes SDL refuses outright, over 16384, are left
// to its refusal); the options then hold the size actually opened.
bool essayerModeVideo();

// Sets the swap interval when the context advertises a swap-control extension
// (GLX_EXT_swap_control on the current drawable, else GLX_MESA_swap_control, else
// GLX_SGI_swap_control, which cannot set 0). Returns the interval set, or 0 when it could not
// be set.
int setVSync(int intervalle);
