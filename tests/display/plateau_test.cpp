// The board drawn in a real window and read back, against expectations computed here from the
// camera rules (own projection arithmetic), the corner-colour gradient and the fixed light.
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/etat.h"
#include "game/cases.h"
#include "render/briques_cache.h"
#include "render/ciel.h"
#include "render/image_minimale.h"
#include "render/maillages.h"
#include "render/etat_gl.h"
#include "render/plateau.h"
#include "rendu_commun.h"

namespace {

InstantaneTerrain niveau(int W, int H, float bx, float by) {
  InstantaneTerrain t;
  t.largeur = W;
  t.hauteur = H;
  t.grille.assign(static_cast<size_t>(W) * H, Vide);
  t.balle.x = bx;
  t.balle.y = by;
  const float coins[4][4] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 1, 1}};
  std::copy(&coins[0][0], &coins[0][0] + 16, &t.couleurs[0][0]);
  t.camera = cameraDepart(W, H, bx, by);
  return t;
}
void poser(InstantaneTerrain& t, int c, int r, uint8_t code) {
  t.grille[static_cast<size_t>(r) * t.largeur + c] = code;
}

class Plateau : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir();
    modeEditeur = false;
  }
  // One frame over a plain background colour; returns the pixel under board point (x, y, 0).
  std::array<int, 4> dessinerEtLire(const InstantaneTerrain& t, float x, float y,
                                    const float fond[3] = nullptr, uint32_t ticks = 0) {
    dessiner(t, fond, ticks);
    const Projete p = projeter(t.camera, 640.0 / 480.0, 640, 480, x, y, 0);
    return pixel(static_cast<int>(p.x), static_cast<int>(p.y));
  }
  void dessiner(const InstantaneTerrain& t, const float fond[3] = nullptr, uint32_t ticks = 0) {
    if (fond) glClearColor(fond[0], fond[1], fond[2], 1);
    else glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    appliquerCamera(t.camera, ratioFenetre());
    dessinerScene(t, ticks, reglagesScene());
    glFinish();
  }
  std::vector<uint8_t> image() {
    std::vector<uint8_t> p(640 * 480 * 4);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
  }
};

// Light 0 at (0, 0, -20), default light colours, global ambient 0.2: a front face at depth 0
// gets colour x (0.2 + 20 / distance to the light), averaged over the cell's corners.
double eclairage(int c, int r) {
  double somme = 0;
  for (int dx = 0; dx < 2; ++dx)
    for (int dy = 0; dy < 2; ++dy) {
      const double x = c + dx, y = r + dy;
      somme += 20.0 / std::sqrt(x * x + y * y + 400.0);
    }
  return 0.2 + somme / 4;
}

TEST_F(Plateau, BriqueCouleurDuDegradeSousLaCamera) {
  InstantaneTerrain t = niveau(15, 15, 7.5f, 7.5f);
  const int cellules[][2] = {{3, 4}, {10, 2}, {7, 11}, {12, 12}, {0, 0}, {14, 9}};
  for (const auto& k : cellules) poser(t, k[0], k[1], Brique);
  for (const auto& k : cellules) {
    const std::array<int, 4> lu = dessinerEtLire(t, k[0] + 0.5f, k[1] + 0.5f);
    // Gradient: corner 3 top-left, 2 top-right, 1 bottom-left, 0 bottom-right.
    const double u = k[0] / 15.0, v = k[1] / 15.0;
    const double e = eclairage(k[0], k[1]);
    for (int i = 0; i < 3; ++i) {
      const double g = (t.couleurs[2][i] * u + t.couleurs[3][i] * (1 - u)) * (1 - v) +
                       (t.couleurs[0][i] * u + t.couleurs[1][i] * (1 - u)) * v;
      const double attendu = std::min(1.0, g * e) * 255;
      EXPECT_NEAR(lu[i], attendu, 5) << "cell " << k[0] << "," << k[1] << " channel " << i;
    }
  }
}

