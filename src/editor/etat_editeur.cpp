#include "editor/etat_editeur.h"

#include <algorithm>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <utility>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "render/textures.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

void bordures(ZoneGUI* z, uint8_t v) {
  z->bordureHaut = z->bordureBas = z->bordureGauche = z->bordureDroite = v;
}

}  // namespace

EtatEditeur::EtatEditeur(std::string chemin, std::vector<Niveau> niveaux, int ecranL, int ecranH)
    : chemin_(std::move(chemin)), niveaux_(std::move(niveaux)), ecranL_(ecranL), ecranH_(ecranH) {
  if (niveaux_.empty()) niveaux_.push_back(nouveauNiveau());
  signature_ = signatureFichier(chemin_);
  dossierUtilisateur_ = std::filesystem::path(chemin_).parent_path().string();
  // Each level opens seen straight on its start cell rather than sweeping in from the corner.
  for (Niveau& n : niveaux_) {
    n.camera.oeilX = n.camera.centreX;
    n.camera.oeilY = n.camera.centreY;
  }
  for (int i = 0; i < NombreOutilsCases; ++i) {
    outils_[static_cast<size_t>(i)] = std::make_unique<ImageGUI>(
        1 + 32 * i, 1, 32, 32, textures.texBoutonsEdit[i],
        [this](ZoneGUI*, int d, int t, int, int) { choisirOutil(d, t); }, i);
  }
  int bx = 0, by = 0;
  placeOutilBalle(ecranL_, bx, by);
  outils_[OutilBalle] = std::make_unique<ImageGUI>(
      bx, by, 32, 32, textures.texBoutonsEdit[OutilBalle],
      [this](ZoneGUI*, int d, int t, int, int) { choisirOutil(d, t); }, OutilBalle);

  spinner_ = std::make_unique<IntGUI>(1, 1, static_cast<int32_t>(niveaux_.size()), 1, ecranH_ - 53,
                                      64, RappelGUI(), 0);
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
  historique_ = &HistoriquesSession::instance().pour(chemin_);
  base_ = instantane();
}

EtatEditeur::~EtatEditeur() {
  choixCouleur_.reset();
  dialogue_.reset();
  choixFermes_.clear();
  dialoguesFermes_.clear();
  commandes_.clear();
  boutonAnnuler_.reset();
  boutonRefaire_.reset();
  for (auto& o : outils_) o.reset();
  spinner_.reset();
  if (gui) gui->viderCorbeille();
}

