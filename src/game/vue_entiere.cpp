#include "game/vue_entiere.h"

#include <algorithm>
#include <cmath>

#include "base/maths.h"

namespace {

constexpr double DemiChampVertical = 30.0 * 3.14159265358979323846 / 180.0;
// The share of the window the level may take on each axis: the rest is margin, larger
// vertically so that the bomb label above and the start hint below stay off the cells.
constexpr double RemplissageLargeur = 0.92;
constexpr double RemplissageHauteur = 0.80;
// Never closer than this: the near plane stays ahead of the cells' far side.
constexpr double DistanceMinimale = 2.0;

using V3 = Vecteur3<double>;

double ratio(int largeurFenetre, int hauteurFenetre) {
  return largeurFenetre > 0 && hauteurFenetre > 0
             ? static_cast<double>(largeurFenetre) / hauteurFenetre
             : 1.0;
}

}  // namespace

Camera cameraNiveauEntier(int largeur, int hauteur, int largeurFenetre, int hauteurFenetre) {
  const double W = std::max(largeur, 1), H = std::max(hauteur, 1);
  // The frame drawn around the cells reaches half a cell beyond them.
  const double demiLargeur = W / 2 + 0.5, demiHauteur = H / 2 + 0.5;
  const double t = std::tan(DemiChampVertical);
  const double d =
      std::max({demiLargeur / (t * ratio(largeurFenetre, hauteurFenetre) * RemplissageLargeur),
                demiHauteur / (t * RemplissageHauteur), DistanceMinimale});
  Camera k;
  k.oeilX = k.centreX = static_cast<float>(W / 2);
  k.oeilY = k.centreY = static_cast<float>(H / 2);
  k.oeilZ = static_cast<float>(-d);  // the cells' near side is the plane z = 0
  k.centreZ = 0;
  k.suivre = false;
  return k;
}

bool projeterPoint(const Camera& k, int largeurFenetre, int hauteurFenetre, float x, float y,
                   float z, float& ecranX, float& ecranY) {
  // gluLookAt's frame, then gluPerspective's projection and the viewport.
  const V3 oeil{k.oeilX, k.oeilY, k.oeilZ};
  const V3 f = unitaire(moins(V3{k.centreX, k.centreY, k.centreZ}, oeil));
  const V3 s = unitaire(vectoriel(f, V3{k.hautX, k.hautY, k.hautZ}));
  const V3 u = vectoriel(s, f);
  const V3 p = moins(V3{x, y, z}, oeil);
  const double profondeur = scalaire(f, p);
  if (!(profondeur > 1e-9)) return false;
  const double cot = 1.0 / std::tan(DemiChampVertical);
  const double nx = cot / ratio(largeurFenetre, hauteurFenetre) * scalaire(s, p) / profondeur;
  const double ny = cot * scalaire(u, p) / profondeur;
  ecranX = static_cast<float>((nx + 1) / 2 * largeurFenetre);
  ecranY = static_cast<float>((1 - ny) / 2 * hauteurFenetre);
  return true;
}
