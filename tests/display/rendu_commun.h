#pragma once
// Shared by the drawing tests: a window with the game's data, and the camera arithmetic done
// independently of the GL (perspective and look-at as GLU defines them).
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/options.h"
#include "platform/repertoires.h"
#include "fixtures.h"
#include "game/camera.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/textures.h"

inline const std::string DONNEES_SOURCE = std::string(ZARVINEL_SOURCE_DIR) + "/data/";

// Data directory: a private copy of the images (the cache files written by the tests must not
// land in the checkout).
class FenetreRendu : public ::testing::Test {
 protected:
  void ouvrir(int l = 640, int h = 480) {
    namespace fs = std::filesystem;
    if (!fs::exists(d_ / "data/imgs")) {
      fs::create_directories(d_ / "data");
      fs::copy(DONNEES_SOURCE + "imgs", d_ / "data/imgs", fs::copy_options::recursive);
      fs::copy(DONNEES_SOURCE + "shaders", d_ / "data/shaders", fs::copy_options::recursive);
      // Caches a game run left beside the checkout's images do not belong to a test's data.
      std::vector<fs::path> caches;
      for (const auto& f : fs::recursive_directory_iterator(d_ / "data"))
        if (f.path().extension() == ".pak") caches.push_back(f.path());
      for (const auto& c : caches) fs::remove_all(c);
    }
    CaptureJournal capture;
    repertoires = new Repertoires(d_ / "data/", d_ / "home/");
    options.ResX = l;
    options.ResY = h;
    options.Multisample = 1;
    ASSERT_EQ(initGraph(), 0);
    glext = new GlExt();
    textures = TableTextures();
  }
  void SetUp() override { options.defauts(); }
  void TearDown() override {
    delete glext;
    glext = nullptr;
    SDL_Quit();
    delete repertoires;
    repertoires = nullptr;
    textures = TableTextures();
    options.defauts();
  }
  static std::array<int, 4> pixel(int x, int y) {
    unsigned char p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
  }
  DossierTemporaire d_;
};

// Window position (GL convention, origin bottom-left) of board point (x, y, z) under `camera`
// with the display projection (planes from the eye depth).
struct Projete {
  double x, y;
  bool devant;
};
inline Projete projeter(const Camera& k, double ratio, int largeur, int hauteur, double x, double y,
                        double z) {
  // Look-at basis.
  double f[3] = {k.centreX - k.oeilX, k.centreY - k.oeilY, k.centreZ - k.oeilZ};
  auto norme = [](double* v) {
    const double n = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    for (int i = 0; i < 3; ++i) v[i] /= n;
  };
  norme(f);
  const double up[3] = {k.hautX, k.hautY, k.hautZ};
  double s[3] = {f[1] * up[2] - f[2] * up[1], f[2] * up[0] - f[0] * up[2],
                 f[0] * up[1] - f[1] * up[0]};
  norme(s);
  const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2],
                       s[0] * f[1] - s[1] * f[0]};
  const double p[3] = {x - k.oeilX, y - k.oeilY, z - k.oeilZ};
  const double ex = s[0] * p[0] + s[1] * p[1] + s[2] * p[2];
  const double ey = u[0] * p[0] + u[1] * p[1] + u[2] * p[2];
  const double ez = -(f[0] * p[0] + f[1] * p[1] + f[2] * p[2]);
  // Perspective: x_ndc = (cot/ratio) ex / -ez, y_ndc = cot ey / -ez.
  const double cot = 1.0 / std::tan(30.0 * M_PI / 180.0);
  const double nx = cot / ratio * ex / -ez, ny = cot * ey / -ez;
  return {(nx + 1) * 0.5 * largeur, (ny + 1) * 0.5 * hauteur, ez < 0};
}
