#include "game/impasse.h"

#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "base/journal.h"
#include "game/partie.h"
#include "platform/processus.h"

namespace {

long auVingtieme(float v) { return std::lround(v * 20.0f); }

// A ball at rest: no jump and the same place as at the last look, some steps later.
bool auRepos(const Balle& b, long x, long y, uint32_t pas, long dernierX, long dernierY,
             uint32_t dernierPas) {
  return b.saut == 0 && pas != dernierPas && x == dernierX && y == dernierY;
}

}  // namespace

BornesRecherche bornesImpasse() {
  BornesRecherche b = bornesVerification();
  b.existenceSeule = true;
  return b;
}

void RechercheImpasse::lancer(const EtatRegles& etat, uint32_t pas, const BornesRecherche& bornes) {
  if (courant_) {
    courant_->annulation = true;
    anciens_.push_back(std::move(courant_));
  }
  ramasser();
  pas_ = pas;
  // The worker's own copy, the state as it stands made the start the search goes from.
  auto partie = std::make_unique<Partie>();
  Niveau& d = partie->depart;
  d.largeur = etat.largeur;
  d.hauteur = etat.hauteur;
  d.grille = etat.grille;
  d.departX = etat.balle.x;
  d.departY = etat.balle.y;
  d.bombes = etat.bombes;
  partie->grille0 = etat.grille;
  partie->balle0 = etat.balle;
  partie->bombes0 = etat.bombes;
  partie->minuteur0 = etat.minuteurExplosion;
  static_cast<EtatRegles&>(partie->t) = etat;
  courant_ = std::make_unique<Travail>();
  Travail* travail = courant_.get();
  travail->fil = std::thread([travail, bornes, p = std::move(partie)]() mutable {
    cederPriorite();
    const Resolution r = chercherPlusCourt(*p, bornes, nullptr, &travail->annulation);
    p.reset();  // its memory goes back before the search counts as ended
    VerdictImpasse v = VerdictImpasse::Bornee;
    if (r.fin == FinRecherche::Gagnee) v = VerdictImpasse::Gagnable;
    if (r.fin == FinRecherche::Epuisee) v = VerdictImpasse::Prouvee;
    if (r.fin == FinRecherche::Annulee) v = VerdictImpasse::Annulee;
    travail->verdict = v;
    travail->finie.store(true, std::memory_order_release);
  });
}

void RechercheImpasse::ramasser() {
  for (size_t i = 0; i < anciens_.size();) {
    if (anciens_[i]->finie.load(std::memory_order_acquire)) {
      anciens_[i]->fil.join();
      anciens_.erase(anciens_.begin() + static_cast<long>(i));
    } else {
      ++i;
    }
  }
}

bool RechercheImpasse::annuler() {
  const bool enCours = courant_ != nullptr || !anciens_.empty();
  if (courant_) anciens_.push_back(std::move(courant_));
  for (auto& t : anciens_) t->annulation = true;
  for (auto& t : anciens_) t->fil.join();
  anciens_.clear();
  return enCours;
}

VerdictImpasse RechercheImpasse::constater() {
  ramasser();
  if (!courant_) return VerdictImpasse::Aucun;
  if (!courant_->finie.load(std::memory_order_acquire)) return VerdictImpasse::EnCours;
  courant_->fil.join();
  const VerdictImpasse v = courant_->verdict;
  courant_.reset();
  return v;
}

bool GuetImpasse::observer(const InstantaneTerrain& vue, uint32_t pas) {
  if (!vue.aGrille()) return false;
  const long x = auVingtieme(vue.balle.x), y = auVingtieme(vue.balle.y);
  const bool repos = auRepos(vue.balle, x, y, pas, dernierX_, dernierY_, dernierPas_);
  dernierX_ = x;
  dernierY_ = y;
  dernierPas_ = pas;
  // A lost level stays lost whatever follows by the rules; only the bomb code's extra bomb
  // makes another level of it.
  if (prouvee_ && vue.bombes <= repere_.bombes) return false;
  const bool change = !repere_.valable || vue.grille != repere_.grille ||
                      vue.bombes != repere_.bombes || (repos && (x != repere_.x || y != repere_.y));
  if (change) {
    prouvee_ = false;
    lancer(vue, pas);
    return false;
  }
  // The other verdicts say nothing to the player; the log keeps them.
  const VerdictImpasse v = recherche_.constater();
  if (v == VerdictImpasse::Gagnable)
    journal("Victoire encore possible au pas " + std::to_string(recherche_.pas()));
  if (v == VerdictImpasse::Bornee)
    journal("Recherche d'impasse bornée au pas " + std::to_string(recherche_.pas()));
  if (v != VerdictImpasse::Prouvee) return false;
  prouvee_ = true;
  pasPreuve_ = recherche_.pas();
  journal("Impasse prouvée au pas " + std::to_string(pasPreuve_));
  return true;
}

void GuetImpasse::lancer(const InstantaneTerrain& vue, uint32_t pas) {
  repere_.grille = vue.grille;
  repere_.bombes = vue.bombes;
  repere_.x = auVingtieme(vue.balle.x);
  repere_.y = auVingtieme(vue.balle.y);
  repere_.valable = true;
  copie_.largeur = vue.largeur;
  copie_.hauteur = vue.hauteur;
  copie_.grille = vue.grille;
  copie_.balle = vue.balle;
  copie_.bombes = vue.bombes;
  copie_.minuteurExplosion = vue.minuteurExplosion;
  copie_.resultat = EnCours;
  recherche_.lancer(copie_, pas, bornes_);
  ++recherches_;
}

void GuetImpasse::arreter() {
  recherche_.annuler();
  repere_ = Repere{};
  prouvee_ = false;
  pasPreuve_ = 0;
}
