// The editor's dialogs: each built in one function, its buttons carrying their own actions.
// A dialog acts on the level it was opened for (niveauDialogue_), whatever the spinner shows
// meanwhile.
#include <algorithm>
#include <filesystem>

#include "base/journal.h"
#include "base/traducteur.h"
#include "editor/etat_editeur.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

}  // namespace

// ---- the tool bar and Escape ------------------------------------------------------------------

void EtatEditeur::commande(int code) {
  if (code == CmdSauver) {
    sortirApresSauvegarde_ = false;
    sauvegarder();
    return;
  }
  if (dialogue_) return;
  switch (code) {
    case CmdQuitter: demanderQuitter(); break;
    case CmdAjouter: demanderAjout(); break;
    case CmdSupprimer: demanderSuppression(); break;
    case CmdProprietes: ouvrirProprietes(); break;
    default: break;
  }
}

// Every dialog's cancel only closes it (the recovery question is left unanswered: the copy stays
// for the next opening); without a dialog it gives up a paste's preview or the selected block.
void EtatEditeur::echap() {
  if (choixCouleur_) {
    annulerCouleur();
  } else if (dialogue_) {
    fermerDialogue();
  } else if (collage_) {
    annulerCollage();  // the paste's preview, then the block, go before any question
  } else if (selection_) {
    selectionner(std::nullopt);
  } else {
    // A stray Escape must not close the editor silently: it always asks.
    demanderToujours_ = true;
    commande(CmdQuitter);
    demanderToujours_ = false;
  }
}

// ---- opening and closing ----------------------------------------------------------------------

DialogueGUI* EtatEditeur::ouvrir(DialogueEditeur type, int largeur, int hauteur) {
  fermerChoixCouleur();
  fermerDialogue();
  dialogue_ = gui->ouvrirDialogue(std::make_unique<DialogueGUI>(largeur, hauteur));
  typeDialogue_ = type;
  // The spinner stays usable meanwhile: the dialog's answer goes to the level it was asked for.
  niveauDialogue_ = indiceCourant() + 1;
  return dialogue_;
}

// A dialog is usually closed from its own button's callback: the manager destroys it after the
// frame.
void EtatEditeur::fermerDialogue() {
  coins_ = nullptr;
  ligneLargeur_ = ligneHauteur_ = ligneBombes_ = nullptr;
  typeDialogue_ = DialogueEditeur::Aucun;
  if (dialogue_ && gui) gui->fermerDialogue(dialogue_);
  dialogue_ = nullptr;
}

void EtatEditeur::fermerChoixCouleur() {
  if (choixCouleur_ && gui) gui->fermerDialogue(choixCouleur_);
  choixCouleur_ = nullptr;
}

// ---- the dialogs ------------------------------------------------------------------------------

void EtatEditeur::demanderQuitter() {
  journal("Quit");
  // Nothing to lose since the file was opened or saved: the button leaves without a question
  // that would only be noise.
  if (!document_.modifie() && !demanderToujours_) {
    journal("Quitter sans modification");
    sortie_ = true;
    return;
  }
  DialogueGUI* d = ouvrir(DialogueEditeur::Quitter, 300, 60);
  journal("new confirm");
  d->setTitre(traduire("DemandRec"));
  d->ajouterBouton(traduire("Oui"), surClic([this] { quitterEnSauvant(); }), 0);
  d->ajouterBouton(traduire("No"), surClic([this] { sortirSansEnregistrer(); }), 0);
  d->ajouterBouton(traduire("Ret"), surClic([this] { fermerDialogue(); }), 0);
}

void EtatEditeur::demanderAjout() {
  DialogueGUI* d = ouvrir(DialogueEditeur::Ajouter, 300, 60);
  d->setTitre(traduire("DemandAdd"));
  d->ajouterBouton(traduire("Av"), surClic([this] { inserer(false); }), 0);
  d->ajouterBouton(traduire("Ap"), surClic([this] { inserer(true); }), 0);
  d->ajouterBouton(traduire("Ret"), surClic([this] { fermerDialogue(); }), 0);
}

