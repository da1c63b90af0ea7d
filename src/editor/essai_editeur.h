#pragma once
// Test-play from the editor: the level being edited, as it is in memory, played with the play
// screen's physics and keys, then straight back to the editor with its levels, history and view
// untouched. Asked by the "Essai" button (bottom right) or F5; run from the editor's frame, never
// inside an event. Shift+F5 plays from a cell the author clicks instead of the level's start
// (which stays as it is).
#include <memory>
#include <optional>
#include <utility>

#include "game/niveau.h"
#include "game/solution.h"
#include "gui/widgets.h"

class EtatEditeur;

class EssaiEditeur {
 public:
  // Makes the button (`largeurEcran` x `hauteurEcran`: the window).
  EssaiEditeur(int largeurEcran, int hauteurEcran);

  void demander() {
    avisDepart_.reset();
    depart_.reset();
    demande_ = true;
  }
  // Shift+F5: a notice asks for a cell; the next click on the board (demanderDepuis) plays from
  // there, Escape (annulerChoixDepart) gives up.
  void choisirDepart();
  bool choixDepartEnCours() const { return avisDepart_ != nullptr; }
  void annulerChoixDepart();
  void demanderDepuis(int colonne, int ligne);
  // A play asked and not yet run, or its start cell being chosen, given up (a Check runs).
  void refuser() {
    avisDepart_.reset();
    depart_.reset();
    niveauRoute_.reset();
    demande_ = false;
  }
  // A play asked and not yet run, or a start cell being chosen: the board is not painted meanwhile.
  bool occupe() const { return demande_ || avisDepart_; }
  // A pending play of `niveau` (the level as it was checked) by `route`, as a hint is shown.
  void montrer(const Niveau& niveau, int numero, Solution route);

  // A pending test-play of `etat`'s current level, run now; refused while a dialog is open.
  // The editor's widgets are put aside meanwhile. A window closed during the play is handed
  // back to the editor's loop as SDL_QUIT.
  void executer(EtatEditeur& etat);

  BoutonGUI* bouton() const { return bouton_.get(); }

 private:
  std::unique_ptr<BoutonGUI> bouton_;
  std::unique_ptr<BoutonGUI> avisDepart_;
  int largeurEcran_, hauteurEcran_;
  bool demande_ = false;
  std::optional<std::pair<int, int>> depart_;  // column, row
  std::unique_ptr<Niveau> niveauRoute_;        // with a route: the level it wins
  int numeroRoute_ = 0;
  Solution route_;
};
