#pragma once
// The editor's check: proves the current level winnable by the breadth-first search, on a
// worker thread over a copy of the level, within the bounds of bornesVerification(). A small
// dialog follows the search (states, depth reached) and offers Cancel; then it says "winnable
// in N s" (and offers to show the winning route in the test-play), "no win within the
// search's bounds" or "the ball has no start". Asked by its button ("Vérifier", bottom right,
// left of the test-play's) or by F6; acted on in the editor's frame, never inside an event.
// A result never outlives the level it speaks of: once the checked level differs from the
// file's (an edit, an undo), a search still running is cancelled and the dialog says the level
// changed, with "Show" greyed and dead.
// The worker and what it shares with the main thread: game/verification.h.
#include <cstdint>
#include <vector>
#include <memory>
#include <string>

#include "game/niveau.h"
#include "game/recherche.h"
#include "game/verification.h"
#include "gui/dialogue.h"
#include "gui/widgets.h"

class EtatEditeur;
class EssaiEditeur;

class VerificationEditeur {
 public:
  // Makes the button (`largeurEcran` x `hauteurEcran`: the window).
  VerificationEditeur(int largeurEcran, int hauteurEcran);
  // Cancels a running search.
  ~VerificationEditeur() = default;
  VerificationEditeur(const VerificationEditeur&) = delete;
  VerificationEditeur& operator=(const VerificationEditeur&) = delete;

  // The button or F6: a check of the current level at the next frame.
  void demander() { demande_ = Demande::Ouvrir; }
  // Starts checking `niveau` (level `numero` of the file) now; ignored while a check is open.
  void ouvrir(const Niveau& niveau, int numero);
  // Once a frame: a pending request acted on (the check opened for `etat`'s current level,
  // refused while one of its dialogs is open; "Show" handed to `essai`), the progress shown,
  // the result taken when the search ended.
  void avancer(EtatEditeur& etat, EssaiEditeur& essai);
  // Escape or Cancel: at the next frame a running search is stopped and the dialog closes.
  void annuler() { demande_ = Demande::Fermer; }
  // The same at once (not from inside one of the dialog's own callbacks).
  void fermer();

  bool ouvert() const { return dialogue_ != nullptr; }
  // The level changed since the check started: its answer no longer holds.
  bool perime() const { return perime_; }
  bool enCours() const { return verification_.enCours(); }
  // The last result (FinRecherche::Bornee before any).
  const Resolution& resultat() const { return resultat_; }
  BoutonGUI* bouton() const { return bouton_.get(); }
  DialogueGUI* dialogue() const { return dialogue_.get(); }

 private:
  enum class Demande { Aucune, Ouvrir, Fermer, Montrer };
  void construireRecherche();
  void construireResultat();
  void terminer();
  // Whether level `numero_` of the file is still the one checked (looked at again only when the
  // file's revision moved).
  bool toujoursLeMeme(const EtatEditeur& etat);
  void devenirPerime();

  std::unique_ptr<BoutonGUI> bouton_;
  Demande demande_ = Demande::Aucune;

  Niveau niveau_;  // the level as it was checked
  int numero_ = 0;
  uint64_t revision_ = 0;  // the file's revision when last found the same
  bool perime_ = false;
  BoutonGUI* montrer_ = nullptr;
  uint32_t debut_ = 0;
  Verification verification_;
  Resolution resultat_;

  std::unique_ptr<DialogueGUI> dialogue_;
  LabelGUI* ligne1_ = nullptr;
  LabelGUI* ligne2_ = nullptr;
  std::string texte2_;
};
