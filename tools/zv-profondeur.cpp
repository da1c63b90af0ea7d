// zv-profondeur: how deep a level is against a player who only reads the start view. For every
// ordered pair of distinct held keys (left, right, and each with the space bar where the level
// holds or offers a bomb), the first key held from step 0 and the second from step T, for every
// T from 1 to --steps, each run bounded at --horizon steps: the share of those scripts that win.
// A corridor is won by many of them; a level with real decisions by almost none.
//
// Fast by sharing work: the first key's run is played once and its state kept at every step;
// the second key's runs remember the outcome of every state they pass (the grid, the ball, the
// bombs and the blast, exactly), so a run that reaches a state already met takes its outcome,
// and a run that comes back to a state of its own is stuck (no win).
//   zv-profondeur [options] FILE.map...
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/journal.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-profondeur [options] FILE.map...\n"
    "  --steps N        the second key comes at every step 1..N (default 2500)\n"
    "  --horizon N      each script runs at most N steps (default 6000)\n"
    "  --limit P        a level fails when more than P % of the scripts win (default 5)\n"
    "  --exempt-first   the first level of each file does not fail (it opens the file)\n"
    "  --report         print the table and the failures, exit 0 all the same\n"
    "  --verify K       also replay every K-th script plainly and count the ones whose result\n"
    "                   differs from the shared work's (a check of this tool; fails on any)\n"
    "One line per level: its share of winning two-key scripts and the earliest one that wins.\n"
    "Exit status 1 when a level fails, 2 for a wrong command line.\n";

struct Reglages {
  long pas = 2500;
  long horizon = 6000;
  double limite = 5.0;
  bool premierExempt = false;
  bool rapport = false;
  long verifier = 0;
};

// The rule state of a replay, its grid by number in a small pool.
struct Etat {
  Balle balle;
  int32_t bombes = 0;
  uint8_t minuteur = 0;
  float explosionX = 0.0f, explosionY = 0.0f;
  uint32_t grille = 0;
};

inline uint64_t melanger(uint64_t h, uint64_t v) {
  h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
  return h * 0xFF51AFD7ED558CCDULL;
}
inline uint64_t bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}
uint64_t hacherGrille(const std::vector<uint8_t>& g) {
  uint64_t h = 1469598103934665603ULL;
  for (uint8_t c : g) h = (h ^ c) * 1099511628211ULL;
  return h;
}

// The whole state, exactly (floats by their bits): two states of equal key play the same.
uint64_t cleEtat(uint64_t hGrille, const Terrain& t, float explosionX, float explosionY) {
  uint64_t h = hGrille;
  h = melanger(h, bits(t.balle.x));
  h = melanger(h, bits(t.balle.y));
  h = melanger(h, static_cast<uint32_t>(t.balle.saut));
  h = melanger(h, bits(t.balle.vitesseX));
  h = melanger(h, static_cast<uint32_t>(t.bombes));
  h = melanger(h, t.minuteurExplosion);
  if (t.minuteurExplosion) {
    h = melanger(h, bits(explosionX));
    h = melanger(h, bits(explosionY));
  }
  return h;
}

// What a state comes to under one held key: won or lost after `distance` steps (the step that
// returns the result counted), or never (stuck, or past the horizon).
struct Devenir {
  int8_t issue = EnCours;  // Gagne, Perdu, or EnCours for never
  int32_t distance = 0;
};

struct Bilan {
  long scripts = 0;
  long gagnes = 0;
  std::string premier;  // the earliest winning script, "A 0 / T B"
  long premierPas = -1;
  long verifies = 0;
  long ecarts = 0;  // replays whose result differs from the shared work's
};

class Profondeur {
 public:
  Profondeur(Partie& p, const Reglages& r) : partie_(p), r_(r) {}

