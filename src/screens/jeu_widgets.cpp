#include "screens/jeu_widgets.h"

#include <string>

#include "base/traducteur.h"
#include "game/bombes.h"
#include "game/donnees_action.h"
#include "game/terrain.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "platform/options.h"
#include "render/textures.h"
#include "screens/aide_touches.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// The quit button: the level counts as lost (unless a result is already there: the first one
// stays) and the action thread stops at its next step.
void surQuitter(ZoneGUI*, int, int type, int, int) {
  if (type != EV_RELACHE) return;
  donneesAction.arret = true;
  donneesAction.proposerResultat(Perdu);
}

}  // namespace

struct WidgetsNiveau::Widgets {
  std::unique_ptr<BoutonGUI> depart, quitter;
  std::unique_ptr<LabelGUI> bombes, entree, touches;
  std::unique_ptr<ImageGUI> fondResultat, resultat;
  int32_t bombesAffichees = -1;
};

WidgetsNiveau::WidgetsNiveau() : w_(std::make_unique<Widgets>()) {}
WidgetsNiveau::~WidgetsNiveau() = default;

void WidgetsNiveau::commencer() {
  const int rx = options.resXSure(), ry = options.resYSure();
  w_->depart = std::make_unique<BoutonGUI>(rx / 2 - 150, static_cast<int>(ry * 0.75) - 10, 300,
                                           traduire("Start"), nullptr, 0);
  w_->quitter = std::make_unique<BoutonGUI>(rx - 50, 0, 50, traduire("Quit"), surQuitter, 0);
  // The keys as the options bind them, under the start hint.
  w_->touches = std::make_unique<LabelGUI>(rx / 2 - 300, static_cast<int>(ry * 0.75) + 14, 600,
                                           ligneAideTouches(), nullptr, 0);
}

void WidgetsNiveau::lancer() {
  w_->depart.reset();
  w_->touches.reset();
  w_->bombes = std::make_unique<LabelGUI>(0, 0, 100, "", nullptr, 0);
  w_->bombesAffichees = -1;
}

bool WidgetsNiveau::bombesVisibles() const { return w_->bombes != nullptr; }

void WidgetsNiveau::montrerBombes(int32_t bombes) {
  if (!w_->bombes || bombes == w_->bombesAffichees) return;
  w_->bombes->zone()->setTexte(texteBombes(traduire("Bomb"), bombes));
  w_->bombesAffichees = bombes;
}

void WidgetsNiveau::retirerQuitter() { w_->quitter.reset(); }

void WidgetsNiveau::montrerResultat(GLuint texture) {
  const int w = gui ? gui->largeur : options.resXSure();
  const int h = gui ? gui->hauteur : options.resYSure();
  const int y = static_cast<int>(h * 0.85) - 128;
  w_->fondResultat = std::make_unique<ImageGUI>(w / 2 - 512, y, 1024, 128, textures.texCache,
                                                nullptr, 0);
  w_->resultat = std::make_unique<ImageGUI>(w / 2 - 256, y, 512, 128, texture, nullptr, 0);
  w_->resultat->zone()->setMelange(GL_ONE, GL_ONE);
  w_->entree = std::make_unique<LabelGUI>(w - 250, h - 20, 250, traduire("Enter"), nullptr, 0);
}

void WidgetsNiveau::retirerResultat() {
  w_->fondResultat.reset();
  w_->resultat.reset();
  w_->entree.reset();
  w_->depart.reset();
  w_->touches.reset();
  w_->quitter.reset();
}

void WidgetsNiveau::retirerBombes() { w_->bombes.reset(); }
