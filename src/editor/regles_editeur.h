#pragma once
// The level editor's screen rules, without window or widgets: which events paint, the cells a
// drag or a Shift + drag covers, the corner-colour widget's quarter, the ball tool's place.
// What the edits do to the levels is levels/operations_niveaux.h; the view, vue_editeur.h.
#include <SDL.h>

#include <utility>
#include <vector>

// The corner-colour widget's quarter under a click at (cx, cy) of a w x h widget: 0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right.
int quartierCouleur(int w, int h, int cx, int cy);

// Whether this mouse event paints: a left or right button press (the wheel zooms, the middle
// button pans), or a motion with exactly the left button
// held; never while a dialog is open or the pointer is over a widget.
bool evenementPeint(const SDL_Event& e, bool dialogueOuvert, bool survolWidget);

// The cells of the straight line from (c0, l0) to (c1, l1), both ends included, each touching
// the previous one by a side or a corner (Bresenham): a fast drag paints without gaps.
std::vector<std::pair<int, int>> casesEntre(int c0, int l0, int c1, int l1);

// The cells of the rectangle with corners (c0, l0) and (c1, l1), in either order, clipped to a
// level of largeur x hauteur cells: what a Shift + drag paints.
std::vector<std::pair<int, int>> casesRectangle(int c0, int l0, int c1, int l1, int largeur,
                                                int hauteur);

// The ball tool's button: top-right, dropping to a second row below 672 pixels.
void placeOutilBalle(int ecranL, int& x, int& y);
// The selection tool's button: left of the ball tool's, on the tools' row where it leaves room,
// else on the second row.
void placeOutilSelection(int ecranL, int& x, int& y);
