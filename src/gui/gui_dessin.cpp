// The manager's frame: projection and drawing every zone (needs the GL context).
#include <algorithm>

#include "base/journal.h"
#include "render/etat_gl.h"
#include "gui/gui.h"
#include "gui/mise_en_page.h"

namespace {

bool chevauchent(const ZoneGUI& a, const ZoneGUI& b) {
  return a.x < b.x + b.largeur && b.x < a.x + a.largeur && a.y < b.y + b.hauteur &&
         b.y < a.y + a.hauteur;
}

}  // namespace

void Gui::projection() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The whole window, so that one unit is exactly `echelle_` pixels even when the window's size
  // is no multiple of it.
  glOrtho(0, static_cast<double>(largeurPixels) / echelle_,
          static_cast<double>(hauteurPixels) / echelle_, 0, -256, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void Gui::dessiner() {
  detruireFermes();
  // The scene drawn before binds textures and sets blending its own way.
  oublierEtatGL();
  // No depth test: the zones are drawn back to front (below), which is all the depth test
  // did for them, and it would cost a depth read and write per pixel of every panel.
  glDisable(GL_DEPTH_TEST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);

  // Back to front by depth, in layers: a zone goes one layer above the highest zone it
  // overlaps among those behind it. Within a layer nothing overlaps, so all its frames and
  // texts are drawn in a few batches (one per texture), which is what a software renderer
  // needs; the layers keep every zone in front of those it covers.
  ordre_.clear();
  for (size_t i = 0; i < zones_.size(); ++i)
    if (zones_[i]) ordre_.push_back(i);
  std::stable_sort(ordre_.begin(), ordre_.end(),
                   [this](size_t a, size_t b) { return zones_[a]->z < zones_[b]->z; });
  niveaux_.assign(ordre_.size(), 0);
  int couches = 0;
  for (size_t k = 0; k < ordre_.size(); ++k) {
    const ZoneGUI& z = *zones_[ordre_[k]];
    for (size_t j = 0; j < k; ++j)
      if (niveaux_[j] >= niveaux_[k] && chevauchent(z, *zones_[ordre_[j]]))
        niveaux_[k] = niveaux_[j] + 1;
    couches = std::max(couches, niveaux_[k] + 1);
  }
  const size_t nombre = zones_.size();
  for (int c = 0; c < couches; ++c) {
    couche_.clear();
    // An owner may delete zones while drawing (EV_DESSINE): slots are re-read each time.
    for (size_t k = 0; k < ordre_.size(); ++k)
      if (niveaux_[k] == c && ordre_[k] < nombre && zones_[ordre_[k]])
        couche_.push_back(zones_[ordre_[k]]);
    dessinerCouche(couche_);
    for (size_t k = 0; k < ordre_.size(); ++k)
      if (niveaux_[k] == c && ordre_[k] < nombre && zones_[ordre_[k]])
        zones_[ordre_[k]]->transmettre(EV_DESSINE, 0, 0);
  }

  dessinerInfobulle(SDL_GetTicks());

  EtatSouris s;
  s.boutons = SDL_GetMouseState(&s.x, &s.y);
  repeter(sourisInterface(s), SDL_GetTicks());
}

void Gui::dessinerInfobulle(uint32_t maintenant) {
  const ZoneGUI* z = police_ ? zoneInfobulle(maintenant) : nullptr;
  if (z != infobulleMontree_ && z) journal("Infobulle : " + z->infobulle());
  infobulleMontree_ = z;
  if (!z) return;
  // A box of the buttons' look, as wide as its one line of text, over every zone.
  if (!bulle_) bulle_.reset(new ZoneGUI());
  ZoneGUI& b = *bulle_;
  b.appliquerStyle(styleBouton);
  if (b.texte() != z->infobulle()) b.setTexte(z->infobulle());
  static std::vector<GlyphePlace> glyphes;
  mettreEnPage(b.codes(), *police_, b.styleTexte, b.couleurTexte, 100000, glyphes);
  int texte = 0;
  for (const GlyphePlace& g : glyphes) texte = std::max(texte, g.x + g.avance);
  const int w = std::min<int>(largeur, texte + b.bordureGauche + b.bordureDroite + 4);
  int x = 0, y = 0;
  placerInfobulle(xDernier_, yDernier_, w, b.hauteur, x, y, z->y);
  b.x = static_cast<int16_t>(x);
  b.y = static_cast<int16_t>(y);
  b.largeur = static_cast<uint16_t>(w);
  dessinerCouche({&b});
}
