#include "render/reduction.h"

#include <gtest/gtest.h>

namespace {

PixelsImage image(int l, int h, int oc, std::vector<uint8_t> octets) {
  PixelsImage p;
  p.largeur = l;
  p.hauteur = h;
  p.octetsParPixel = oc;
  p.octets = std::move(octets);
  return p;
}

}  // namespace

TEST(Reduction, MoyenneParBlocsDeDeuxSurDeux) {
  // 4 x 2, two bytes a pixel: each output pixel is the rounded mean of its 2 x 2 block.
  PixelsImage p = image(4, 2, 2,
                        {0, 10, 4, 10, 100, 0, 200, 0,  //
                         1, 10, 2, 11, 255, 0, 255, 1});
  reduireImage(p, 2);
  EXPECT_EQ(p.largeur, 2);
  EXPECT_EQ(p.hauteur, 1);
  EXPECT_EQ(p.octets, (std::vector<uint8_t>{2, 10, 203, 0}));
}

TEST(Reduction, JusquAuCoteVoulu) {
  const struct {
    int l, h, coteMax, l2, h2;
  } cas[] = {
      {2048, 2048, 256, 256, 256},  // three halvings
      {64, 64, 64, 64, 64},         // already small enough
      {64, 64, 0, 64, 64},          // no limit
      {65, 33, 16, 16, 8},          // odd sizes drop their last column and row
      {8, 1, 2, 8, 1},              // one row: nothing left to halve
  };
  for (const auto& c : cas) {
    PixelsImage p =
        image(c.l, c.h, 3, std::vector<uint8_t>(static_cast<size_t>(c.l) * c.h * 3, 77));
    reduireImage(p, c.coteMax);
    EXPECT_EQ(p.largeur, c.l2) << c.l << "x" << c.h << " to " << c.coteMax;
    EXPECT_EQ(p.hauteur, c.h2) << c.l << "x" << c.h << " to " << c.coteMax;
    ASSERT_EQ(p.octets.size(), static_cast<size_t>(c.l2) * c.h2 * 3);
    for (uint8_t o : p.octets) ASSERT_EQ(o, 77);
  }
}

TEST(Reduction, ImageTronqueeLaisseeTelle) {
  PixelsImage p = image(4, 4, 4, std::vector<uint8_t>(10, 1));
  reduireImage(p, 1);
  EXPECT_EQ(p.largeur, 4);
  EXPECT_EQ(p.octets.size(), 10u);
}

TEST(Reduction, CoteUtileSuitLaFenetre) {
  EXPECT_EQ(coteUtile(480, 1.7320508), 1024);   // 831 pixels a face
  EXPECT_EQ(coteUtile(600, 1.7320508), 1024);   // 1039: within a tenth of 1024
  EXPECT_EQ(coteUtile(1024, 1.7320508), 2048);  // 1774
  EXPECT_EQ(coteUtile(0, 1.7320508), 2);
}
