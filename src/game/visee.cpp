#include "game/visee.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/maths.h"

namespace {

using V3 = Vecteur3<double>;

}  // namespace

void plansCamera(const Camera& k, double& proche, double& loin) {
  // The eye always sits in front of the board; a camera at z >= 0 would give an invalid
  // projection, so the planes never collapse below these bounds.
  proche = std::max(-0.5 * k.oeilZ, 0.01);
  loin = std::max(-2.0 * k.oeilZ, proche + 1.0);
}

std::optional<CaseChoisie> caseVisee(const Camera& k, float ratio, double ndcX, double ndcY,
                                     int largeur, int hauteur) {
  if (largeur < 1 || hauteur < 1 || !(ratio > 0)) return std::nullopt;
  // The look-at basis of gluLookAt, and the direction through the point as gluPerspective maps
  // it: the picture's half-height is tan(30 degrees) at unit distance.
  const V3 oeil{k.oeilX, k.oeilY, k.oeilZ};
  const V3 f = unitaire(moins(V3{k.centreX, k.centreY, k.centreZ}, oeil));
  const V3 s = unitaire(vectoriel(f, V3{k.hautX, k.hautY, k.hautZ}));
  const V3 u = vectoriel(s, f);
  const double ty = std::tan(30.0 * 3.14159265358979323846 / 180.0), tx = ty * ratio;
  const V3 d{f.x + ndcX * tx * s.x + ndcY * ty * u.x, f.y + ndcX * tx * s.y + ndcY * ty * u.y,
             f.z + ndcX * tx * s.z + ndcY * ty * u.z};

  // The cells tile the box [0, W] x [0, H] x [0, 1]: the first box the ray enters is the one at
  // its entry point into that box. Entering through a side is entering the frame's wall.
  const double o[3] = {oeil.x, oeil.y, oeil.z}, v[3] = {d.x, d.y, d.z};
  const double bas[3] = {0, 0, 0}, haut[3] = {double(largeur), double(hauteur), 1};
  double entree = -std::numeric_limits<double>::infinity();
  double sortie = std::numeric_limits<double>::infinity();
  int axeEntree = -1;
  for (int a = 0; a < 3; ++a) {
    if (v[a] == 0) {
      if (o[a] < bas[a] || o[a] > haut[a]) return std::nullopt;
      continue;
    }
    double t0 = (bas[a] - o[a]) / v[a], t1 = (haut[a] - o[a]) / v[a];
    if (t0 > t1) std::swap(t0, t1);
    if (t0 > entree) {
      entree = t0;
      axeEntree = a;
    }
    sortie = std::min(sortie, t1);
  }
  // Only in front of the eye, and only through the front face (z = 0, facing the camera).
  if (axeEntree != 2 || entree > sortie || entree <= 0 || v[2] <= 0) return std::nullopt;
  // d is f plus parts across it: t along d is t along the view direction.
  double proche = 0, loin = 0;
  plansCamera(k, proche, loin);
  if (entree < proche || entree > loin) return std::nullopt;
  const double x = o[0] + entree * v[0], y = o[1] + entree * v[1];
  const int c = std::min(static_cast<int>(std::floor(x)), largeur - 1);
  const int r = std::min(static_cast<int>(std::floor(y)), hauteur - 1);
  if (c < 0 || r < 0) return std::nullopt;
  return CaseChoisie{c, r};
}
