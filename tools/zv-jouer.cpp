// zv-jouer: plays one level of a level file headless, through the game's own physics step,
// with keys from a script, and tells whether and when it was won or lost.
//   zv-jouer FILE.map LEVEL INPUT STEPS [--trace]
// See --help and tools/README-levels.md for the input and trace formats.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "entree_outil.h"
#include "ouverture_outil.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

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

// A script holds one short line per change of keys: more than this is no key script.
constexpr size_t ScriptMax = 16u << 20;

struct Consigne {
  long pas;
  Touches touches;
};

bool lireEntier(const char* texte, long& valeur) {
  if (!texte || !*texte) return false;
  char* fin = nullptr;
  errno = 0;
  valeur = std::strtol(texte, &fin, 10);
  return errno == 0 && *fin == '\0' && valeur >= 0 && valeur <= INT_MAX;
}

bool lireScript(std::istream& in, std::vector<Consigne>& consignes, std::string& erreur) {
  std::string ligne;
  int numero = 0;
  while (std::getline(in, ligne)) {
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    std::istringstream mots(ligne);
    std::string pas, cles, reste;
    if (!(mots >> pas) || pas[0] == '#') continue;
    Consigne c{};
    if (!lireEntier(pas.c_str(), c.pas) || !(mots >> cles) || (mots >> reste)) {
      erreur = "line " + std::to_string(numero) + ": expected \"STEP KEYS\"";
      return false;
    }
    if (cles != "-") {
      for (char k : cles) {
        if (k == 'L') c.touches.gauche = true;
        else if (k == 'R') c.touches.droite = true;
        else if (k == 'S') c.touches.espace = true;
        else {
          erreur = "line " + std::to_string(numero) + ": keys are L, R, S or -";
          return false;
        }
      }
    }
    if (!consignes.empty() && c.pas < consignes.back().pas) {
      erreur = "line " + std::to_string(numero) + ": STEP goes back";
      return false;
    }
    consignes.push_back(c);
  }
  return true;
}

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

  std::vector<Consigne> consignes;
  std::string erreur;
  std::string script;
  if (!lireEntreeOutil("zv-jouer", argv[3], ScriptMax, script)) return 1;
  std::istringstream flux(script);
  if (!lireScript(flux, consignes, erreur)) {
    std::fprintf(stderr, "zv-jouer: %s: %s\n", argv[3], erreur.c_str());
    return 1;
  }

  std::srand(1);
  Terrain niveau;
  LecteurNiveaux lecteur;
  if (!lecteur.ouvrir(argv[1])) {
    std::fprintf(stderr, "zv-jouer: %s is not a readable level file\n", argv[1]);
    return 1;
  }
  for (long n = 1; n <= numeroNiveau; ++n) {
    if (lecteur.chargerNiveauSuivant(niveau)) {
      std::fprintf(stderr, "zv-jouer: %s has no level %ld (it holds %ld)\n", argv[1],
                   numeroNiveau, n - 1);
      return 1;
    }
  }
  lecteur.fermer();
  // As the play screen starts a level.
  niveau.camera = cameraDepart(niveau.largeur, niveau.hauteur, niveau.balle.x, niveau.balle.y);
  niveau.allouerParticules(ParticulesParNiveau);

  int resultat = EnCours;
  long pasResultat = 0;
  size_t prochaine = 0;
  Touches touches;
  for (long p = 0; p < pas; ++p) {
    while (prochaine < consignes.size() && consignes[prochaine].pas <= p) {
      touches = consignes[prochaine++].touches;
    }
    const int r = niveau.avancer(touches, nullptr);
    if (resultat == EnCours && r != EnCours) {
      resultat = r;
      pasResultat = p;
    }
    if (trace) {
      std::printf("%ld %.9g %.9g %d %.9g %d %d\n", p, static_cast<double>(niveau.balle.x),
                  static_cast<double>(niveau.balle.y), static_cast<int>(niveau.balle.saut),
                  static_cast<double>(niveau.balle.vitesseX), static_cast<int>(niveau.bombes), r);
    }
  }
  if (resultat == Gagne) std::printf("won at step %ld\n", pasResultat);
  else if (resultat == Perdu) std::printf("lost at step %ld\n", pasResultat);
  else std::printf("running after %ld steps\n", pas);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
