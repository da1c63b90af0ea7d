#include "screens/jeu_widgets.h"

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "base/journal.h"
#include "base/traducteur.h"
#include "game/bombes.h"
#include "game/donnees_action.h"
#include "game/terrain.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "platform/options.h"
#include "render/etat_gl.h"
#include "render/textures.h"
#include "screens/aide_touches.h"
#include "screens/dessin_medailles.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// The quit button: the level counts as lost (unless a result is already there: the first one
// stays) and the action thread stops at its next step.
void surQuitter() {
  donneesAction.arret = true;
  donneesAction.proposerResultat(Perdu);
}

// A dark backing under a label, drawn before it.
std::unique_ptr<ImageGUI> fondLabel(int x, int y, int largeur) {
  return fondSombre(x, y, largeur, 20);
}

}  // namespace

struct WidgetsNiveau::Widgets {
  std::function<void()> quandQuitter;  // empty: the quit button gives the level up at once
  std::unique_ptr<BoutonGUI> depart, quitter;
  std::unique_ptr<ImageGUI> fondBombes, fondInfos, fondTemps;
  std::unique_ptr<LabelGUI> bombes, entree, infos, temps, touches;
  std::unique_ptr<ImageGUI> fondResultat, resultat;
  std::unique_ptr<ImageGUI> fondObjectifs, fondMedaille, disque;
  std::unique_ptr<LabelGUI> objectifs, medaille;
  int32_t bombesAffichees = -1;
  std::string infosAffichees;
};

namespace {

int largeurEcran() { return gui ? gui->largeur : options.resXSure(); }
int hauteurEcran() { return gui ? gui->hauteur : options.resYSure(); }

}  // namespace

GLuint textureSombre() {
  static GLuint tex = 0;
  if (tex != 0 && glIsTexture(tex)) return tex;
  tex = creerTexture(1, 1, 4, GL_RGBA);
  const uint8_t pixel[4] = {0, 0, 0, 170};
  lierTexture(tex);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  return tex;
}

std::unique_ptr<ImageGUI> fondSombre(int x, int y, int largeur, int hauteur) {
  auto fond = std::make_unique<ImageGUI>(x, y, largeur, hauteur, textureSombre(), nullptr, 0);
  fond->zone()->setMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  return fond;
}

WidgetsNiveau::WidgetsNiveau() : w_(std::make_unique<Widgets>()) {}

void WidgetsNiveau::abandonner() { surQuitter(); }

void WidgetsNiveau::quandQuitter(std::function<void()> action) {
  w_->quandQuitter = std::move(action);
}

RappelGUI WidgetsNiveau::rappelQuitter() {
  Widgets* w = w_.get();
  return surClic([w] {
    if (!w->quandQuitter) {
      surQuitter();
      return;
    }
    // Copied first: what it does may take this button away.
    const std::function<void()> a = w->quandQuitter;
    a();
  });
}
WidgetsNiveau::~WidgetsNiveau() = default;

void WidgetsNiveau::commencer() {
  const int rx = largeurEcran(), ry = hauteurEcran();
  // The whole level leaves a band free at the bottom: the hint sits there, off the cells.
  w_->depart =
      std::make_unique<BoutonGUI>(rx / 2 - 150, ry - 26, 300, traduire("Start"), nullptr, 0);
  w_->quitter = std::make_unique<BoutonGUI>(rx - 50, 0, 50, traduire("Quit"), rappelQuitter(), 0);
  // The keys as the options bind them, under the start hint.
  w_->touches =
      std::make_unique<LabelGUI>(rx / 2 - 300, ry - 46, 600, ligneAideTouches(), nullptr, 0);
}

void WidgetsNiveau::montrerInfos(const std::string& texte) {
  if (!w_->infos) {
    const int x = 104, largeur = std::max(100, largeurEcran() - 160);
    w_->fondInfos = fondLabel(x, 0, largeur);
    w_->infos = std::make_unique<LabelGUI>(x, 0, largeur, "", nullptr, 0);
  }
  if (texte == w_->infosAffichees) return;
  w_->infos->zone()->setTexte(texte);
  w_->infosAffichees = texte;
}

