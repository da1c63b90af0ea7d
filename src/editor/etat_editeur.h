#pragma once
// The level editor's widgets over the edited file, without drawing: the tool buttons and their
// pulsing frame, the spinner (the current level), the five command buttons, and the dialogs
// (quit, add, delete, properties with its colour chooser, save failure, recovery question,
// conflict, failed copy), each built in one function whose buttons carry their own actions
// (dialogues_editeur.cpp). The levels, the file and what a save does are the document's
// (levels/document_niveaux.h): each command asks it and shows its answer. The screen
// (editeur.cpp) runs the loop, the picking and the drawing on top.
//
// Never lose the player's work: a failed save says so in a dialog and keeps every edit; "Oui" of
// the quit dialog leaves only when its save succeeded; a copy that cannot be written asks what
// to do; a file another program changed since it was read or saved is not overwritten without
// asking.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/regles_editeur.h"
#include "game/niveau.h"
#include "levels/document_niveaux.h"
#include "levels/selection_niveaux.h"
#include "gui/dialogue.h"
#include "gui/widgets.h"

// The tool bar's commands (each button's data), and the colour chooser's two buttons.
enum CommandeEditeur : int {
  CmdQuitter = 0,
  CmdSauver = 3,
  CmdAjouter = 4,
  CmdSupprimer = 5,
  CmdProprietes = 6,
  CmdCouleurOK = 1032,
  CmdCouleurAnnuler = 1033,
};

// Which dialog is open.
enum class DialogueEditeur {
  Aucun,
  Quitter,
  Ajouter,
  Supprimer,
  Proprietes,
  Erreur,
  Recuperation,
  Conflit,     // the file changed on disk since read or saved: overwrite, new name, cancel
  EchecCopie,  // closing, the recovery copy not written: try again, elsewhere, give up
};

class EtatEditeur {
 public:
  // The widgets are laid out for a screen of ecranL x ecranH pixels (the GUI manager must exist).
  EtatEditeur(std::string chemin, std::vector<Niveau> niveaux, int ecranL, int ecranH);
  // Deletes every widget, closes its dialogs and has the manager destroy them (and any closed
  // one still waiting) so that none outlives the editor.
  ~EtatEditeur();
  EtatEditeur(const EtatEditeur&) = delete;
  EtatEditeur& operator=(const EtatEditeur&) = delete;

  // A tool-bar command, as its button does (save at any time; the others not while a dialog
  // is open: one dialog at a time).
  void commande(int code);
  // Escape, the way back: the colour chooser, else the open dialog, closes as its cancel button
  // would (the recovery question is left unanswered: the copy stays for the next opening); with
  // nothing open it asks the quit question.
  void echap();
  // A tool button clicked (or its key).
  void choisirOutil(int outil);
  // The selected tool's frame: 4 + 4 sin(t / 200) pixels on each side; the undo and redo
  // buttons' text greyed while they have nothing to do.
  void surligner(uint32_t ticks);
  // The "saved" notice shown after a save, gone two seconds after its first frame.
  void avancerAvis(uint32_t ticks);
  bool avisAffiche() const { return avis_ != nullptr; }
  // A short notice along the bottom edge (a save, a refusal).
  void montrerAvis(const std::string& texte);

  // Saves the whole file; on failure opens the save-failure dialog (closing any other) and
  // keeps every edit. When the file changed on disk since it was read or last saved (another
  // game saved it), nothing is written: the conflict dialog asks first. True when written.
  bool sauvegarder();
  // When a recovery copy of the file exists, asks whether to load it.
  void proposerRecuperation();
  // The window is closing: unsaved edits go to the recovery copy (logged with its path). True
  // when nothing was to be written or the copy was.
  bool ecrireRecuperationSiModifie();
  // The copy could not be written: a dialog says so and offers to try again, to save the levels
  // under a free name of the player's folder, or to quit without saving. Each choice that
  // settles it sets the exit flag.
  void proposerEchecCopie();
  // Where "elsewhere" saves (the player's "mapsusr/", created again if it went); the edited
  // file's folder by default.
  void setDossierUtilisateur(std::string dossier) { dossierUtilisateur_ = std::move(dossier); }

  // Undo and redo (one history per file for the session). Every change since the last step
  // becomes one step when validerHistorique() runs: the screen calls it whenever no mouse
  // button is held, so a whole drag is one step. Refused while a dialog is open. True when the
  // levels changed (logged "Annuler : niveau N" / "Refaire : niveau N").
  void validerHistorique();
  bool annuler();
  bool refaire();
  bool peutAnnuler() const;
  bool peutRefaire() const;

  // The selected tool at (colonne, ligne) of the current level; true when it changed a cell.
  bool peindre(int colonne, int ligne);
  // A copy of the current level inserted right after it and shown, as one undo step of its own
  // (logged "Copie du niveau N : niveau N+1"). Refused while a dialog is open, and with a
  // notice when the file holds NiveauxParFichierMax levels already.
  bool copierNiveau();

  // ---- the selection tool's block (of the current level) and the run's clipboard ----
  // Each refused while a dialog is open. The block selected (nothing: none), logged
  // "Sélection : C L WxH" / "Sélection abandonnée".
  void selectionner(std::optional<ZoneCases> zone);
  const std::optional<ZoneCases>& selection() const { return selection_; }
  // Ctrl+C: the block into the clipboard (logged "Copie : WxH cases"). Ctrl+X: the same, then
  // its cells emptied as one undo step. Delete: its cells emptied. False without a block.
  bool copierSelection();
  bool couperSelection();
  bool effacerSelection();
  // Ctrl+V: the clipboard follows the pointer (its top-left cell under it) until a click places
  // it (collerA, one undo step; the block pasted becomes the selection) or Escape gives it up.
  // False, logged "Presse-papiers vide", when nothing was copied in this run.
  bool commencerCollage();
  bool collageEnCours() const { return collage_; }
  bool collerA(int colonne, int ligne);
  void annulerCollage();
  // A drag that started inside the block: the block moved by (dc, dl), one undo step, the
  // selection with it.
  bool deplacerSelection(int dc, int dl);

