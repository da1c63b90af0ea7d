#include "render/atlas_couleurs.h"

#include <cstdint>
#include <vector>

#include "base/journal.h"
#include "render/etat_gl.h"

GLuint creerAtlasCouleurs(const GLuint sources[4]) {
  GLint taille = 0;
  std::vector<uint8_t> pixels[4];
  for (int k = 0; k < 4; ++k) {
    if (sources[k] == 0) return 0;
    lierTexture(sources[k]);
    GLint l = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &l);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    if (l < 1 || l != h || (k > 0 && l != taille)) {
      lierTexture(0);
      journal("Atlas des briques de couleur impossible : images de tailles différentes");
      return 0;
    }
    taille = l;
    pixels[k].resize(static_cast<size_t>(l) * l * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels[k].data());
  }
  const int n = taille, N = 2 * taille;
  std::vector<uint8_t> atlas(static_cast<size_t>(N) * N * 4);
  for (int k = 0; k < 4; ++k) {
    const int x0 = (k % 2) * n, y0 = (k / 2) * n;
    for (int y = 0; y < n; ++y)
      std::copy(pixels[k].begin() + static_cast<size_t>(y) * n * 4,
                pixels[k].begin() + static_cast<size_t>(y + 1) * n * 4,
                atlas.begin() + (static_cast<size_t>(y0 + y) * N + x0) * 4);
  }
  GLuint nom = 0;
  glGenTextures(1, &nom);
  lierTexture(nom);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, N, N, 0, GL_RGBA, GL_UNSIGNED_BYTE, atlas.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  lierTexture(0);
  return nom;
}
