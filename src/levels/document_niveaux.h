#pragma once
// The level file being edited, without window, widgets or GL: its levels, its path, the file's
// signature as read or last saved, the revision of the edits, the undo history, and the policy
// that never loses the player's work. Each operation says what happened; the editor's screen
// and dialogs only show the answer.
//
// A save writes nothing over a file another program (or another game) changed since it was read
// or saved: it reports a conflict instead. A failed write keeps every edit and reports the
// reason. Unsaved edits go to a recovery copy beside the file when the window closes; the copy
// stays until the file is saved or the player declines it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/niveau.h"
#include "levels/fichiers_edition.h"
#include "levels/historique_editeur.h"
#include "levels/operations_niveaux.h"
#include "levels/selection_niveaux.h"

// What became of a save.
enum class ResultatSauvegarde {
  Ecrit,    // the file holds the levels (under `chemin`)
  Conflit,  // the file changed on disk since read or saved: nothing written
  Echec,    // not written (`raison` says why): the edits are all kept
};
struct Sauvegarde {
  ResultatSauvegarde resultat = ResultatSauvegarde::Ecrit;
  std::string raison;  // the system's text for an Echec
};

class DocumentNiveaux {
 public:
  // The levels as read from `chemin` (a new empty level when there is none). The signature of
  // the file is taken now; the undo history is the file's for the whole session.
  DocumentNiveaux(std::string chemin, std::vector<Niveau> niveaux);

  const std::string& chemin() const { return chemin_; }
  const std::vector<Niveau>& niveaux() const { return niveaux_; }
  size_t nombre() const { return niveaux_.size(); }
  // A level, for its view (the camera is no edit): changes through it are not counted.
  Niveau& niveau(int indice) { return niveaux_[static_cast<size_t>(indice)]; }
  // Edits since the file was read or saved (undo or redo back to the levels last saved clears
  // it, as a save would).
  bool modifie() const { return modifie_; }
  uint64_t revision() const { return revision_; }

  // ---- edits (each counted; `indice` is the current level, from 0) ----
  // The tool at (colonne, ligne) of level `indice`; true when it changed a cell.
  bool peindre(int indice, uint8_t outil, int colonne, int ligne);
  // False, with a log line, when the file already holds the most levels it may.
  bool placePourUnNiveau() const;
  // A copy of level `indice` right after it, as one undo step of its own (logged "Copie du
  // niveau N : niveau N+1"); returns the copy's index.
  int copier(int indice);
  // A new level before or after level `valeur` (from 1); returns the new level's number.
  int inserer(int valeur, bool apres);
  // Deletes level `valeur` (from 1) unless it is the only one; returns the level now shown.
  int supprimer(int valeur);
  // The properties dialog's "OK" on level `numero` (from 1), logged "Modif niv N"; the columns
  // and rows come and go at the sides `ancre` names.
  void appliquerProprietes(int numero, int X, int Y, int B, const CouleursTravail travail,
                           AncreTaille ancre = {});
  // A block of level `indice`: emptied, the clipboard written with its top-left cell at
  // (colonne, ligne) (cut at the level's edge), or moved by (dc, dl). Each is one undo step of
  // its own, logged with the cells it changed ("Effacement : N cases", "Collage : N cases",
  // "Déplacement : N cases"); the number of cells changed.
  int viderZone(int indice, const ZoneCases& zone);
  int collerZone(int indice, const PressePapiers& bloc, int colonne, int ligne);
  int deplacerZone(int indice, const ZoneCases& zone, int dc, int dl);

  // ---- undo and redo ----
  // Every change since the last step becomes one step (the screen calls it whenever no mouse
  // button is held, so that a whole drag is one step).
  void validerHistorique(int indice);
  // A change not yet made a step (a drag going on) can be undone too.
  bool peutAnnuler() const;
  bool peutRefaire() const;
  // Back or forward one step; the index to show, or nothing when there was no step. Each level
  // keeps the camera it has now (the view is not part of a step). Logged "Annuler : niveau N" /
  // "Refaire : niveau N".
  std::optional<int> annuler(int indice) { return revenir(true, indice); }
  std::optional<int> refaire(int indice) { return revenir(false, indice); }

  // ---- saving ----
  // Writes the file unless another program changed it since (then Conflit, logged "Fichier
  // modifié depuis son ouverture : PATH").
  Sauvegarde sauvegarder();
  // Writes over the other program's version.
  Sauvegarde ecraser();
  // Writes to a free name beside the file ("NAME-2.map"...) and goes on as that file.
  Sauvegarde sauverSousNouveauNom();
  // The window is closing: unsaved edits go to the recovery copy (logged with its path). True
  // when nothing was to be written or the copy was.
  bool ecrireRecuperationSiModifie();
  // The copy could not be written: the levels under a free name of `dossier` (created again if
  // it went). True when written; the edits then count as saved.
  bool sauverAilleurs(const std::string& dossier);
  // The player gives the edits up (logged).
  void abandonner();

  // ---- the recovery copy at the next opening ----
  // A copy of this file is there (logged "Copie de secours trouvée : PATH").
  bool recuperationTrouvee() const;
  // Its levels replace the ones read; they count as unsaved and the copy stays until a save.
  // False (the copy kept, the levels unchanged) when it cannot be read.
  bool recuperer();
  // Declined: the copy goes.
  void refuserRecuperation();

 private:
  Sauvegarde ecrire(const std::string& chemin);
  void apresSauvegarde();
  void marquerModifie();
  // A change made at once as one step: the edits before it make a step of their own.
  template <class Changement>
  int pasUnique(int indice, Changement changement);
  InstantaneEditeur instantane(int indice) const { return {niveaux_, indice}; }
  std::optional<int> revenir(bool enArriere, int indice);

  std::string chemin_;
  std::vector<Niveau> niveaux_;
  bool modifie_ = false;
  SignatureFichier signature_;  // the file as read or last saved
  std::vector<Niveau> sauves_;  // the levels the file holds, as read or last saved

  HistoriqueEditeur* historique_ = nullptr;
  InstantaneEditeur base_;  // the levels as the last step left them
  uint64_t revision_ = 0, revisionBase_ = 0;
};
