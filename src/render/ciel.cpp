#include "render/ciel.h"

#include "render/etat_gl.h"
#include "render/gl.h"
#include "render/textures.h"

namespace {

// One picture on each face, placed where a cube map of six equal faces puts it: for the face of
// major axis a, the picture's (s, t) at a corner follow the cube map's own rule
// (s, t) = ((sc / |ma| + 1) / 2, (tc / |ma| + 1) / 2). The same texels land on the same
// directions with one copy of the picture instead of six.
void coordonneesFace(int axe, int signe, const int v[3], float& s, float& t) {
  const int x = v[0], y = v[1], z = v[2];
  int sc = 0, tc = 0;
  switch (axe) {
    case 0: sc = signe > 0 ? -z : z, tc = -y; break;
    case 1: sc = x, tc = signe > 0 ? z : -z; break;
    default: sc = signe > 0 ? x : -x, tc = -y; break;
  }
  s = (sc + 1) * 0.5f;
  t = (tc + 1) * 0.5f;
}

}  // namespace

void dessinerFond3D(uint32_t ticks, float ratio) {
  gluPerspective(60.0, ratio, 0.1, 2.0);
  gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
  glEnable(GL_TEXTURE_2D);
  lierTexture(textures.texFondCiel);
  const float angle = (ticks * 0.005f) / 10.0f;  // half a degree per second
  // The cube turns, not its texture: a view direction v shows the face point R v, with
  // R = Rx(angle) Ry(angle) Scale(1, 1, -1), so each face point p is drawn at R^-1 p.
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glScalef(1, 1, -1);
  glRotatef(-angle, 0, 1, 0);
  glRotatef(-angle, 1, 0, 0);
  // Faces by the coordinate held constant: z = -1, z = +1, x = -1, x = +1, y = -1, y = +1.
  static const int faces[6][4][3] = {{{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}},
                                     {{-1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {1, -1, 1}},
                                     {{-1, -1, -1}, {-1, 1, -1}, {-1, 1, 1}, {-1, -1, 1}},
                                     {{1, -1, -1}, {1, -1, 1}, {1, 1, 1}, {1, 1, -1}},
                                     {{-1, -1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, -1, -1}},
                                     {{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}}};
  static const int axes[6][2] = {{2, -1}, {2, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 1}};
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  for (int f = 0; f < 6; ++f)
    for (const auto& v : faces[f]) {
      float s = 0, t = 0;
      coordonneesFace(axes[f][0], axes[f][1], v, s, t);
      glTexCoord2f(s, t);
      glVertex3f(static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]));
    }
  glEnd();
  glLoadIdentity();
  glDisable(GL_TEXTURE_2D);
}
