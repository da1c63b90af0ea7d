#include "editor/etat_editeur.h"

#include <algorithm>

#include <cmath>
#include <filesystem>
#include <functional>
#include <utility>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "render/textures.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

void bordures(ZoneGUI* z, uint8_t v) {
  z->bordureHaut = z->bordureBas = z->bordureGauche = z->bordureDroite = v;
}

// Each level opens seen straight on its start cell rather than sweeping in from the corner.
std::vector<Niveau> vusDeFace(std::vector<Niveau> niveaux) {
  for (Niveau& n : niveaux) {
    n.camera.oeilX = n.camera.centreX;
    n.camera.oeilY = n.camera.centreY;
  }
  return niveaux;
}

}  // namespace

EtatEditeur::EtatEditeur(std::string chemin, std::vector<Niveau> niveaux, int ecranL, int ecranH)
    : document_(std::move(chemin), vusDeFace(std::move(niveaux))),
      ecranL_(ecranL),
      ecranH_(ecranH) {
  dossierUtilisateur_ = std::filesystem::path(document_.chemin()).parent_path().string();
  for (int i = 0; i < NombreOutilsCases; ++i) {
    outils_[static_cast<size_t>(i)] =
        std::make_unique<ImageGUI>(1 + 32 * i, 1, 32, 32, textures.texBoutonsEdit[i],
                                   surClic([this, i] { choisirOutil(i); }), i);
  }
  int bx = 0, by = 0;
  placeOutilBalle(ecranL_, bx, by);
  outils_[OutilBalle] =
      std::make_unique<ImageGUI>(bx, by, 32, 32, textures.texBoutonsEdit[OutilBalle],
                                 surClic([this] { choisirOutil(OutilBalle); }), OutilBalle);
  placeOutilSelection(ecranL_, bx, by);
  outils_[OutilSelection] =
      std::make_unique<ImageGUI>(bx, by, 32, 32, textures.texBoutonsEdit[OutilSelection],
                                 surClic([this] { choisirOutil(OutilSelection); }), OutilSelection);

  spinner_ = std::make_unique<IntGUI>(1, 1, static_cast<int32_t>(document_.nombre()), 1,
                                      ecranH_ - 53, 64, RappelGUI(), 0);
  const struct {
    int x;
    GLuint texture;
    int donnee;
  } commandes[] = {{1, textures.texPlus, CmdAjouter},
                   {33, textures.texMoins, CmdSupprimer},
                   {65, textures.texOptions, CmdProprietes},
                   {97, textures.texSave, CmdSauver},
                   {129, textures.texCroix, CmdQuitter}};
  for (const auto& c : commandes)
    commandes_.push_back(std::make_unique<ImageGUI>(c.x, ecranH_ - 33, 32, 32, c.texture,
                                                    surClic([this, d = c.donnee] { commande(d); }),
                                                    c.donnee));
  // Right of the spinner, above the command buttons: clear of the notice and of the test-play
  // button along the bottom edge.
  const auto boutonHistorique = [this](int x, const char* cle, bool enArriere) {
    return std::make_unique<BoutonGUI>(
        x, ecranH_ - 53, 86, traduire(cle), surClic([this, enArriere] {
          if ((enArriere ? annuler() : refaire()) || dialogueOuvert()) return;
          journal(enArriere ? "Rien à annuler" : "Rien à refaire");
        }),
        0);
  };
  boutonAnnuler_ = boutonHistorique(67, "Defaire", true);
  boutonRefaire_ = boutonHistorique(155, "Refaire", false);
  std::copy(boutonAnnuler_->zone()->couleurTexte, boutonAnnuler_->zone()->couleurTexte + 3,
            couleurBouton_);
}

EtatEditeur::~EtatEditeur() {
  fermerChoixCouleur();
  fermerDialogue();
  if (gui) gui->detruireFermes();
  commandes_.clear();
  boutonAnnuler_.reset();
  boutonRefaire_.reset();
  for (auto& o : outils_) o.reset();
  spinner_.reset();
}

int EtatEditeur::indiceCourant() const {
  const int n = static_cast<int>(document_.nombre());
  const int v = spinner_ ? spinner_->valeur() : 1;
  return std::max(0, std::min(v, n) - 1);
}

