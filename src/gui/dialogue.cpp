#include "gui/dialogue.h"

#include "gui/gui.h"

DialogueGUI::DialogueGUI(int largeur, int hauteur) : largeur_(largeur), hauteur_(hauteur) {
  fond_ = gui->nouvelleZone();
  fond_->appliquerStyle(gui->stylePanneau);
  fond_->setPropriete(PROP_X, (gui->largeur - largeur) / 2);
  fond_->setPropriete(PROP_Y, (gui->hauteur - hauteur) / 2);
  fond_->setPropriete(PROP_LARGEUR, largeur);
  fond_->setPropriete(PROP_HAUTEUR, hauteur);
  xBouton_ = fond_->x + 5;
  yLigne_ = (hauteur + gui->hauteur) / 2 - gui->styleBouton.hauteur - 10;
}

DialogueGUI::~DialogueGUI() {
  boutons_.clear();
  elements_.clear();
  fond_.reset();
}

void DialogueGUI::setTitre(const std::string& texte) { fond_->setTexte(texte); }

RappelGUI DialogueGUI::devant(RappelGUI rappel) {
  if (!rappel) return rappel;
  // The widgets, and so this function, go with the dialog: `this` outlives every call.
  return [this, rappel = std::move(rappel)](ZoneGUI* z, int d, int type, int x, int y) {
    if (gui && gui->dialogueActif(this)) rappel(z, d, type, x, y);
  };
}

BoutonGUI* DialogueGUI::ajouterBouton(const std::string& texte, RappelGUI rappel, int donnee) {
  const int bas = fond_->y + hauteur_;
  auto b = std::make_unique<BoutonGUI>(xBouton_, bas - gui->styleBouton.hauteur - 5, 80, texte,
                                       devant(std::move(rappel)), donnee);
  xBouton_ += 85;
  BoutonGUI* p = b.get();
  boutons_.push_back(std::move(b));
  return p;
}

void DialogueGUI::etiquette(const std::string& texte, int hauteurLigne) {
  yLigne_ -= hauteurLigne;
  if (!texte.empty() && texte[0] == '\n') return;
  elements_.push_back(
      std::make_unique<LabelGUI>(fond_->x + 5, yLigne_, colonne() - 10, texte, nullptr, 0));
}

IntGUI* DialogueGUI::ajouterEntier(const std::string& texte, int32_t valeur, int32_t min,
                                   int32_t max) {
  etiquette(texte, gui->styleBouton.hauteur);
  auto w = std::make_unique<IntGUI>(valeur, min, max, fond_->x + largeur_ - colonne() + 5, yLigne_,
                                    colonne() - 10, nullptr, 0);
  IntGUI* p = w.get();
  elements_.push_back(std::move(w));
  return p;
}

BoutonGUI* DialogueGUI::ajouterBoutonLigne(const std::string& texte, const std::string& texteBouton,
                                           RappelGUI rappel, int donnee) {
  etiquette(texte, gui->styleBouton.hauteur);
  auto w = std::make_unique<BoutonGUI>(fond_->x + largeur_ - colonne() + 5, yLigne_, colonne() - 10,
                                       texteBouton, devant(std::move(rappel)), donnee);
  BoutonGUI* p = w.get();
  elements_.push_back(std::move(w));
  return p;
}

ColorGUI* DialogueGUI::ajouterCouleur(const std::string& texte, int hauteur, int mode,
                                      const float* valeur, RappelGUI rappel, int donnee) {
  etiquette(texte, hauteur + 1);
  auto w = std::make_unique<ColorGUI>(fond_->x + largeur_ - colonne() + 5, yLigne_, colonne() - 10,
                                      hauteur, devant(std::move(rappel)), donnee);
  if (mode == 0 && valeur) w->setCoins(valeur);
  else if (mode == 1) w->setArcEnCiel();
  ColorGUI* p = w.get();
  elements_.push_back(std::move(w));
  return p;
}

LabelGUI* DialogueGUI::ajouterTexte(const std::string& texte) {
  yLigne_ -= gui->styleLabel.hauteur;
  auto w = std::make_unique<LabelGUI>(fond_->x + 5, yLigne_, largeur_ - 10, texte, nullptr, 0);
  LabelGUI* p = w.get();
  elements_.push_back(std::move(w));
  return p;
}

ChoixCouleurGUI::ChoixCouleurGUI(const std::string& titre, const float* initiale, int largeur,
                                 int hauteur, RappelGUI rappel, const std::string& texteBouton1,
                                 int donnee1, const std::string& texteBouton2, int donnee2)
    : DialogueGUI(largeur, hauteur) {
  ajouterBouton(texteBouton1, rappel, donnee1);
  ajouterBouton(texteBouton2, rappel, donnee2);
  setTitre(titre);
  setRatio(1.0f);
  apercu_ = ajouterCouleur("", 20, 1, nullptr, nullptr, 0);
  barre_ = ajouterCouleur("", 20, 1, nullptr, &ChoixCouleurGUI::relierCouleurs, 2);
  arcEnCiel_ = ajouterCouleur("", hauteur - 100, 1, nullptr, &ChoixCouleurGUI::relierCouleurs, 1);
  if (initiale) {
    arcEnCiel_->placerSur(initiale);
    const float* a = arcEnCiel_->couleur();
    const float teinte[4] = {a[0], a[1], a[2], 1};
    barre_->setTeinte(teinte);
    barre_->placerSur(initiale);
    const float* b = barre_->couleur();
    const float uni[4] = {b[0], b[1], b[2], 1};
    apercu_->setUniforme(uni);
  } else {
    // No colour to start from: the rainbow's corner hue, full strength, rather than a bar and
    // a swatch that show rainbows until the first click.
    const float* a = arcEnCiel_->couleur();
    const float teinte[4] = {a[0], a[1], a[2], 1};
    barre_->setTeinte(teinte);
    barre_->viser(static_cast<float>(barre_->zone()->largeur / 2), 0);
    apercu_->setUniforme(teinte);
  }
  arcEnCiel_->marqueur = ColorGUI::Losange;
  barre_->marqueur = ColorGUI::LigneVerticale;
  arcEnCiel_->utilisateur = barre_->utilisateur = apercu_->utilisateur = this;
}

void ChoixCouleurGUI::relierCouleurs(ZoneGUI* zone, int donnee, int type, int, int) {
  if (type != EV_RELACHE && type != EV_REPETE) return;
  auto* w = dynamic_cast<ColorGUI*>(zone->getProprietaire(PROP_PROPRIETAIRE));
  if (!w || !w->utilisateur) return;
  auto* c = static_cast<ChoixCouleurGUI*>(w->utilisateur);
  if (donnee == 1) {
    const float* a = c->arcEnCiel_->couleur();
    const float teinte[4] = {a[0], a[1], a[2], 1};
    c->barre_->setTeinte(teinte);
  }
  if (donnee == 1 || donnee == 2) {
    const float* b = c->barre_->couleur();
    const float uni[4] = {b[0], b[1], b[2], 1};
    c->apercu_->setUniforme(uni);
  }
}

void ChoixCouleurGUI::getCouleur(float* out, int n) const {
  const float* c = apercu_->couleur();
  for (int i = 0; i < n && i < 4; ++i) out[i] = i < 3 ? c[i] : 1.0f;
}
