#include "levels/document_niveaux.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/journal.h"
#include "levels/fichier_niveaux.h"

namespace {

// Same content of the file (the cameras are views, not edits).
bool memesNiveaux(const std::vector<Niveau>& a, const std::vector<Niveau>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (!memesDonnees(a[i], b[i])) return false;
  return true;
}

}  // namespace

DocumentNiveaux::DocumentNiveaux(std::string chemin, std::vector<Niveau> niveaux)
    : chemin_(std::move(chemin)), niveaux_(std::move(niveaux)) {
  if (niveaux_.empty()) niveaux_.push_back(nouveauNiveau());
  sauves_ = niveaux_;
  signature_ = signatureFichier(chemin_);
  historique_ = &HistoriquesSession::instance().pour(chemin_);
  base_ = instantane(0);
}

// ---- edits -----------------------------------------------------------------------------------

void DocumentNiveaux::marquerModifie() {
  modifie_ = true;
  ++revision_;
}

bool DocumentNiveaux::peindre(int indice, uint8_t outil, int colonne, int ligne) {
  if (!appliquerOutil(niveau(indice), outil, colonne, ligne)) return false;
  marquerModifie();
  return true;
}

// A file cannot grow past the format's limit.
bool DocumentNiveaux::placePourUnNiveau() const {
  if (niveaux_.size() < static_cast<size_t>(NiveauxParFichierMax)) return true;
  journal("Pas plus de " + std::to_string(NiveauxParFichierMax) + " niveaux par fichier");
  return false;
}

int DocumentNiveaux::copier(int indice) {
  validerHistorique(indice);  // an edit still open is a step of its own
  niveaux_.insert(niveaux_.begin() + indice + 1, niveaux_[static_cast<size_t>(indice)]);
  marquerModifie();
  validerHistorique(indice + 1);
  journal("Copie du niveau " + std::to_string(indice + 1) + " : niveau " +
          std::to_string(indice + 2));
  return indice + 1;
}

int DocumentNiveaux::inserer(int valeur, bool apres) {
  const int v = insererNiveau(niveaux_, valeur, apres);
  marquerModifie();
  return v;
}

int DocumentNiveaux::supprimer(int valeur) {
  const size_t avant = niveaux_.size();
  const int v = supprimerNiveau(niveaux_, valeur);
  if (niveaux_.size() != avant) marquerModifie();
  return v;
}

void DocumentNiveaux::appliquerProprietes(int numero, int X, int Y, int B,
                                          const CouleursTravail travail, AncreTaille ancre) {
  numero = std::min(numero, static_cast<int>(niveaux_.size()));
  ::appliquerProprietes(niveau(numero - 1), X, Y, B, travail, ancre);
  marquerModifie();
  journal("Modif niv " + std::to_string(numero));
}

template <class Changement>
int DocumentNiveaux::pasUnique(int indice, Changement changement) {
  validerHistorique(indice);
  const int changees = changement(niveau(indice));
  if (changees > 0) marquerModifie();
  validerHistorique(indice);
  return changees;
}

int DocumentNiveaux::viderZone(int indice, const ZoneCases& zone) {
  const int n = pasUnique(indice, [&](Niveau& niv) { return ::viderZone(niv, zone); });
  journal("Effacement : " + std::to_string(n) + " cases");
  return n;
}

int DocumentNiveaux::collerZone(int indice, const PressePapiers& bloc, int colonne, int ligne) {
  const int n =
      pasUnique(indice, [&](Niveau& niv) { return ::collerZone(niv, bloc, colonne, ligne); });
  journal("Collage : " + std::to_string(n) + " cases");
  return n;
}

int DocumentNiveaux::deplacerZone(int indice, const ZoneCases& zone, int dc, int dl) {
  const int n = pasUnique(indice, [&](Niveau& niv) { return ::deplacerZone(niv, zone, dc, dl); });
  journal("Déplacement : " + std::to_string(n) + " cases");
  return n;
}

// ---- undo and redo ---------------------------------------------------------------------------

void DocumentNiveaux::validerHistorique(int indice) {
  if (revision_ == revisionBase_) {
    // Another level shown is no step, but the next step starts from it: undone, it shows the
    // level it changed.
    base_.indice = indice;
    return;
  }
  InstantaneEditeur apres = instantane(indice);
  historique_->enregistrer(base_, apres);
  base_ = std::move(apres);
  revisionBase_ = revision_;
}

// A change not yet made a step (a drag going on) can be undone too; it would empty the redo list.
bool DocumentNiveaux::peutAnnuler() const {
  return historique_->peutAnnuler() || revision_ != revisionBase_;
}
bool DocumentNiveaux::peutRefaire() const {
  return historique_->peutRefaire() && revision_ == revisionBase_;
}

