// zv-tolerance: does a level forgive a player's timing? For every level N of a level file it
// replays the human route SOLUTIONS-N-humain.txt (the way a person plays: roll until a wall
// stops the ball, then act), then the same route with each key change moved alone by every
// shift from -N to +N steps, then with every change moved at once by a random shift (a hundred
// draws, one per seed). A level passes when every shift alone still wins, nearly every random
// draw does too, and the route wins within 45 seconds of play.
//   zv-tolerance [--shift N] [--seeds N] [--wins N] [--longest N] [--measure N] FILE.map SOLUTIONS
//   zv-tolerance --centre FILE.map LEVEL SCRIPT
// The second form moves each key change of SCRIPT to the middle of the window of steps where it
// still wins (the others held), and prints the result as a human route to start from.
#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "entree_outil.h"
#include "ouverture_outil.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-tolerance [--shift N] [--seeds N] [--wins N] [--longest N] [--measure N]\n"
    "                    FILE.map SOLUTIONS\n"
    "       zv-tolerance --centre FILE.map LEVEL SCRIPT\n"
    "  SOLUTIONS   path prefix: level N's human route is SOLUTIONS-N-humain.txt,\n"
    "              first line \"# won at step S\"\n"
    "  --shift N   each key change is moved alone by -N..+N steps (default 10)\n"
    "  --seeds N   random shifts of every change at once, one per seed (default 100)\n"
    "  --wins N    of which at least N must win (default 98; never more than --seeds)\n"
    "  --longest N the route must win by step N (default 4500, 45 s of play; 0: no limit)\n"
    "  --measure N the shifts alone are tried up to N steps, to show the room left (default 40)\n"
    "  --centre    print SCRIPT with each key change moved to the middle of its winning window\n"
    "Prints one line per level: key changes, the largest shift every change stands alone\n"
    "(up to --measure), the random shifts won, ok or FAIL.\n"
    "Exit status 1 when a level fails, 2 for a wrong command line.\n";

// A shifted route may win later than the recorded one, never much later.
long pasMaximum(long pasRoute) { return 2 * pasRoute + 1000; }

bool gagne(Partie& partie, const Script& s, long pasMax) {
  return partie.jouer(s, pasMax).resultat == Gagne;
}

// The route with change `i` moved by `decalage` steps (never before step 0), in step order.
Script decaler(Script s, size_t i, long decalage) {
  s[i].pas = std::max(0L, s[i].pas + decalage);
  std::stable_sort(s.begin(), s.end(),
                   [](const Consigne& a, const Consigne& b) { return a.pas < b.pas; });
  return s;
}

// Reads a route whose first line is "# won at step S". False with a message otherwise.
bool lireRoute(const std::string& chemin, Script& s, long& pas, std::string& erreur) {
  std::string texte;
  if (!lireEntreeOutil("zv-tolerance", chemin, ScriptMax, texte)) {
    erreur = "no readable route " + chemin;
    return false;
  }
  const std::string tete = "# won at step ";
  const std::string premiere = texte.substr(0, texte.find('\n'));
  long v = 0;
  if (premiere.compare(0, tete.size(), tete) != 0 ||
      !lireEntier(premiere.substr(tete.size()).c_str(), v)) {
    erreur = chemin + " lacks its \"# won at step S\" line";
    return false;
  }
  std::istringstream flux(texte);
  std::string e;
  if (!lireScript(flux, s, e) || s.empty()) {
    erreur = chemin + ": " + (e.empty() ? "no key change" : e);
    return false;
  }
  pas = v;
  return true;
}

struct Mesure {
  long tolerance = 0;  // the largest shift that every change stands alone
  int aleatoiresGagnes = 0;
};

