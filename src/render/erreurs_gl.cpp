#include "render/erreurs_gl.h"

#include <string>

#include "base/journal.h"

GLenum prendreErreurGL() {
  const GLenum premiere = glGetError();
  if (premiere == GL_NO_ERROR) return premiere;
  for (int n = 1; n < 16 && glGetError() != GL_NO_ERROR; ++n) {
  }
  return premiere;
}

bool verifierErreursGL(const char* lieu) {
  const GLenum e = prendreErreurGL();
  if (e == GL_NO_ERROR) return false;
  journal(std::string(lieu) + " #" + std::to_string(e));
  return true;
}
