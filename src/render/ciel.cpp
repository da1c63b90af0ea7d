#include "render/ciel.h"

#include "render/etat_gl.h"
#include "render/gl.h"
#include "render/textures.h"

void dessinerFond3D(uint32_t ticks, float ratio) {
  gluPerspective(60.0, ratio, 0.1, 2.0);
  gluLookAt(0, 0, 0, 0, 0, -1, 0, 1, 0);
  lierTextureCible(GL_TEXTURE_CUBE_MAP, textures.texFondCube);
  glEnable(GL_TEXTURE_CUBE_MAP);
  const float angle = (ticks * 0.005f) / 10.0f;  // half a degree per second
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glRotatef(angle, 1, 0, 0);
  glRotatef(angle, 0, 1, 0);
  glScalef(1, 1, -1);
  glMatrixMode(GL_MODELVIEW);
  constexpr float k = 0.57735f;
  // Faces by the coordinate held constant: z = -1, z = +1, x = -1, x = +1, y = -1, y = +1.
  static const int faces[6][4][3] = {
      {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}},
      {{-1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {1, -1, 1}},
      {{-1, -1, -1}, {-1, 1, -1}, {-1, 1, 1}, {-1, -1, 1}},
      {{1, -1, -1}, {1, -1, 1}, {1, 1, 1}, {1, 1, -1}},
      {{-1, -1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, -1, -1}},
      {{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}}};
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  for (const auto& f : faces)
    for (const auto& v : f) {
      glTexCoord3f(k * v[0], k * v[1], k * v[2]);
      glVertex3f(static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2]));
    }
  glEnd();
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glDisable(GL_TEXTURE_CUBE_MAP);
}