  Bilan mesurer() {
    partie_.recommencer();
    std::vector<Touches> cles = {{true, false, false}, {false, true, false}};
    bool bombes = partie_.t.bombes > 0;
    for (uint8_t c : partie_.t.grille) bombes = bombes || c == Bombe;
    if (bombes) {
      cles.push_back({true, false, true});
      cles.push_back({false, true, true});
    }
    Bilan b;
    std::vector<std::unordered_map<uint64_t, Devenir>> memoires(cles.size());
    for (size_t a = 0; a < cles.size(); ++a) {
      premiereCle(cles[a]);
      for (size_t k = 0; k < cles.size(); ++k) {
        if (k == a) continue;
        for (long t = 1; t <= r_.pas; ++t) {
          ++b.scripts;
          long gagneA = -1;  // the step the script is won at, -1 when it is not
          if (t > static_cast<long>(etats_.size()) - 1) {
            // The first key's run ended before T: its result is the script's.
            if (issueA_ == Gagne) gagneA = pasA_;
          } else {
            const Devenir d = devenir(etats_[t], cles[k], memoires[k], r_.horizon - t);
            if (d.issue == Gagne && t + d.distance <= r_.horizon) gagneA = t + d.distance - 1;
          }
          if (r_.verifier > 0 && b.scripts % r_.verifier == 0) {
            const Script s{Consigne{0, cles[a]}, Consigne{t, cles[k]}};
            const Issue i = partie_.jouer(s, r_.horizon);
            const long attendu = i.resultat == Gagne ? i.pas : -1;
            ++b.verifies;
            if (attendu != gagneA) {
              ++b.ecarts;
              std::fprintf(stderr, "zv-profondeur: 0 %s / %ld %s: replay %ld, shared work %ld\n",
                           texteTouches(cles[a]).c_str(), t, texteTouches(cles[k]).c_str(), attendu,
                           gagneA);
            }
          }
          if (gagneA < 0) continue;
          ++b.gagnes;
          if (b.premierPas < 0 || gagneA < b.premierPas) {
            b.premierPas = gagneA;
            b.premier = "0 " + texteTouches(cles[a]) + " / " + std::to_string(t) + " " +
                        texteTouches(cles[k]);
          }
        }
      }
    }
    return b;
  }

 private:
  // Plays `cle` from the start and keeps the state after every step 0..pas (or until the run's
  // result): etats_[T] is the state the second key takes over at step T.
  void premiereCle(const Touches& cle) {
    partie_.recommencer();
    grilles_.clear();
    etats_.clear();
    issueA_ = EnCours;
    pasA_ = -1;
    Terrain& t = partie_.t;
    grilles_.push_back(t.grille);
    etats_.push_back(prendre(0));
    for (long p = 0; p < r_.pas; ++p) {
      const int r = pas(cle);
      if (r != EnCours) {
        issueA_ = r;
        pasA_ = p;
        return;
      }
      if (t.grille != grilles_.back()) grilles_.push_back(t.grille);
      etats_.push_back(prendre(static_cast<uint32_t>(grilles_.size() - 1)));
    }
  }

  // One step of the rules; a blast's place is kept as part of the state.
  int pas(const Touches& cle) {
    const EvenementsPas ev = pasRegles(partie_.t, cle);
    if (ev.explosion) {
      explosionX_ = ev.explosionX;
      explosionY_ = ev.explosionY;
    }
    return ev.resultat;
  }

  Etat prendre(uint32_t grille) const {
    const Terrain& t = partie_.t;
    Etat e;
    e.balle = t.balle;
    e.bombes = t.bombes;
    e.minuteur = t.minuteurExplosion;
    e.explosionX = explosionX_;
    e.explosionY = explosionY_;
    e.grille = grille;
    return e;
  }

  // What `e` comes to under `cle` held, within `reste` steps; every state passed is remembered.
  Devenir devenir(const Etat& e, const Touches& cle, std::unordered_map<uint64_t, Devenir>& memoire,
                  long reste) {
    Terrain& t = partie_.t;
    t.grille = grilles_[e.grille];
    t.balle = e.balle;
    t.bombes = e.bombes;
    t.minuteurExplosion = e.minuteur;
    explosionX_ = e.explosionX;
    explosionY_ = e.explosionY;
    std::vector<uint8_t> grilleAvant = t.grille;
    uint64_t hGrille = hacherGrille(t.grille);
    chemin_.clear();
    dansChemin_.clear();
    Devenir fin;  // never, unless found otherwise
    for (;;) {
      const uint64_t cle0 = cleEtat(hGrille, t, explosionX_, explosionY_);
      const auto connu = memoire.find(cle0);
      if (connu != memoire.end()) {
        fin = connu->second;
        if (fin.issue != EnCours) fin.distance += static_cast<int32_t>(chemin_.size());
        break;
      }
      if (!dansChemin_.insert(cle0).second) break;  // back to a state of this run: stuck
      chemin_.push_back(cle0);
      if (static_cast<long>(chemin_.size()) > reste) break;  // past the horizon: counted as never
      const int r = pas(cle);
      if (r != EnCours) {
        fin.issue = static_cast<int8_t>(r);
        fin.distance = static_cast<int32_t>(chemin_.size());
        break;
      }
      if (std::memcmp(t.grille.data(), grilleAvant.data(), grilleAvant.size()) != 0) {
        grilleAvant = t.grille;
        hGrille = hacherGrille(t.grille);
      }
    }
    // Every state of the run comes to the same end, that many steps sooner for the later ones.
    // A run cut by the horizon is not remembered: from a later start it might still end.
    const bool coupe = fin.issue == EnCours && static_cast<long>(chemin_.size()) > reste;
    if (!coupe) {
      const int32_t n = static_cast<int32_t>(chemin_.size());
      for (int32_t i = 0; i < n; ++i) {
        Devenir d = fin;
        if (d.issue != EnCours) d.distance -= i;
        memoire.emplace(chemin_[static_cast<size_t>(i)], d);
      }
    }
    return fin;
  }

