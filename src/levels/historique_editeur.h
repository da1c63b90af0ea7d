#pragma once
// Undo and redo for the editor, without widgets: each step keeps the whole level list and the
// current index as they were before a change (a 255 x 255 level is 64 KiB, so copies stay cheap
// and no change can be undone wrongly). A step opened by commencer() and closed by terminer()
// covers a whole drag; a step that changed nothing is not kept. Bounded: the oldest steps go
// first once the count or the bytes pass the limits.
#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "game/niveau.h"

// What one step restores.
struct InstantaneEditeur {
  std::vector<Niveau> niveaux;
  int indice = 0;
};

// Same file content (the camera is a view, not an edit).
bool memesDonnees(const Niveau& a, const Niveau& b);
bool memesDonnees(const InstantaneEditeur& a, const InstantaneEditeur& b);

class HistoriqueEditeur {
 public:
  static constexpr size_t kPasMax = 200;
  static constexpr size_t kOctetsMax = 64u * 1024u * 1024u;

  // Opens a step with the state before the change (a second call before terminer() keeps the
  // first: the drag's start).
  void commencer(const InstantaneEditeur& avant);
  // Closes the step: kept (and the redo list emptied) only when apres differs from its start.
  // True when a step was kept.
  bool terminer(const InstantaneEditeur& apres);
  // commencer + terminer for a change made at once (a dialog's OK, an insert, a delete).
  bool enregistrer(const InstantaneEditeur& avant, const InstantaneEditeur& apres);

  bool peutAnnuler() const { return !annuler_.empty(); }
  bool peutRefaire() const { return !refaire_.empty(); }
  // Gives the state to restore in place of actuel, or false when nothing is left. An open step
  // is closed first, so undo in the middle of a drag undoes the drag.
  bool annuler(InstantaneEditeur& actuel);
  bool refaire(InstantaneEditeur& actuel);

  size_t pasAnnuler() const { return annuler_.size(); }
  size_t pasRefaire() const { return refaire_.size(); }

 private:
  void borner();

  std::deque<InstantaneEditeur> annuler_;
  std::deque<InstantaneEditeur> refaire_;
  InstantaneEditeur ouvert_;
  bool enCours_ = false;
};

// One history per file for the whole session: reopening a file in the editor finds its steps.
class HistoriquesSession {
 public:
  HistoriqueEditeur& pour(const std::string& chemin) { return parFichier_[chemin]; }
  static HistoriquesSession& instance();

 private:
  std::map<std::string, HistoriqueEditeur> parFichier_;
};
