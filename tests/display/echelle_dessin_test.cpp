// The GUI drawn at scale 2 in a real window and read back: every pixel of the scale-1 picture
// becomes a sharp 2 x 2 square at twice its place (frames, icons and letters nearest-pixel),
// and a widget anchored to the bottom-right corner in GUI units lands in the window's corner.
#include <memory>
#include <vector>

#include "gui/chargement.h"
#include "gui/widgets.h"
#include "rendu_commun.h"

namespace {

constexpr int L = 1280, H = 960;

class EchelleDessin : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(L, H);
    g_ = std::make_unique<Gui>(L, H);
    gui = g_.get();
    CaptureJournal capture;
    chargerImagesGui(*g_);
  }
  void TearDown() override {
    gui = nullptr;
    g_.reset();
    FenetreRendu::TearDown();
  }
  // The widgets drawn over black at scale `echelle`, the window read back (rows top-down).
  std::vector<uint8_t> dessiner(int echelle) {
    g_->setChoixEchelle(echelle);
    g_->redimensionner(L, H);
    EXPECT_EQ(g_->echelle(), echelle);
    const int u = g_->largeur, v = g_->hauteur;
    BoutonGUI bouton(10, 12, 90, "Jouer <c77ddff>abc", nullptr, 0);
    LabelGUI label(20, 40, 120, "<b1>Gras</b> <u1>WMg</u>", nullptr, 0);
    BoutonGUI coin(u - 70, v - 30, 60, "OK", nullptr, 0);  // 10 units from the corner
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g_->projection();
    g_->dessiner();
    glFinish();
    std::vector<uint8_t> image(static_cast<size_t>(L) * H * 4);
    glReadPixels(0, 0, L, H, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    return image;
  }
  static const uint8_t* px(const std::vector<uint8_t>& image, int x, int y) {
    return &image[(static_cast<size_t>(H - 1 - y) * L + x) * 4];
  }
  std::unique_ptr<Gui> g_;
};

TEST_F(EchelleDessin, ChaquePixelDevientUnCarreNet) {
  const std::vector<uint8_t> un = dessiner(1), deux = dessiner(2);
  // The label's letters (bold, underlined, from the font's sheets) and the button's four
  // corner pieces. (Its sides and centre repeat their pictures a fractional number of times:
  // shrunk at scale 1, enlarged at scale 2, the two filters rightly differ there.)
  struct Rect {
    int x0, y0, x1, y1;
  } regions[] = {
      {20, 40, 140, 57}, {10, 12, 12, 14}, {98, 12, 100, 14}, {10, 30, 12, 32}, {98, 30, 100, 32}};
  int differents = 0, encre = 0;
  for (const Rect& r : regions)
    for (int y = r.y0; y < r.y1; ++y)
      for (int x = r.x0; x < r.x1; ++x) {
        const uint8_t* a = px(un, x, y);
        encre += a[0] + a[1] + a[2] > 300;
        for (int j = 0; j < 2; ++j)
          for (int i = 0; i < 2; ++i) {
            const uint8_t* b = px(deux, 2 * x + i, 2 * y + j);
            for (int k = 0; k < 3; ++k) differents += std::abs(a[k] - b[k]) > 2;
          }
      }
  EXPECT_GT(encre, 100);  // the widgets are there at all
  EXPECT_EQ(differents, 0);
}

TEST_F(EchelleDessin, AncreEnBasADroite) {
  for (int e : {1, 2}) {
    const std::vector<uint8_t> image = dessiner(e);
    // The corner button's frame spans to 10 units from the right and bottom edges.
    int droite = -1, bas = -1;
    for (int y = 0; y < H; ++y)
      for (int x = L - 200 * e; x < L; ++x) {
        const uint8_t* p = px(image, x, y);
        if (p[0] + p[1] + p[2] > 60 && y > H - 100 * e) {
          droite = std::max(droite, x);
          bas = std::max(bas, y);
        }
      }
    EXPECT_EQ(droite, L - 10 * e - 1) << e;
    EXPECT_EQ(bas, H - 10 * e - 1) << e;
  }
}

}  // namespace
