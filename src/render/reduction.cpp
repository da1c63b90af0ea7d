#include "render/reduction.h"

#include <algorithm>
#include <cstddef>

void reduireImage(PixelsImage& image, int coteMax) {
  if (coteMax < 1) return;
  const int oc = image.octetsParPixel;
  if (oc < 1 || image.octets.size() < static_cast<size_t>(image.largeur) * image.hauteur * oc)
    return;
  while (std::max(image.largeur, image.hauteur) > coteMax && image.largeur >= 2 &&
         image.hauteur >= 2) {
    const int l = image.largeur / 2, h = image.hauteur / 2;
    const size_t ligne = static_cast<size_t>(image.largeur) * oc;
    // In place: the halved row y only reads rows 2y and 2y + 1, which lie at or after it.
    for (int y = 0; y < h; ++y) {
      const uint8_t* a = image.octets.data() + ligne * (2 * y);
      const uint8_t* b = a + ligne;
      uint8_t* d = image.octets.data() + static_cast<size_t>(l) * oc * y;
      for (int x = 0; x < l; ++x)
        for (int c = 0; c < oc; ++c) {
          const size_t i = static_cast<size_t>(2 * x) * oc + c;
          d[static_cast<size_t>(x) * oc + c] =
              static_cast<uint8_t>((a[i] + a[i + oc] + b[i] + b[i + oc] + 2) / 4);
        }
    }
    image.largeur = l;
    image.hauteur = h;
    image.octets.resize(static_cast<size_t>(l) * h * oc);
  }
  image.octets.shrink_to_fit();
}

int coteUtile(int hauteurFenetre, double champ) {
  // Up to a tenth fewer texels than pixels is not seen; it saves a fourfold larger picture
  // (a 600-pixel window, 1039 pixels a face: 1024, not 2048).
  const double voulu = std::max(1, hauteurFenetre) * champ / 1.1;
  int cote = 1;
  while (cote < voulu && cote < (1 << 14)) cote *= 2;
  return cote;
}
