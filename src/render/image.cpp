#include "render/image.h"

#include <algorithm>
#include <cmath>

#include "base/journal.h"
#include "platform/options.h"
#include "render/puissance2.h"
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

void preparerBloom(const InstantaneTerrain& t, uint32_t ticks, const ReglagesScene& reglages) {
  appliquerCamera(t.camera, ratioFenetre());
  dessinerScene(t, ticks, reglages);
  if (textures.texBloom == 0) return;
  const Vue vue = vueCourante();
  lierTexture(textures.texBloom);
  // Only the window's part: the rest of the power-of-two texture is never shown.
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, vue.x, vue.y,
                      std::min<GLint>(vue.l, textures.largeurBloom),
                      std::min<GLint>(vue.h, textures.hauteurBloom));
  verifierErreursGL("Err draw bloom make");
}

void dessinerBloom() {
  if (textures.texBloom == 0) return;
  const Vue vue = vueCourante();
  matricesIdentite();
  const int rx = options.resXSure(), ry = options.resYSure();
  const float sx = static_cast<float>(rx) / puiss2(rx), sy = static_cast<float>(ry) / puiss2(ry);
  const bool reduit = textures.texHalo != 0 && textures.texHaloAlpha != 0;
  if (!reduit) {
    // Without the small targets: the glow program over the whole window.
    activerMelange(true);
    fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (shaders) shaders->utiliserProgramme(shaders->programmeBloom);
    verifierErreursGL("Err shader_bloom");
    glEnable(GL_TEXTURE_2D);
    lierTexture(textures.texBloom);
    glColor4f(1, 1, 1, 1);
    quadPleinEcran(0, sx, sy);
    glDisable(GL_TEXTURE_2D);
    if (shaders) shaders->utiliserProgramme(0);
    verifierErreursGL("Err draw use");
    return;
  }
  // The glow program is the costliest pass of a frame: it runs at a quarter of the window's
  // size in each direction, in the window's bottom-left corner (the frame is safe in texBloom),
  // twice: once for its colour times its alpha, once for its alpha alone.
  const int l = std::max(1, vue.l / ReductionHalo), h = std::max(1, vue.h / ReductionHalo);
  glViewport(vue.x, vue.y, l, h);
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  activerMelange(true);
  for (int passe = 0; passe < 2; ++passe) {
    if (passe == 1) {
      // dest = 1 x alpha: the alpha as grey.
      glEnable(GL_SCISSOR_TEST);
      glScissor(vue.x, vue.y, l, h);
      glClearColor(1, 1, 1, 1);
      glClear(GL_COLOR_BUFFER_BIT);
      glDisable(GL_SCISSOR_TEST);
      glClearColor(0, 0, 0, 0);
      fonctionMelange(GL_ZERO, GL_SRC_ALPHA);
    } else {
      fonctionMelange(GL_SRC_ALPHA, GL_ZERO);  // colour x alpha
    }
    if (shaders) shaders->utiliserProgramme(shaders->programmeBloom);
    verifierErreursGL("Err shader_bloom");
    lierTexture(textures.texBloom);
    quadPleinEcran(0, sx, sy);
    if (shaders) shaders->utiliserProgramme(0);
    lierTexture(passe == 0 ? textures.texHalo : textures.texHaloAlpha);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, vue.x, vue.y, std::min(l, textures.largeurHalo),
                        std::min(h, textures.hauteurHalo));
  }
  glViewport(vue.x, vue.y, vue.l, vue.h);
  // The corner back from the frame's copy, texel for pixel.
  activerMelange(false);
  lierTexture(textures.texBloom);
  const float cx = 2.0f * l / vue.l - 1.0f, cy = 2.0f * h / vue.h - 1.0f;
  const float tx = static_cast<float>(l) / textures.largeurBloom;
  const float ty = static_cast<float>(h) / textures.hauteurBloom;
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(-1, -1);
  glTexCoord2f(0, ty), glVertex2f(-1, cy);
  glTexCoord2f(tx, ty), glVertex2f(cx, cy);
  glTexCoord2f(tx, 0), glVertex2f(cx, -1);
  glEnd();
  // The glow over the frame, as blending its colour with its alpha would:
  // dest x (1 - alpha) + colour x alpha.
  activerMelange(true);
  const float hx = static_cast<float>(l) / textures.largeurHalo;
  const float hy = static_cast<float>(h) / textures.hauteurHalo;
  if (glext && glext->glActiveTexture && glext->glMultiTexCoord3f) {
    // One pass over the window instead of two (the window-sized passes are what a software
    // renderer pays for): the colour from unit 0, the alpha from unit 1, whose intensity
    // texture gives its grey as alpha.
    lierTexture(textures.texHalo);
    glext->glActiveTexture(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    lierTextureAutreUnite(textures.texHaloAlpha);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_PREVIOUS);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
    fonctionMelange(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    const float coins[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    glBegin(GL_QUADS);
    for (const auto& c : coins) {
      glTexCoord2f(c[0] * hx, c[1] * hy);
      glext->glMultiTexCoord3f(GL_TEXTURE1, c[0] * hx, c[1] * hy, 0);
      glVertex2f(c[0] * 2 - 1, c[1] * 2 - 1);
    }
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    lierTextureAutreUnite(0);
    glDisable(GL_TEXTURE_2D);
    glext->glActiveTexture(GL_TEXTURE0);
  } else {
    fonctionMelange(GL_ZERO, GL_ONE_MINUS_SRC_COLOR);
    lierTexture(textures.texHaloAlpha);
    quadPleinEcran(0, hx, hy);
    fonctionMelange(GL_ONE, GL_ONE);
    lierTexture(textures.texHalo);
    quadPleinEcran(0, hx, hy);
  }
  glDisable(GL_TEXTURE_2D);
  // What the pass leaves for the GUI: blending on, for text and translucent widgets.
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  verifierErreursGL("Err draw use");
}

void dessinerImage(const InstantaneTerrain& t, uint32_t ticks) {
  // The board's settings, read once for the whole picture.
  const ReglagesScene reglages = reglagesScene();
  verifierErreursGL("Err Av");
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  matricesIdentite();
  if (options.Fond) {
    if (!options.FondShader) {
      if (textures.texFondCiel != 0) dessinerFond3D(ticks, ratioFenetre());
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
    preparerBloom(t, ticks, reglages);
    dessinerBloom();
  } else {
    appliquerCamera(t.camera, ratioFenetre());
    dessinerScene(t, ticks, reglages);
  }
  glMatrixMode(GL_PROJECTION);
}
