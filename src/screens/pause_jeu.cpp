#include "screens/pause_jeu.h"

#include <string>
#include <vector>

#include "base/traducteur.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "platform/options.h"
#include "screens/jeu_widgets.h"
#include "screens/touches_jeu.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

constexpr int LargeurPanneau = 240;
constexpr int LargeurBouton = 200;
constexpr int PasBouton = 30;

}  // namespace

struct PanneauPause::Widgets {
  Actions actions;
  std::unique_ptr<ImageGUI> fond;
  std::unique_ptr<LabelGUI> titre;
  std::vector<std::unique_ptr<BoutonGUI>> boutons;
};

PanneauPause::PanneauPause(Actions actions) : w_(std::make_unique<Widgets>()) {
  w_->actions = std::move(actions);
  const int W = gui ? gui->largeur : options.resXSure();
  const int H = gui ? gui->hauteur : options.resYSure();
  struct Choix {
    const char* cle;
    std::function<void()>* action;
  };
  std::vector<Choix> choix = {{"Continuer", &w_->actions.continuer},
                              {"Recommencer", &w_->actions.recommencer}};
  if (w_->actions.indice) choix.push_back({"MontreMoi", &w_->actions.indice});
  choix.push_back({"RetourMenu", &w_->actions.menu});

  const int hauteur = 40 + PasBouton * static_cast<int>(choix.size());
  const int x = W / 2 - LargeurPanneau / 2, y = H / 2 - hauteur / 2;
  w_->fond = fondSombre(x, y, LargeurPanneau, hauteur);
  w_->titre =
      std::make_unique<LabelGUI>(x + 20, y + 8, LargeurBouton, traduire("Pause"), RappelGUI(), 0);
  int yb = y + 36;
  for (const Choix& c : choix) {
    // The action runs after the click is over; it may close this panel, so it is copied first.
    std::function<void()>* action = c.action;
    const RappelGUI rappel = surClic([action] {
      if (!*action) return;
      const std::function<void()> a = *action;
      a();
    });
    const std::string texte = action == &w_->actions.indice ? avecToucheIndice(traduire(c.cle))
                              : action == &w_->actions.recommencer
                                  ? avecToucheRecommencer(traduire(c.cle))
                                  : traduire(c.cle);
    w_->boutons.push_back(std::make_unique<BoutonGUI>(W / 2 - LargeurBouton / 2, yb, LargeurBouton,
                                                      texte, rappel, 0));
    yb += PasBouton;
  }
}

PanneauPause::~PanneauPause() = default;
