#pragma once
// Until the shared GL state path exists: binds and blending set only on change.
#include "render/gl.h"

namespace etat_provisoire {
inline GLuint texture = 0;
inline bool texteConnue = false;
}  // namespace etat_provisoire

inline void lierTexture(GLuint t) {
  if (etat_provisoire::texteConnue && etat_provisoire::texture == t) return;
  glBindTexture(GL_TEXTURE_2D, t);
  etat_provisoire::texture = t;
  etat_provisoire::texteConnue = true;
}
inline void activerMelange(bool oui) {
  if (oui)
    glEnable(GL_BLEND);
  else
    glDisable(GL_BLEND);
}
inline void fonctionMelange(GLenum s, GLenum d) { glBlendFunc(s, d); }
inline void oublierEtatGL() { etat_provisoire::texteConnue = false; }
