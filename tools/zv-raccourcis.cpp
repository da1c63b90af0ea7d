// zv-raccourcis: looks for shortcuts in every level of a level file, the way a player who does
// not know the intended route would: simple held keys, one key tapped then another held,
// random scripts, a local search that moves the key changes of the recorded solution to win
// sooner, and a breadth-first search over key changes every 5 steps. A level fails when a script
// wins it much sooner than its solution, or when one held key wins it (outside the first file).
// Deterministic for a given seed.
//   zv-raccourcis [options] FILE.map SOLUTIONS
// SOLUTIONS is the path prefix of the solutions: level N's is SOLUTIONS-N.txt, whose first line
// is "# won at step S". See --help.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/journal.h"
#include "entree_outil.h"
#include "game/recherche.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-raccourcis [options] FILE.map SOLUTIONS\n"
    "  SOLUTIONS        path prefix of the solutions: level N's is SOLUTIONS-N.txt,\n"
    "                   first line \"# won at step S\"\n"
    "  --seed N         seed of the random scripts and the search (default 1)\n"
    "  --random N       random scripts per level (default 300)\n"
    "  --search N       tries of the local search per level (default 400)\n"
    "  --states N       states of the breadth-first search per level (default 400000, 0: none)\n"
    "  --ratio R        fail when a script wins before R x the solution's steps (default 0.8)\n"
    "  --held-key-ok    a level won by one held key does not fail (the first file)\n"
    "  --beginner D     fail when the solution lands the ball closer than D cells to a\n"
    "                   deadly cell (the first files)\n"
    "Checks every level also for a blastable border when the level holds bombs.\n"
    "Prints one line per level; exit status 1 when a level fails, 2 for a wrong command.\n";

const Touches Cles[] = {
    {false, false, false}, {true, false, false}, {false, true, false},
    {false, false, true},  {true, false, true},  {false, true, true},
};
constexpr int NombreCles = 6;

struct Reglages {
  unsigned graine = 1;
  int aleatoires = 300;
  int recherche = 400;
  long etats = 400000;
  double ratio = 0.8;
  bool cleTenuePermise = false;
  double debutant = 0.0;
};

struct Bilan {
  long solution = 0;
  long plusRapide = 0;
  std::string par = "solution";
  long cleTenue = -1;  // step of the fastest win by one held key, -1 for none
  std::string cleTenueNom;
  long deuxCles = -1;  // fastest win by one key tapped then another held
  std::string deuxClesNom;
  double atterrissage = 1e9;  // closest landing of the solution to a deadly cell
  std::string bord;           // a blastable border cell, when the level holds bombs
};

// A blast could open the level's edge: some border cell is destructible and the level holds or
// offers a bomb.
std::string bordFragile(const Terrain& t) {
  bool bombes = t.bombes > 0;
  for (uint8_t c : t.grille) bombes = bombes || c == Bombe;
  if (!bombes) return "";
  for (int r = 0; r < t.hauteur; ++r) {
    for (int c = 0; c < t.largeur; ++c) {
      const bool bord = r == 0 || c == 0 || r == t.hauteur - 1 || c == t.largeur - 1;
      if (bord && estDestructible(t.lireCase(c, r))) {
        return "blastable border at column " + std::to_string(c) + " row " + std::to_string(r);
      }
    }
  }
  return "";
}

// The closest distance, over the landings of a replay, between the ball and a deadly cell.
double atterrissageLePlusProche(Partie& partie, const Script& s, long pasMax) {
  std::vector<std::pair<int, int>> mortelles;
  for (int r = 0; r < partie.t.hauteur; ++r) {
    for (int c = 0; c < partie.t.largeur; ++c) {
      if (partie.t.lireCase(c, r) == Lost) mortelles.emplace_back(c, r);
    }
  }
  double plusProche = 1e9;
  float yAvant = partie.balle0.y;
  bool tombait = false;
  partie.jouer(s, pasMax, false, [&](long, int) {
    const float y = partie.t.balle.y;
    const bool tombe = y > yAvant + 1e-4f;
    if (tombait && !tombe && partie.t.balle.saut == 0) {
      for (const auto& m : mortelles) {
        const double dx = m.first + 0.5 - partie.t.balle.x, dy = m.second + 0.5 - y;
        plusProche = std::min(plusProche, std::sqrt(dx * dx + dy * dy));
      }
    }
    tombait = tombe;
    yAvant = y;
  });
  return plusProche;
}

