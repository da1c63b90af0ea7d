#include "render/maillages.h"

#include <algorithm>
#include <cmath>

#include "base/maths.h"
#include "render/glext.h"

namespace {

float decalageS = 0, decalageT = 0, echelleST = 1;  // transformerCoordsTexture
void coordTexture(float s, float t) {
  glTexCoord3f(decalageS + s * echelleST, decalageT + t * echelleST, 0.0f);
}

// Side faces: the eye-to-vertex vector mirrored across the face, normalised.
void refletCote(const Reflet& reflet, float x, float y, float z, const float n[3]) {
  if (!reflet.actif) return;
  float v[3] = {x - reflet.oeil[0], y - reflet.oeil[1], z - reflet.oeil[2]};
  const float d = v[0] * n[0] + v[1] * n[1] + v[2] * n[2];
  for (int i = 0; i < 3; ++i) v[i] -= 2.0f * d * n[i];
  normaliser(v);
  coordReflet(v[0], v[1], v[2]);
}

// One side face: its first edge from a to b (2D), spanning z0..z1.
void faceCote(float ax, float ay, float bx, float by, float z0, float z1, const float n[3],
              const Reflet& reflet) {
  glNormal3fv(n);
  const struct {
    float x, y, z, s, t;
  } v[4] = {{ax, ay, z0, 0, 1}, {ax, ay, z1, 0, 0}, {bx, by, z1, 1, 0}, {bx, by, z0, 1, 1}};
  for (const auto& p : v) {
    coordTexture(p.s, p.t);  // three components everywhere: no vertex format change mid-batch
    refletCote(reflet, p.x, p.y, p.z, n);
    glVertex3f(p.x, p.y, p.z);
  }
}
}  // namespace

void transformerCoordsTexture(float ox, float oy, float k) {
  decalageS = ox, decalageT = oy, echelleST = k;
}

void coordReflet(float s, float t, float r) {
  if (glext && glext->glMultiTexCoord3f) glext->glMultiTexCoord3f(GL_TEXTURE1, s, t, r);
}

void sommetsQuadPlat(float x0, float y0, float x1, float y1, float z, float nz,
                     const Reflet& reflet) {
  glNormal3f(0.0f, 0.0f, nz);
  const float v[4][4] = {{x0, y0, 0, 0}, {x0, y1, 0, 1}, {x1, y1, 1, 1}, {x1, y0, 1, 0}};
  for (const auto& p : v) {
    coordTexture(p[2], p[3]);
    if (reflet.actif) {
      // R = V - 2 (n.V) n with V = eye - vertex, n = (0, 0, nz).
      const float V[3] = {reflet.oeil[0] - p[0], reflet.oeil[1] - p[1], reflet.oeil[2] - z};
      const float d = V[2] * nz;
      coordReflet(V[0], V[1], V[2] - 2.0f * d * nz);
    }
    glVertex3f(p[0], p[1], z);
  }
}

void sommetsBoite(float x, float y, float w, float h, float z0, float z1, uint8_t code,
                  const Voisins& vs, const Reflet& reflet, bool opaque) {
  static const float haut[3] = {0, -1, 0}, bas[3] = {0, 1, 0}, gauche[3] = {-1, 0, 0},
                     droite[3] = {1, 0, 0};
  const float* o = reflet.oeil;
  const bool cacherDos = opaque && o[2] < z0;
  const bool tournee[4] = {o[1]<y, o[1]> y + h, o[0]<x, o[0]> x + w};
  auto visible = [&](int i) {
    return vs.dedans[i] && vs.code[i] != code && (!cacherDos || tournee[i]);
  };
  if (visible(0)) faceCote(x, y, x + w, y, z0, z1, haut, reflet);
  if (visible(1)) faceCote(x, y + h, x + w, y + h, z0, z1, bas, reflet);
  if (visible(2)) faceCote(x, y, x, y + h, z0, z1, gauche, reflet);
  if (visible(3)) faceCote(x + w, y, x + w, y + h, z0, z1, droite, reflet);
  sommetsQuadPlat(x, y, x + w, y + h, z0, -1.0f, reflet);
}

