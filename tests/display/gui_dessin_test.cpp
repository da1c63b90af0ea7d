// The GUI drawn in a real window and read back: frame pieces where they belong, the zone in
// front where two overlap, text placement, markup ink and lines, wrapping, the replacement
// character; against the frame images and the font sheet themselves.
#include <SDL_image.h>

#include <cstring>
#include <memory>
#include <set>

#include "gui/chargement.h"
#include "gui/mise_en_page.h"
#include "gui/widgets.h"
#include "rendu_commun.h"

namespace {

struct Rgba {
  int r, g, b, a;
};

// The pixel (x, y) of an image file (any layout SDL_image gives), straight alpha.
Rgba pixelImage(const std::string& chemin, int x, int y) {
  SDL_Surface* s = IMG_Load(chemin.c_str());
  EXPECT_NE(s, nullptr) << chemin;
  if (!s) return {0, 0, 0, 0};
  SDL_LockSurface(s);
  const int oc = s->format->BytesPerPixel;
  const auto* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * oc;
  Uint32 v = 0;
  std::memcpy(&v, p, static_cast<size_t>(oc));
  Uint8 r, g, b, a;
  SDL_GetRGBA(v, s->format, &r, &g, &b, &a);
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);
  return {r, g, b, a};
}

class DessinGui : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(640, 480);
    g_ = std::make_unique<Gui>(640, 480);
    gui = g_.get();
    CaptureJournal capture;
    chargerImagesGui(*g_);
  }
  void TearDown() override {
    gui = nullptr;
    g_.reset();
    FenetreRendu::TearDown();
  }
  // One frame of widgets over black, read back whole (rows top-down).
  void dessiner() {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g_->projection();
    g_->dessiner();
    glFinish();
    image_.resize(640 * 480 * 4);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, image_.data());
  }
  Rgba lu(int x, int y) const {
    const uint8_t* p = &image_[(static_cast<size_t>(479 - y) * 640 + x) * 4];
    return {p[0], p[1], p[2], p[3]};
  }
  bool encre(int x, int y) const {  // white text over the dark frame
    const Rgba c = lu(x, y);
    return c.r > 200 && c.g > 200 && c.b > 200;
  }
  std::string image(const std::string& relatif) { return d_ / ("data/imgs/" + relatif); }
  std::unique_ptr<Gui> g_;
  std::vector<uint8_t> image_;
};

void attendreMelange(Rgba vu, Rgba texel, const char* quoi) {
  // Over black: colour x alpha.
  EXPECT_NEAR(vu.r, texel.r * texel.a / 255.0, 3) << quoi;
  EXPECT_NEAR(vu.g, texel.g * texel.a / 255.0, 3) << quoi;
  EXPECT_NEAR(vu.b, texel.b * texel.a / 255.0, 3) << quoi;
}

TEST_F(DessinGui, LesNeufPiecesDuCadre) {
  BoutonGUI b(10, 20, 80, "", nullptr, 0);  // 10..90 x 20..40, borders 2
  dessiner();
  struct Cas {
    int x, y;
    const char* fichier;
    int tx, ty;
  } cas[] = {
      {10, 20, "gui/gui_hg.png", 0, 0},   {11, 21, "gui/gui_hg.png", 1, 1},
      {89, 20, "gui/gui_hd.png", 1, 0},   {88, 21, "gui/gui_hd.png", 0, 1},
      {10, 39, "gui/gui_bg.png", 0, 1},   {11, 38, "gui/gui_bg.png", 1, 0},
      {89, 39, "gui/gui_bd.png", 1, 1},   {88, 38, "gui/gui_bd.png", 0, 0},
      {12, 20, "gui/gui_h.png", 0, 0},    {87, 21, "gui/gui_h.png", 0, 1},
      {50, 38, "gui/gui_b.png", 0, 0},    {50, 39, "gui/gui_b.png", 0, 1},
      {10, 22, "gui/gui_g.png", 0, 0},    {11, 37, "gui/gui_g.png", 1, 0},
      {88, 30, "gui/gui_d.png", 0, 0},    {89, 30, "gui/gui_d.png", 1, 0},
      {12, 22, "gui/gui_fond.png", 0, 0}, {87, 37, "gui/gui_fond.png", 5, 5},
  };
  for (const auto& c : cas)
    attendreMelange(lu(c.x, c.y), pixelImage(image(c.fichier), c.tx, c.ty), c.fichier);
  // Nothing outside the rectangle.
  for (auto [x, y] : {std::pair{9, 30}, {90, 30}, {50, 19}, {50, 40}}) {
    const Rgba c = lu(x, y);
    EXPECT_EQ(c.r + c.g + c.b, 0) << x << "," << y;
  }
}

GLuint textureUnie(uint8_t r, uint8_t g, uint8_t b) {
  const uint8_t p[4 * 4] = {r, g, b, 255, r, g, b, 255, r, g, b, 255, r, g, b, 255};
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, p);
  glBindTexture(GL_TEXTURE_2D, 0);
  return t;
}

