// The one path to the GL state: binds and blend changes reach the GL only on a change, the
// cache follows deletions, and a forgotten cache binds again.
#include "rendu_commun.h"
#include "render/erreurs_gl.h"
#include "render/etat_gl.h"

namespace {

GLuint lieeGL() {
  GLint v = -1;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &v);
  return static_cast<GLuint>(v);
}

GLint entierGL(GLenum quoi) {
  GLint v = -1;
  glGetIntegerv(quoi, &v);
  return v;
}

class EtatGL : public FenetreRendu {};

TEST_F(EtatGL, LierSeulementSurChangement) {
  ouvrir();
  GLuint a = 0, b = 0;
  glGenTextures(1, &a);
  glGenTextures(1, &b);
  lierTexture(a);
  EXPECT_EQ(lieeGL(), a);
  // Behind the cache's back: the cache still believes `a`, so binding `a` again does nothing...
  glBindTexture(GL_TEXTURE_2D, b);
  lierTexture(a);
  EXPECT_EQ(lieeGL(), b);
  // ... until it is told that foreign GL code ran.
  oublierEtatGL();
  lierTexture(a);
  EXPECT_EQ(lieeGL(), a);
  EXPECT_EQ(textureLieeConnue(), a);

  // Deleting the bound texture falls back to 0, in the GL and in the cache.
  supprimerTexture(a);
  EXPECT_EQ(lieeGL(), 0u);
  EXPECT_TRUE(textureDejaLiee(0));
  supprimerTexture(b);
  EXPECT_EQ(prendreErreurGL(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EtatGL, MelangeEtFonction) {
  ouvrir();
  activerMelange(true);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(melangeDejaActif(true));
  glDisable(GL_BLEND);
  activerMelange(true);  // believed on already
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  oublierEtatGL();
  activerMelange(true);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  activerMelange(false);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));

  fonctionMelange(GL_SRC_ALPHA, GL_ONE);
  EXPECT_EQ(entierGL(GL_BLEND_SRC), GL_SRC_ALPHA);
  EXPECT_EQ(entierGL(GL_BLEND_DST), GL_ONE);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(entierGL(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(EtatGL, NouveauContexteOublieLeCache) {
  ouvrir();
  GLuint a = 0;
  glGenTextures(1, &a);
  lierTexture(a);
  SDL_Quit();
  ouvrir();  // a new window and context: nothing is bound there
  EXPECT_FALSE(textureDejaLiee(a));
  lierTexture(0);
  EXPECT_EQ(lieeGL(), 0u);
}

TEST_F(EtatGL, ErreursLuesUneFois) {
  ouvrir();
  CaptureJournal journal;
  EXPECT_FALSE(verifierErreursGL("Rien"));
  glEnable(0xFFFF);  // GL_INVALID_ENUM
  glEnable(0xFFFF);
  EXPECT_TRUE(verifierErreursGL("Lieu"));
  EXPECT_EQ(prendreErreurGL(), static_cast<GLenum>(GL_NO_ERROR));  // every pending one taken
  EXPECT_EQ(journal.lignes(), (std::vector<std::string>{"Lieu #1280"}));
}

}  // namespace