TEST_F(Plateau, ButEtDangerTranslucidesSurLeFond) {
  const float bleu[3] = {0, 0, 1};
  const struct {
    uint8_t code;
    int canal;  // the material's colour channel
  } cas[] = {{Win, 1}, {Lost, 0}};
  for (const auto& c : cas) {
    InstantaneTerrain t = niveau(15, 15, 1.5f, 1.5f);
    t.camera = cameraDepart(15, 15, 7.5f, 7.5f);
    poser(t, 5, 8, c.code);
    const std::array<int, 4> lu = dessinerEtLire(t, 5.5f, 8.5f, bleu);
    const double lumiere = std::min(1.0, eclairage(5, 8)) * 255;
    EXPECT_NEAR(lu[c.canal], 0.5 * lumiere, 5) << int(c.code);
    EXPECT_NEAR(lu[2], 0.5 * 255, 5) << int(c.code) << ": half the background shows";
    EXPECT_NEAR(lu[1 - c.canal], 0, 3) << int(c.code);
  }
}

TEST_F(Plateau, ModeDaltonienMontreLesImagesGagnePerdu) {
  const float bleu[3] = {0, 0, 1};
  textures.texWin = chargerTexture(d_ / "data/imgs/briques/win.png", 0);
  textures.texLost = chargerTexture(d_ / "data/imgs/briques/lost.png", 0);
  const struct {
    uint8_t code;
    const char* image;
  } cas[] = {{Win, "win"}, {Lost, "lost"}};
  for (const auto& c : cas) {
    InstantaneTerrain t = niveau(15, 15, 1.5f, 1.5f);
    t.camera = cameraDepart(15, 15, 7.5f, 7.5f);
    poser(t, 6, 7, c.code);
    // Expected: a texel where the picture is flat (so the exact sampling point does not
    // matter), times the lit white material, blended by its alpha over the blue background.
    SDL_Surface* s =
        IMG_Load((d_ / (std::string("data/imgs/briques/") + c.image + ".png")).c_str());
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->format->BytesPerPixel, 4);
    auto texel = [&](int x, int y, int i) {
      return static_cast<uint8_t*>(s->pixels)[y * s->pitch + x * 4 + i] / 255.0;
    };
    int meilleurX = 0, meilleurY = 0;
    double meilleur = 1e9;
    for (int y = 12; y < 52; ++y)
      for (int x = 12; x < 52; ++x) {
        double v = 0;
        for (int dy = -2; dy <= 2; ++dy)
          for (int dx = -2; dx <= 2; ++dx)
            for (int i = 0; i < 4; ++i) v += std::abs(texel(x + dx, y + dy, i) - texel(x, y, i));
        if (v < meilleur) meilleur = v, meilleurX = x, meilleurY = y;
      }
    double couleur[4];
    for (int i = 0; i < 4; ++i) couleur[i] = texel(meilleurX, meilleurY, i);
    SDL_FreeSurface(s);
    const float px = 6 + (meilleurX + 0.5f) / 64, py = 7 + (meilleurY + 0.5f) / 64;
    options.ModeDaltonien = false;
    const std::array<int, 4> sans = dessinerEtLire(t, px, py, bleu);
    options.ModeDaltonien = true;
    const std::array<int, 4> avec = dessinerEtLire(t, px, py, bleu);
    const double lumiere = std::min(1.0, eclairage(6, 7));
    for (int i = 0; i < 3; ++i) {
      const double attendu = (std::min(1.0, couleur[i] * lumiere) * couleur[3] +
                              (i == 2 ? 1.0 : 0.0) * (1 - couleur[3])) *
                             255;
      EXPECT_NEAR(avec[i], attendu, 8) << c.image << " channel " << i;
    }
    int ecart = 0;
    for (int i = 0; i < 3; ++i) ecart += std::abs(avec[i] - sans[i]);
    EXPECT_GT(ecart, 30) << c.image;
  }
}