std::optional<int> DocumentNiveaux::revenir(bool enArriere, int indice) {
  validerHistorique(indice);
  InstantaneEditeur etat = instantane(indice);
  if (!(enArriere ? historique_->annuler(etat) : historique_->refaire(etat))) return std::nullopt;
  // The view is not part of a step: each level keeps the camera it has now.
  for (size_t i = 0; i < etat.niveaux.size() && i < niveaux_.size(); ++i)
    etat.niveaux[i].camera = niveaux_[i].camera;
  niveaux_ = etat.niveaux;
  base_ = std::move(etat);
  modifie_ = !memesNiveaux(niveaux_, sauves_);
  revisionBase_ = ++revision_;
  const int montre = std::clamp(base_.indice, 0, static_cast<int>(niveaux_.size()) - 1);
  journal(std::string(enArriere ? "Annuler : niveau " : "Refaire : niveau ") +
          std::to_string(montre + 1));
  return montre;
}

// ---- saving ----------------------------------------------------------------------------------

Sauvegarde DocumentNiveaux::sauvegarder() {
  if (signatureFichier(chemin_) != signature_) {
    journal("Fichier modifié depuis son ouverture : " + chemin_);
    return {ResultatSauvegarde::Conflit, std::string()};
  }
  Sauvegarde s = ecrire(chemin_);
  if (s.resultat == ResultatSauvegarde::Ecrit) apresSauvegarde();
  return s;
}

Sauvegarde DocumentNiveaux::ecraser() {
  journal("Ecrase la version modifiée : " + chemin_);
  Sauvegarde s = ecrire(chemin_);
  if (s.resultat == ResultatSauvegarde::Ecrit) apresSauvegarde();
  return s;
}

Sauvegarde DocumentNiveaux::sauverSousNouveauNom() {
  const std::string nouveau =
      cheminLibre(std::filesystem::path(chemin_).parent_path().string(), chemin_);
  if (nouveau.empty()) return {ResultatSauvegarde::Echec, std::strerror(EEXIST)};
  Sauvegarde s = ecrire(nouveau);
  if (s.resultat != ResultatSauvegarde::Ecrit) return s;
  journal("Sauvegarde sous un nouveau nom : " + nouveau);
  // The old file's recovery copy is saved now too.
  if (recuperationExiste(chemin_)) supprimerRecuperation(chemin_);
  chemin_ = nouveau;
  apresSauvegarde();
  return s;
}

Sauvegarde DocumentNiveaux::ecrire(const std::string& chemin) {
  if (fichierProtege(chemin)) {
    journal("***** Erreur : fichier protégé en écriture : " + chemin);
    return {ResultatSauvegarde::Echec, std::strerror(EACCES)};
  }
  const IssueEcriture r = sauvegarderTout(chemin, niveaux_);
  if (r) return {ResultatSauvegarde::Ecrit, std::string()};
  return {ResultatSauvegarde::Echec, std::strerror(r.erreur)};
}

// The file now holds the edits: the recovery copy (a loaded one included) has served.
void DocumentNiveaux::apresSauvegarde() {
  modifie_ = false;
  sauves_ = niveaux_;
  signature_ = signatureFichier(chemin_);
  if (recuperationExiste(chemin_)) supprimerRecuperation(chemin_);
}

bool DocumentNiveaux::ecrireRecuperationSiModifie() {
  return !modifie_ || ecrireRecuperation(chemin_, niveaux_);
}

bool DocumentNiveaux::sauverAilleurs(const std::string& dossier) {
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  const std::string ailleurs = cheminLibre(dossier, chemin_);
  if (ailleurs.empty() || !sauvegarderTout(ailleurs, niveaux_)) {
    journal("***** Erreur : sauvegarde ailleurs impossible dans " + dossier);
    return false;
  }
  journal("Sauvegarde sous un nouveau nom : " + ailleurs);
  modifie_ = false;
  return true;
}

void DocumentNiveaux::abandonner() { journal("Modifications abandonnées : " + chemin_); }

// ---- the recovery copy -----------------------------------------------------------------------

bool DocumentNiveaux::recuperationTrouvee() const {
  if (!recuperationExiste(chemin_)) return false;
  journal("Copie de secours trouvée : " + cheminRecuperation(chemin_));
  return true;
}

bool DocumentNiveaux::recuperer() {
  if (!lireRecuperation(chemin_, niveaux_)) {
    // Kept for another try or by hand: nothing of it is lost.
    journal("***** Erreur : copie de secours illisible : " + cheminRecuperation(chemin_));
    return false;
  }
  journal("Copie de secours chargée : " + cheminRecuperation(chemin_));
  // Kept until the file is saved: a crash now must not lose the recovered work.
  marquerModifie();
  return true;
}

void DocumentNiveaux::refuserRecuperation() { supprimerRecuperation(chemin_); }
