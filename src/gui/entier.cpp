#include "gui/entier.h"

#include "base/texte.h"
#include "gui/gui.h"

IntGUI::IntGUI(int32_t valeur, int32_t min, int32_t max, int x, int y, int largeur,
               RappelGUI rappel, int donnee)
    : valeur_(valeur), min_(min), max_(max) {
  setRappel(std::move(rappel), donnee);
  moins_ = std::make_unique<BoutonGUI>(x, y, 10, "-", nullptr, 0);
  plus_ = std::make_unique<BoutonGUI>(x + largeur - 10, y, 10, "+", nullptr, 1);
  affichage_ = std::make_unique<BoutonGUI>(x + 10, y, largeur - 20, "", nullptr, 2);
  moins_->setParent(this);
  plus_->setParent(this);
  affichage_->setParent(this);
  rafraichir();
}

void IntGUI::setValeur(int32_t v) {
  if (v > max_) v = max_;
  if (v < min_) v = min_;
  valeur_ = v;
  rafraichir();
}

void IntGUI::setMax(int32_t v) {
  max_ = v;
  if (valeur_ > v) {
    valeur_ = v < min_ ? min_ : v;
    rafraichir();
  }
}

void IntGUI::rafraichir() {
  char texte[32];
  entierVersTexte(valeur_, texte, 10, 31);
  affichage_->zone()->setTexte(texte);
}

void IntGUI::evenement(ZoneGUI* zone, int partie, int type, int x, int y) {
  if (type == EV_APPUI || type == EV_REPETE) {
    bool vivant = true;
    if (partie == 0 && valeur_ > min_) {
      --valeur_;
      vivant = notifier(zone, EV_MOINS, x, y);
    } else if (partie == 1 && valeur_ < max_) {
      ++valeur_;
      vivant = notifier(zone, EV_PLUS, x, y);
    }
    if (!vivant) return;
    rafraichir();
  }
  notifier(zone, type, x, y);
}
