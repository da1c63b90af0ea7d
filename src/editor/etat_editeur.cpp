#include "editor/etat_editeur.h"

#include <algorithm>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "render/textures.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// A button's own action, on the click only.
RappelGUI surClic(std::function<void()> action) {
  return [action = std::move(action)](ZoneGUI*, int, int type, int, int) {
    if (type == EV_RELACHE) action();
  };
}

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
    commandes_.push_back(
        std::make_unique<ImageGUI>(c.x, ecranH_ - 33, 32, 32, c.texture, rappel(), c.donnee));
  historique_ = &HistoriquesSession::instance().pour(chemin_);
  base_ = instantane();
}

EtatEditeur::~EtatEditeur() {
  choixCouleur_.reset();
  dialogue_.reset();
  choixFermes_.clear();
  dialoguesFermes_.clear();
  commandes_.clear();
  for (auto& o : outils_) o.reset();
  spinner_.reset();
  if (gui) gui->viderCorbeille();
}

RappelGUI EtatEditeur::rappel() {
  return [this](ZoneGUI* z, int d, int t, int x, int y) { commandeEditeur(z, d, t, x, y); };
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

// ---- dialogs --------------------------------------------------------------------------------

DialogueGUI* EtatEditeur::ouvrir(DialogueEditeur type, int largeur, int hauteur) {
  fermerChoixCouleur();
  fermerDialogue();
  dialogue_ = std::make_unique<DialogueGUI>(largeur, hauteur);
  typeDialogue_ = type;
  // The spinner stays usable meanwhile: the dialog's answer goes to the level it was asked for.
  niveauDialogue_ = indiceCourant() + 1;
  return dialogue_.get();
}

// A dialog is usually closed from its own button's callback: kept until detruireFermes.
void EtatEditeur::fermerDialogue() {
  coins_ = nullptr;
  ligneLargeur_ = ligneHauteur_ = ligneBombes_ = nullptr;
  typeDialogue_ = DialogueEditeur::Aucun;
  if (dialogue_) dialoguesFermes_.push_back(std::move(dialogue_));
}

void EtatEditeur::fermerChoixCouleur() {
  if (choixCouleur_) choixFermes_.push_back(std::move(choixCouleur_));
}

void EtatEditeur::detruireFermes() {
  for (size_t i = 0; i < choixFermes_.size() + dialoguesFermes_.size(); ++i) journal("Fermeture dialogue");
  choixFermes_.clear();
  dialoguesFermes_.clear();
}

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

void EtatEditeur::ouvrirConflit() {
  DialogueGUI* d = ouvrir(DialogueEditeur::Conflit, 300, 80);
  d->setTitre(traduire("FichierChange"));
  d->ajouterBouton(traduire("Ecraser"), surClic([this] { ecraser(); }), 0);
  d->ajouterBouton(traduire("NouveauNom"), surClic([this] { sauverSousNouveauNom(); }), 0);
  d->ajouterBouton(traduire("Ann"), surClic([this] { annulerConflit(); }), 0);
  d->ajouterTexte(traduire("AutreVersion"));
}

void EtatEditeur::ecraser() {
  if (typeDialogue_ != DialogueEditeur::Conflit) return;
  journal("Ecrase la version modifiée : " + chemin_);
  fermerDialogue();
  if (!ecrire(chemin_)) return;
  apresSauvegarde();
  if (sortirApresSauvegarde_) sortie_ = true;
}

void EtatEditeur::sauverSousNouveauNom() {
  if (typeDialogue_ != DialogueEditeur::Conflit) return;
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
  if (typeDialogue_ != DialogueEditeur::Conflit) return;
  sortirApresSauvegarde_ = false;
  fermerDialogue();
}

void EtatEditeur::afficherErreur(const std::string& raison) {
  sortirApresSauvegarde_ = false;
  DialogueGUI* d = ouvrir(DialogueEditeur::Erreur, 300, 100);
  d->setTitre(traduire("ErreurSauv"));
  d->ajouterBouton(traduire("OK"), rappel(), CmdErreurOK);
  d->ajouterTexte(raison);
  d->ajouterTexte(traduire("ModifsGardees"));
}

void EtatEditeur::proposerRecuperation() {
  if (!recuperationExiste(chemin_)) return;
  journal("Copie de secours trouvée : " + cheminRecuperation(chemin_));
  DialogueGUI* d = ouvrir(DialogueEditeur::Recuperation, 300, 60);
  d->setTitre(traduire("DemandRecup"));
  d->ajouterBouton(traduire("Oui"), rappel(), CmdRecupererOui);
  d->ajouterBouton(traduire("No"), rappel(), CmdRecupererNon);
}

bool EtatEditeur::ecrireRecuperationSiModifie() {
  return !modifie_ || ecrireRecuperation(chemin_, niveaux_);
}

void EtatEditeur::proposerEchecCopie() {
  sortie_ = false;
  DialogueGUI* d = ouvrir(DialogueEditeur::EchecCopie, 300, 100);
  d->setTitre(traduire("ErreurCopie"));
  d->ajouterBouton(traduire("Reessayer"), surClic([this] { reessayerCopie(); }), 0);
  d->ajouterBouton(traduire("Ailleurs"), surClic([this] { sauverAilleurs(); }), 0);
  d->ajouterBouton(traduire("SansSauver"), surClic([this] { quitterSansSauver(); }), 0);
  d->ajouterTexte(std::filesystem::path(cheminRecuperation(chemin_)).filename().string());
  d->ajouterTexte(traduire("ModifsNonGardees"));
}

void EtatEditeur::reessayerCopie() {
  if (typeDialogue_ != DialogueEditeur::EchecCopie) return;
  if (!ecrireRecuperation(chemin_, niveaux_)) return;  // the dialog stays: another choice
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::sauverAilleurs() {
  if (typeDialogue_ != DialogueEditeur::EchecCopie) return;
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
  if (typeDialogue_ != DialogueEditeur::EchecCopie) return;
  journal("Modifications abandonnées : " + chemin_);
  fermerDialogue();
  sortie_ = true;
}

void EtatEditeur::ouvrirProprietes() {
  lireCouleursTravail(courant(), travail_);
  const Niveau& n = courant();
  DialogueGUI* d = ouvrir(DialogueEditeur::Proprietes, 300, 300);
  d->setTitre(traduire("EditOptions"));
  d->ajouterBouton(traduire("OK"), rappel(), CmdProprietesOK);
  d->ajouterBouton(traduire("Ann"), rappel(), CmdFermer);
  coins_ = d->ajouterCouleur("Blocs", 100, 0, &travail_[0][0], rappel(), CmdQuartier);
  d->ajouterTexte(traduire("ColorBlocs"));
  d->monter(10);
  ligneHauteur_ = d->ajouterEntier(traduire("TailleY"), n.hauteur, 2, 255);
  ligneLargeur_ = d->ajouterEntier(traduire("TailleX"), n.largeur, 2, 255);
  ligneBombes_ = d->ajouterEntier(traduire("Bomb"), n.bombes, 0, 255);
  d->ajouterTexte(traduire("Niveau"));
}

void EtatEditeur::ouvrirChoixCouleur(int w, int h, int cx, int cy) {
  journal("Taille objet couleur : " + std::to_string(w) + " x " + std::to_string(h));
  journal("Cliqué sur : " + std::to_string(cx) + " x " + std::to_string(cy));
  quartier_ = quartierCouleur(w, h, cx, cy);
  fermerChoixCouleur();
  choixCouleur_ = std::make_unique<ChoixCouleurGUI>("Couleur", travail_[quartier_], 300, 300, rappel(),
                                                    "OK", CmdCouleurOK, "Annuler", CmdCouleurAnnuler);
  choixCouleur_->getCouleur(couleurOuverture_, 3);
  journal("formcolor for #" + std::to_string(quartier_) + " (" + std::to_string(cx) + "," +
          std::to_string(cy) + ")");
}

void EtatEditeur::appliquerProprietesDialogue() {
  if (!ligneLargeur_ || !ligneHauteur_ || !ligneBombes_) return;
  const int numero = std::min(niveauDialogue_, static_cast<int>(niveaux_.size()));
  appliquerProprietes(niveaux_[static_cast<size_t>(numero - 1)], ligneLargeur_->valeur(),
                      ligneHauteur_->valeur(),
                      ligneBombes_->valeur(), travail_);
  marquerModifie();
  journal("Modif niv " + std::to_string(numero));
}

void EtatEditeur::echap() {
  if (choixCouleur_) {
    commandeEditeur(nullptr, CmdCouleurAnnuler, EV_RELACHE, 0, 0);
  } else if (typeDialogue_ == DialogueEditeur::Recuperation) {
    fermerDialogue();
  } else if (dialogue_) {
    commandeEditeur(nullptr, typeDialogue_ == DialogueEditeur::Erreur ? CmdErreurOK : CmdFermer,
                    EV_RELACHE, 0, 0);
  } else {
    // A stray Escape must not close the editor silently: it always asks.
    demanderToujours_ = true;
    commandeEditeur(nullptr, CmdQuitter, EV_RELACHE, 0, 0);
    demanderToujours_ = false;
  }
}

void EtatEditeur::commandeEditeur(ZoneGUI* zone, int donnee, int type, int x, int y) {
  if (type != EV_RELACHE) return;
  const DialogueEditeur ouvert = typeDialogue_;
  switch (donnee) {
    case CmdSauver:
      sortirApresSauvegarde_ = false;
      sauvegarder();
      break;
    case CmdQuitter: {
      if (dialogue_) break;
      journal("Quit");
      // Nothing to lose since the file was opened or saved: the button leaves without a
      // question that would only be noise.
      if (!modifie_ && !demanderToujours_) {
        journal("Quitter sans modification");
        sortie_ = true;
        break;
      }
      DialogueGUI* d = ouvrir(DialogueEditeur::Quitter, 300, 60);
      journal("new confirm");
      d->setTitre(traduire("DemandRec"));
      d->ajouterBouton(traduire("Oui"), rappel(), CmdQuitterOui);
      d->ajouterBouton(traduire("No"), rappel(), CmdQuitterNon);
      d->ajouterBouton(traduire("Ret"), rappel(), CmdFermer);
      break;
    }
    case CmdAjouter: {
      if (dialogue_) break;
      DialogueGUI* d = ouvrir(DialogueEditeur::Ajouter, 300, 60);
      d->setTitre(traduire("DemandAdd"));
      d->ajouterBouton(traduire("Av"), rappel(), CmdAjouterAvant);
      d->ajouterBouton(traduire("Ap"), rappel(), CmdAjouterApres);
      d->ajouterBouton(traduire("Ret"), rappel(), CmdFermer);
      break;
    }
    case CmdSupprimer: {
      if (dialogue_) break;
      DialogueGUI* d = ouvrir(DialogueEditeur::Supprimer, 300, 60);
      d->setTitre(traduire("DemandSup"));
      d->ajouterBouton(traduire("OK"), rappel(), CmdSupprimerOK);
      d->ajouterBouton(traduire("Ann"), rappel(), CmdFermer);
      break;
    }
    case CmdProprietes:
      if (!dialogue_) ouvrirProprietes();
      break;
    case CmdQuitterOui:
      if (ouvert != DialogueEditeur::Quitter) break;
      // Leaves only when the work is safe; a failed save shows its dialog instead, a file
      // changed by another program asks first (and leaves once its answer wrote it).
      sortirApresSauvegarde_ = true;
      if (sauvegarder()) {
        sortie_ = true;
        fermerDialogue();
      }
      break;
    case CmdQuitterNon:
      if (ouvert != DialogueEditeur::Quitter) break;
      sortie_ = true;
      fermerDialogue();
      break;
    case CmdAjouterAvant:
    case CmdAjouterApres: {
      if (ouvert != DialogueEditeur::Ajouter) break;
      const int v = insererNiveau(niveaux_, niveauDialogue_, donnee == CmdAjouterApres);
      spinner_->setMax(static_cast<int32_t>(niveaux_.size()));
      spinner_->setValeur(v);
      spinner_->rafraichir();
      marquerModifie();
      fermerDialogue();
      break;
    }
    case CmdSupprimerOK: {
      if (ouvert != DialogueEditeur::Supprimer) break;
      const size_t avant = niveaux_.size();
      const int v = supprimerNiveau(niveaux_, niveauDialogue_);
      if (niveaux_.size() != avant) marquerModifie();
      spinner_->setMax(static_cast<int32_t>(niveaux_.size()));
      spinner_->setValeur(v);
      spinner_->rafraichir();
      fermerDialogue();
      break;
    }
    case CmdProprietesOK:
      if (ouvert != DialogueEditeur::Proprietes || choixCouleur_) break;
      appliquerProprietesDialogue();
      fermerDialogue();
      break;
    case CmdQuartier:
      if (ouvert != DialogueEditeur::Proprietes || choixCouleur_ || !zone) break;
      ouvrirChoixCouleur(zone->largeur, zone->hauteur, x, y);
      break;
    case CmdCouleurOK:
      if (!choixCouleur_) break;
    {
      // The chooser shows the nearest colour its rainbow and bar hold: confirmed untouched, it
      // gives back the corner's own colour rather than that approximation.
      float choisie[4] = {0, 0, 0, 1};
      choixCouleur_->getCouleur(choisie, 3);
      if (!std::equal(choisie, choisie + 3, couleurOuverture_))
        std::copy(choisie, choisie + 3, travail_[quartier_]);
    }
      if (coins_) coins_->setCoins(&travail_[0][0]);
      fermerChoixCouleur();
      journal("DEL formcolor");
      break;
    case CmdCouleurAnnuler:
      if (!choixCouleur_) break;
      fermerChoixCouleur();
      journal("DEL formcolor");
      break;
    case CmdErreurOK:
      if (ouvert == DialogueEditeur::Erreur) fermerDialogue();
      break;
    case CmdRecupererOui:
    case CmdRecupererNon:
      if (ouvert != DialogueEditeur::Recuperation) break;
      if (donnee == CmdRecupererOui) {
        if (!lireRecuperation(chemin_, niveaux_)) {
          // Kept for another try or by hand: nothing of it is lost.
          journal("***** Erreur : copie de secours illisible : " + cheminRecuperation(chemin_));
          fermerDialogue();
          break;
        }
        journal("Copie de secours chargée : " + cheminRecuperation(chemin_));
        marquerModifie();
        spinner_->setMax(static_cast<int32_t>(niveaux_.size()));
        spinner_->setValeur(1);
        spinner_->rafraichir();
        // Kept until the file is saved: a crash now must not lose the recovered work.
        fermerDialogue();
        break;
      }
      supprimerRecuperation(chemin_);
      fermerDialogue();
      break;
    case CmdFermer:
      // The colour chooser lies over the properties dialog: it must be closed first.
      if (ouvert != DialogueEditeur::Aucun && !choixCouleur_) fermerDialogue();
      break;
    default:
      break;
  }
}

// ---- undo and redo ---------------------------------------------------------------------------

void EtatEditeur::marquerModifie() {
  modifie_ = true;
  ++revision_;
}

InstantaneEditeur EtatEditeur::instantane() const { return {niveaux_, indiceCourant()}; }

void EtatEditeur::validerHistorique() {
  if (revision_ == revisionBase_) return;
  InstantaneEditeur apres = instantane();
  historique_->enregistrer(base_, apres);
  base_ = std::move(apres);
  revisionBase_ = revision_;
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
  spinner_->setMax(static_cast<int32_t>(niveaux_.size()));
  spinner_->setValeur(etat.indice + 1);
  spinner_->rafraichir();
  base_ = std::move(etat);
  modifie_ = true;
  revisionBase_ = ++revision_;
  journal(std::string(enArriere ? "Annuler : niveau " : "Refaire : niveau ") +
          std::to_string(indiceCourant() + 1));
  return true;
}
