#pragma once
// Which cell of the board lies under a point of the picture, by geometry alone: the ray from the
// eye through that point, with the drawing's own projection (60 degrees, the window's ratio,
// gluLookAt basis), against the board's axis-aligned cell boxes. No GL: the editor's painting
// used the GL selection mode, which some drivers leak on every call.
#include <optional>

#include "game/camera.h"

struct CaseChoisie {
  int colonne, ligne;
};

// The drawing's near and far planes for this camera (distances along the view direction).
void plansCamera(const Camera& camera, double& proche, double& loin);

// (ndcX, ndcY): the point in normalised device coordinates, -1..1, y upward (GL's convention).
// The cell whose front face the ray meets first; none when it meets the frame, passes beside
// the board, meets it beyond the far plane (the drawing shows nothing there) or the level has
// no cells.
std::optional<CaseChoisie> caseVisee(const Camera& camera, float ratio, double ndcX, double ndcY,
                                     int largeur, int hauteur);
