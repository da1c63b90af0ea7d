#include "gui/liste.h"

#include <algorithm>

#include "gui/gui.h"

ListGUI::ListGUI(int x, int y, int largeur, int nbLignes)
    : nbLignes_(std::max(0, nbLignes)) {
  const StyleGUI& s = gui->styleListe;
  const int hauteurLigne = std::max<int>(gui->styleLabel.hauteur, gui->styleBouton.hauteur);
  const int hauteurFond = nbLignes_ * hauteurLigne + s.bordureHaut + s.bordureBas;
  fond_.reset(gui->nouvelleZone());
  fond_->appliquerStyle(s);
  fond_->setPropriete(PROP_X, x);
  fond_->setPropriete(PROP_Y, y);
  fond_->setPropriete(PROP_LARGEUR, largeur);
  fond_->setPropriete(PROP_HAUTEUR, hauteurFond);

  const int fleche = std::max(s.flecheHautLargeur, s.flecheBasLargeur);
  for (int i = 0; i < nbLignes_; ++i) {
    lignes_.push_back(std::make_unique<LabelGUI>(x + s.bordureGauche,
                                                 y + s.bordureHaut + i * hauteurLigne,
                                                 largeur - 2 * s.bordureDroite - fleche, "",
                                                 nullptr, i));
    lignes_.back()->setParent(this);
  }
  flecheHaut_ = std::make_unique<ImageGUI>(x + largeur - s.bordureDroite - s.flecheHautLargeur,
                                           y + s.bordureHaut, s.flecheHautLargeur,
                                           s.flecheHautHauteur, s.flecheHaut, nullptr, -1);
  flecheBas_ = std::make_unique<ImageGUI>(
      x + largeur - s.bordureDroite - s.flecheBasLargeur,
      y + hauteurFond - s.bordureBas - s.flecheBasHauteur, s.flecheBasLargeur,
      s.flecheBasHauteur, s.flecheBas, nullptr, -2);
  flecheHaut_->setParent(this);
  flecheBas_->setParent(this);
}

ListGUI::~ListGUI() = default;

void ListGUI::ajouter(const ElementListe& element) { elements_.push_back(element); }

void ListGUI::vider() {
  elements_.clear();
  premier_ = 0;
  selection_ = 0;
  rafraichir();
}

void ListGUI::rafraichir() {
  const int32_t n = static_cast<int32_t>(elements_.size());
  for (int32_t i = 0; i < nbLignes_; ++i) {
    ZoneGUI* z = lignes_[static_cast<size_t>(i)]->zone();
    const int32_t k = premier_ + i;
    if (k >= 0 && k < n) {
      z->setTexte(elements_[static_cast<size_t>(k)].texte);
      z->appliquerStyle(k == selection_ ? gui->styleBouton : gui->styleLabel);
    } else {
      // A row past the last item shows nothing (items may have been removed since).
      z->setTexte("");
      z->appliquerStyle(gui->styleLabel);
    }
  }
}

void ListGUI::evenement(ZoneGUI* zone, int partie, int type, int x, int y) {
  const int32_t n = static_cast<int32_t>(elements_.size());
  if (type == EV_APPUI || type == EV_REPETE) {
    if (partie == -1 && premier_ > 0)
      --premier_;
    else if (partie == -2 && premier_ + nbLignes_ < n)
      ++premier_;
    rafraichir();
  } else if (type == EV_RELACHE && partie >= 0) {
    const int32_t index = partie + premier_;
    if (index < n) {
      selection_ = index;
      if (!notifier(zone, EV_CHOIX, index, 0)) return;
    }
    rafraichir();
  }
  notifier(zone, type, x, y);
}