Script cleTenue(const Touches& k) { return Script{Consigne{0, k}}; }

// Random key changes every 5 to 300 steps, up to `longueur` steps.
Script scriptAleatoire(std::mt19937& alea, long longueur) {
  Script s;
  std::uniform_int_distribution<int> cle(0, NombreCles - 1);
  std::uniform_int_distribution<long> duree(5, 300);
  for (long p = 0; p < longueur; p += duree(alea)) s.push_back(Consigne{p, Cles[cle(alea)]});
  return s;
}

// One change of a script: a key change moved by up to 400 steps, its keys changed, the change
// removed, or a new change added.
Script muter(const Script& s, std::mt19937& alea, long longueur) {
  Script m = s;
  std::uniform_int_distribution<int> genre(0, 9);
  std::uniform_int_distribution<int> cle(0, NombreCles - 1);
  const int g = genre(alea);
  if (m.empty() || g == 9) {
    std::uniform_int_distribution<long> quand(0, std::max(0L, longueur));
    m.push_back(Consigne{quand(alea), Cles[cle(alea)]});
  } else {
    std::uniform_int_distribution<size_t> laquelle(0, m.size() - 1);
    const size_t i = laquelle(alea);
    if (g <= 5) {
      std::uniform_int_distribution<long> decalage(-400, 400);
      m[i].pas = std::max(0L, m[i].pas + decalage(alea));
    } else if (g <= 7) {
      m[i].touches = Cles[cle(alea)];
    } else if (m.size() > 1) {
      m.erase(m.begin() + static_cast<long>(i));
    }
  }
  std::stable_sort(m.begin(), m.end(),
                   [](const Consigne& a, const Consigne& b) { return a.pas < b.pas; });
  return m;
}