TEST_F(Plateau, ExplosionFlashEtParticulesParaissentPuisS_effacent) {
  textures.texBoom = chargerTexture(d_ / "data/imgs/boom/1.png", TexClamp);
  textures.texParticule = chargerTexture(d_ / "data/imgs/boom/particule.png", TexClamp);
  InstantaneTerrain t = niveau(15, 15, 12.5f, 12.5f);
  t.camera = cameraDepart(15, 15, 7.5f, 7.5f);
  t.explosionX = 4.5f;
  t.explosionY = 4.5f;
  auto luminosite = [](const std::array<int, 4>& p) { return p[0] + p[1] + p[2]; };
  int avant = -1;
  for (int minuteur : {100, 60, 20, 0}) {
    t.minuteurExplosion = static_cast<uint8_t>(minuteur);
    const int l = luminosite(dessinerEtLire(t, 4.5f, 4.5f));
    if (minuteur == 0) {
      EXPECT_EQ(l, 0) << "no flash after the blast";
    } else {
      EXPECT_GT(l, 0) << minuteur;
      if (avant >= 0) {
        EXPECT_LT(l, avant) << minuteur << ": the flash fades";
      }
    }
    avant = l;
  }
  // A live particle shows where it is; once its life is over nothing is drawn.
  Particule p;
  p.initialiser(9.5f, 3.5f, 0.0f, 0, 0, 0, 0.2f);
  t.particules.assign(1000, Particule());
  t.particules[17] = p;
  EXPECT_GT(luminosite(dessinerEtLire(t, 9.5f, 3.5f)), 100);
  t.particules[17].vie = 0;
  EXPECT_EQ(luminosite(dessinerEtLire(t, 9.5f, 3.5f)), 0);
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(Plateau, RefletsEtCielSeulementQuandActives) {
  InstantaneTerrain t = niveau(15, 15, 7.5f, 7.5f);
  for (int c = 2; c < 13; ++c) poser(t, c, 10, Brique);
  poser(t, 4, 4, Bombe);
  options.Reflets = false;
  options.Fond = false;
  dessinerImageMinimale(t, 1000);
  const std::vector<uint8_t> base = image();
  // Cube maps loaded but the options off: the same picture.
  textures.texRefletCube = chargerCubeMap(d_ / "data/imgs/fond/gal.png");
  textures.texFondCiel = chargerCiel(d_ / "data/imgs/fond/gal.png", 1024);
  dessinerImageMinimale(t, 1000);
  EXPECT_EQ(image(), base);
  auto ecarts = [&](const std::vector<uint8_t>& a) {
    size_t n = 0;
    for (size_t i = 0; i < a.size(); i += 4)
      n += std::abs(a[i] - base[i]) + std::abs(a[i + 1] - base[i + 1]) +
               std::abs(a[i + 2] - base[i + 2]) >
           12;
    return n;
  };
  options.Reflets = true;
  dessinerImageMinimale(t, 1000);
  const std::vector<uint8_t> reflets = image();
  EXPECT_GT(ecarts(reflets), 2000u) << "the ball and the bricks mirror the sky";
  // Only the board changed: a background corner stays black.
  EXPECT_EQ(reflets[0] + reflets[1] + reflets[2], 0);
  options.Reflets = false;
  options.Fond = true;
  dessinerImageMinimale(t, 1000);
  const std::vector<uint8_t> ciel = image();
  EXPECT_GT(ciel[0] + ciel[1] + ciel[2], 0) << "the sky fills the background";
  EXPECT_GT(ecarts(ciel), 100000u);
  // The ball itself is drawn over the sky unchanged.
  const Projete b = projeter(t.camera, 640.0 / 480.0, 640, 480, 7.5, 7.5, 0);
  const size_t i = (static_cast<size_t>(b.y) * 640 + static_cast<size_t>(b.x)) * 4;
  EXPECT_EQ(std::vector<uint8_t>(ciel.begin() + i, ciel.begin() + i + 3),
            std::vector<uint8_t>(base.begin() + i, base.begin() + i + 3));
}

TEST_F(Plateau, SelectionRendLaCaseCliquee) {
  const struct {
    int W, H;
    std::vector<std::array<int, 2>> cases;
  } niveaux[] = {{15, 15, {{0, 0}, {14, 14}, {7, 7}, {3, 11}, {12, 1}}},
                 {40, 30, {{0, 0}, {39, 29}, {20, 15}, {5, 25}, {33, 2}, {39, 0}}}};
  for (const auto& n : niveaux) {
    InstantaneTerrain t = niveau(n.W, n.H, 1.5f, 1.5f);
    t.camera = cameraDepart(n.W, n.H, n.W / 2.0f, n.H / 2.0f);
    const float ratio = 640.0f / 480.0f;
    for (const auto& k : n.cases) {
      const Projete p = projeter(t.camera, ratio, 640, 480, k[0] + 0.5, k[1] + 0.5, 0);
      const auto choix = choisirCase(t, ratio, static_cast<int>(std::lround(p.x)),
                                     480 - static_cast<int>(std::lround(p.y)));
      ASSERT_TRUE(choix.has_value()) << n.W << "x" << n.H << " " << k[0] << "," << k[1];
      EXPECT_EQ(choix->colonne, k[0]);
      EXPECT_EQ(choix->ligne, k[1]);
    }
    // The frame, and outside the grid: no cell.
    const double hors[][2] = {
        {-0.25, n.H / 2.0}, {n.W + 0.3, 2.5}, {-3, -3}, {n.W / 2.0, n.H + 0.4}};
    for (const auto& h : hors) {
      const Projete p = projeter(t.camera, ratio, 640, 480, h[0], h[1], 0);
      EXPECT_FALSE(choisirCase(t, ratio, static_cast<int>(std::lround(p.x)),
                               480 - static_cast<int>(std::lround(p.y)))
                       .has_value())
          << h[0] << "," << h[1];
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
  InstantaneTerrain vide;
  EXPECT_FALSE(choisirCase(vide, 1.3f, 320, 240).has_value());
}

// The picking the editor used before: the GL selection mode over every cell's front square
// (names row * W + column + 1), with its own planes. Kept here only to compare answers: the
// driver leaks half a megabyte on every selection pass.
std::optional<CaseChoisie> choisirCaseSelection(const InstantaneTerrain& t, float ratio, int mx,
                                                int my) {
  GLint vue[4];
  glGetIntegerv(GL_VIEWPORT, vue);
  GLuint tampon[16] = {};
  const Camera& k = t.camera;
  glSelectBuffer(16, tampon);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPickMatrix(mx, vue[1] + vue[3] - my, 1, 1, vue);
  gluPerspective(60.0, ratio, 2.0, std::max(100.0, -2.0 * k.oeilZ + 2.0));
  gluLookAt(k.oeilX, k.oeilY, k.oeilZ, k.centreX, k.centreY, k.centreZ, k.hautX, k.hautY, k.hautZ);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const ZoneVisible z = zoneVisible(k, ratio, t.largeur, t.hauteur);
  for (int r = z.r0; r <= z.r1; ++r)
    for (int c = z.c0; c <= z.c1; ++c) {
      glLoadName(static_cast<GLuint>(r * t.largeur + c + 1));
      glBegin(GL_QUADS);
      glVertex3f(c, r, 0), glVertex3f(c, r + 1, 0), glVertex3f(c + 1, r + 1, 0),
          glVertex3f(c + 1, r, 0);
      glEnd();
    }
  if (glRenderMode(GL_RENDER) < 1 || tampon[3] == 0) return std::nullopt;
  const int index = static_cast<int>(tampon[3] - 1);
  return CaseChoisie{index % t.largeur, index / t.largeur};
}

// The ray picking gives the selection mode's answer at every pixel of a coarse grid over the
// window, for cameras straight on, oblique, close and far; where they differ the pixel lies on a
// cell's edge (the selection's 1-pixel region touches two cells and takes the lower name).
// Cameras whose far plane clips nothing: beyond it the selection (with planes of its own) found
// cells the drawing does not show.
TEST_F(Plateau, RayonCommeLAncienneSelection) {
  const struct {
    int W, H;
    Camera k;
  } cas[] = {
      {15, 15, cameraDepart(15, 15, 7.5f, 7.5f)},
      {40, 30, cameraDepart(40, 30, 20, 15)},
      {15, 15,
       [] {
         Camera k = cameraDepart(15, 15, 1.5f, 1.5f);
         k.oeilX = -4, k.oeilY = 12;
         k.centreX = 3, k.centreY = 2;
         return k;
       }()},
      {255, 255,
       [] {
         Camera k;
         k.oeilX = 30, k.oeilY = 40, k.oeilZ = -15, k.centreX = 33, k.centreY = 36;
         return k;
       }()},
      {3, 2,
       [] {
         Camera k = cameraDepart(3, 2, 1, 1);
         k.oeilZ = -60;
         return k;
       }()},
  };
  const float ratio = 640.0f / 480.0f;
  // Each selection pass costs the driver memory: a coarse grid of pixels.
  const int pasX = 29, pasY = 23;
  int touches = 0, bords = 0;
  for (const auto& c : cas) {
    InstantaneTerrain t = niveau(c.W, c.H, 1.5f, 1.5f);
    t.camera = c.k;
    for (int y = 5; y < 480; y += pasY) {
      for (int x = 3; x < 640; x += pasX) {
        const auto ancien = choisirCaseSelection(t, ratio, x, y);
        const auto nouveau = choisirCase(t, ratio, x, y);
        if (ancien.has_value() == nouveau.has_value() &&
            (!ancien || (ancien->colonne == nouveau->colonne && ancien->ligne == nouveau->ligne))) {
          touches += ancien.has_value();
          continue;
        }
        // Only on an edge: a neighbouring pixel gives the other answer.
        bool voisin = false;
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy) {
            const auto v = choisirCase(t, ratio, x + dx, y + dy);
            voisin =
                voisin || (v.has_value() == ancien.has_value() &&
                           (!v || (v->colonne == ancien->colonne && v->ligne == ancien->ligne)));
          }
        EXPECT_TRUE(voisin) << c.W << "x" << c.H << " pixel " << x << "," << y;
        ++bords;
      }
    }
  }
  EXPECT_GT(touches, 500);
  EXPECT_LT(bords * 8, touches);
}

// The picked cell is the one the drawing shows at that pixel: every cell's front square drawn
// in its own colour through the drawing's camera, read back, and compared pixel by pixel.
TEST_F(Plateau, RayonRendLaCaseDessinee) {
  const struct {
    int W, H;
    Camera k;
  } cas[] = {
      {15, 15, cameraDepart(15, 15, 7.5f, 7.5f)},
      {40, 30, cameraDepart(40, 30, 20, 15)},
      {15, 15,
       [] {
         Camera k = cameraDepart(15, 15, 1.5f, 1.5f);
         k.oeilX = -4, k.oeilY = 12;
         k.centreX = 3, k.centreY = 2;
         return k;
       }()},
      {255, 255,
       [] {
         Camera k;
         k.oeilX = 200, k.oeilY = 250, k.oeilZ = -6, k.centreX = 203, k.centreY = 244;
         return k;
       }()},
  };
  const float ratio = ratioFenetre();
  for (const auto& c : cas) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    appliquerCamera(c.k, ratio);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_DITHER);
    glBegin(GL_QUADS);
    for (int r = 0; r < c.H; ++r)
      for (int col = 0; col < c.W; ++col) {
        glColor3ub(static_cast<GLubyte>(col), static_cast<GLubyte>(r), 255);
        glVertex3f(col, r, 0), glVertex3f(col, r + 1, 0), glVertex3f(col + 1, r + 1, 0),
            glVertex3f(col + 1, r, 0);
      }
    glEnd();
    std::vector<uint8_t> lu(640 * 480 * 4);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, lu.data());
    InstantaneTerrain t = niveau(c.W, c.H, 1.5f, 1.5f);
    t.camera = c.k;
    int vus = 0, bords = 0;
    auto dessinee = [&](int x, int y) -> std::optional<CaseChoisie> {
      x = std::clamp(x, 0, 639), y = std::clamp(y, 0, 479);
      const uint8_t* p = &lu[(static_cast<size_t>(479 - y) * 640 + x) * 4];
      if (p[2] != 255) return std::nullopt;
      return CaseChoisie{p[0], p[1]};
    };
    auto pareil = [](const std::optional<CaseChoisie>& a, const std::optional<CaseChoisie>& b) {
      return a.has_value() == b.has_value() &&
             (!a || (a->colonne == b->colonne && a->ligne == b->ligne));
    };
    for (int y = 0; y < 480; y += 3) {
      for (int x = 0; x < 640; x += 3) {
        const auto choix = choisirCase(t, ratio, x, y);
        vus += dessinee(x, y).has_value();
        if (pareil(choix, dessinee(x, y))) continue;
        // A pixel whose centre lies on an edge is the rasteriser's to share out: the picked
        // cell is then drawn right beside it.
        bool voisin = false;
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy)
            voisin = voisin || pareil(choix, dessinee(x + dx, y + dy));
        EXPECT_TRUE(voisin) << c.W << "x" << c.H << " pixel " << x << "," << y;
        ++bords;
      }
    }
    EXPECT_LT(bords * 50, vus) << c.W << "x" << c.H;
    EXPECT_GT(vus, 1000) << c.W << "x" << c.H;
  }
  glEnable(GL_DITHER);
}

