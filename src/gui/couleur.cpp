#include "gui/couleur.h"

#include <algorithm>
#include <cmath>

#include "base/maths.h"
#include "gui/gui.h"

namespace {

float borne01(float f) { return std::isnan(f) ? 0.0f : std::clamp(f, 0.0f, 1.0f); }

}  // namespace

void couleurArcEnCiel(float u, float v, float rgba[4]) {
  const float w = 1 - v;
  const float hi = (1 + w) / 2, lo = (1 - w) / 2, d = hi - lo;
  const float f = 6 * borne01(u);
  switch (static_cast<int>(f)) {
    case 0:
      rgba[0] = hi;
      rgba[1] = lo + f * d;
      rgba[2] = lo;
      break;
    case 1:
      rgba[0] = lo + (2 - f) * d;
      rgba[1] = hi;
      rgba[2] = lo;
      break;
    case 2:
      rgba[0] = lo;
      rgba[1] = hi;
      rgba[2] = lo + (f - 2) * d;
      break;
    case 3:
      rgba[0] = lo;
      rgba[1] = lo + (4 - f) * d;
      rgba[2] = hi;
      break;
    case 4:
      rgba[0] = lo + (f - 4) * d;
      rgba[1] = lo;
      rgba[2] = hi;
      break;
    default:
      rgba[0] = hi;
      rgba[1] = lo;
      rgba[2] = lo + (6 - f) * d;
      break;
  }
}

void couleurTeinte(float u, const float c[4], float rgba[4]) {
  for (int i = 0; i < 3; ++i) {
    if (u < 0.5f) {
      rgba[i] = c[i] * 2 * u;
    } else {
      const float t = 2 * u - 1;
      rgba[i] = c[i] * (1 - t) + t;
    }
  }
}

ColorGUI::ColorGUI(int x, int y, int largeur, int hauteur, RappelGUI rappel, int donnee) {
  setRappel(std::move(rappel), donnee);
  zone_ = gui->nouvelleZone();
  zone_->setPropriete(PROP_X, x);
  zone_->setPropriete(PROP_Y, y);
  zone_->setPropriete(PROP_LARGEUR, largeur);
  zone_->setPropriete(PROP_HAUTEUR, hauteur);
  zone_->setPropriete(PROP_PARTIE, donnee);
  zone_->setProprietaire(PROP_PROPRIETAIRE, this);
}

void ColorGUI::setCoins(const float c[16]) {
  mode_ = 0;
  for (int i = 0; i < 16; ++i) coins_[i / 4][i % 4] = c[i];
  calculer();
}

void ColorGUI::setUniforme(const float c[4]) {
  mode_ = 0;
  for (auto& coin : coins_) std::copy(c, c + 4, coin);
  calculer();
}

void ColorGUI::setArcEnCiel() {
  mode_ = 1;
  calculer();
}

void ColorGUI::setTeinte(const float c[4]) {
  mode_ = 2;
  std::copy(c, c + 4, coins_[0]);
  calculer();
}

void ColorGUI::viser(float x, float y) {
  // Inside the field: the value formulas are meant for 0..1, and NaN must never reach them.
  curseurX_ = std::isnan(x) ? 0.0f : std::clamp(x, 0.0f, static_cast<float>(zone_->largeur));
  curseurY_ = std::isnan(y) ? 0.0f : std::clamp(y, 0.0f, static_cast<float>(zone_->hauteur));
  calculer();
}

void ColorGUI::calculer() {
  const float u = zone_->largeur ? curseurX_ / zone_->largeur : 0.0f;
  const float v = zone_->hauteur ? curseurY_ / zone_->hauteur : 0.0f;
  switch (mode_) {
    case 0: interpolerCouleur(u, v, coins_[0], coins_[1], coins_[2], coins_[3], couleur_); break;
    case 1: couleurArcEnCiel(u, v, couleur_); break;
    default: couleurTeinte(u, coins_[0], couleur_); break;
  }
}

void ColorGUI::placerSur(const float couleur[3]) {
  const float r = borne01(couleur[0]), g = borne01(couleur[1]), b = borne01(couleur[2]);
  float u = 0.5f, v = 0.5f;
  if (mode_ == 1) {
    const float mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
    if (d <= 0) {
      u = 0;
      v = 1;
    } else {
      // Hue in sixths. A tie for the largest component is a hue between two primaries
      // (yellow, cyan, magenta), which the first matching formula gives exactly.
      float teinte;
      if (r >= g && r >= b) teinte = (g - b) / d;
      else if (g >= b) teinte = (b - r) / d + 2;
      else teinte = (r - g) / d + 4;
      u = teinte / 6;
      if (u < 0) u += 1;
      const float s = (mx + mn < 1) ? d / (mx + mn) : d / (2 - mx - mn);
      v = 1 - s;
    }
  } else if (mode_ == 2) {
    const float s = r + g + b;
    u = s > 1 ? (s + 1) / 4 : s / 2;
    v = 0.5f;
  }
  viser(static_cast<float>(static_cast<int>(zone_->largeur * u)),
        static_cast<float>(static_cast<int>(zone_->hauteur * v)));
}

void ColorGUI::evenement(ZoneGUI* zone, int /*partie*/, int type, int x, int y) {
  if (type == EV_DESSINE) dessinerChamp();
  else if (type == EV_RELACHE || type == EV_REPETE)
    viser(static_cast<float>(x), static_cast<float>(y));
  notifier(zone, type, x, y);
}
