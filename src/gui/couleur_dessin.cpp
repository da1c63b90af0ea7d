// Drawing a colour field and its cursor mark over the widget's zone (needs the GL context).
#include "gui/couleur.h"
#include "render/etat_gl.h"

namespace {

void sommet(const float c[4], float x, float y) {
  glColor4fv(c);
  glVertex2f(x, y);
}

}  // namespace

void ColorGUI::dessinerChamp() {
  const float X1 = zone_->x, Y1 = zone_->y;
  const float X2 = X1 + zone_->largeur, Y2 = Y1 + zone_->hauteur;
  glDisable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  if (mode_ == 0) {
    glBegin(GL_QUADS);
    sommet(coins_[0], X1, Y1);
    sommet(coins_[1], X2, Y1);
    sommet(coins_[3], X2, Y2);
    sommet(coins_[2], X1, Y2);
    glEnd();
  } else if (mode_ == 1) {
    activerMelange(false);
    glColor4f(0.5f, 0.5f, 0.5f, 1);
    glBegin(GL_QUADS);
    glVertex2f(X1, Y1);
    glVertex2f(X2, Y1);
    glVertex2f(X2, Y2);
    glVertex2f(X1, Y2);
    glEnd();
    activerMelange(true);
    fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    static const float teintes[7][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1},
                                        {0, 0, 1}, {1, 0, 1}, {1, 0, 0}};
    const float pas = (X2 - X1) / 6;
    glBegin(GL_QUADS);
    for (int k = 0; k < 6; ++k) {
      const float a = X1 + k * pas, b = X1 + (k + 1) * pas;
      const float* c0 = teintes[k];
      const float* c1 = teintes[k + 1];
      glColor4f(c0[0], c0[1], c0[2], 1);
      glVertex2f(a, Y1);
      glColor4f(c1[0], c1[1], c1[2], 1);
      glVertex2f(b, Y1);
      glColor4f(c1[0], c1[1], c1[2], 0);
      glVertex2f(b, Y2);
      glColor4f(c0[0], c0[1], c0[2], 0);
      glVertex2f(a, Y2);
    }
    glEnd();
    activerMelange(false);
  } else {
    const float noir[4] = {0, 0, 0, 1}, blanc[4] = {1, 1, 1, 1};
    const float base[4] = {coins_[0][0], coins_[0][1], coins_[0][2], 1};
    const float milieu = (X1 + X2) / 2;
    glBegin(GL_QUADS);
    sommet(noir, X1, Y1);
    sommet(base, milieu, Y1);
    sommet(base, milieu, Y2);
    sommet(noir, X1, Y2);
    sommet(base, milieu, Y1);
    sommet(blanc, X2, Y1);
    sommet(blanc, X2, Y2);
    sommet(base, milieu, Y2);
    glEnd();
  }

  // The cursor mark: white outside, black inside, so it shows on any colour. Lines on pixel
  // centres so each covers exactly one row or column.
  const float cx = static_cast<float>(static_cast<int>(X1 + curseurX_)) + 0.5f;
  const float cy = static_cast<float>(static_cast<int>(Y1 + curseurY_)) + 0.5f;
  auto ligne = [](float xa, float ya, float xb, float yb) {
    glVertex2f(xa, ya);
    glVertex2f(xb, yb);
  };
  if (marqueur == LigneVerticale || marqueur == LigneHorizontale) {
    const bool v = marqueur == LigneVerticale;
    glBegin(GL_LINES);
    for (int d : {-2, 2, -1, 1}) {
      const float gris = (d == -2 || d == 2) ? 1.0f : 0.0f;
      glColor4f(gris, gris, gris, 1);
      if (v) ligne(cx + d, Y1, cx + d, Y2);
      else ligne(X1, cy + d, X2, cy + d);
    }
    glEnd();
  } else if (marqueur == Losange) {
    for (int r : {3, 2, 4}) {
      const float gris = r == 3 ? 1.0f : 0.0f;
      glColor4f(gris, gris, gris, 1);
      glBegin(GL_LINE_LOOP);
      glVertex2f(cx, cy - r);
      glVertex2f(cx + r, cy);
      glVertex2f(cx, cy + r);
      glVertex2f(cx - r, cy);
      glEnd();
    }
  }
  glColor4f(1, 1, 1, 1);
}