// The skipped cells are exactly ones that cannot show: every cell whose front or back corner
// projects into the window lies inside the zone.
TEST(ZoneVisible, CouvreToutCeQuiSeVoit) {
  const struct {
    int W, H;
    Camera k;
  } cas[] = {
      {255, 255,
       [] {
         Camera k;
         k.oeilX = 30, k.oeilY = 40, k.oeilZ = -15, k.centreX = 33, k.centreY = 38;
         return k;
       }()},
      {255, 255, cameraDepart(255, 255, 127.5f, 127.5f)},
      {256, 202,
       [] {
         Camera k;
         k.oeilX = 200, k.oeilY = 10, k.oeilZ = -22, k.centreX = 190, k.centreY = 30;
         return k;
       }()},
      {40, 30,
       [] {
         Camera k;
         k.oeilX = -3, k.oeilY = 5, k.oeilZ = -12, k.centreX = 2, k.centreY = 5;
         return k;
       }()},
  };
  for (const auto& c : cas) {
    const double ratio = 1024.0 / 768.0;
    const ZoneVisible z = zoneVisible(c.k, static_cast<float>(ratio), c.W, c.H);
    int dedans = 0;
    for (int r = 0; r < c.H; ++r)
      for (int col = 0; col < c.W; ++col)
        for (double zz : {0.0, 1.0})
          for (double dx : {0.0, 1.0})
            for (double dy : {0.0, 1.0}) {
              const Projete p = projeter(c.k, ratio, 1024, 768, col + dx, r + dy, zz);
              if (!p.devant || p.x < 0 || p.x > 1024 || p.y < 0 || p.y > 768) continue;
              ++dedans;
              EXPECT_TRUE(col >= z.c0 && col <= z.c1 && r >= z.r0 && r <= z.r1)
                  << c.W << "x" << c.H << " cell " << col << "," << r;
            }
    EXPECT_GT(dedans, 0);
  }
  // A play camera over a large level keeps only a small part of it.
  const ZoneVisible z = zoneVisible(cas[0].k, 4.0f / 3.0f, 255, 255);
  EXPECT_LT((z.c1 - z.c0 + 1) * (z.r1 - z.r0 + 1), 40 * 40);
}

