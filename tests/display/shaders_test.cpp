// The shipped shaders in a real context: they compile and link through the ARB shader-object
// functions with the text the game hands over (CR LF line ends), offer every uniform the game
// sets, and draw what they are for: a fractal with many colours, a glow around bright parts.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "platform/options.h"
#include "platform/repertoires.h"
#include "base/fichiers.h"
#include "base/texte.h"
#include "fixtures.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"

namespace {

const std::string DONNEES = std::string(ZARVINEL_SOURCE_DIR) + "/data/";

class ShadersDonnees : public ::testing::Test {
 protected:
  void SetUp() override {
    CaptureJournal capture;
    repertoires = new Repertoires(DONNEES, d_ / "home/");
    options.defauts();
    ASSERT_EQ(initGraph(), 0);
    for (const auto& l : capture.lignes()) EXPECT_NE(l.rfind("SDL_Error icone", 0), 0u) << l;
    ext_ = new GlExt();
    ASSERT_TRUE(ext_->shaderDisponible());
    infoLog_ = reinterpret_cast<PFNGLGETINFOLOGARBPROC>(SDL_GL_GetProcAddress("glGetInfoLogARB"));
  }
  void TearDown() override {
    delete ext_;
    SDL_Quit();
    delete repertoires;
    repertoires = nullptr;
  }

  std::string journalGL(GLhandleARB objet) {
    char texte[4096] = {};
    if (infoLog_) infoLog_(objet, sizeof texte - 1, nullptr, texte);
    return texte;
  }

  // Reads, compiles and links a program the way the game does.
  GLhandleARB programme(const std::string& nom) {
    GLhandleARB p = ext_->glCreateProgramObjectARB();
    for (auto [fin, type] : {std::pair<const char*, GLenum>{".vert", GL_VERTEX_SHADER_ARB},
                             {".frag", GL_FRAGMENT_SHADER_ARB}}) {
      const std::string source =
          normaliserFinsDeLigne(lireFichier(repertoires->chemin("shaders/" + nom + fin)), "\r\n");
      EXPECT_NE(source.find("\r\n"), std::string::npos);
      GLhandleARB s = ext_->glCreateShaderObjectARB(type);
      const char* texte = source.c_str();
      ext_->glShaderSourceARB(s, 1, &texte, nullptr);
      ext_->glCompileShaderARB(s);
      GLint ok = 0;
      ext_->glGetObjectParameterivARB(s, GL_OBJECT_COMPILE_STATUS_ARB, &ok);
      EXPECT_EQ(ok, 1) << nom << fin << ": " << journalGL(s);
      ext_->glAttachObjectARB(p, s);
      ext_->glDeleteObjectARB(s);  // flagged; goes with the program
    }
    ext_->glLinkProgramARB(p);
    GLint ok = 0;
    ext_->glGetObjectParameterivARB(p, GL_OBJECT_LINK_STATUS_ARB, &ok);
    EXPECT_EQ(ok, 1) << nom << ": " << journalGL(p);
    return p;
  }

  GLint uniforme(GLhandleARB p, const char* nom) {
    GLint l = ext_->glGetUniformLocationARB(p, nom);
    EXPECT_GE(l, 0) << "uniform " << nom << " is not active";
    return l;
  }

  static GLuint texture(const std::string& rel) {
    SDL_Surface* s = IMG_Load((DONNEES + rel).c_str());
    EXPECT_NE(s, nullptr);
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (s) {
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, s->w, s->h, 0,
                   s->format->BytesPerPixel == 3 ? GL_RGB : GL_RGBA, GL_UNSIGNED_BYTE, s->pixels);
      SDL_FreeSurface(s);
    }
    return t;
  }

  static void quad(float s1, float t1) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(0, t1);
    glVertex2f(-1, 1);
    glTexCoord2f(s1, t1);
    glVertex2f(1, 1);
    glTexCoord2f(s1, 0);
    glVertex2f(1, -1);
    glEnd();
  }

  static std::vector<unsigned char> lire() {
    std::vector<unsigned char> p(640 * 480 * 4);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
  }

  DossierTemporaire d_;
  GlExt* ext_ = nullptr;
  PFNGLGETINFOLOGARBPROC infoLog_ = nullptr;
};

TEST_F(ShadersDonnees, LeFondFractalDessineUneImageColoree) {
  GLhandleARB p = programme("julia");
  ext_->glUseProgramObjectARB(p);
  // The starting values the game sets.
  const std::pair<const char*, float> depart[] = {{"Px", -0.5f},    {"Py", -0.25f}, {"Zoom", 0.2f},
                                                  {"Teinte", 0.0f}, {"Cx", -0.75f}, {"Cy", -0.2f}};
  for (auto [nom, valeur] : depart) ext_->glUniform1fARB(uniforme(p, nom), valeur);
  ext_->glUniform1iARB(uniforme(p, "MaxIter"), 15);
  uniforme(p, "Colors");
  GLuint rampe = texture("imgs/fond/julia.png");
  glEnable(GL_TEXTURE_2D);
  glColor4f(0, 0, 0.2f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  quad(1, 1);
  ext_->glUseProgramObjectARB(0);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  auto px = lire();
  std::set<unsigned> couleurs;
  for (size_t i = 0; i < px.size(); i += 4) {
    couleurs.insert(px[i] << 16 | px[i + 1] << 8 | px[i + 2]);
    EXPECT_EQ(px[i + 3], 255) << "opaque";
    if (px[i + 3] != 255) break;
  }
  EXPECT_GE(couleurs.size(), 200u);
  glDeleteTextures(1, &rampe);
  ext_->glDeleteObjectARB(p);
}

TEST_F(ShadersDonnees, LeHaloEntoureLesPartiesClaires) {
  GLhandleARB p = programme("bloom");
  // A white square on black, copied as the glow pass copies the frame (power-of-two texture).
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 640, 0, 480, -1, 1);
  glColor4f(1, 1, 1, 1);
  glRectf(270, 190, 370, 290);
  glLoadIdentity();
  GLuint copie = 0;
  glGenTextures(1, &copie);
  glBindTexture(GL_TEXTURE_2D, copie);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 0, 0, 1024, 512, 0);
  ext_->glUseProgramObjectARB(p);
  ext_->glUniform1fARB(uniforme(p, "rx"), 640.0f);
  ext_->glUniform1fARB(uniforme(p, "ry"), 480.0f);
  ext_->glUniform1fARB(uniforme(p, "part"), 0.5f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_TEXTURE_2D);
  quad(640.0f / 1024.0f, 480.0f / 512.0f);
  ext_->glUseProgramObjectARB(0);
  glDisable(GL_BLEND);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  auto px = lire();
  auto rouge = [&](int x, int y) { return int(px[(y * 640 + x) * 4]); };
  EXPECT_GT(rouge(374, 240), 10) << "glow just outside the bright square";
  EXPECT_GT(rouge(320, 240), 200) << "the square stays bright";
  EXPECT_EQ(rouge(40, 40), 0) << "dark parts stay dark";
  glDeleteTextures(1, &copie);
  ext_->glDeleteObjectARB(p);
}

}  // namespace
