#include "screens/cadence_menus.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
  double x, y, z;
};
Vec moins(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double scalaire(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec vectoriel(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec normer(Vec a) {
  const double n = std::sqrt(scalaire(a, a));
  return n > 0 ? Vec{a.x / n, a.y / n, a.z / n} : a;
}

// Where the camera puts board point `p`, in pixels from the window's centre (gluLookAt's frame,
// then a perspective of focal `focale` pixels); false behind the eye.
bool projeter(const Camera& k, Vec p, double focale, double& x, double& y) {
  const Vec oeil{k.oeilX, k.oeilY, k.oeilZ};
  const Vec f = normer(moins(Vec{k.centreX, k.centreY, k.centreZ}, oeil));
  const Vec s = normer(vectoriel(f, Vec{k.hautX, k.hautY, k.hautZ}));
  const Vec u = vectoriel(s, f);
  const Vec v = moins(p, oeil);
  const double z = scalaire(v, f);
  if (z <= 1e-6) return false;
  x = focale * scalaire(v, s) / z;
  y = focale * scalaire(v, u) / z;
  return true;
}

}  // namespace

double pixelsParSeconde(const Camera& avant, const Camera& apres, double secondes,
                        int hauteurPixels) {
  if (secondes <= 0 || hauteurPixels <= 0) return 0;
  const double tan30 = 0.57735026919;
  const double focale = hauteurPixels / (2 * tan30);
  // Half a view around the old look-at point, on the board's plane.
  const double demi = std::fabs(avant.oeilZ - avant.centreZ) * tan30 * 0.5;
  const Vec c{avant.centreX, avant.centreY, 0};
  const Vec points[5] = {c,
                         {c.x - demi, c.y - demi, 0},
                         {c.x + demi, c.y - demi, 0},
                         {c.x - demi, c.y + demi, 0},
                         {c.x + demi, c.y + demi, 0}};
  double plus = 0;
  for (const Vec& p : points) {
    double x0, y0, x1, y1;
    if (!projeter(avant, p, focale, x0, y0) || !projeter(apres, p, focale, x1, y1)) continue;
    // Not std::hypot: it would raise the C library the package needs for one distance.
    plus = std::max(plus, std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0)));
  }
  return plus / secondes;
}

int imagesPourVitesse(double vitesse, double pixelsParImage, int minimum, int maximum) {
  if (pixelsParImage <= 0) return maximum;
  const double voulues = std::ceil(vitesse / pixelsParImage);
  return static_cast<int>(std::clamp(voulues, static_cast<double>(minimum),
                                     static_cast<double>(std::max(minimum, maximum))));
}

void CadenceMenus::image(const Camera& camera, uint32_t ticks, int hauteurPixels) {
  if (!premiere_ && ticks > ticks_) {
    const double v = pixelsParSeconde(camera_, camera, (ticks - ticks_) / 1000.0, hauteurPixels);
    // A quick rise, a slow fall: a speed-up is never drawn late.
    vitesse_ = v > vitesse_ ? v : 0.8 * vitesse_ + 0.2 * v;
  }
  premiere_ = false;
  camera_ = camera;
  ticks_ = ticks;
}

int CadenceMenus::imagesParSeconde(uint32_t ticks, uint32_t derniereSaisie) const {
  if (premiere_ || ticks - derniereSaisie < DureeApresSaisie) return maximum_;
  // The display's pace (0) counts as 60 here, and stays 0 when the motion needs all of it.
  const int plafond = maximum_ > 0 ? maximum_ : 60;
  const int n = imagesPourVitesse(vitesse_, PixelsParImage, Minimum, plafond);
  return maximum_ <= 0 && n >= plafond ? 0 : n;
}