TEST_F(Plateau, GrilleUnParUnEtOeilAGauche) {
  InstantaneTerrain t = niveau(1, 1, 0.5f, 0.5f);
  poser(t, 0, 0, Brique);
  dessiner(t);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // Eye left of the board: every column still drawn (descending pass).
  InstantaneTerrain g = niveau(10, 5, 5.5f, 2.5f);
  for (int c = 0; c < 10; ++c) poser(g, c, 2, Brique);
  g.camera.oeilX = -3;
  g.camera.oeilY = 2.5f;
  g.camera.oeilZ = -15;
  g.camera.centreX = 5;
  g.camera.centreY = 2.5f;
  for (int c : {0, 4, 9}) {
    const std::array<int, 4> p = dessinerEtLire(g, c + 0.5f, 2.2f);
    EXPECT_GT(p[0] + p[1] + p[2], 30) << c;
  }
}

}  // namespace

namespace {

// What the box mesh emits, counted through feedback mode (no window contents involved).
int facesBoite(uint8_t code, const Voisins& v, bool opaque, float oeilX) {
  GLfloat tampon[4096];
  glFeedbackBuffer(4096, GL_3D, tampon);
  glRenderMode(GL_FEEDBACK);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-10, 10, -10, 10, -10, 10);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  Reflet r;
  r.oeil[0] = oeilX, r.oeil[1] = 0.5f, r.oeil[2] = -15;
  glBegin(GL_QUADS);
  sommetsBoite(0, 0, 1, 1, 0, 1, code, v, r, opaque);
  glEnd();
  const int n = glRenderMode(GL_RENDER);
  int polygones = 0;
  for (int i = 0; i < n;) {
    if (tampon[i] == GL_POLYGON_TOKEN) {
      polygones++;
      i += 2 + static_cast<int>(tampon[i + 1]) * 3;
    } else {
      i += 1;
    }
  }
  return polygones / 2;  // each quad comes back as two triangles
}