ImageGUI* EtatEditeur::boutonOutil(int code) const {
  return code >= 0 && code < 256 ? outils_[static_cast<size_t>(code)].get() : nullptr;
}

ImageGUI* EtatEditeur::boutonCommande(int donnee) const {
  for (const auto& c : commandes_)
    if (c->donnee() == donnee) return c.get();
  return nullptr;
}

void EtatEditeur::choisirOutil(int outil) {
  if (outil < 0 || outil > 255) return;
  if (ImageGUI* ancien = boutonOutil(outil_)) bordures(ancien->zone(), 0);
  outil_ = static_cast<uint8_t>(outil);
  journal("Obj : " + std::to_string(outil));
  // The block's frame belongs to the selection tool.
  if (outil_ != OutilSelection) {
    selection_.reset();
    collage_ = false;
  }
}

void EtatEditeur::surligner(uint32_t ticks) {
  const std::pair<BoutonGUI*, bool> historique[] = {{boutonAnnuler_.get(), peutAnnuler()},
                                                    {boutonRefaire_.get(), peutRefaire()}};
  for (const auto& [bouton, actif] : historique) {
    float* c = bouton->zone()->couleurTexte;
    for (int i = 0; i < 3; ++i) c[i] = actif ? couleurBouton_[i] : 0.45f;
  }
  ImageGUI* b = boutonOutil(outil_);
  if (!b) return;
  const double v = 4.0 + 4.0 * std::sin(static_cast<double>(ticks) / 200.0);
  bordures(b->zone(), static_cast<uint8_t>(std::max(0, std::min(8, static_cast<int>(v)))));
}

void EtatEditeur::avancerAvis(uint32_t ticks) {
  if (!avis_) return;
  if (avisDebut_ == 0) avisDebut_ = ticks ? ticks : 1;
  if (ticks - avisDebut_ >= 2000) avis_.reset();
}

bool EtatEditeur::peindre(int colonne, int ligne) {
  return document_.peindre(indiceCourant(), outil_, colonne, ligne);
}

bool EtatEditeur::copierNiveau() {
  if (dialogue_ || choixCouleur_) return false;
  if (!placePourUnNiveau()) return false;
  montrerNiveau(document_.copier(indiceCourant()) + 1);
  return true;
}

// ---- the selection and the clipboard -------------------------------------------------------

void EtatEditeur::selectionner(std::optional<ZoneCases> zone) {
  if (dialogue_ || choixCouleur_) return;
  if (!zone && !selection_) return;
  selection_ = zone;
  if (!zone) {
    journal("Sélection abandonnée");
    return;
  }
  journal("Sélection : " + std::to_string(zone->colonne) + " " + std::to_string(zone->ligne) + " " +
          std::to_string(zone->largeur) + "x" + std::to_string(zone->hauteur));
}

bool EtatEditeur::copierSelection() {
  if (dialogue_ || choixCouleur_ || !selection_) return false;
  pressePapiersSession() = copierZone(courant(), *selection_);
  journal("Copie : " + std::to_string(selection_->largeur) + "x" +
          std::to_string(selection_->hauteur) + " cases");
  return true;
}

bool EtatEditeur::couperSelection() {
  if (!copierSelection()) return false;
  document_.viderZone(indiceCourant(), *selection_);
  return true;
}

bool EtatEditeur::effacerSelection() {
  if (dialogue_ || choixCouleur_ || !selection_) return false;
  document_.viderZone(indiceCourant(), *selection_);
  return true;
}

bool EtatEditeur::commencerCollage() {
  if (dialogue_ || choixCouleur_) return false;
  const PressePapiers& bloc = pressePapiersSession();
  if (bloc.vide()) {
    journal("Presse-papiers vide");
    return false;
  }
  if (outil_ != OutilSelection) choisirOutil(OutilSelection);
  collage_ = true;
  journal("Collage : aperçu " + std::to_string(bloc.largeur) + "x" + std::to_string(bloc.hauteur));
  return true;
}

bool EtatEditeur::collerA(int colonne, int ligne) {
  if (dialogue_ || choixCouleur_ || !collage_) return false;
  collage_ = false;
  const PressePapiers& bloc = pressePapiersSession();
  document_.collerZone(indiceCourant(), bloc, colonne, ligne);
  selection_ = zoneCollee(courant(), bloc, colonne, ligne);
  return true;
}

