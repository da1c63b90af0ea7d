#include "screens/cadence_menus.h"

#include <algorithm>
#include <cmath>

#include "game/vue_entiere.h"

double pixelsParSeconde(const Camera& avant, const Camera& apres, double secondes,
                        int hauteurPixels) {
  if (secondes <= 0 || hauteurPixels <= 0) return 0;
  // The pixels a point moves do not depend on the window's width (the field of view is
  // vertical): any width serves.
  const int largeur = hauteurPixels * 4 / 3;
  // Half a view around the old look-at point, on the board's plane.
  const double demi = std::fabs(avant.oeilZ - avant.centreZ) * 0.57735026919 * 0.5;
  const double cx = avant.centreX, cy = avant.centreY;
  const double points[5][2] = {{cx, cy},
                               {cx - demi, cy - demi},
                               {cx + demi, cy - demi},
                               {cx - demi, cy + demi},
                               {cx + demi, cy + demi}};
  double plus = 0;
  for (const auto& p : points) {
    const float x = static_cast<float>(p[0]), y = static_cast<float>(p[1]);
    float x0, y0, x1, y1;
    if (!projeterPoint(avant, largeur, hauteurPixels, x, y, 0, x0, y0) ||
        !projeterPoint(apres, largeur, hauteurPixels, x, y, 0, x1, y1))
      continue;
    // Not std::hypot: it would raise the C library the package needs for one distance.
    const double dx = x1 - x0, dy = y1 - y0;
    plus = std::max(plus, std::sqrt(dx * dx + dy * dy));
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
