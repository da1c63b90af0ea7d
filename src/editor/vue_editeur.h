#pragma once
// The editor's view of the board, without window: the view that shows a whole level, the
// wheel's zoom, edge scrolling, the arrow keys' steps, middle-drag panning. Each moves a level's
// camera only, never its content.
#include <cstdint>

#include "game/camera.h"

// The wheel's zoom: sens < 0 (wheel up) brings the eye 15 % closer, sens > 0 takes it back,
// within [ProfondeurZoomMax, ProfondeurZoomMin]; with a target (the board point under the
// pointer) the look-at point moves toward it so that the zoom goes toward the pointer.
constexpr float ProfondeurZoomMin = -4.0f;
constexpr float ProfondeurZoomMax = -400.0f;  // a 255 x 255 level whole in 640 x 480
void zoomerVers(Camera& camera, int sens, const float* cibleX, const float* cibleY);

// Frame time for scrolling: a frame longer than 500 ms (a stall) counts as 1 ms.
uint32_t dureeDefilement(uint32_t dt);
// Edge scrolling of the camera's centre for a frame of dt ms (after dureeDefilement): 1/80 of a
// cell per ms toward an edge the pointer touches (16 pixels), the centre kept 0.2 inside.
void defilerBords(Camera& camera, int largeur, int hauteur, int mx, int my, int ecranL, int ecranH,
                  uint32_t dt);
// The same scrolling in a direction given by the arrow keys (-1, 0, 1 on each axis; y grows
// downwards on the screen).
void defilerVers(Camera& camera, int largeur, int hauteur, int dx, int dy, uint32_t dt);

// Middle-drag panning: the pointer moved (dx, dy) pixels on a window ecranH pixels high; the
// board moves with it (its centre the other way, by the cells those pixels span at the eye's
// distance), the centre kept 0.2 inside the level as the scrolling keeps it.
void glisserVue(Camera& camera, int largeur, int hauteur, int dx, int dy, int ecranH);

// The part of the window the board shows through: the window's size and the heights of the bars
// above (the tools) and below (the spinner, the commands, Check and test-play).
struct CadreEditeur {
  int ecranL = 640, ecranH = 480;
  int haut = 0, bas = 0;
};
// The editor's bars for a window of ecranL x ecranH (the ball tool's row included).
CadreEditeur cadreEditeur(int ecranL, int ecranH);
// The size of a cell on the screen, in pixels, for an eye `distance` cells away.
float pixelsParCase(float distance, int ecranH);
// The view that shows the whole level of largeur x hauteur cells between the bars, with a few
// pixels to spare, centred there and seen straight on at once (no sweep): the eye as far as
// needed, never closer than the usual 15 cells nor farther than the wheel goes.
void ajusterVue(Camera& camera, int largeur, int hauteur, const CadreEditeur& cadre);

// One press of an arrow key: the view moves one cell (demiEcran: half the window) in direction
// (dx, dy) at the zoom aimed at, the eye with it, the centre kept 0.2 inside the level.
void pasVue(Camera& camera, int largeur, int hauteur, int dx, int dy, bool demiEcran, int ecranL,
            int ecranH);
