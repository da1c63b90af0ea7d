// zv-jouer: plays one level of a level file headless, through the game's own physics step,
// with keys from a script, and tells whether and when it was won or lost.
//   zv-jouer FILE.map LEVEL INPUT STEPS [--trace]
// See --help and tools/README-levels.md for the input and trace formats.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "entree_outil.h"
#include "ouverture_outil.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-jouer FILE.map LEVEL INPUT STEPS [--trace]\n"
    "  FILE.map  the level file\n"
    "  LEVEL     the level's number in the file, 1 for the first\n"
    "  INPUT     the key script (- for standard input)\n"
    "  STEPS     how many 10 ms steps to run\n"
    "  --trace   print one line per step: STEP X Y SAUT VX BOMBES RESULT\n"
    "            (also accepted: trace, 1; and 0 or notrace for no trace)\n"
    "Key script: lines \"STEP KEYS\"; from step STEP on (steps count from 0) the keys KEYS\n"
    "are held until the next line. KEYS combines L (left arrow), R (right arrow) and S\n"
    "(space bar), or is - for none. Blank lines and lines starting with # are ignored;\n"
    "STEP must not decrease from one line to the next.\n"
    "Last line: \"won at step N\", \"lost at step N\" (the first step that returned 1 or 2)\n"
    "or \"running after N steps\". Exit status 0 in those cases, 1 when the file, the level\n"
    "or the script cannot be read, 2 for a wrong command line.\n"
    "The game's log goes to standard error. rand() is seeded with 1.\n";

}  // namespace

int main(int argc, char** argv) {
  // Standard output carries only the trace and the result line.
  if (ouvrirOutil(argc, argv, Aide)) return 0;
  long numeroNiveau = 0, pas = 0;
  bool trace = false;
  bool argumentsOk = (argc == 5 || argc == 6) && lireEntier(argv[2], numeroNiveau) &&
                     numeroNiveau >= 1 && lireEntier(argv[4], pas);
  if (argumentsOk && argc == 6) {
    const std::string t = argv[5];
    if (t == "--trace" || t == "trace" || t == "1") trace = true;
    else if (t != "0" && t != "notrace") argumentsOk = false;
  }
  if (!argumentsOk) {
    std::fputs(Aide, stderr);
    return 2;
  }

  Script consignes;
  std::string erreur;
  std::string script;
  if (!lireEntreeOutil("zv-jouer", argv[3], ScriptMax, script)) return 1;
  std::istringstream flux(script);
  if (!lireScript(flux, consignes, erreur)) {
    std::fprintf(stderr, "zv-jouer: %s: %s\n", argv[3], erreur.c_str());
    return 1;
  }

  std::srand(1);
  Partie partie;
  if (!chargerPartie(partie, argv[1], numeroNiveau, erreur)) {
    std::fprintf(stderr, "zv-jouer: %s\n", erreur.c_str());
    return 1;
  }
  // The play screen's ring, so that blasts draw the same random numbers as in the game.
  partie.allouerParticules(ParticulesParNiveau);
  const Terrain& niveau = partie.t;
  const Issue issue = partie.jouer(consignes, pas, true, [&](long p, int r) {
    if (trace) {
      std::printf("%ld %.9g %.9g %d %.9g %d %d\n", p, static_cast<double>(niveau.balle.x),
                  static_cast<double>(niveau.balle.y), static_cast<int>(niveau.balle.saut),
                  static_cast<double>(niveau.balle.vitesseX), static_cast<int>(niveau.bombes), r);
    }
  });
  if (issue.resultat == Gagne) std::printf("won at step %ld\n", issue.pas);
  else if (issue.resultat == Perdu) std::printf("lost at step %ld\n", issue.pas);
  else std::printf("running after %ld steps\n", pas);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