TEST_F(Plateau, FacesDeLaBoiteSelonLesVoisins) {
  auto voisins = [](std::array<int, 4> codes) {  // -1: outside the grid
    Voisins v;
    for (int i = 0; i < 4; ++i) {
      v.dedans[i] = codes[i] >= 0;
      v.code[i] = static_cast<uint8_t>(codes[i] < 0 ? 0 : codes[i]);
    }
    return v;
  };
  const struct {
    const char* nom;
    std::array<int, 4> codes;  // top, bottom, left, right
    bool opaque;
    float oeilX;
    int faces;
  } cas[] = {
      {"seule dans une grille 1x1", {-1, -1, -1, -1}, false, 0.5f, 1},
      {"entre deux briques pareilles", {-1, -1, Brique, Brique}, false, 0.5f, 1},
      {"a cote d'une fragile", {-1, -1, Brique, Casse}, false, 0.5f, 2},
      {"entouree de vide", {Vide, Vide, Vide, Vide}, false, 0.5f, 5},
      // Opaque, eye level with the cell (between its left and right, above neither side): only
      // sides turned toward the eye remain; here the eye is left of the box.
      {"opaque, oeil a gauche", {Vide, Vide, Vide, Vide}, true, -3.0f, 2},
      {"opaque, oeil en face", {Vide, Vide, Vide, Vide}, true, 0.5f, 1},
  };
  for (const auto& c : cas)
    EXPECT_EQ(facesBoite(Brique, voisins(c.codes), c.opaque, c.oeilX), c.faces) << c.nom;
}

