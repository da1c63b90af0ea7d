// Whole frames in a real window, read back: the background choice (none, sky, fractal slices),
// the board over it, and a frame without a level.
#include <algorithm>
#include <vector>

#include "game/cases.h"
#include "game/terrain.h"
#include "render/ciel.h"
#include "render/etat_gl.h"
#include "render/image.h"
#include "render/plateau.h"
#include "gui/chargement.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "screens/boucle_ecran.h"
#include "render/shaders.h"
#include "rendu_commun.h"

namespace {

InstantaneTerrain petitNiveau() {
  InstantaneTerrain t;
  t.largeur = 5;
  t.hauteur = 5;
  t.grille.assign(25, Brique);
  t.balle.x = 2.5f, t.balle.y = 2.5f;
  t.camera = cameraDepart(5, 5, 2.5f, 2.5f);
  t.camera.oeilZ = -30;  // the board in the middle, background all around
  return t;
}

class Image : public FenetreRendu {
 protected:
  void preparer(int l, int h) {
    ouvrir(l, h);
    chargerImages();
    shaders = new Shaders();
    shaders->preparerShaders();
  }
  void TearDown() override {
    if (shaders) shaders->libererShaders();
    delete shaders;
    shaders = nullptr;
    FenetreRendu::TearDown();
  }
  static std::vector<uint8_t> lireEcran(int l, int h) {
    std::vector<uint8_t> p(static_cast<size_t>(l) * h * 4);
    glReadPixels(0, 0, l, h, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
  }
  static bool noir(const std::array<int, 4>& p) { return p[0] + p[1] + p[2] == 0; }
};

TEST_F(Image, SansFondLePlateauEstSurDuNoirQuelQueSoitFondShader) {
  for (bool fondShader : {false, true}) {
    options.defauts();
    options.Fond = false;
    options.FondShader = fondShader;
    preparer(640, 480);
    const InstantaneTerrain t = petitNiveau();
    for (int i = 0; i < 3; ++i) dessinerImage(t, 1000 + 16 * i);
    glFinish();
    EXPECT_TRUE(noir(pixel(5, 5))) << fondShader;
    EXPECT_TRUE(noir(pixel(630, 470))) << fondShader;
    EXPECT_FALSE(noir(pixel(320, 240))) << "the board is drawn, FondShader " << fondShader;
    TearDown();
    SetUp();
  }
  // With the background on, the same corners are not black.
  for (bool fondShader : {false, true}) {
    options.Fond = true;
    options.FondShader = fondShader;
    options.FondShaderDiv = 1;
    preparer(640, 480);
    dessinerImage(petitNiveau(), 5000);
    glFinish();
    EXPECT_FALSE(noir(pixel(5, 5)) && noir(pixel(630, 470))) << fondShader;
    TearDown();
    SetUp();
  }
}

TEST_F(Image, QuatreTranchesDeCentPixelsDansLaTextureDeFond) {
  options.Fond = true;
  options.FondShader = true;
  options.FondShaderDiv = 4;
  options.FondShaderTaille = 2;
  preparer(800, 600);
  ASSERT_NE(textures.texFondShader, 0u);
  ASSERT_EQ(textures.largeurFondShader, 512);
  ASSERT_EQ(textures.hauteurFondShader, 512);
  InstantaneTerrain vide;
  std::vector<uint8_t> tex(512 * 512 * 3);
  // Whether texture column x (rows 0 to 299) has anything but black; and rows 300 and up.
  auto colonneRemplie = [&](int x) {
    for (int y = 0; y < 300; ++y)
      if (tex[(static_cast<size_t>(y) * 512 + x) * 3] |
          tex[(static_cast<size_t>(y) * 512 + x) * 3 + 1] |
          tex[(static_cast<size_t>(y) * 512 + x) * 3 + 2])
        return true;
    return false;
  };
  const int depart = trancheFondShader();
  ASSERT_EQ(depart, 0);
  for (int image = 1; image <= 4; ++image) {
    dessinerImage(vide, 1000 + 16 * image);
    glBindTexture(GL_TEXTURE_2D, textures.texFondShader);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, tex.data());
    oublierEtatGL();
    // Slices of 100 x 300 at x = 0, 100, 200, 300: the first `image` ones are there.
    for (int x : {0, 50, 99, 100, 199, 200, 299, 300, 399})
      EXPECT_EQ(colonneRemplie(x), x < 100 * image) << "frame " << image << ", column " << x;
    EXPECT_FALSE(colonneRemplie(400)) << "nothing beyond the 400 used columns";
    for (int x : {0, 399})
      for (int y : {300, 511})
        EXPECT_EQ(tex[(static_cast<size_t>(y) * 512 + x) * 3], 0) << "nothing beyond 300 rows";
  }
  EXPECT_EQ(trancheFondShader(), 0) << "after four frames the next picture starts";
  // The displayed part is 400 / 512 by 300 / 512 of the texture: the whole window is covered.
  glFinish();
  EXPECT_FALSE(noir(pixel(799, 599)));
  EXPECT_FALSE(noir(pixel(0, 0)));
}

// A copy without a grid: the background, then the widgets over it through the screen loop's GUI
// pass, nothing else.
TEST_F(Image, SansNiveauSeulLeFondEtLesWidgets) {
  options.Fond = true;
  options.Reflets = false;
  preparer(640, 480);
  // The sky alone, as the frame's first pass draws it.
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  dessinerFond3D(4000, ratioFenetre());
  glFinish();
  const std::vector<uint8_t> ciel = lireEcran(640, 480);
  dessinerImage(InstantaneTerrain{}, 4000);
  glFinish();
  EXPECT_TRUE(lireEcran(640, 480) == ciel);

  options.Fond = false;
  dessinerImage(InstantaneTerrain{}, 4000);
  glFinish();
  const std::vector<uint8_t> noirs = lireEcran(640, 480);
  bool toutNoir = true;
  for (size_t i = 0; i < noirs.size(); i += 4)
    toutNoir = toutNoir && !(noirs[i] | noirs[i + 1] | noirs[i + 2]);
  EXPECT_TRUE(toutNoir);

  // A button through the screen loop (one frame): drawn over the black, the rest stays black.
  {
    CaptureJournal silence;
    gui = new Gui(640, 480);
    chargerImagesGui(*gui);
  }
  BoutonGUI bouton(200, 200, 120, "OK", nullptr, 0);
  int images = 0;
  GestionnairesEcran ecran;
  ecran.fini = [&] { return images == 1; };
  ecran.dessiner = [&](const InstantaneTerrain& vue, uint32_t ticks) {
    dessinerImage(vue, ticks);
    ++images;
  };
  Terrain sansGrille;
  ecran.copier = [&](InstantaneTerrain& vue) { sansGrille.prendreInstantane(vue); };
  bouclerEcran(ecran);
  // The swapped frame is gone: draw the same again without swapping and read it.
  dessinerImage(InstantaneTerrain{}, 4000);
  gui->projection();
  gui->dessiner();
  glFinish();
  EXPECT_FALSE(noir(pixel(260, 480 - 210))) << "the button";
  EXPECT_TRUE(noir(pixel(100, 100)));
  EXPECT_TRUE(noir(pixel(500, 400)));
  delete gui;
  gui = nullptr;
}

// The glow, worked out at a quarter of the window and laid over it: a soft light just outside a
// bright board, the board itself kept, the corner it was worked out in given back, blending on.
TEST_F(Image, LeHaloGardeLePlateauEtLaisseLeMelangeActif) {
  options.Fond = false;
  options.Bloom = true;
  preparer(640, 480);
  ASSERT_NE(textures.texBloom, 0u);
  ASSERT_NE(textures.texHalo, 0u);
  InstantaneTerrain t = petitNiveau();
  t.couleurs[0][0] = t.couleurs[1][0] = t.couleurs[2][0] = t.couleurs[3][0] = 1;
  for (auto& c : t.couleurs) c[1] = c[2] = 1;  // white bricks: bright enough to glow
  t.camera.oeilZ = -12;
  CaptureJournal journal;
  options.Bloom = false;
  dessinerImage(t, 1000);
  glFinish();
  const std::vector<uint8_t> sans = lireEcran(640, 480);
  options.Bloom = true;
  dessinerImage(t, 1000);
  glFinish();
  const std::vector<uint8_t> avec = lireEcran(640, 480);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  // The second unit's binds leave the bind cache true to unit 0, where the drawing goes on.
  GLint lieeUnite0 = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &lieeUnite0);
  EXPECT_EQ(static_cast<GLuint>(lieeUnite0), textureLieeConnue());
  for (const auto& l : journal.lignes()) EXPECT_EQ(l.find("Err"), std::string::npos) << l;
  auto lum = [](const std::vector<uint8_t>& im, int x, int y) {
    const size_t i = (static_cast<size_t>(y) * 640 + x) * 4;
    return im[i] + im[i + 1] + im[i + 2];
  };
  // The board's left edge on the middle row, then a few pixels out of it.
  int bord = 0;
  while (bord < 320 && lum(sans, bord, 240) == 0) ++bord;
  ASSERT_GT(bord, 20);
  EXPECT_GT(lum(avec, bord - 3, 240), lum(sans, bord - 3, 240) + 30) << "a glow outside the board";
  EXPECT_GE(lum(avec, 320, 240), lum(sans, 320, 240) - 10) << "the board itself stays";
  // Far from anything bright, the corner where the glow was worked out is black again.
  for (int x : {2, 60, 150})
    for (int y : {2, 60, 110}) EXPECT_EQ(lum(avec, x, y), 0) << x << "," << y;
}

}  // namespace
