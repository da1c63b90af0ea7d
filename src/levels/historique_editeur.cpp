#include "levels/historique_editeur.h"

#include <cstring>
#include <utility>

bool memesDonnees(const Niveau& a, const Niveau& b) {
  return a.largeur == b.largeur && a.hauteur == b.hauteur && a.grille == b.grille &&
         a.departX == b.departX && a.departY == b.departY && a.bombes == b.bombes &&
         std::memcmp(a.couleurs, b.couleurs, sizeof a.couleurs) == 0;
}

bool memesDonnees(const InstantaneEditeur& a, const InstantaneEditeur& b) {
  if (a.indice != b.indice || a.niveaux.size() != b.niveaux.size()) return false;
  for (size_t i = 0; i < a.niveaux.size(); ++i)
    if (!memesDonnees(a.niveaux[i], b.niveaux[i])) return false;
  return true;
}

namespace {

size_t octets(const InstantaneEditeur& e) {
  size_t n = sizeof e;
  for (const Niveau& niveau : e.niveaux) n += sizeof niveau + niveau.grille.size();
  return n;
}

}  // namespace

void HistoriqueEditeur::commencer(const InstantaneEditeur& avant) {
  if (enCours_) return;
  ouvert_ = avant;
  enCours_ = true;
}

bool HistoriqueEditeur::terminer(const InstantaneEditeur& apres) {
  if (!enCours_) return false;
  enCours_ = false;
  // Only the level data counts: moving to another level alone is not a change to undo.
  InstantaneEditeur avant = std::move(ouvert_);
  ouvert_ = InstantaneEditeur{};
  bool change = avant.niveaux.size() != apres.niveaux.size();
  for (size_t i = 0; !change && i < avant.niveaux.size(); ++i)
    change = !memesDonnees(avant.niveaux[i], apres.niveaux[i]);
  if (!change) return false;
  annuler_.push_back(std::move(avant));
  refaire_.clear();
  borner();
  return true;
}

bool HistoriqueEditeur::enregistrer(const InstantaneEditeur& avant,
                                    const InstantaneEditeur& apres) {
  enCours_ = false;
  commencer(avant);
  return terminer(apres);
}

bool HistoriqueEditeur::annuler(InstantaneEditeur& actuel) {
  terminer(actuel);
  if (annuler_.empty()) return false;
  refaire_.push_back(std::move(actuel));
  actuel = std::move(annuler_.back());
  annuler_.pop_back();
  return true;
}

bool HistoriqueEditeur::refaire(InstantaneEditeur& actuel) {
  terminer(actuel);
  if (refaire_.empty()) return false;
  annuler_.push_back(std::move(actuel));
  actuel = std::move(refaire_.back());
  refaire_.pop_back();
  return true;
}

void HistoriqueEditeur::borner() {
  size_t total = 0;
  for (const auto& e : annuler_) total += octets(e);
  for (const auto& e : refaire_) total += octets(e);
  // The newest step always stays, whatever its size.
  while (annuler_.size() > 1 && (annuler_.size() > kPasMax || total > kOctetsMax)) {
    total -= octets(annuler_.front());
    annuler_.pop_front();
  }
}

HistoriquesSession& HistoriquesSession::instance() {
  static HistoriquesSession session;
  return session;
}