// The hint signs show their frames by the clock: "move" 0, 1, 0, 2 every half second each,
// "boom" 0, 1.
TEST_F(Plateau, PanneauxAnimes) {
  for (int i = 0; i < 3; ++i) textures.texMove[i] = 100 + i;
  for (int i = 0; i < 2; ++i) textures.texBoomMsg[i] = 200 + i;
  const struct {
    uint8_t code;
    uint32_t ticks;
    GLuint texture;
  } cas[] = {{PanneauMove, 0, 100},    {PanneauMove, 600, 101},  {PanneauMove, 1200, 100},
             {PanneauMove, 1700, 102}, {PanneauMove, 2100, 100}, {PanneauBoom, 100, 200},
             {PanneauBoom, 501, 201},  {PanneauBoom, 1000, 200}};
  for (const auto& c : cas) {
    InstantaneTerrain t = niveau(8, 8, 0.5f, 0.5f);
    poser(t, 2, 3, c.code);
    dessiner(t, nullptr, c.ticks);
    EXPECT_EQ(textureLieeConnue(), c.texture) << int(c.code) << " at " << c.ticks;
    GLint liee = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &liee);
    EXPECT_EQ(static_cast<GLuint>(liee), c.texture) << "the cache tells the truth";
  }
}

}  // namespace

namespace {

// The "un" and "deux" markers show only while the editor runs, on the bricks 17 and 19 and the
// switches 16 and 18; the coloured switches keep their own plate.
TEST_F(Plateau, MarqueursUnDeuxSeulementDansLEditeur) {
  textures.texUn = chargerTexture(d_ / "data/imgs/briques/un.png", 0);
  textures.texDeux = chargerTexture(d_ / "data/imgs/briques/deux.png", 0);
  textures.texCouleurT[0] = chargerTexture(d_ / "data/imgs/briques/rouge_t.png", TexPixels);
  const struct {
    uint8_t code;
    bool change;
  } cas[] = {{CouleurUn, true},        {CouleurDeux, true},        {InterrupteurUn, true},
             {InterrupteurDeux, true}, {InterrupteurRouge, false}, {Brique, false}};
  for (const auto& c : cas) {
    InstantaneTerrain t = niveau(15, 15, 1.5f, 1.5f);
    t.camera = cameraDepart(15, 15, 7.5f, 7.5f);
    poser(t, 6, 6, c.code);
    modeEditeur = false;
    dessiner(t);
    const std::vector<uint8_t> jeu = image();
    modeEditeur = true;
    dessiner(t);
    const std::vector<uint8_t> editeur = image();
    modeEditeur = false;
    EXPECT_EQ(jeu != editeur, c.change) << int(c.code);
  }
}

}  // namespace

