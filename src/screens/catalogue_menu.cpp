#include "screens/catalogue_menu.h"

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "levels/progression.h"

namespace {

// A file whose every level was won ends its row with a green star.
std::string marqueTermine(const std::string& chemin, const Progression& progression) {
  return lireEtatFichier(chemin, progression).termine() ? " <c88ff88>*" : "";
}

}  // namespace

ListGUI* CatalogueMenu::construireListe() {
  liste_ = std::make_unique<ListGUI>(gui->largeur - 250, 50, 200, (gui->hauteur - 100) / 20);
  entrees_ = listerCatalogue();
  const Progression progression = progressionJoueur();
  for (const EntreeCatalogue& e : entrees_)
    liste_->ajouter(ElementListe{e.texte + marqueTermine(e.chemin, progression), 0, e.nom});
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
    raison_.reset();
    champ_.reset();
    invite_.reset();
    journal("Saisie du nom fermee");
    return;
  }
  // Everything stays left of the catalogue list (x 390 at 640 x 480): the prompt and the reason
  // 235 wide, the field 230, and the button under the reason's line end.
  invite_ =
      std::make_unique<LabelGUI>(151, 192, 235, traducteur->traduire("DemandNew"), RappelGUI(), 0);
  champ_ = std::make_unique<InputGUI>(
      151, 212, 230, "", LongueurMaxSaisieNom,
      [this](ZoneGUI*, int, int type, int x, int) {
        if (type == EV_TOUCHE && (x == '\r' || x == '\n')) validerNom();
      },
      0);
  champ_->setCaracteresPermis(CaracteresNomNiveau);
  raison_ = std::make_unique<LabelGUI>(151, 234, 235, "", RappelGUI(), 0);
  confirmer_ = std::make_unique<BoutonGUI>(321, 256, 60, traducteur->traduire("OK"),
                                           surClic([this] { validerNom(); }), 0);
  gui->setZoneFocus(champ_->zone());
  journal("Saisie du nom ouverte");
}

void CatalogueMenu::validerNom() {
  if (!champ_ || resultat_ == 2) return;
  const std::string nom = champ_->getTexte();
  const CreationNiveau verdict = creerNiveauUtilisateur(nom);
  if (verdict == CreationNiveau::Cree) {
    journal("Nouveau niveau " + nom);
    resultat_ = 2;
    return;
  }
  // Said under the field, and the keys stay in it (a click on the button took them away).
  const char* cle = cleCreationNiveau(verdict);
  if (verdict == CreationNiveau::PrisParJoueur) journal("Nom deja pris : " + nom);
  journal(std::string("Nom refuse (") + cle + ") : " + nom);
  raison_->zone()->setTexte("<cff9977>" + traducteur->traduire(cle));
  gui->setZoneFocus(champ_->zone());
}
