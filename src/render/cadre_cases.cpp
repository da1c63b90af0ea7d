#include "render/cadre_cases.h"

#include <algorithm>

#include "render/etat_gl.h"
#include "render/plateau.h"

void dessinerCadreCases(const Camera& camera, float ratio, int c0, int l0, int c1, int l1,
                        const float couleur[4]) {
  const float x0 = static_cast<float>(std::min(c0, c1)),
              x1 = static_cast<float>(std::max(c0, c1) + 1);
  const float y0 = static_cast<float>(std::min(l0, l1)),
              y1 = static_cast<float>(std::max(l0, l1) + 1);
  // On the cells' front faces, a hair nearer the eye so that the wall tops do not hide it.
  const float z = -0.01f;
  appliquerCamera(camera, ratio);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // The same four corners twice: a light veil, then its frame.
  const auto coins = [&](GLenum mode) {
    glBegin(mode);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
  };
  glColor4f(couleur[0], couleur[1], couleur[2], couleur[3] * 0.25f);
  coins(GL_QUADS);
  glColor4f(couleur[0], couleur[1], couleur[2], couleur[3]);
  glLineWidth(2.0f);
  coins(GL_LINE_LOOP);
  glLineWidth(1.0f);
  glColor4f(1, 1, 1, 1);
}