int EtatEditeur::indiceCourant() const {
  const int n = static_cast<int>(niveaux_.size());
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

void EtatEditeur::choisirOutil(int outil, int type) {
  if (type != EV_RELACHE || outil < 0 || outil > 255) return;
  if (ImageGUI* ancien = boutonOutil(outil_)) bordures(ancien->zone(), 0);
  outil_ = static_cast<uint8_t>(outil);
  journal("Obj : " + std::to_string(outil));
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
  if (!appliquerOutil(courant(), outil_, colonne, ligne)) return false;
  marquerModifie();
  return true;
}

bool EtatEditeur::copierNiveau() {
  if (dialogue_ || choixCouleur_) return false;
  validerHistorique();  // an edit still open is a step of its own
  const int i = indiceCourant();
  niveaux_.insert(niveaux_.begin() + i + 1, niveaux_[static_cast<size_t>(i)]);
  montrerNiveau(i + 2);
  marquerModifie();
  validerHistorique();
  journal("Copie du niveau " + std::to_string(i + 1) + " : niveau " + std::to_string(i + 2));
  return true;
}

// ---- saving --------------------------------------------------------------------------------

bool EtatEditeur::sauvegarder() {
  if (signatureFichier(chemin_) != signature_) {
    journal("Fichier modifié depuis son ouverture : " + chemin_);
    ouvrirConflit();
    return false;
  }
  if (!ecrire(chemin_)) return false;
  apresSauvegarde();
  return true;
}

bool EtatEditeur::ecrire(const std::string& chemin) {
  std::string raison;
  if (fichierProtege(chemin)) {
    journal("***** Erreur : fichier protégé en écriture : " + chemin);
    raison = std::strerror(EACCES);
  } else {
    errno = 0;
    if (sauvegarderTout(chemin, niveaux_)) return true;
    raison = errno ? std::strerror(errno) : "?";
  }
  afficherErreur(raison);
  return false;
}

// The file now holds the edits: the recovery copy (a loaded one included) has served.
void EtatEditeur::apresSauvegarde() {
  modifie_ = false;
  avis_ = std::make_unique<BoutonGUI>(ecranL_ / 2 - 100, ecranH_ - 26, 200, traduire("Enregistre"),
                                      nullptr, 0);
  avisDebut_ = 0;
  signature_ = signatureFichier(chemin_);
  if (recuperationExiste(chemin_)) supprimerRecuperation(chemin_);
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
  journal("Ecrase la version modifiée : " + chemin_);
  fermerDialogue();
  if (!ecrire(chemin_)) return;
  apresSauvegarde();
  if (sortirApresSauvegarde_) sortie_ = true;
}

void EtatEditeur::sauverSousNouveauNom() {
  fermerDialogue();
  const std::string nouveau =
      cheminLibre(std::filesystem::path(chemin_).parent_path().string(), chemin_);
  if (nouveau.empty()) {
    afficherErreur(std::strerror(EEXIST));
    return;
  }
  if (!ecrire(nouveau)) return;
  journal("Sauvegarde sous un nouveau nom : " + nouveau);
  // The old file's recovery copy is saved now too.
  if (recuperationExiste(chemin_)) supprimerRecuperation(chemin_);
  chemin_ = nouveau;
  apresSauvegarde();
  if (sortirApresSauvegarde_) sortie_ = true;
}

void EtatEditeur::annulerConflit() {
  sortirApresSauvegarde_ = false;
  fermerDialogue();
}

bool EtatEditeur::ecrireRecuperationSiModifie() {
  return !modifie_ || ecrireRecuperation(chemin_, niveaux_);
}

void EtatEditeur::reessayerCopie() {
  if (!ecrireRecuperation(chemin_, niveaux_)) return;  // the dialog stays: another choice
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::sauverAilleurs() {
  std::error_code erreur;
  std::filesystem::create_directories(dossierUtilisateur_, erreur);
  const std::string ailleurs = cheminLibre(dossierUtilisateur_, chemin_);
  if (ailleurs.empty() || !sauvegarderTout(ailleurs, niveaux_)) {
    journal("***** Erreur : sauvegarde ailleurs impossible dans " + dossierUtilisateur_);
    return;
  }
  journal("Sauvegarde sous un nouveau nom : " + ailleurs);
  modifie_ = false;
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::quitterSansSauver() {
  journal("Modifications abandonnées : " + chemin_);
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::recuperer() {
  if (!lireRecuperation(chemin_, niveaux_)) {
    // Kept for another try or by hand: nothing of it is lost.
    journal("***** Erreur : copie de secours illisible : " + cheminRecuperation(chemin_));
    fermerDialogue();
    return;
  }
  journal("Copie de secours chargée : " + cheminRecuperation(chemin_));
  marquerModifie();
  montrerNiveau(1);
  // Kept until the file is saved: a crash now must not lose the recovered work.
  fermerDialogue();
}
// ---- undo and redo ---------------------------------------------------------------------------

void EtatEditeur::marquerModifie() {
  modifie_ = true;
  ++revision_;
}

void EtatEditeur::montrerNiveau(int valeur) {
  spinner_->setMax(static_cast<int32_t>(niveaux_.size()));
  spinner_->setValeur(valeur);
  spinner_->rafraichir();
}

InstantaneEditeur EtatEditeur::instantane() const { return {niveaux_, indiceCourant()}; }

void EtatEditeur::validerHistorique() {
  if (revision_ == revisionBase_) return;
  InstantaneEditeur apres = instantane();
  historique_->enregistrer(base_, apres);
  base_ = std::move(apres);
  revisionBase_ = revision_;
}

// A change not yet made a step (a drag going on) can be undone too; it would empty the redo list.
bool EtatEditeur::peutAnnuler() const {
  return !dialogue_ && !choixCouleur_ && (historique_->peutAnnuler() || revision_ != revisionBase_);
}
bool EtatEditeur::peutRefaire() const {
  return !dialogue_ && !choixCouleur_ && historique_->peutRefaire() && revision_ == revisionBase_;
}

bool EtatEditeur::annuler() { return revenir(true); }
bool EtatEditeur::refaire() { return revenir(false); }

// A dialog open on a level must not see that level change under it: no undo meanwhile.
bool EtatEditeur::revenir(bool enArriere) {
  if (dialogue_ || choixCouleur_) return false;
  validerHistorique();
  InstantaneEditeur etat = instantane();
  if (!(enArriere ? historique_->annuler(etat) : historique_->refaire(etat))) return false;
  // The view is not part of a step: each level keeps the camera it has now.
  for (size_t i = 0; i < etat.niveaux.size() && i < niveaux_.size(); ++i)
    etat.niveaux[i].camera = niveaux_[i].camera;
  niveaux_ = etat.niveaux;
  montrerNiveau(etat.indice + 1);
  base_ = std::move(etat);
  modifie_ = true;
  revisionBase_ = ++revision_;
  journal(std::string(enArriere ? "Annuler : niveau " : "Refaire : niveau ") +
          std::to_string(indiceCourant() + 1));
  return true;
}