namespace {

// The opaque bricks drawn from their arrays give the picture of the vertex-by-vertex drawing,
// but for the edges where a translucent cell meets an opaque one (the opaque boxes now come
// first, whole, so depth ties there fall the other way) and, with reflections, sides whose
// mirrored sky is interpolated from unnormalised corners. The arrays are built once per grid.
TEST_F(Plateau, BriquesEnTableauxCommeSommetParSommet) {
  InstantaneTerrain t = niveau(24, 18, 9.5f, 8.5f);
  const uint8_t codes[] = {Brique,           Casse, Blinde, CouleurUn, CouleurDeux, CouleurRouge,
                           InterrupteurBleu, Win,   Lost,   Ressort,   Bombe};
  for (int r = 0; r < 18; ++r)
    for (int c = 0; c < 24; ++c)
      if ((r * 7 + c * 3) % 5 < 3) poser(t, c, r, codes[(r * 5 + c) % 11]);
  poser(t, 9, 8, Vide);
  textures.texRefletCube = chargerCubeMap(d_ / "data/imgs/fond/gal.png");
  textures.texCasse = chargerTexture(d_ / "data/imgs/briques/casse.png", 0);
  textures.texBlinde = chargerTexture(d_ / "data/imgs/briques/blinde.png", 0);
  for (bool editeur : {false, true})
    for (bool reflets : {false, true}) {
      options.Reflets = reflets;
      modeEditeur = editeur;
      for (const Camera& k : {t.camera, cameraDepart(24, 18, 3.5f, 3.5f)}) {
        InstantaneTerrain vue = t;
        vue.camera = k;
        vue.camera.oeilX += 0.3f, vue.camera.oeilY -= 0.7f;  // the eye off the cells' grid
        activerBriquesCache(false);
        dessiner(vue, nullptr, 1200);
        const std::vector<uint8_t> avant = image();
        activerBriquesCache(true);
        dessiner(vue, nullptr, 1200);
        const std::vector<uint8_t> apres = image();
        size_t differents = 0, eclaires = 0;
        for (size_t i = 0; i < avant.size(); i += 4) {
          int d = 0;
          for (int j = 0; j < 3; ++j) d = std::max(d, std::abs(avant[i + j] - apres[i + j]));
          differents += d > 8;
          eclaires += avant[i] + avant[i + 1] + avant[i + 2] > 0;
        }
        EXPECT_GT(eclaires, 30000u);
        EXPECT_LT(differents, eclaires / 40) << "editor " << editeur << ", reflections " << reflets;
      }
    }
  modeEditeur = false;

  // Built once for a grid, again when a cell changes; a removed brick is gone from the picture.
  options.Reflets = false;
  InstantaneTerrain u = niveau(15, 15, 7.5f, 7.5f);
  poser(u, 7, 9, Brique);
  const uint32_t avant = constructionsBriquesCache();
  EXPECT_NE(dessinerEtLire(u, 7.5f, 9.5f)[0], 0);
  dessinerEtLire(u, 7.5f, 9.5f);
  EXPECT_EQ(constructionsBriquesCache(), avant + 1);
  poser(u, 7, 9, Vide);
  const auto vide = dessinerEtLire(u, 7.5f, 9.5f);
  EXPECT_EQ(vide[0] + vide[1] + vide[2], 0);
  EXPECT_EQ(constructionsBriquesCache(), avant + 2);
}

}  // namespace

namespace {

// The four coloured bricks from their one shared texture look as with a texture each.
TEST_F(Plateau, BriquesDeCouleurParLAtlasCommeSeparees) {
  chargerImages();
  ASSERT_NE(textures.texCouleurAtlas, 0u);
  InstantaneTerrain t = niveau(12, 9, 5.5f, 4.5f);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 12; ++c)
      if ((r + c) % 3 != 0)
        poser(t, c, r, static_cast<uint8_t>(CouleurRouge + 2 * ((r * 3 + c) % 4)));
  poser(t, 5, 4, Vide);
  for (bool reflets : {false, true}) {
    options.Reflets = reflets;
    dessiner(t, nullptr, 700);
    const std::vector<uint8_t> atlas = image();
    const GLuint garde = textures.texCouleurAtlas;
    textures.texCouleurAtlas = 0;
    dessiner(t, nullptr, 700);
    const std::vector<uint8_t> separees = image();
    textures.texCouleurAtlas = garde;
    size_t differents = 0;
    for (size_t i = 0; i < atlas.size(); i += 4)
      differents += atlas[i] != separees[i] || atlas[i + 1] != separees[i + 1] ||
                    atlas[i + 2] != separees[i + 2];
    // Only where a pixel centre falls exactly on a picture's far edge (which wraps in its own
    // texture and meets the neighbouring picture in the shared one).
    EXPECT_LT(differents, 200u) << "reflections " << reflets;
  }
}

}  // namespace
