#include "game/niveau.h"

#include <algorithm>

void Niveau::redimensionner(int32_t W, int32_t H) {
  W = std::max<int32_t>(W, 1);
  H = std::max<int32_t>(H, 1);
  std::vector<uint8_t> nouvelle(static_cast<size_t>(W) * static_cast<size_t>(H), Vide);
  for (int32_t r = 0; r < std::min(H, hauteur); ++r)
    for (int32_t c = 0; c < std::min(W, largeur); ++c)
      nouvelle[static_cast<size_t>(r) * W + c] = lireCase(c, r);
  grille.swap(nouvelle);
  largeur = W;
  hauteur = H;
  departX = std::min(departX, W - 0.5f);
  departY = std::min(departY, H - 0.5f);
}
