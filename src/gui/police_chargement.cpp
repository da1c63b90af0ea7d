// Cutting the glyph sheets into an atlas texture (needs the GL context).
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <vector>

#include "base/journal.h"
#include "render/etat_gl.h"
#include "gui/police.h"

namespace {

int puissance2(int n) {
  int p = 1;
  while (p < n && p < (1 << 30)) p <<= 1;
  return p;
}

}  // namespace

bool FontGUI::chargerImage(const std::string& chemin, int premier, int dernier) {
  SDL_Surface* image = IMG_Load(chemin.c_str());
  if (!image) {
    const char* e = IMG_GetError();
    if (e && *e) journal(std::string("IMG_GetError ") + e);
    SDL_ClearError();
    return false;
  }
  SDL_ClearError();  // a good decode may leave a text behind that later checks would report
  const int oc = image->format->BytesPerPixel;
  journal(chemin + " (font) : " + std::to_string(image->w) + "x" + std::to_string(image->h) +
          " sur " + std::to_string(oc) + "oc");
  const int cellules = taille_ > 0 ? image->h / taille_ : 0;
  int n = dernier - premier + 1;
  if (n > cellules) {
    journal(chemin + " : " + std::to_string(cellules) + " caracteres au lieu de " +
            std::to_string(std::max(n, 0)));
    n = cellules;
  }
  if (n <= 0 || image->w <= 0) {
    SDL_FreeSurface(image);
    return true;
  }

  // One atlas per sheet: cells of texW x texH side by side, at most 512 pixels a row.
  const int texW = puissance2(image->w), texH = puissance2(taille_);
  const int atlasW = std::max(texW, std::min(512, puissance2(texW * n)));
  const int colonnes = atlasW / texW;
  const int rangees = (n + colonnes - 1) / colonnes;
  const int atlasH = puissance2(rangees * texH);
  std::vector<uint8_t> alpha(static_cast<size_t>(atlasW) * atlasH, 0);

  if (SDL_MUSTLOCK(image)) SDL_LockSurface(image);
  const auto* pixels = static_cast<const uint8_t*>(image->pixels);
  GLuint atlas = 0;
  glGenTextures(1, &atlas);
  textures_.push_back(atlas);
  for (int k = 0; k < n; ++k) {
    const uint8_t* cellule = pixels + static_cast<size_t>(k) * taille_ * image->pitch;
    const int cx = (k % colonnes) * texW, cy = (k / colonnes) * texH;
    for (int y = 0; y < taille_; ++y)
      for (int x = 0; x < image->w; ++x)
        alpha[static_cast<size_t>(cy + y) * atlasW + cx + x] =
            cellule[static_cast<size_t>(y) * image->pitch + static_cast<size_t>(x) * oc + oc - 1];
    const ColonnesEncre encre = colonnesEncrees(cellule, image->w, taille_, oc, image->pitch);
    Glyphe g = metriquesGlyphe(encre, taille_);
    if (!encre.aucune) {
      // Only the inked part of the cell is drawn: a quarter of its area or less.
      g.texture = atlas;
      g.s0 = static_cast<float>(cx + encre.premiere) / atlasW;
      g.t0 = static_cast<float>(cy) / atlasH;
      g.s1 = static_cast<float>(cx + encre.derniere + 1) / atlasW;
      g.t1 = static_cast<float>(cy + taille_) / atlasH;
    }
    ajouterGlyphe(static_cast<uint32_t>(premier + k), g);
  }
  if (SDL_MUSTLOCK(image)) SDL_UnlockSurface(image);
  SDL_FreeSurface(image);

  glEnable(GL_TEXTURE_2D);
  oublierEtatGL();  // the cache may remember a name of an earlier context
  lierTexture(atlas);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlasW, atlasH, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
               alpha.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  // The glyphs take their colour from the current colour and their opacity from the sheet.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glDisable(GL_TEXTURE_2D);
  return true;
}
