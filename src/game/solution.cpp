#include "game/solution.h"

#include <algorithm>
#include <sstream>

#include "game/recherche.h"
#include "game/terrain.h"

bool lireSolution(const std::string& texte, Solution& s) {
  s.clear();
  std::istringstream lignes(texte);
  std::string ligne;
  while (std::getline(lignes, ligne)) {
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    std::istringstream mots(ligne);
    std::string pas, cles, reste;
    if (!(mots >> pas) || pas[0] == '#') continue;
    if (!(mots >> cles) || (mots >> reste) || pas.size() > 9) return s.clear(), false;
    ConsigneSolution c;
    for (char ch : pas) {
      if (ch < '0' || ch > '9') return s.clear(), false;
      c.pas = c.pas * 10 + static_cast<uint32_t>(ch - '0');
    }
    if (cles != "-") {
      for (char k : cles) {
        if (k == 'L') c.touches.gauche = true;
        else if (k == 'R') c.touches.droite = true;
        else if (k == 'S') c.touches.espace = true;
        else return s.clear(), false;
      }
    }
    if (!s.empty() && c.pas < s.back().pas) return s.clear(), false;
    s.push_back(c);
  }
  return !s.empty();
}

Touches touchesAuPas(const Solution& s, uint32_t pas) {
  Touches t;
  for (const ConsigneSolution& c : s) {
    if (c.pas > pas) break;
    t = c.touches;
  }
  return t;
}

bool solutionGagne(const Niveau& depart, const Solution& s, uint32_t marge) {
  const uint32_t borne = static_cast<uint32_t>(bornesVerification().pasMax);
  if (s.empty() || !depart.aGrille() || s.back().pas >= borne) return false;
  // The working level of its own: the live one is not touched, and its rule state alone
  // steps (no lock, no camera, no particles).
  static_assert(sizeof(uint32_t) == 4, "");
  Niveau copie = depart;
  Terrain t;
  t.commencerNiveau(std::move(copie));
  const uint32_t fin = std::min(borne, s.back().pas + std::min(marge, borne));
  size_t prochaine = 0;
  Touches touches;
  for (uint32_t p = 0; p < fin; ++p) {
    while (prochaine < s.size() && s[prochaine].pas <= p) touches = s[prochaine++].touches;
    const int r = pasRegles(t, touches).resultat;
    if (r == Gagne) return true;
    if (r == Perdu) return false;
  }
  return false;
}
