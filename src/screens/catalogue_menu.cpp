#include "screens/catalogue_menu.h"

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"

ListGUI* CatalogueMenu::construireListe() {
  liste_ = std::make_unique<ListGUI>(gui->largeur - 250, 50, 200, (gui->hauteur - 100) / 20);
  entrees_ = listerCatalogue();
  for (const EntreeCatalogue& e : entrees_) liste_->ajouter(ElementListe{e.texte, 0, e.nom});
  liste_->rafraichir();
  // The keys move through the list until another widget takes them (the name field).
  if (!gui->zoneFocus() && liste_->ligne(0)) gui->setZoneFocus(liste_->ligne(0)->zone());
  return liste_.get();
}

const EntreeCatalogue* CatalogueMenu::selection() const {
  if (!liste_) return nullptr;
  const int32_t i = liste_->selection();
  return i >= 0 && i < static_cast<int32_t>(entrees_.size()) ? &entrees_[i] : nullptr;
}

bool CatalogueMenu::selectionModifiable() const {
  const EntreeCatalogue* e = selection();
  return e && e->modifiable;
}

void CatalogueMenu::basculerSaisieNom() {
  if (champ_) {
    confirmer_.reset();
    champ_.reset();
    invite_.reset();
    return;
  }
  invite_ = std::make_unique<LabelGUI>(151, 192, 260, traducteur->traduire("DemandNew"),
                                       RappelGUI(), 0);
  champ_ = std::make_unique<InputGUI>(
      151, 212, 230, "", LongueurMaxSaisieNom,
      [this](ZoneGUI*, int, int type, int x, int) {
        if (type == EV_TOUCHE && (x == '\r' || x == '\n')) validerNom();
      },
      0);
  champ_->setCaracteresPermis(CaracteresNomNiveau);
  confirmer_ = std::make_unique<BoutonGUI>(381, 212, 30, traducteur->traduire("OK"),
                                           [this](ZoneGUI*, int, int type, int, int) {
                                             if (type == EV_RELACHE) validerNom();
                                           },
                                           0);
  gui->setZoneFocus(champ_->zone());
}

void CatalogueMenu::validerNom() {
  if (!champ_ || resultat_ == 2) return;
  const std::string nom = champ_->getTexte();
  switch (creerNiveauUtilisateur(nom)) {
    case CreationNiveau::Cree:
      journal("Nouveau niveau " + nom);
      resultat_ = 2;
      break;
    case CreationNiveau::Existe:
      journal("Nom deja pris : " + nom);
      break;
    case CreationNiveau::NomRefuse:
    case CreationNiveau::Echec:
      break;
  }
}
