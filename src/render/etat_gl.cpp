#include "render/etat_gl.h"

namespace {

struct Cache {
  bool textureConnue = false;
  GLuint texture = 0;
  bool melangeConnu = false;
  bool melange = false;
  bool fonctionConnue = false;
  GLenum source = 0, destination = 0;
};

Cache cache;

}  // namespace

bool textureDejaLiee(GLuint texture) { return cache.textureConnue && cache.texture == texture; }

bool melangeDejaActif(bool actif) { return cache.melangeConnu && cache.melange == actif; }

GLuint textureLieeConnue() { return cache.textureConnue ? cache.texture : 0; }

void lierTexture(GLuint texture) {
  if (textureDejaLiee(texture)) return;
  glBindTexture(GL_TEXTURE_2D, texture);
  cache.textureConnue = true;
  cache.texture = texture;
}

void lierTextureCible(GLenum cible, GLuint texture) {
  if (cible == GL_TEXTURE_2D) {
    lierTexture(texture);
    return;
  }
  glBindTexture(cible, texture);
}

void lierTextureAutreUnite(GLuint texture) { glBindTexture(GL_TEXTURE_2D, texture); }

void activerMelange(bool actif) {
  if (melangeDejaActif(actif)) return;
  if (actif) glEnable(GL_BLEND);
  else glDisable(GL_BLEND);
  cache.melangeConnu = true;
  cache.melange = actif;
}

void fonctionMelange(GLenum source, GLenum destination) {
  if (cache.fonctionConnue && cache.source == source && cache.destination == destination) return;
  glBlendFunc(source, destination);
  cache.fonctionConnue = true;
  cache.source = source;
  cache.destination = destination;
}

void oublierEtatGL() { cache = Cache{}; }

void supprimerTexture(GLuint texture) {
  glDeleteTextures(1, &texture);
  if (cache.textureConnue && cache.texture == texture) cache.texture = 0;
}
