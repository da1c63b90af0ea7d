#include "screens/catalogue_menu.h"

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "levels/reprise.h"

namespace {

// A file whose every level was won ends its row with a green star; one whose every level has
// gold, with two gold stars (shape and colour both differ, for colour-blind players too).
std::string marqueFichier(const EtatFichier& e) {
  if (e.toutEnOr()) return std::string(" ") + couleurMedaille(Medaille::Or) + "**";
  return e.termine() ? " <c88ff88>*" : "";
}

}  // namespace

ListGUI* CatalogueMenu::construireListe() {
  liste_ = std::make_unique<ListGUI>(gui->largeur - 250, 50, 200, (gui->hauteur - 100) / 20);
  entrees_ = listerCatalogue();
  etats_.clear();
  const Progression progression = progressionJoueur();
  for (const EntreeCatalogue& e : entrees_) {
    etats_.push_back(lireEtatFichier(e.chemin, progression));
    liste_->ajouter(ElementListe{e.texte + marqueFichier(etats_.back()), 0, e.nom});
  }
  liste_->rafraichir();
  // Where the player left off: the file played last, after a restart of the game too.
  const std::string dernier = progression.dernierFichier();
  const int indice = indiceCatalogue(entrees_, dernier);
  if (indice >= 0) {
    liste_->selectionner(indice);
    journal("Catalogue : dernier fichier " + entrees_[static_cast<size_t>(indice)].nom);
  } else if (!dernier.empty()) {
    journal("Catalogue : dernier fichier absent " + dernier);
  }
  // The keys move through the list until another widget takes them (the name field).
  if (!gui->zoneFocus() && liste_->ligne(0)) gui->setZoneFocus(liste_->ligne(0)->zone());
  return liste_.get();
}

const EntreeCatalogue* CatalogueMenu::selection() const {
  if (!liste_) return nullptr;
  const int32_t i = liste_->selection();
  return i >= 0 && i < static_cast<int32_t>(entrees_.size()) ? &entrees_[i] : nullptr;
}

const EtatFichier* CatalogueMenu::etatSelection() const {
  if (!liste_) return nullptr;
  const int32_t i = liste_->selection();
  return i >= 0 && i < static_cast<int32_t>(etats_.size()) ? &etats_[i] : nullptr;
}

CompteMedailles CatalogueMenu::medailles() const {
  CompteMedailles c;
  for (const EtatFichier& e : etats_)
    for (int n = 1; n <= e.total; ++n) c.ajouter(e.medaille(n), e.objectifsNiveau(n).existent());
  return c;
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
