#include "render/image_minimale.h"

#include "platform/options.h"
#include "render/ciel.h"
#include "render/gl.h"
#include "render/plateau.h"
#include "render/textures.h"

void dessinerImageMinimale(const InstantaneTerrain& t, uint32_t ticks) {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const float ratio = ratioFenetre();
  if (options.Fond && textures.texFondCiel != 0) {
    dessinerFond3D(ticks, ratio);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
  }
  appliquerCamera(t.camera, ratio);
  dessinerScene(t, ticks, reglagesScene());
}