// The shifts alone are measured up to `jusqua` (beyond the required `decalageMax`), so the
// table shows how much room each route leaves; the random shifts stay within `decalageMax`.
Mesure mesurer(Partie& partie, const Script& route, long pasRoute, long decalageMax, long jusqua,
               int graines) {
  Mesure m;
  const long pasMax = pasMaximum(pasRoute);
  jusqua = std::max(jusqua, decalageMax);
  m.tolerance = jusqua;
  for (long d = 1; d <= jusqua && m.tolerance == jusqua; ++d) {
    for (size_t i = 0; i < route.size(); ++i) {
      if (!gagne(partie, decaler(route, i, d), pasMax) ||
          !gagne(partie, decaler(route, i, -d), pasMax)) {
        m.tolerance = d - 1;
        break;
      }
    }
  }
  for (int g = 1; g <= graines; ++g) {
    std::mt19937 alea(static_cast<unsigned>(g));
    std::uniform_int_distribution<long> tirage(-decalageMax, decalageMax);
    Script s = route;
    for (Consigne& c : s) c.pas = std::max(0L, c.pas + tirage(alea));
    std::stable_sort(s.begin(), s.end(),
                     [](const Consigne& a, const Consigne& b) { return a.pas < b.pas; });
    if (gagne(partie, s, pasMax)) ++m.aleatoiresGagnes;
    else std::fprintf(stderr, "random shift %d loses:\n%s", g, ecrireScript(s).c_str());
  }
  return m;
}

