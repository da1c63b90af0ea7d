#include "screens/dessin_medailles.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "gui/widgets.h"
#include "render/etat_gl.h"
#include "render/textures.h"

namespace {

constexpr int Cote = 32;

struct Teinte {
  uint8_t r, g, b;
};

Teinte teinte(Medaille m) {
  switch (m) {
    case Medaille::Or: return {255, 200, 40};
    case Medaille::Argent: return {200, 210, 225};
    case Medaille::Bronze: return {205, 127, 60};
    case Medaille::Aucune: break;
  }
  return {110, 110, 110};
}

// The disc's pixels: a filled disc with a darker rim, lit from the top left; none is a ring.
std::vector<uint8_t> pixelsDisque(Medaille m) {
  const Teinte t = teinte(m);
  std::vector<uint8_t> p(Cote * Cote * 4, 0);
  const float c = (Cote - 1) / 2.0f, rayon = Cote / 2.0f - 1;
  for (int y = 0; y < Cote; ++y) {
    for (int x = 0; x < Cote; ++x) {
      const float dx = x - c, dy = y - c, d = std::sqrt(dx * dx + dy * dy);
      // Edge softened over one pixel so the disc stays round when scaled.
      const float couverture = std::fmin(1.0f, std::fmax(0.0f, rayon - d + 0.5f));
      if (couverture <= 0) continue;
      float lumiere = 1.0f;
      if (d > rayon - 3) {
        lumiere = 0.55f;  // the rim
      } else {
        if (m == Medaille::Aucune) continue;  // no medal: the ring alone
        lumiere = 0.9f + 0.3f * std::fmax(0.0f, -(dx + dy) / (2 * rayon));
      }
      uint8_t* q = &p[(y * Cote + x) * 4];
      q[0] = static_cast<uint8_t>(std::fmin(255.0f, t.r * lumiere));
      q[1] = static_cast<uint8_t>(std::fmin(255.0f, t.g * lumiere));
      q[2] = static_cast<uint8_t>(std::fmin(255.0f, t.b * lumiere));
      q[3] = static_cast<uint8_t>(255 * couverture);
    }
  }
  return p;
}

}  // namespace

GLuint textureMedaille(Medaille m) {
  static GLuint tex[4] = {0, 0, 0, 0};
  GLuint& t = tex[static_cast<int>(m)];
  if (t != 0 && glIsTexture(t)) return t;
  t = creerTexture(Cote, Cote, 4, GL_RGBA);
  const std::vector<uint8_t> pixels = pixelsDisque(m);
  lierTexture(t);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, Cote, Cote, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return t;
}

std::unique_ptr<ImageGUI> disqueMedaille(int x, int y, int taille, Medaille m) {
  auto disque = std::make_unique<ImageGUI>(x, y, taille, taille, textureMedaille(m), nullptr, 0);
  disque->zone()->setMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  return disque;
}
