#include "render/image.h"

#include <algorithm>
#include <cmath>

#include "base/journal.h"
#include "platform/options.h"
#include "render/cache_pak.h"
#include "render/ciel.h"
#include "render/erreurs_gl.h"
#include "render/etat_gl.h"
#include "render/glext.h"
#include "render/plateau.h"
#include "render/shaders.h"
#include "render/textures.h"

namespace {

int tranche = 0;

struct Vue {
  GLint x, y, l, h;
};
Vue vueCourante() {
  GLint v[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, v);
  return {v[0], v[1], v[2], v[3]};
}

void uniforme(GLint loc, float valeur) {
  if (glext && glext->glUniform1fARB) glext->glUniform1fARB(loc, valeur);
}

// A quad over the whole viewport in normalised coordinates, texture from (0, 0) to (sx, sy).
void quadPleinEcran(float s0, float s1, float sy) {
  glBegin(GL_QUADS);
  glTexCoord2f(s0, 0), glVertex2f(-1, -1);
  glTexCoord2f(s0, sy), glVertex2f(-1, 1);
  glTexCoord2f(s1, sy), glVertex2f(1, 1);
  glTexCoord2f(s1, 0), glVertex2f(1, -1);
  glEnd();
}

void matricesIdentite() {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
}

}  // namespace

int trancheFondShader() { return tranche; }

void calculerFondShader(int p, int D, double tau) {
  if (!shaders || textures.texFondShader == 0) return;
  const int taille = options.fondShaderTailleSure();
  const int Wp = options.resXSure() / taille, Hp = options.resYSure() / taille;
  const Vue vue = vueCourante();
  shaders->utiliserProgramme(shaders->programmeFractal);
  if (glext && glext->glActiveTexture) glext->glActiveTexture(GL_TEXTURE0);
  lierTexture(textures.texJulia);
  glColor4f(0, 0, 0.2f, 1);
  if (p == 0) {
    uniforme(shaders->locZoom, static_cast<float>(100.0 / tau + 0.1));
    uniforme(shaders->locPx, static_cast<float>(std::sin(tau / 6941) / 3));
    uniforme(shaders->locPy, static_cast<float>(std::cos(tau / 6941) / 3));
    uniforme(shaders->locCx, static_cast<float>(0.0625 * std::sin(tau / 41730 + 2) - 0.75));
    uniforme(shaders->locCy, static_cast<float>(0.0625 * std::cos(tau / 69410 + 3) - 0.2));
    uniforme(shaders->locTeinte, static_cast<float>(tau / 25000));
  }
  glEnable(GL_TEXTURE_2D);
  const int largeurTranche = Wp / D;
  glViewport(0, 0, largeurTranche, Hp);
  quadPleinEcran(static_cast<float>(p) / D, static_cast<float>(p + 1) / D, 1.0f);
  shaders->utiliserProgramme(0);
  lierTexture(textures.texFondShader);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, (Wp * p) / D, 0, 0, 0, largeurTranche, Hp);
  glDisable(GL_TEXTURE_2D);
  glViewport(vue.x, vue.y, vue.l, vue.h);
  verifierErreursGL("Err makeFondMap");
}

void afficherFondShader(GLuint texture) {
  if (texture == 0) return;
  const int taille = options.fondShaderTailleSure();
  const int Wp = options.resXSure() / taille, Hp = options.resYSure() / taille;
  glEnable(GL_TEXTURE_2D);
  lierTexture(texture);
  glColor4f(1, 1, 1, 1);
  quadPleinEcran(0, static_cast<float>(Wp) / puiss2(Wp), static_cast<float>(Hp) / puiss2(Hp));
  glDisable(GL_TEXTURE_2D);
  verifierErreursGL("Err drawFondMap");
}

void preparerBloom(const InstantaneTerrain& t, uint32_t ticks) {
  appliquerCamera(t.camera, ratioFenetre());
  dessinerScene(t, ticks);
  if (textures.texBloom == 0) return;
  const Vue vue = vueCourante();
  lierTexture(textures.texBloom);
  // Only the window's part: the rest of the power-of-two texture is never shown.
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, vue.x, vue.y, std::min<GLint>(vue.l, textures.largeurBloom),
                      std::min<GLint>(vue.h, textures.hauteurBloom));
  verifierErreursGL("Err draw bloom make");
}

void dessinerBloom() {
  if (textures.texBloom == 0) return;
  matricesIdentite();
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (shaders) shaders->utiliserProgramme(shaders->programmeBloom);
  verifierErreursGL("Err shader_bloom");
  glEnable(GL_TEXTURE_2D);
  lierTexture(textures.texBloom);
  glColor4f(1, 1, 1, 1);
  const int rx = options.resXSure(), ry = options.resYSure();
  quadPleinEcran(0, static_cast<float>(rx) / puiss2(rx), static_cast<float>(ry) / puiss2(ry));
  glDisable(GL_TEXTURE_2D);
  if (shaders) shaders->utiliserProgramme(0);
  verifierErreursGL("Err draw use");
}

void dessinerImage(const InstantaneTerrain& t, uint32_t ticks) {
  verifierErreursGL("Err Av");
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  matricesIdentite();
  if (options.Fond) {
    if (!options.FondShader) {
      if (textures.texFondCube != 0) dessinerFond3D(ticks, ratioFenetre());
    } else {
      const int D = options.fondShaderDivSure();
      if (tranche >= D) tranche = 0;
      calculerFondShader(tranche, D, (static_cast<double>(ticks) + 1.0) / 1.5);
      afficherFondShader(textures.texFondShader);
      tranche = (tranche + 1) % D;
    }
    matricesIdentite();
  }
  if (options.Bloom && textures.texBloom != 0) {
    preparerBloom(t, ticks);
    dessinerBloom();
  } else {
    appliquerCamera(t.camera, ratioFenetre());
    dessinerScene(t, ticks);
  }
  glMatrixMode(GL_PROJECTION);
}