TEST_F(DessinGui, LaZoneLaPlusRecenteDevant) {
  const GLuint rouge = textureUnie(255, 0, 0), vert = textureUnie(0, 255, 0),
               bleu = textureUnie(0, 0, 255);
  auto a = std::make_unique<ImageGUI>(100, 100, 100, 60, rouge, nullptr, 0);
  auto b = std::make_unique<ImageGUI>(150, 120, 100, 60, vert, nullptr, 0);
  dessiner();
  EXPECT_EQ(lu(120, 110).r, 255);
  EXPECT_EQ(lu(170, 140).g, 255);  // the overlap: the later one
  EXPECT_EQ(lu(170, 140).r, 0);
  // A new zone in a freed earlier slot (z + 10) still comes in front of the older b.
  a.reset();
  auto c = std::make_unique<ImageGUI>(120, 130, 100, 60, bleu, nullptr, 0);
  ASSERT_EQ(g_->zones()[0], c->zone());
  dessiner();
  EXPECT_EQ(lu(170, 140).b, 255);
  EXPECT_EQ(lu(170, 140).g, 0);
  EXPECT_EQ(lu(240, 140).g, 255);
  glDeleteTextures(1, &rouge);
  glDeleteTextures(1, &vert);
  glDeleteTextures(1, &bleu);
}

// The topmost inked row of a character's cell in the font sheet.
int premiereLigneEncree(const std::string& feuille, int code) {
  const int k = code - 0x21;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 32; ++x)
      if (pixelImage(feuille, x, k * 17 + y).a > 100) return y;
  return -1;
}

TEST_F(DessinGui, LeTexteCommenceDeuxPixelsALInterieur) {
  BoutonGUI b(10, 20, 200, "T", nullptr, 0);
  dessiner();
  int gauche = 640, haut = 480;
  for (int y = 20; y < 45; ++y)
    for (int x = 10; x < 210; ++x)
      if (encre(x, y)) {
        gauche = std::min(gauche, x);
        haut = std::min(haut, y);
      }
  EXPECT_EQ(gauche, 12);
  EXPECT_EQ(haut, 22 + premiereLigneEncree(image("lettres/assci7.png"), 'T'));
}

TEST_F(DessinGui, BaliseDeCouleurEtLignes) {
  LabelGUI a(10, 100, 300, "mm<cff0000>mm", nullptr, 0);
  LabelGUI u(10, 150, 300, "<u1>mm<u>mm", nullptr, 0);
  LabelGUI s(10, 200, 300, "<s1>mm<s>mm", nullptr, 0);
  dessiner();
  const int av = g_->police()->glyphe('m').advance;
  int blancs = 0, rouges = 0;
  for (int y = 100; y < 117; ++y)
    for (int x = 10; x < 10 + 4 * av; ++x) {
      const Rgba c = lu(x, y);
      if (x < 10 + 2 * av) blancs += c.r > 200 && c.g > 200;
      if (x >= 10 + 2 * av) {
        rouges += c.r > 200 && c.g < 40 && c.b < 40;
        EXPECT_FALSE(c.g > 100) << x << "," << y;  // no white in the red part
      }
    }
  EXPECT_GT(blancs, 10);
  EXPECT_GT(rouges, 10);
  // Underline on row taille - 1, strike-through on row taille x 0.6, across the tagged
  // glyphs' advances only.
  for (int x = 10; x < 10 + 2 * av; ++x) {
    EXPECT_TRUE(encre(x, 150 + 16)) << "underline " << x;
    EXPECT_TRUE(encre(x, 200 + 10)) << "strike " << x;
  }
  for (int x = 10 + 2 * av + 2; x < 10 + 4 * av; ++x) {
    EXPECT_FALSE(encre(x, 150 + 16)) << "no underline " << x;
  }
}

TEST_F(DessinGui, MotPlusLargeQueSaBoiteCoupe) {
  // The label's box is 40 pixels wide; the word needs several lines, the first stays empty.
  const std::string mot = "mmmmmmmm";
  LabelGUI l(10, 50, 40, mot, nullptr, 0);
  dessiner();
  std::vector<GlyphePlace> p;
  const float blanc[3] = {1, 1, 1};
  mettreEnPage(codesTexte(mot), *g_->police(), {}, blanc, 40, p);
  std::set<int> lignes;
  for (const auto& g : p) lignes.insert(g.y);
  ASSERT_GE(lignes.size(), 3u);
  EXPECT_EQ(lignes.count(0), 0u);
  auto encreDansLaBande = [&](int y0) {
    for (int y = 50 + y0; y < 50 + y0 + 17; ++y)
      for (int x = 10; x < 120; ++x)
        if (encre(x, y)) return true;
    return false;
  };
  for (int y = 0; y <= *lignes.rbegin(); y += 17)
    EXPECT_EQ(encreDansLaBande(y), lignes.count(y) == 1) << "line at " << y;
}

TEST_F(DessinGui, CaractereDeRemplacement) {
  LabelGUI inconnu(10, 300, 100, "\n", nullptr, 0);
  LabelGUI question(200, 300, 100, "?", nullptr, 0);
  CaptureJournal capture;
  dessiner();
  dessiner();
  int lignes = 0;
  for (const auto& l : capture.lignes()) lignes += l == "Caractaire inconnu 10";
  EXPECT_EQ(lignes, 1);
  int encres = 0;
  for (int y = 300; y < 320; ++y)
    for (int x = 0; x < 30; ++x) {
      EXPECT_EQ(lu(10 + x, y).r, lu(200 + x, y).r) << x << "," << y;
      encres += lu(10 + x, y).r > 60;
    }
  EXPECT_GT(encres, 5);
}

}  // namespace