  Niveau& courant() { return document_.niveau(indiceCourant()); }
  const std::vector<Niveau>& niveaux() const { return document_.niveaux(); }
  const DocumentNiveaux& document() const { return document_; }
  int indiceCourant() const;
  uint8_t outil() const { return outil_; }
  bool dialogueOuvert() const { return dialogue_ != nullptr; }
  DialogueEditeur typeDialogue() const { return typeDialogue_; }
  bool sortie() const { return sortie_; }
  bool modifie() const { return document_.modifie(); }
  const std::string& chemin() const { return document_.chemin(); }

  // For tests and the screen.
  IntGUI* spinner() const { return spinner_.get(); }
  BoutonGUI* boutonAnnuler() const { return boutonAnnuler_.get(); }
  BoutonGUI* boutonRefaire() const { return boutonRefaire_.get(); }
  ImageGUI* boutonOutil(int code) const;
  ImageGUI* boutonCommande(int donnee) const;
  DialogueGUI* dialogue() const { return dialogue_; }
  ChoixCouleurGUI* choixCouleur() const { return choixCouleur_; }
  ColorGUI* widgetCoins() const { return coins_; }
  IntGUI* ligneLargeur() const { return ligneLargeur_; }
  IntGUI* ligneHauteur() const { return ligneHauteur_; }
  IntGUI* ligneBombes() const { return ligneBombes_; }
  AncreTaille& ancre() { return ancre_; }

 private:
  // Dialogs are the GUI manager's (gui/gui.h): closing one hands it back, destroyed after the
  // frame, its buttons dead at once.
  DialogueGUI* ouvrir(DialogueEditeur type, int largeur, int hauteur);
  void fermerDialogue();
  void fermerChoixCouleur();

  // The dialogs, one function each (dialogues_editeur.cpp).
  void demanderQuitter();
  void demanderAjout();
  void demanderSuppression();
  void ouvrirProprietes();
  void ouvrirChoixCouleur(int largeur, int hauteur, int cx, int cy);
  void afficherErreur(const std::string& raison);
  void ouvrirConflit();

  // What their buttons do.
  void quitterEnSauvant();
  void sortirSansEnregistrer();
  void inserer(bool apres);
  void supprimer();
  void appliquerProprietesDialogue();  // and closes the dialog
  void confirmerCouleur();
  void annulerCouleur();
  void recuperer();
  void refuserRecuperation();
  // The conflict dialog's choices: write over the other program's version; write to a free name
  // beside it ("NAME-2.map"...) and go on editing that file; or write nothing. After the quit
  // dialog's "Oui", a choice that writes also leaves.
  void ecraser();
  void sauverSousNouveauNom();
  void annulerConflit();
  void reessayerCopie();
  void sauverAilleurs();
  void quitterSansSauver();

  // The spinner after the level list changed: its bound, then the level shown (from 1).
  void montrerNiveau(int valeur);
  // A save's answer shown: the notice, the failure dialog or the conflict dialog. True when
  // written.
  bool montrerSauvegarde(const Sauvegarde& s);
  // False, with a notice (the document logs it), when the file holds the most levels it may.
  bool placePourUnNiveau();
  bool revenir(bool enArriere);

  DocumentNiveaux document_;
  int ecranL_, ecranH_;
  uint8_t outil_ = 0;
  bool sortie_ = false;
  std::unique_ptr<BoutonGUI> avis_;  // a boxed text, readable over the board
  uint32_t avisDebut_ = 0;
  bool demanderToujours_ = false;       // the quit question even with nothing changed (Escape)
  bool sortirApresSauvegarde_ = false;  // the save came from the quit dialog's "Oui"
  std::string dossierUtilisateur_;

  std::array<std::unique_ptr<ImageGUI>, 256> outils_;
  std::vector<std::unique_ptr<ImageGUI>> commandes_;
  std::unique_ptr<IntGUI> spinner_;
  // Undo and redo, right of the spinner: the same as Ctrl+Z and Ctrl+Y.
  std::unique_ptr<BoutonGUI> boutonAnnuler_, boutonRefaire_;
  float couleurBouton_[3] = {};  // their text colour when they can act

  DialogueGUI* dialogue_ = nullptr;  // open, the manager's
  DialogueEditeur typeDialogue_ = DialogueEditeur::Aucun;
  ChoixCouleurGUI* choixCouleur_ = nullptr;  // open over the properties dialog, the manager's
  ColorGUI* coins_ = nullptr;
  IntGUI* ligneLargeur_ = nullptr;
  IntGUI* ligneHauteur_ = nullptr;
  IntGUI* ligneBombes_ = nullptr;
  float travail_[4][4] = {};
  int quartier_ = 0;
  float couleurOuverture_[4] = {};  // what the colour chooser showed when it opened
  int niveauDialogue_ = 1;          // the level (from 1) shown when the open dialog was opened

  AncreTaille ancre_;  // the properties dialog's sides for a new size
  std::optional<ZoneCases> selection_;
  bool collage_ = false;
};