  Partie& partie_;
  const Reglages& r_;
  std::vector<std::vector<uint8_t>> grilles_;
  std::vector<Etat> etats_;
  int issueA_ = EnCours;
  long pasA_ = -1;
  std::vector<uint64_t> chemin_;
  std::unordered_set<uint64_t> dansChemin_;
  float explosionX_ = 0.0f, explosionY_ = 0.0f;  // where the last blast went off
};

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  Reglages r;
  std::vector<std::string> fichiers;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    long v = 0;
    if (a == "--help" || a == "-h") {
      std::fputs(Aide, stdout);
      return 0;
    } else if (a == "--exempt-first") {
      r.premierExempt = true;
    } else if (a == "--report") {
      r.rapport = true;
    } else if ((a == "--steps" || a == "--horizon" || a == "--verify") && i + 1 < argc &&
               lireEntier(argv[i + 1], v) && v > 0) {
      ++i;
      (a == "--steps" ? r.pas : a == "--horizon" ? r.horizon : r.verifier) = v;
    } else if (a == "--limit" && i + 1 < argc && lireReel(argv[i + 1], r.limite)) {
      ++i;
    } else if (!a.empty() && a[0] == '-') {
      std::fputs(Aide, stderr);
      return 2;
    } else {
      fichiers.push_back(a);
    }
  }
  if (fichiers.empty()) {
    std::fputs(Aide, stderr);
    return 2;
  }
  if (r.horizon <= r.pas) r.horizon = r.pas + 1;

  int echecs = 0;
  std::vector<std::string> listeEchecs;
  for (const std::string& fichier : fichiers) {
    long n = 1;
    for (;; ++n) {
      Partie partie;
      std::string erreur;
      if (!chargerPartie(partie, fichier, n, erreur)) break;
      Profondeur profondeur(partie, r);
      const Bilan b = profondeur.mesurer();
      const double part = b.scripts ? 100.0 * b.gagnes / b.scripts : 0.0;
      const bool exempt = r.premierExempt && n == 1;
      const bool echec = (part > r.limite && !exempt) || b.ecarts > 0;
      std::string nom = fichier.substr(fichier.find_last_of('/') + 1);
      if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
      std::printf(
          "%-20s level %2ld  scripts %6ld  won %6ld  share %6.2f%%  earliest %s  %s\n", nom.c_str(),
          n, b.scripts, b.gagnes, part,
          b.premierPas >= 0 ? (std::to_string(b.premierPas) + " (" + b.premier + ")").c_str() : "-",
          b.ecarts > 0 ? "FAIL replays differ"
          : echec      ? "FAIL"
          : exempt     ? "ok (opens the file)"
                       : "ok");
      if (r.verifier > 0) std::printf("  %ld scripts replayed, %ld differ\n", b.verifies, b.ecarts);
      std::fflush(stdout);
      if (echec) {
        ++echecs;
        listeEchecs.push_back(nom + "-" + std::to_string(n));
      }
    }
    if (n == 1) {
      std::fprintf(stderr, "zv-profondeur: %s holds no level\n", fichier.c_str());
      ++echecs;
      listeEchecs.push_back(fichier + " (no level)");
    }
  }
  if (!listeEchecs.empty()) {
    std::printf("%zu levels over %.1f%%:", listeEchecs.size(), r.limite);
    for (const std::string& s : listeEchecs) std::printf(" %s", s.c_str());
    std::printf("\n");
  }
  if (r.rapport) return 0;
  return echecs == 0 ? 0 : 1;
}
