// The manager's frame: projection and drawing every zone (needs the GL context).
#include <algorithm>

#include "gui/etat_gl_provisoire.h"
#include "gui/gui.h"

void Gui::projection() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, largeur, hauteur, 0, -256, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void Gui::dessiner() {
  viderCorbeille();
  // The scene drawn before binds textures and sets blending its own way.
  oublierEtatGL();
  glClear(GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);

  // Back to front: a text is drawn without depth test, so a zone in front must come after every
  // zone behind it whatever their slots in the list.
  ordre_.clear();
  for (size_t i = 0; i < zones_.size(); ++i)
    if (zones_[i]) ordre_.push_back(i);
  std::stable_sort(ordre_.begin(), ordre_.end(),
                   [this](size_t a, size_t b) { return zones_[a]->z < zones_[b]->z; });
  const size_t nombre = zones_.size();
  for (size_t i : ordre_)
    // A zone's owner may delete zones while drawing: re-read the slot each time.
    if (i < nombre && zones_[i]) zones_[i]->dessiner();

  glDisable(GL_DEPTH_TEST);
  EtatSouris s;
  s.boutons = SDL_GetMouseState(&s.x, &s.y);
  repeter(s, SDL_GetTicks());
}