void EtatEditeur::demanderSuppression() {
  DialogueGUI* d = ouvrir(DialogueEditeur::Supprimer, 300, 60);
  d->setTitre(traduire("DemandSup"));
  d->ajouterBouton(traduire("OK"), surClic([this] { supprimer(); }), 0);
  d->ajouterBouton(traduire("Ann"), surClic([this] { fermerDialogue(); }), 0);
}

void EtatEditeur::ouvrirProprietes() {
  lireCouleursTravail(courant(), travail_);
  const Niveau& n = courant();
  DialogueGUI* d = ouvrir(DialogueEditeur::Proprietes, 300, 300);
  d->setTitre(traduire("EditOptions"));
  d->ajouterBouton(traduire("OK"), surClic([this] { appliquerProprietesDialogue(); }), 0);
  d->ajouterBouton(traduire("Ann"), surClic([this] { fermerDialogue(); }), 0);
  coins_ = d->ajouterCouleur("Blocs", 100, 0, &travail_[0][0], surClic([this](const ClicGUI& c) {
                               if (c.zone)
                                 ouvrirChoixCouleur(c.zone->largeur, c.zone->hauteur, c.x, c.y);
                             }),
                             0);
  d->ajouterTexte(traduire("ColorBlocs"));
  // Under each size, the side where cells come and go (right and bottom unless changed).
  ancre_ = {};
  ligneHauteur_ = d->ajouterEntier(traduire("TailleY"), n.hauteur, 2, 255);
  d->ajouterBoutonLigne(
      traduire("CoteHauteur"), traduire("AncreBas"),
      surClic([this](const ClicGUI& c) {
        ancre_.haut = !ancre_.haut;
        if (c.zone) c.zone->setTexte(traduire(ancre_.haut ? "AncreHaut" : "AncreBas"));
        journal(ancre_.haut ? "Côté hauteur : haut" : "Côté hauteur : bas");
      }),
      0);
  ligneLargeur_ = d->ajouterEntier(traduire("TailleX"), n.largeur, 2, 255);
  d->ajouterBoutonLigne(
      traduire("CoteLargeur"), traduire("AncreDroite"),
      surClic([this](const ClicGUI& c) {
        ancre_.gauche = !ancre_.gauche;
        if (c.zone) c.zone->setTexte(traduire(ancre_.gauche ? "AncreGauche" : "AncreDroite"));
        journal(ancre_.gauche ? "Côté largeur : gauche" : "Côté largeur : droite");
      }),
      0);
  ligneBombes_ = d->ajouterEntier(traduire("Bomb"), n.bombes, 0, 255);
  d->ajouterTexte(traduire("Niveau"));
}

void EtatEditeur::ouvrirChoixCouleur(int w, int h, int cx, int cy) {
  journal("Taille objet couleur : " + std::to_string(w) + " x " + std::to_string(h));
  journal("Cliqué sur : " + std::to_string(cx) + " x " + std::to_string(cy));
  quartier_ = quartierCouleur(w, h, cx, cy);
  fermerChoixCouleur();
  choixCouleur_ = gui->ouvrirDialogue(std::make_unique<ChoixCouleurGUI>(
      "Couleur", travail_[quartier_], 300, 300, surClic([this](const ClicGUI& c) {
        if (c.donnee == CmdCouleurOK) confirmerCouleur();
        else if (c.donnee == CmdCouleurAnnuler) annulerCouleur();
      }),
      "OK", CmdCouleurOK, "Annuler", CmdCouleurAnnuler));
  choixCouleur_->getCouleur(couleurOuverture_, 3);
  journal("formcolor for #" + std::to_string(quartier_) + " (" + std::to_string(cx) + "," +
          std::to_string(cy) + ")");
}