Bilan examiner(Partie& partie, const Script& solution, long pasSolution, const Reglages& r,
               std::mt19937& alea) {
  Bilan b;
  b.solution = pasSolution;
  b.plusRapide = pasSolution;
  partie.recommencer();  // the level as it starts, not as the last replay left it
  b.bord = bordFragile(partie.t);
  auto gagne = [&](const Script& s, long pasMax) {
    const Issue i = partie.jouer(s, pasMax);
    return i.resultat == Gagne ? i.pas : -1L;
  };
  auto retenir = [&](long pas, const std::string& comment) {
    if (pas >= 0 && pas < b.plusRapide) {
      b.plusRapide = pas;
      b.par = comment;
    }
  };

  // Held keys, for three times the solution's length and at least three minutes of play.
  const long longue = std::max(3 * pasSolution + 1000, 18000L);
  for (const Touches& k : Cles) {
    const long p = gagne(cleTenue(k), longue);
    if (p >= 0 && (b.cleTenue < 0 || p < b.cleTenue)) {
      b.cleTenue = p;
      b.cleTenueNom = texteTouches(k);
    }
    retenir(p, "held " + texteTouches(k));
  }
  // One key tapped for 10 to 200 steps, then another held.
  for (const Touches& a : Cles) {
    for (const Touches& k : Cles) {
      if (memesTouches(a, k)) continue;
      for (long t = 10; t <= 200; t += 10) {
        const long p = gagne(Script{Consigne{0, a}, Consigne{t, k}}, pasSolution + 1);
        if (p >= 0 && (b.deuxCles < 0 || p < b.deuxCles)) {
          b.deuxCles = p;
          b.deuxClesNom = texteTouches(a) + " " + std::to_string(t) + " then " + texteTouches(k);
        }
        retenir(p, texteTouches(a) + " " + std::to_string(t) + " then " + texteTouches(k));
      }
    }
  }
  // Random scripts.
  for (int i = 0; i < r.aleatoires; ++i)
    retenir(gagne(scriptAleatoire(alea, pasSolution), pasSolution), "random script");
  // Local search from the solution: keep every change that still wins, no later.
  Script meilleur = solution;
  long pasMeilleur = pasSolution;
  for (int i = 0; i < r.recherche; ++i) {
    const Script essai = muter(meilleur, alea, pasMeilleur);
    const long p = gagne(essai, pasMeilleur + 1);
    if (p >= 0 && p <= pasMeilleur) {
      meilleur = essai;
      pasMeilleur = p;
    }
  }
  retenir(pasMeilleur, "search");
  if (r.etats > 0) {
    const Resolution res = chercherPlusCourt(partie, 5, pasSolution, r.etats);
    if (res.trouvee) retenir(res.pas, "breadth-first");
  }
  if (r.debutant > 0) b.atterrissage = atterrissageLePlusProche(partie, solution, pasSolution + 1);
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  Reglages r;
  std::vector<std::string> positionnels;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    long v = 0;
    if (a == "--help" || a == "-h") {
      std::fputs(Aide, stdout);
      return 0;
    } else if (a == "--held-key-ok") {
      r.cleTenuePermise = true;
    } else if ((a == "--seed" || a == "--random" || a == "--search" || a == "--states") &&
               i + 1 < argc && lireEntier(argv[i + 1], v)) {
      ++i;
      if (a == "--seed") r.graine = static_cast<unsigned>(v);
      else if (a == "--random") r.aleatoires = static_cast<int>(v);
      else if (a == "--search") r.recherche = static_cast<int>(v);
      else r.etats = v;
    } else if ((a == "--ratio" || a == "--beginner") && i + 1 < argc &&
               lireReel(argv[i + 1], a == "--ratio" ? r.ratio : r.debutant)) {
      ++i;
    } else if (!a.empty() && a[0] == '-') {
      std::fputs(Aide, stderr);
      return 2;
    } else {
      positionnels.push_back(a);
    }
  }
  if (positionnels.size() != 2) {
    std::fputs(Aide, stderr);
    return 2;
  }
  const std::string& fichier = positionnels[0];
  const std::string& prefixe = positionnels[1];

  std::mt19937 alea(r.graine);
  int echecs = 0;
  long n = 1;
  for (;; ++n) {
    Partie partie;
    std::string erreur;
    if (!chargerPartie(partie, fichier, n, erreur)) break;
    const std::string chemin = prefixe + "-" + std::to_string(n) + ".txt";
    Script solution;
    long pasSolution = -1;
    std::string texte;
    if (lireEntreeOutil("zv-raccourcis", chemin, ScriptMax, texte)) {
      const std::string tete = "# won at step ";
      const std::string premiere = texte.substr(0, texte.find('\n'));
      long v = 0;
      if (premiere.compare(0, tete.size(), tete) == 0 &&
          lireEntier(premiere.substr(tete.size()).c_str(), v)) {
        pasSolution = v;
      }
    }
    std::istringstream flux(texte);
    if (pasSolution < 0 || !lireScript(flux, solution, erreur)) {
      std::printf("level %ld: FAIL no readable solution %s\n", n, chemin.c_str());
      ++echecs;
      continue;
    }
    const Issue verifie = partie.jouer(solution, pasSolution + 1);
    if (verifie.resultat != Gagne || verifie.pas != pasSolution) {
      std::printf("level %ld: FAIL the solution does not win at step %ld\n", n, pasSolution);
      ++echecs;
      continue;
    }
    const Bilan b = examiner(partie, solution, pasSolution, r, alea);
    std::string fautes;
    if (b.plusRapide < r.ratio * static_cast<double>(b.solution)) fautes += " shortcut";
    if (b.cleTenue >= 0 && !r.cleTenuePermise) fautes += " held-key";
    if (!b.bord.empty()) fautes += " " + b.bord;
    if (r.debutant > 0 && b.atterrissage < r.debutant) fautes += " landing-near-deadly";
    std::printf("level %2ld  solution %5ld  fastest %5ld (%3.0f%%, %s)  held key %s  tap+hold %s",
                n, b.solution, b.plusRapide, 100.0 * b.plusRapide / b.solution, b.par.c_str(),
                b.cleTenue >= 0 ? (std::to_string(b.cleTenue) + " " + b.cleTenueNom).c_str() : "-",
                b.deuxCles >= 0 ? (std::to_string(b.deuxCles) + " " + b.deuxClesNom).c_str() : "-");
    if (r.debutant > 0) std::printf("  landing %.1f", b.atterrissage > 1e8 ? 99.0 : b.atterrissage);
    std::printf("  %s\n", fautes.empty() ? "ok" : ("FAIL" + fautes).c_str());
    if (!fautes.empty()) ++echecs;
  }
  if (n == 1) {
    std::fprintf(stderr, "zv-raccourcis: %s holds no level\n", fichier.c_str());
    return 1;
  }
  std::fflush(stdout);
  return echecs == 0 ? 0 : 1;
}
