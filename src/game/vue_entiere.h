#pragma once
// The camera that shows a whole level at once (the view a level waits with before Enter), and
// where a board point lands on the window through the board drawing's projection: a 60-degree
// vertical field of view at the window's aspect, looking from the camera's eye at its centre.
// Pure arithmetic: no OpenGL, usable by tests and tools without a window.
#include "game/camera.h"

// The camera looking straight at the level's middle from far enough that the whole level, its
// frame included, fits in a window of this size (any aspect), with a band left free at the top
// and bottom for the labels and the start hint.
Camera cameraNiveauEntier(int largeur, int hauteur, int largeurFenetre, int hauteurFenetre);

// Where the board point (x, y, z) lands in a window of this size, in pixels from its top-left
// corner. False when the point lies at or behind the eye.
bool projeterPoint(const Camera& k, int largeurFenetre, int hauteurFenetre, float x, float y,
                   float z, float& ecranX, float& ecranY);