void EtatEditeur::annulerCollage() {
  if (!collage_) return;
  collage_ = false;
  journal("Collage abandonné");
}

bool EtatEditeur::deplacerSelection(int dc, int dl) {
  if (dialogue_ || choixCouleur_ || !selection_ || (dc == 0 && dl == 0)) return false;
  const ZoneCases avant = *selection_;
  document_.deplacerZone(indiceCourant(), avant, dc, dl);
  const Niveau& n = courant();
  selection_ =
      zoneEntre(avant.colonne + dc, avant.ligne + dl, avant.colonne + dc + avant.largeur - 1,
                avant.ligne + dl + avant.hauteur - 1, n.largeur, n.hauteur);
  return true;
}

bool EtatEditeur::placePourUnNiveau() {
  if (document_.placePourUnNiveau()) return true;
  montrerAvis(traduire("TropDeNiveaux"));
  return false;
}

void EtatEditeur::montrerAvis(const std::string& texte) {
  avis_ = std::make_unique<BoutonGUI>(ecranL_ / 2 - 100, ecranH_ - 26, 200, texte, nullptr, 0);
  avisDebut_ = 0;
}

// ---- saving --------------------------------------------------------------------------------

bool EtatEditeur::sauvegarder() { return montrerSauvegarde(document_.sauvegarder()); }

bool EtatEditeur::montrerSauvegarde(const Sauvegarde& s) {
  switch (s.resultat) {
    case ResultatSauvegarde::Ecrit: montrerAvis(traduire("Enregistre")); return true;
    case ResultatSauvegarde::Conflit: ouvrirConflit(); return false;
    case ResultatSauvegarde::Echec: afficherErreur(s.raison); return false;
  }
  return false;
}

// Leaves only when the work is safe; a failed save shows its dialog instead, a file changed by
// another program asks first (and leaves once its answer wrote it).
void EtatEditeur::quitterEnSauvant() {
  sortirApresSauvegarde_ = true;
  if (sauvegarder()) {
    sortie_ = true;
    fermerDialogue();
  }
}

void EtatEditeur::ecraser() {
  fermerDialogue();
  if (montrerSauvegarde(document_.ecraser()) && sortirApresSauvegarde_) sortie_ = true;
}

void EtatEditeur::sauverSousNouveauNom() {
  fermerDialogue();
  if (montrerSauvegarde(document_.sauverSousNouveauNom()) && sortirApresSauvegarde_) sortie_ = true;
}

void EtatEditeur::annulerConflit() {
  sortirApresSauvegarde_ = false;
  fermerDialogue();
}

bool EtatEditeur::ecrireRecuperationSiModifie() { return document_.ecrireRecuperationSiModifie(); }

void EtatEditeur::reessayerCopie() {
  if (!document_.ecrireRecuperationSiModifie()) return;  // the dialog stays: another choice
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::sauverAilleurs() {
  if (!document_.sauverAilleurs(dossierUtilisateur_)) return;
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::quitterSansSauver() {
  document_.abandonner();
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::recuperer() {
  if (document_.recuperer()) montrerNiveau(1);
  fermerDialogue();
}

// ---- undo and redo ---------------------------------------------------------------------------

void EtatEditeur::montrerNiveau(int valeur) {
  spinner_->setMax(static_cast<int32_t>(document_.nombre()));
  spinner_->setValeur(valeur);
  spinner_->rafraichir();
}

void EtatEditeur::validerHistorique() { document_.validerHistorique(indiceCourant()); }

bool EtatEditeur::peutAnnuler() const {
  return !dialogue_ && !choixCouleur_ && document_.peutAnnuler();
}
bool EtatEditeur::peutRefaire() const {
  return !dialogue_ && !choixCouleur_ && document_.peutRefaire();
}

bool EtatEditeur::annuler() { return revenir(true); }
bool EtatEditeur::refaire() { return revenir(false); }

// A dialog open on a level must not see that level change under it: no undo meanwhile.
bool EtatEditeur::revenir(bool enArriere) {
  if (dialogue_ || choixCouleur_) return false;
  const std::optional<int> indice =
      enArriere ? document_.annuler(indiceCourant()) : document_.refaire(indiceCourant());
  if (!indice) return false;
  montrerNiveau(*indice + 1);
  return true;
}
