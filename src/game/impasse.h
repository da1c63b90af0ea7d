#pragma once
// Whether a level being played can still be won, proven on a worker thread: the level search
// (game/recherche.h) run from a copy of the rule state as it stands, within the editor check's
// bounds counted from that state. Only a search that runs out of states without a win proves
// the level lost; one stopped by a bound proves nothing and says nothing.
//
// `RechercheImpasse` is one search at a time. `GuetImpasse` looks at each frame's copy of the
// level and starts the search again when the state changed in a way that matters: the grid (a
// brick broken, a switch pressed), the bombs, or the ball come to rest elsewhere.
//
// Threads: each worker owns its copy (a `Partie` of its own: no lock, the live level is never
// touched) and its record (`Travail`: the cancel flag, the verdict, the "finished" flag), and
// writes the verdict once, before it raises the flag (release); the starting thread reads the
// verdict only after seeing it (acquire), then joins. A search started again while one runs
// raises the old one's cancel flag and lets it end on its own: the frame never waits for it (it
// is joined once ended, at a later look). The level's end cancels every search and joins them:
// the search reads its flag before every state.
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "game/balle.h"
#include "game/instantane.h"
#include "game/recherche.h"
#include "game/regles.h"

enum class VerdictImpasse {
  Aucun,     // no search started, or its verdict taken
  EnCours,   // the worker searches
  Gagnable,  // a win is still reachable
  Prouvee,   // every reachable state searched: no win
  Bornee,    // a bound stopped it first: nothing is known
  Annulee,   // cancelled
};

// The bounds of a search from the middle of a level: the editor's check's.
BornesRecherche bornesImpasse();

class RechercheImpasse {
 public:
  RechercheImpasse() = default;
  ~RechercheImpasse() { annuler(); }
  RechercheImpasse(const RechercheImpasse&) = delete;
  RechercheImpasse& operator=(const RechercheImpasse&) = delete;

  // Searches from `etat` (copied), the state of step `pas`; a running search is cancelled
  // without waiting for it.
  void lancer(const EtatRegles& etat, uint32_t pas,
              const BornesRecherche& bornes = bornesImpasse());
  // Stops every search and waits for their ends. True when one was running.
  bool annuler();
  // The current search's verdict once it has finished (its worker is joined); EnCours while
  // it runs, Aucun without one.
  VerdictImpasse constater();
  bool enCours() const { return courant_ != nullptr; }
  // The step of the state the last search started from.
  uint32_t pas() const { return pas_; }
  // Cancelled searches not yet ended and joined (for the tests).
  size_t enFin() const { return anciens_.size(); }

 private:
  struct Travail {
    std::thread fil;
    std::atomic<bool> annulation{false};
    std::atomic<bool> finie{false};
    VerdictImpasse verdict = VerdictImpasse::Aucun;  // written by the worker before finie
  };
  // Joins the cancelled searches that have ended.
  void ramasser();

  std::unique_ptr<Travail> courant_;
  std::vector<std::unique_ptr<Travail>> anciens_;
  uint32_t pas_ = 0;
};

class GuetImpasse {
 public:
  explicit GuetImpasse(const BornesRecherche& bornes = bornesImpasse()) : bornes_(bornes) {}

  // One look at the running level at step `pas`: the search starts again when the state
  // changed in a way that matters, and its verdict is taken. True once, when the level is
  // proven lost (`pasPreuve()` says from which step). Logs "Impasse prouvée au pas N" (and
  // "Victoire encore possible au pas N" or "Recherche d'impasse bornée au pas N" otherwise).
  bool observer(const InstantaneTerrain& vue, uint32_t pas);
  bool prouvee() const { return prouvee_; }
  uint32_t pasPreuve() const { return pasPreuve_; }
  // How many searches were started (for the tests).
  int recherches() const { return recherches_; }
  bool enCours() const { return recherche_.enCours(); }
  // The level ends or starts over: the search is cancelled at once and everything forgotten.
  void arreter();

 private:
  // What a search started from, to tell a change that matters.
  struct Repere {
    std::vector<uint8_t> grille;
    int32_t bombes = 0;
    long x = 0, y = 0;  // the ball to a twentieth of a cell, as the search tells states apart
    bool valable = false;
  };

  void lancer(const InstantaneTerrain& vue, uint32_t pas);

  BornesRecherche bornes_;
  RechercheImpasse recherche_;
  Repere repere_;
  long dernierX_ = 0, dernierY_ = 0;  // the ball at the last look
  uint32_t dernierPas_ = 0;
  bool prouvee_ = false;
  uint32_t pasPreuve_ = 0;
  int recherches_ = 0;
  EtatRegles copie_;
};