// Each change to the middle of the steps where it still wins, the others held; a few passes,
// since moving one widens or narrows its neighbours' windows.
int centrer(const std::string& fichier, long numero, const std::string& chemin) {
  Partie partie;
  std::string erreur;
  Script route;
  if (!chargerPartie(partie, fichier, numero, erreur)) {
    std::fprintf(stderr, "zv-tolerance: %s\n", erreur.c_str());
    return 1;
  }
  std::string texte;
  if (!lireEntreeOutil("zv-tolerance", chemin, ScriptMax, texte)) return 1;
  std::istringstream flux(texte);
  if (!lireScript(flux, route, erreur) || route.empty()) {
    std::fprintf(stderr, "zv-tolerance: %s: %s\n", chemin.c_str(), erreur.c_str());
    return 1;
  }
  const Issue depart = partie.jouer(route, 20000);
  if (depart.resultat != Gagne) {
    std::fprintf(stderr, "zv-tolerance: %s does not win\n", chemin.c_str());
    return 1;
  }
  const long pasMax = pasMaximum(depart.pas);
  // First as a player reacts: each change, with all that follow it, to the middle of the steps
  // where it wins, in play order, so that a later action waits for the earlier one's effect.
  // The first keys stay where they are: a player starts at once. A wait is kept short
  // (at most Attente steps past the earliest step that works).
  constexpr long Attente = 120;
  for (size_t i = 1; i < route.size(); ++i) {
    const long bas = route[i - 1].pas + 1;
    auto queue = [&](long p) {
      Script s = route;
      const long d = p - route[i].pas;
      for (size_t k = i; k < s.size(); ++k) s[k].pas += d;
      return s;
    };
    long debut = route[i].pas, fin = route[i].pas;
    while (debut - 1 >= bas && gagne(partie, queue(debut - 1), pasMax + 400)) --debut;
    while (fin + 1 <= debut + Attente && gagne(partie, queue(fin + 1), pasMax + 400)) ++fin;
    route = queue((debut + fin) / 2);
  }
  for (int passe = 0; passe < 3; ++passe) {
    for (size_t i = 1; i < route.size(); ++i) {
      const long bas = route[i - 1].pas + 1;
      const long haut = i + 1 < route.size() ? route[i + 1].pas - 1 : route[i].pas + Attente;
      auto essai = [&](long p) {
        Script s = route;
        s[i].pas = p;
        return gagne(partie, s, pasMax);
      };
      long debut = route[i].pas, fin = route[i].pas;
      while (debut - 1 >= bas && essai(debut - 1)) --debut;
      while (fin + 1 <= haut && essai(fin + 1)) ++fin;
      route[i].pas = (debut + fin) / 2;
    }
  }
  // Then small moves that make the route stand more random shifts of every change at once
  // (seeds of their own, so that the check's seeds stay a fair test).
  auto note = [&](const Script& s) {
    int gagnes = 0;
    for (unsigned g = 1001; g <= 1040; ++g) {
      std::mt19937 alea(g);
      std::uniform_int_distribution<long> tirage(-12, 12);
      Script j = s;
      for (Consigne& c : j) c.pas = std::max(0L, c.pas + tirage(alea));
      std::stable_sort(j.begin(), j.end(),
                       [](const Consigne& a, const Consigne& b) { return a.pas < b.pas; });
      if (gagne(partie, j, pasMax)) ++gagnes;
    }
    return gagnes;
  };
  int meilleure = note(route);
  for (int passe = 0; passe < 4 && meilleure < 40; ++passe) {
    for (size_t i = 1; i < route.size(); ++i) {
      for (long d : {-6L, -3L, -1L, 1L, 3L, 6L}) {
        Script s = decaler(route, i, d);
        const int n = note(s);
        if (n > meilleure) {
          meilleure = n;
          route = s;
        }
      }
    }
  }
  // The waits above may have made the route longer than the first one: give it room.
  const Issue issue = partie.jouer(route, pasMaximum(pasMax));
  if (issue.resultat != Gagne) {
    std::fprintf(stderr, "zv-tolerance: no centred route of %s wins\n", chemin.c_str());
    return 1;
  }
  std::printf("# won at step %ld\n%s", issue.pas, ecrireScript(route).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (ouvrirOutil(argc, argv, Aide)) return 0;
  journalDetourner([](const std::string&) {});
  long decalage = 10, graines = 100, gagnesMin = 98, plusLong = 4500, mesure = 40;
  std::vector<std::string> positionnels;
  bool modeCentre = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--centre") {
      modeCentre = true;
    } else if ((a == "--shift" || a == "--seeds" || a == "--measure" || a == "--wins" ||
                a == "--longest") &&
               i + 1 < argc) {
      long& v = a == "--shift"     ? decalage
                : a == "--seeds"   ? graines
                : a == "--wins"    ? gagnesMin
                : a == "--longest" ? plusLong
                                   : mesure;
      if (!lireEntier(argv[++i], v)) {
        std::fputs(Aide, stderr);
        return 2;
      }
    } else if (!a.empty() && a[0] == '-') {
      std::fputs(Aide, stderr);
      return 2;
    } else {
      positionnels.push_back(a);
    }
  }
  if (modeCentre) {
    long numero = 0;
    if (positionnels.size() != 3 || !lireEntier(positionnels[1].c_str(), numero) || numero < 1) {
      std::fputs(Aide, stderr);
      return 2;
    }
    return centrer(positionnels[0], numero, positionnels[2]);
  }
  if (positionnels.size() != 2) {
    std::fputs(Aide, stderr);
    return 2;
  }
  const std::string& fichier = positionnels[0];
  int echecs = 0;
  long n = 1;
  for (;; ++n) {
    Partie partie;
    std::string erreur;
    if (!chargerPartie(partie, fichier, n, erreur)) break;
    Script route;
    long pasRoute = 0;
    const std::string chemin = positionnels[1] + "-" + std::to_string(n) + "-humain.txt";
    if (!lireRoute(chemin, route, pasRoute, erreur)) {
      std::printf("level %2ld  FAIL %s\n", n, erreur.c_str());
      ++echecs;
      continue;
    }
    const Issue verifie = partie.jouer(route, pasRoute + 1);
    if (verifie.resultat != Gagne || verifie.pas != pasRoute) {
      std::printf("level %2ld  FAIL the human route does not win at step %ld\n", n, pasRoute);
      ++echecs;
      continue;
    }
    const Mesure m = mesurer(partie, route, pasRoute, decalage, mesure, static_cast<int>(graines));
    const bool long_ = plusLong > 0 && pasRoute > plusLong;
    const bool ok =
        m.tolerance >= decalage && m.aleatoiresGagnes >= std::min(gagnesMin, graines) && !long_;
    std::printf(
        "level %2ld  won at %5ld  changes %2zu  worst shift still won +-%-3ld  random %ld/%ld  "
        "%s%s\n",
        n, pasRoute, route.size(), m.tolerance, static_cast<long>(m.aleatoiresGagnes), graines,
        ok ? "ok" : "FAIL", long_ ? " too long" : "");
    if (!ok) ++echecs;
  }
  if (n == 1) {
    std::fprintf(stderr, "zv-tolerance: %s holds no level\n", fichier.c_str());
    return 1;
  }
  std::fflush(stdout);
  return echecs == 0 ? 0 : 1;
}
