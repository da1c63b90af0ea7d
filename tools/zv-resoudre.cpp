// zv-resoudre: finds the fastest win of one level by a breadth-first search over key scripts
// (the keys may change every few steps), through the game's own physics step, and prints it as
// a key script ("# won at step S" first) with what the winning run changed in the grid. A
// design aid: the fastest win should be the route the level means.
//   zv-resoudre FILE.map LEVEL [--every N] [--steps N] [--states N] [--no-space]
#include <cstdio>
#include <cstring>
#include <string>

#include "base/journal.h"
#include "game/recherche.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-resoudre FILE.map LEVEL [--every N] [--steps N] [--states N] [--no-space]\n"
    "  --every N   the keys may change every N steps (default 5)\n"
    "  --steps N   give up after N steps (default 8000)\n"
    "  --states N  give up after N distinct states (default 3000000)\n"
    "  --no-space  never press the space bar (is the level won without its bombs?)\n"
    "Prints the fastest winning script found (first line \"# won at step S\") and, on\n"
    "standard error, the cells the winning run changed (old code@column,row). Exit status 1\n"
    "when no win was found, 2 for a wrong command line.\n";

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  long numero = 0, tous = 5, pasMax = 8000, etatsMax = 3000000;
  bool ok = argc >= 3 && lireEntier(argv[2], numero) && numero >= 1;
  bool sansEspace = false;
  for (int i = 3; ok && i < argc; i += 2) {
    if (std::strcmp(argv[i], "--no-space") == 0) {
      sansEspace = true;
      --i;
      continue;
    }
    long v = 0;
    ok = i + 1 < argc && lireEntier(argv[i + 1], v) && v > 0;
    if (!ok) break;
    if (std::strcmp(argv[i], "--every") == 0) tous = v;
    else if (std::strcmp(argv[i], "--steps") == 0) pasMax = v;
    else if (std::strcmp(argv[i], "--states") == 0) etatsMax = v;
    else ok = false;
  }
  if (!ok) {
    std::fputs(Aide, stderr);
    return 2;
  }
  Partie partie;
  std::string erreur;
  if (!chargerPartie(partie, argv[1], numero, erreur)) {
    std::fprintf(stderr, "zv-resoudre: %s\n", erreur.c_str());
    return 1;
  }
  const Resolution r = chercherPlusCourt(partie, tous, pasMax, etatsMax, sansEspace);
  if (!r.trouvee) {
    std::fprintf(stderr, "zv-resoudre: no win found (%zu states)\n", r.etats);
    return 1;
  }
  partie.jouer(r.script, r.pas + 1);
  std::printf("# won at step %ld\n", r.pas);
  std::fputs(ecrireScript(r.script).c_str(), stdout);
  std::fprintf(stderr, "zv-resoudre: %zu states; changed cells:", r.etats);
  const Terrain& t = partie.t;
  for (size_t i = 0; i < t.grille.size(); ++i) {
    if (t.grille[i] != partie.grille0[i]) {
      std::fprintf(stderr, " %d@%zu,%zu", partie.grille0[i], i % static_cast<size_t>(t.largeur),
                   i / static_cast<size_t>(t.largeur));
    }
  }
  std::fprintf(stderr, "\n");
  return 0;
}