void WidgetsNiveau::montrerObjectifs(const std::string& texte) {
  // Under the info line and the quit button, in the band the whole level leaves free at the top:
  // the window's whole width, for the longest language.
  const int x = 4, largeur = std::max(100, largeurEcran() - 8);
  w_->fondObjectifs = fondLabel(x, 22, largeur);
  w_->objectifs = std::make_unique<LabelGUI>(x, 22, largeur, texte, nullptr, 0);
}

void WidgetsNiveau::lancer() {
  w_->depart.reset();
  w_->touches.reset();
  w_->objectifs.reset();
  w_->fondObjectifs.reset();
  if (!w_->bombes) {
    w_->fondBombes = fondLabel(0, 0, 100);
    w_->bombes = std::make_unique<LabelGUI>(0, 0, 100, "", nullptr, 0);
  }
  w_->bombesAffichees = -1;
}

void WidgetsNiveau::recommencer() {
  w_->fondResultat.reset();
  w_->resultat.reset();
  w_->entree.reset();
  w_->temps.reset();
  w_->fondTemps.reset();
  w_->medaille.reset();
  w_->disque.reset();
  w_->fondMedaille.reset();
  if (!w_->quitter)
    w_->quitter = std::make_unique<BoutonGUI>(largeurEcran() - 50, 0, 50, traduire("Quit"),
                                              rappelQuitter(), 0);
}

bool WidgetsNiveau::bombesVisibles() const { return w_->bombes != nullptr; }

void WidgetsNiveau::montrerBombes(int32_t bombes) {
  if (!w_->bombes || bombes == w_->bombesAffichees) return;
  w_->bombes->zone()->setTexte(texteBombes(traduire("Bomb"), bombes));
  w_->bombesAffichees = bombes;
  journal("Bombes " + std::to_string(bombes));
}

void WidgetsNiveau::retirerQuitter() { w_->quitter.reset(); }

void WidgetsNiveau::montrerResultat(GLuint texture, bool rejouable, const std::string& temps) {
  const int w = largeurEcran(), h = hauteurEcran();
  const int y = static_cast<int>(h * 0.85) - 128;
  w_->fondResultat =
      std::make_unique<ImageGUI>(w / 2 - 512, y, 1024, 128, textures.texCache, nullptr, 0);
  w_->resultat = std::make_unique<ImageGUI>(w / 2 - 256, y, 512, 128, texture, nullptr, 0);
  w_->resultat->zone()->setMelange(GL_ONE, GL_ONE);
  const int largeurEntree = rejouable ? 420 : 250;
  w_->entree = std::make_unique<LabelGUI>(w - largeurEntree, h - 20, largeurEntree,
                                          traduire(rejouable ? "EnterPerdu" : "Enter"), nullptr, 0);
  if (!temps.empty()) {
    w_->fondTemps = fondLabel(w / 2 - 200, y + 128, 400);
    w_->temps = std::make_unique<LabelGUI>(w / 2 - 190, y + 128, 390, temps, nullptr, 0);
  }
}

void WidgetsNiveau::montrerMedaille(Medaille medaille, const std::string& texte) {
  if (texte.empty()) return;
  const int w = largeurEcran(), h = hauteurEcran();
  const int y = static_cast<int>(h * 0.85) + 20;
  w_->fondMedaille = fondSombre(w / 2 - 230, y, 460, 28);
  w_->disque = disqueMedaille(w / 2 - 226, y + 2, 24, medaille);
  w_->medaille = std::make_unique<LabelGUI>(w / 2 - 196, y + 4, 422, texte, nullptr, 0);
}

void WidgetsNiveau::retirerResultat() {
  w_->medaille.reset();
  w_->disque.reset();
  w_->fondMedaille.reset();
  w_->objectifs.reset();
  w_->fondObjectifs.reset();
  w_->fondResultat.reset();
  w_->resultat.reset();
  w_->entree.reset();
  w_->temps.reset();
  w_->fondTemps.reset();
  w_->infos.reset();
  w_->fondInfos.reset();
  w_->depart.reset();
  w_->touches.reset();
  w_->quitter.reset();
}

void WidgetsNiveau::retirerBombes() {
  w_->bombes.reset();
  w_->fondBombes.reset();
}
