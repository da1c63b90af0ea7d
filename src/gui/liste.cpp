#include "gui/liste.h"

#include <SDL.h>

#include <algorithm>

#include "gui/gui.h"

ListGUI::ListGUI(int x, int y, int largeur, int nbLignes) : nbLignes_(std::max(0, nbLignes)) {
  const StyleGUI& s = gui->styleListe;
  const int hauteurLigne = std::max<int>(gui->styleLabel.hauteur, gui->styleBouton.hauteur);
  const int hauteurFond = nbLignes_ * hauteurLigne + s.bordureHaut + s.bordureBas;
  fond_ = gui->nouvelleZone();
  fond_->appliquerStyle(s);
  fond_->setPropriete(PROP_X, x);
  fond_->setPropriete(PROP_Y, y);
  fond_->setPropriete(PROP_LARGEUR, largeur);
  fond_->setPropriete(PROP_HAUTEUR, hauteurFond);

  const int fleche = std::max(s.flecheHautLargeur, s.flecheBasLargeur);
  for (int i = 0; i < nbLignes_; ++i) {
    lignes_.push_back(
        std::make_unique<LabelGUI>(x + s.bordureGauche, y + s.bordureHaut + i * hauteurLigne,
                                   largeur - 2 * s.bordureDroite - fleche, "", nullptr, i));
    lignes_.back()->setParent(this);
  }
  flecheHaut_ = std::make_unique<ImageGUI>(x + largeur - s.bordureDroite - s.flecheHautLargeur,
                                           y + s.bordureHaut, s.flecheHautLargeur,
                                           s.flecheHautHauteur, s.flecheHaut, nullptr, -1);
  flecheBas_ =
      std::make_unique<ImageGUI>(x + largeur - s.bordureDroite - s.flecheBasLargeur,
                                 y + hauteurFond - s.bordureBas - s.flecheBasHauteur,
                                 s.flecheBasLargeur, s.flecheBasHauteur, s.flecheBas, nullptr, -2);
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

void ListGUI::defiler(int32_t lignes) {
  const int32_t n = static_cast<int32_t>(elements_.size());
  premier_ = std::max(0, std::min(premier_ + lignes, n - nbLignes_));
  rafraichir();
}

void ListGUI::selectionner(int32_t index) {
  const int32_t n = static_cast<int32_t>(elements_.size());
  if (n == 0) return;
  selection_ = std::max(0, std::min(index, n - 1));
  if (selection_ < premier_) premier_ = selection_;
  else if (nbLignes_ > 0 && selection_ >= premier_ + nbLignes_)
    premier_ = selection_ - nbLignes_ + 1;
  rafraichir();
}

namespace {

char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool commencePar(const std::string& texte, const std::string& debut) {
  if (texte.size() < debut.size()) return false;
  for (size_t i = 0; i < debut.size(); ++i)
    if (minuscule(texte[i]) != minuscule(debut[i])) return false;
  return true;
}

}  // namespace

void ListGUI::taper(char c, uint32_t maintenant) {
  if (maintenant - dernierCaractere_ > 1000) tape_.clear();
  dernierCaractere_ = maintenant;
  tape_ += c;
  auto chercher = [&](const std::string& debut) {
    for (size_t i = 0; i < elements_.size(); ++i) {
      const ElementListe& e = elements_[i];
      if (commencePar(e.cle.empty() ? e.texte : e.cle, debut)) return static_cast<int32_t>(i);
    }
    return int32_t{-1};
  };
  int32_t trouve = chercher(tape_);
  if (trouve < 0 && tape_.size() > 1) {
    // No name goes on that way: the letter starts a new search.
    tape_ = std::string(1, c);
    trouve = chercher(tape_);
  }
  if (trouve >= 0) selectionner(trouve);
}

void ListGUI::evenement(ZoneGUI* zone, int partie, int type, int x, int y) {
  const int32_t n = static_cast<int32_t>(elements_.size());
  if (type == EV_MOLETTE) {
    defiler(3 * x);
    return;
  }
  if (type == EV_TOUCHE_NAV || (type == EV_TOUCHE && x > ' ' && x < 127)) {
    const int32_t avant = selection_;
    const int32_t page = std::max(1, nbLignes_);
    if (type == EV_TOUCHE) taper(static_cast<char>(x), SDL_GetTicks());
    else if (x == SDLK_UP) selectionner(selection_ - 1);
    else if (x == SDLK_DOWN) selectionner(selection_ + 1);
    else if (x == SDLK_PAGEUP) selectionner(selection_ - page);
    else if (x == SDLK_PAGEDOWN) selectionner(selection_ + page);
    else if (x == SDLK_HOME) selectionner(0);
    else if (x == SDLK_END) selectionner(n - 1);
    if (selection_ != avant) notifier(zone, EV_CHOIX, selection_, 0);
    return;
  }
  if (type == EV_APPUI || type == EV_REPETE) {
    if (partie == -1 && premier_ > 0) --premier_;
    else if (partie == -2 && premier_ + nbLignes_ < n) ++premier_;
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