void sommetsSphere(const float centre[3], float rayon, int bandes, int segments,
                   const Reflet& reflet, const float vue[3]) {
  for (int i = 0; i < bandes; ++i) {
    for (int j = 0; j < segments; ++j) {
      const int coins[4][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
      for (const auto& k : coins) {
        const float theta = k[0] * static_cast<float>(Pi) / bandes,
                    phi = k[1] * 2.0f * static_cast<float>(Pi) / segments;
        const float n[3] = {std::sin(phi) * std::sin(theta), std::cos(theta),
                            std::cos(phi) * std::sin(theta)};
        glNormal3fv(n);
        glTexCoord3fv(n);
        if (reflet.actif) {
          const float d = n[0] * vue[0] + n[1] * vue[1] + n[2] * vue[2];
          coordReflet(vue[0] - 2 * d * n[0], vue[1] - 2 * d * n[1], vue[2] - 2 * d * n[2]);
        }
        glVertex3f(centre[0] + rayon * n[0], centre[1] + rayon * n[1], centre[2] + rayon * n[2]);
      }
    }
  }
}

void sommetsRessort(int c, int r, int segments, const Reflet& reflet) {
  // The strip's vertex pairs (top then bottom), the closing pair last.
  struct Paire {
    float x, z, s, nx, nz;
    float reflet[2][3];
  };
  const float oy = reflet.oeil[1];
  auto paire = [&](int i) {
    Paire p;
    if (i < segments) {
      const float s = static_cast<float>(i) / segments, a = 2.0f * static_cast<float>(Pi) * s;
      const float ca = std::cos(a), sa = std::sin(a);
      p = {c + 0.5f + 0.5f * ca, 0.5f + 0.5f * sa, s, ca, sa, {}};
      for (int bas = 0; bas < 2; ++bas) {
        float v[3] = {ca, (r + (bas ? 0.1f : -0.1f)) - oy, sa};
        normaliser(v);
        std::copy(v, v + 3, p.reflet[bas]);
      }
    } else {
      p = {c + 1.0f, 0.5f, 0.0f, 1.0f, 0.0f, {}};
      float v[3] = {1.0f, (r - 0.1f) - oy, 0.0f};
      normaliser(v);
      std::copy(v, v + 3, p.reflet[0]);
      std::copy(v, v + 3, p.reflet[1]);
    }
    return p;
  };
  auto sommet = [&](const Paire& p, int bas) {
    glNormal3f(p.nx, 0.0f, p.nz);
    glTexCoord3f(p.s, static_cast<float>(bas), 0.0f);
    if (reflet.actif) coordReflet(p.reflet[bas][0], p.reflet[bas][1], p.reflet[bas][2]);
    glVertex3f(p.x, static_cast<float>(r + bas), p.z);
  };
  Paire a = paire(0);
  for (int i = 1; i <= segments; ++i) {
    const Paire b = paire(i);
    sommet(a, 0), sommet(a, 1), sommet(b, 1), sommet(b, 0);
    a = b;
  }
}

void dessinerCadre(int largeur, int hauteur) {
  const float W = static_cast<float>(largeur), H = static_cast<float>(hauteur);
  glBegin(GL_QUADS);
  glNormal3f(0, 0, -1);
  for (float z : {1.0f, 0.0f}) {
    const float bandes[4][4][2] = {{{0, 0}, {-0.5f, -0.5f}, {W + 0.5f, -0.5f}, {W, 0}},
                                   {{0, H}, {-0.5f, H + 0.5f}, {W + 0.5f, H + 0.5f}, {W, H}},
                                   {{0, 0}, {-0.5f, -0.5f}, {-0.5f, H + 0.5f}, {0, H}},
                                   {{W, 0}, {W + 0.5f, -0.5f}, {W + 0.5f, H + 0.5f}, {W, H}}};
    for (const auto& b : bandes)
      for (const auto& p : b) glVertex3f(p[0], p[1], z);
  }
  glNormal3f(0, -1, 0);
  glVertex3f(0, 0, 0), glVertex3f(W, 0, 0), glVertex3f(W, 0, 1), glVertex3f(0, 0, 1);
  glNormal3f(0, 1, 0);
  glVertex3f(0, H, 0), glVertex3f(W, H, 0), glVertex3f(W, H, 1), glVertex3f(0, H, 1);
  glNormal3f(-1, 0, 0);
  glVertex3f(0, 0, 0), glVertex3f(0, H, 0), glVertex3f(0, H, 1), glVertex3f(0, 0, 1);
  glNormal3f(1, 0, 0);
  glVertex3f(W, 0, 0), glVertex3f(W, H, 0), glVertex3f(W, H, 1), glVertex3f(W, 0, 1);
  glEnd();
}