void EtatEditeur::afficherErreur(const std::string& raison) {
  sortirApresSauvegarde_ = false;
  DialogueGUI* d = ouvrir(DialogueEditeur::Erreur, 300, 100);
  d->setTitre(traduire("ErreurSauv"));
  d->ajouterBouton(traduire("OK"), surClic([this] { fermerDialogue(); }), 0);
  d->ajouterTexte(raison);
  d->ajouterTexte(traduire("ModifsGardees"));
}

void EtatEditeur::proposerRecuperation() {
  if (!document_.recuperationTrouvee()) return;
  DialogueGUI* d = ouvrir(DialogueEditeur::Recuperation, 300, 60);
  d->setTitre(traduire("DemandRecup"));
  d->ajouterBouton(traduire("Oui"), surClic([this] { recuperer(); }), 0);
  d->ajouterBouton(traduire("No"), surClic([this] { refuserRecuperation(); }), 0);
}

void EtatEditeur::ouvrirConflit() {
  DialogueGUI* d = ouvrir(DialogueEditeur::Conflit, 300, 80);
  d->setTitre(traduire("FichierChange"));
  d->ajouterBouton(traduire("Ecraser"), surClic([this] { ecraser(); }), 0);
  d->ajouterBouton(traduire("NouveauNom"), surClic([this] { sauverSousNouveauNom(); }), 0);
  d->ajouterBouton(traduire("Ann"), surClic([this] { annulerConflit(); }), 0);
  d->ajouterTexte(traduire("AutreVersion"));
}

void EtatEditeur::proposerEchecCopie() {
  sortie_ = false;
  DialogueGUI* d = ouvrir(DialogueEditeur::EchecCopie, 300, 100);
  d->setTitre(traduire("ErreurCopie"));
  d->ajouterBouton(traduire("Reessayer"), surClic([this] { reessayerCopie(); }), 0);
  d->ajouterBouton(traduire("Ailleurs"), surClic([this] { sauverAilleurs(); }), 0);
  d->ajouterBouton(traduire("SansSauver"), surClic([this] { quitterSansSauver(); }), 0);
  d->ajouterTexte(
      std::filesystem::path(cheminRecuperation(document_.chemin())).filename().string());
  d->ajouterTexte(traduire("ModifsNonGardees"));
}

// ---- what their buttons do ------------------------------------------------------------------

void EtatEditeur::sortirSansEnregistrer() {
  sortie_ = true;
  fermerDialogue();
}

void EtatEditeur::refuserRecuperation() {
  document_.refuserRecuperation();
  fermerDialogue();
}

void EtatEditeur::inserer(bool apres) {
  if (!placePourUnNiveau()) {
    fermerDialogue();
    return;
  }
  montrerNiveau(document_.inserer(niveauDialogue_, apres));
  fermerDialogue();
}

void EtatEditeur::supprimer() {
  montrerNiveau(document_.supprimer(niveauDialogue_));
  fermerDialogue();
}

void EtatEditeur::appliquerProprietesDialogue() {
  if (ligneLargeur_ && ligneHauteur_ && ligneBombes_)
    document_.appliquerProprietes(niveauDialogue_, ligneLargeur_->valeur(), ligneHauteur_->valeur(),
                                  ligneBombes_->valeur(), travail_, ancre_);
  fermerDialogue();
}

// The chooser shows the nearest colour its rainbow and bar hold: confirmed untouched, it gives
// back the corner's own colour rather than that approximation.
void EtatEditeur::confirmerCouleur() {
  float choisie[4] = {0, 0, 0, 1};
  choixCouleur_->getCouleur(choisie, 3);
  if (!std::equal(choisie, choisie + 3, couleurOuverture_))
    std::copy(choisie, choisie + 3, travail_[quartier_]);
  if (coins_) coins_->setCoins(&travail_[0][0]);
  fermerChoixCouleur();
  journal("DEL formcolor");
}

void EtatEditeur::annulerCouleur() {
  fermerChoixCouleur();
  journal("DEL formcolor");
}
