#pragma once
// The menus' pace follows their picture. The background drifts: a camera easing over the
// demonstration level and a sky turning half a degree a second. Most of the time nothing on it
// moves more than a few pixels in a thirtieth of a second, and a software renderer pays for every
// frame it draws, so the menus draw only as many frames as the motion needs to stay smooth,
// and all of them again for a second after the player moves the mouse or presses a key (hover,
// typing). Main thread only.
#include <cstdint>

#include "game/camera.h"

// How many pixels a second the board moves on a window `hauteurPixels` high between camera
// `avant` and camera `apres`, `secondes` apart: the largest shift of five points of the board's
// plane (the old look-at point and four around it, half a view away) once projected as the frame
// projects them (60 degrees of height). 0 when nothing moved or `secondes` is not positive.
double pixelsParSeconde(const Camera& avant, const Camera& apres, double secondes,
                        int hauteurPixels);

// The frames a second that keep a motion of `vitesse` pixels a second within `pixelsParImage`
// pixels between two frames, between `minimum` and `maximum`.
int imagesPourVitesse(double vitesse, double pixelsParImage, int minimum, int maximum);

class CadenceMenus {
 public:
  // At most this many pixels of motion between two frames.
  static constexpr double PixelsParImage = 4.0;
  // Never fewer frames than this (the automaton's and the labels' changes).
  static constexpr int Minimum = 10;
  // Full pace this long after an input.
  static constexpr uint32_t DureeApresSaisie = 1000;

  // `maximum` as bouclerEcran takes it: frames a second, 0 for the display's pace.
  explicit CadenceMenus(int maximum) : maximum_(maximum) {}
  // After a frame drawn with `camera` at `ticks` on a window `hauteurPixels` high.
  void image(const Camera& camera, uint32_t ticks, int hauteurPixels);
  // The pace for the next frame; `derniereSaisie` is the time of the player's last input.
  int imagesParSeconde(uint32_t ticks, uint32_t derniereSaisie) const;

 private:
  int maximum_;
  bool premiere_ = true;
  Camera camera_;
  uint32_t ticks_ = 0;
  double vitesse_ = 0;  // pixels a second, smoothed over a few frames
};
