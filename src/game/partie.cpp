#include "game/partie.h"

Solution enSolution(const Script& s) {
  Solution solution;
  solution.reserve(s.size());
  for (const Consigne& c : s) {
    solution.push_back(ConsigneSolution{static_cast<uint32_t>(c.pas), c.touches});
  }
  return solution;
}

void Partie::retenirDepart() {
  depart = t.niveau();
  grille0 = t.grille;
  balle0 = t.balle;
  bombes0 = t.bombes;
}

void Partie::preparer(const Niveau& niveau) {
  t.commencerNiveau(niveau);
  retenirDepart();
}

Issue Partie::jouer(const Script& s, long pasMax, bool jusquAuBout,
                    const std::function<void(long, int)>& apresPas) {
  recommencer();
  Issue issue;
  issue.pas = pasMax;
  size_t prochaine = 0;
  Touches touches;
  for (long p = 0; p < pasMax; ++p) {
    while (prochaine < s.size() && s[prochaine].pas <= p) touches = s[prochaine++].touches;
    // The rules alone, without the lock (the Terrain is the replay's own); what shows them
    // only when a ring was asked for.
    const EvenementsPas ev = pasRegles(t, touches);
    if (spectacle.capaciteParticules > 0) spectacle.montrer(ev);
    const int r = ev.resultat;
    if (apresPas) apresPas(p, r);
    if (issue.resultat == EnCours && r != EnCours) {
      issue.resultat = r;
      issue.pas = p;
      if (!jusquAuBout) break;
    }
  }
  return issue;
}
