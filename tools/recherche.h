#pragma once
// Breadth-first search for the fastest win of a level: the keys may change every few steps,
// states met before (position to a twentieth of a cell, jump, speed sign, bombs, blast timer
// and grid) are not searched again. Used by zv-resoudre to write solutions and by zv-raccourcis
// to look for shortcuts.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "partie.h"

struct Resolution {
  bool trouvee = false;
  long pas = 0;     // step of the win
  Script script;    // the winning keys, with as few changes as found
  size_t etats = 0; // distinct states searched
};

namespace recherche_detail {

inline const Touches* cles() {
  static const Touches t[] = {
      {false, false, false}, {true, false, false}, {false, true, false},
      {false, false, true},  {true, false, true},  {false, true, true},
  };
  return t;
}
constexpr int NombreCles = 6;

struct Etat {
  std::vector<uint8_t> grille;
  Balle balle;
  int32_t bombes = 0;
  uint8_t minuteur = 0;
  uint32_t noeud = 0;
};

struct Noeud {
  uint32_t parent;
  uint8_t cle;
};

inline uint64_t cle(const Etat& e) {
  uint64_t h = 1469598103934665603ULL;
  auto melanger = [&](uint64_t v) {
    h ^= v;
    h *= 1099511628211ULL;
  };
  for (uint8_t c : e.grille) melanger(c);
  melanger(static_cast<uint64_t>(std::lround(e.balle.x * 20.0f)) + 1000);
  melanger(static_cast<uint64_t>(std::lround(e.balle.y * 20.0f)) + 1000);
  melanger(static_cast<uint64_t>(e.balle.saut) + 1000);
  melanger(e.balle.vitesseX > 0 ? 1 : e.balle.vitesseX < 0 ? 2 : 3);
  melanger(static_cast<uint64_t>(e.bombes));
  melanger(e.minuteur);
  return h;
}

}  // namespace recherche_detail

// The fastest win within `pasMax` steps, keys changing every `tous` steps; gives up after
// `etatsMax` distinct states. With `sansEspace` the space bar is never pressed (is a level that
// gives bombs won without them?).
inline Resolution chercherPlusCourt(Partie& partie, long tous, long pasMax, long etatsMax,
                                    bool sansEspace = false) {
  using namespace recherche_detail;
  Terrain& t = partie.t;
  Resolution res;
  std::vector<Noeud> noeuds{{0, 0}};
  std::unordered_set<uint64_t> vus;
  std::vector<Etat> front(1);
  front[0].grille = partie.grille0;
  front[0].balle = partie.balle0;
  front[0].bombes = partie.bombes0;
  vus.insert(cle(front[0]));

  long gagnePas = -1;
  uint32_t gagneNoeud = 0;
  int gagneCle = 0;
  for (long couche = 0; couche * tous < pasMax && !front.empty() && gagnePas < 0; ++couche) {
    std::vector<Etat> suivant;
    for (const Etat& e : front) {
      for (int k = 0; k < NombreCles; ++k) {
        if (sansEspace && cles()[k].espace) continue;
        t.grille = e.grille;
        t.balle = e.balle;
        t.bombes = e.bombes;
        t.minuteurExplosion = e.minuteur;
        int r = EnCours;
        long j = 0;
        for (; j < tous && r == EnCours; ++j) r = t.avancer(cles()[k], nullptr);
        if (r == Perdu) continue;
        if (r == Gagne) {
          const long p = couche * tous + j - 1;
          if (gagnePas < 0 || p < gagnePas) {
            gagnePas = p;
            gagneNoeud = e.noeud;
            gagneCle = k;
          }
          continue;
        }
        Etat n;
        n.grille = t.grille;
        n.balle = t.balle;
        n.bombes = t.bombes;
        n.minuteur = t.minuteurExplosion;
        if (!vus.insert(cle(n)).second) continue;
        n.noeud = static_cast<uint32_t>(noeuds.size());
        noeuds.push_back(Noeud{e.noeud, static_cast<uint8_t>(k)});
        suivant.push_back(std::move(n));
      }
    }
    front.swap(suivant);
    if (static_cast<long>(vus.size()) > etatsMax) break;
  }
  res.etats = vus.size();
  if (gagnePas < 0) return res;
  // The keys of each block of steps, from the start to the win.
  std::vector<int> blocs{gagneCle};
  for (uint32_t n = gagneNoeud; n != 0; n = noeuds[n].parent) blocs.push_back(noeuds[n].cle);
  std::reverse(blocs.begin(), blocs.end());
  Script s;
  for (size_t b = 0; b < blocs.size(); ++b) {
    if (s.empty() || !memesTouches(s.back().touches, cles()[blocs[b]])) {
      s.push_back(Consigne{static_cast<long>(b) * tous, cles()[blocs[b]]});
    }
  }
  // Fewer key changes when the win comes no later: each change merged into the one before.
  for (size_t i = s.size(); i-- > 1;) {
    Script essai = s;
    essai.erase(essai.begin() + static_cast<long>(i));
    const Issue is = partie.jouer(essai, gagnePas + 1);
    if (is.resultat == Gagne && is.pas <= gagnePas) {
      s = essai;
      gagnePas = is.pas;
    }
  }
  const Issue fin = partie.jouer(s, gagnePas + 1);
  res.trouvee = fin.resultat == Gagne;
  res.pas = fin.pas;
  res.script = s;
  return res;
}
