#include "render/erreurs_gl.h"

#include <string>

#include "base/journal.h"
#include "render/gl.h"

int verifierErreursGL(const char* lieu) {
  int n = 0;
  // A lost context can report errors forever; a handful per call is enough to see the cause.
  for (GLenum e = glGetError(); e != GL_NO_ERROR && n < 16; e = glGetError(), ++n)
    journal(std::string(lieu) + " #" + std::to_string(e));
  return n;
}
