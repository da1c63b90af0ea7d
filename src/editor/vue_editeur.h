#pragma once
// The editor's view of the board, without window: the wheel's zoom, edge and arrow-key
// scrolling, middle-drag panning. Each moves a level's camera only, never its content.
#include <cstdint>

#include "game/camera.h"

// The wheel's zoom: sens < 0 (wheel up) brings the eye 15 % closer, sens > 0 takes it back,
// within [ProfondeurZoomMax, ProfondeurZoomMin]; with a target (the board point under the
// pointer) the look-at point moves toward it so that the zoom goes toward the pointer.
constexpr float ProfondeurZoomMin = -4.0f;
constexpr float ProfondeurZoomMax = -120.0f;
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
