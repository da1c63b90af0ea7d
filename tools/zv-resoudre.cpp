// zv-resoudre: finds the fastest win of one level by a breadth-first search over key scripts
// (the keys may change every few steps), through the game's own physics step, and prints it as
// a key script ("# won at step S" first) with what the winning run changed in the grid. A
// design aid: the fastest win should be the route the level means.
//   zv-resoudre FILE.map LEVEL [--every N] [--steps N] [--states N]
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-resoudre FILE.map LEVEL [--every N] [--steps N] [--states N]\n"
    "  --every N   the keys may change every N steps (default 5)\n"
    "  --steps N   give up after N steps (default 8000)\n"
    "  --states N  give up after N distinct states (default 3000000)\n"
    "Prints the fastest winning script found (first line \"# won at step S\") and, as\n"
    "comments, the cells the winning run changed. Exit status 1 when no win was found.\n";

const Touches Cles[] = {
    {false, false, false}, {true, false, false}, {false, true, false},
    {false, false, true},  {true, false, true},  {false, true, true},
};
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

uint64_t cle(const Etat& e) {
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

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  long numero = 0, tous = 5, pasMax = 8000, etatsMax = 3000000;
  bool ok = argc >= 3 && lireEntier(argv[2], numero) && numero >= 1;
  for (int i = 3; ok && i < argc; i += 2) {
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
  if (!partie.charger(argv[1], numero, erreur)) {
    std::fprintf(stderr, "zv-resoudre: %s\n", erreur.c_str());
    return 1;
  }
  Terrain& t = partie.t;

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
        t.grille = e.grille;
        t.balle = e.balle;
        t.bombes = e.bombes;
        t.minuteurExplosion = e.minuteur;
        int r = EnCours;
        long j = 0;
        for (; j < tous && r == EnCours; ++j) r = t.avancer(Cles[k], nullptr);
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
  if (gagnePas < 0) {
    std::fprintf(stderr, "zv-resoudre: no win found (%zu states)\n", vus.size());
    return 1;
  }
  // The keys of each block of steps, from the start to the win.
  std::vector<int> blocs{gagneCle};
  for (uint32_t n = gagneNoeud; n != 0; n = noeuds[n].parent) blocs.push_back(noeuds[n].cle);
  std::reverse(blocs.begin(), blocs.end());
  Script s;
  for (size_t b = 0; b < blocs.size(); ++b) {
    if (s.empty() || !memesTouches(s.back().touches, Cles[blocs[b]])) {
      s.push_back(Consigne{static_cast<long>(b) * tous, Cles[blocs[b]]});
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
  std::printf("# won at step %ld\n", fin.pas);
  std::fputs(ecrireScript(s).c_str(), stdout);
  std::fprintf(stderr, "zv-resoudre: %zu states; changed cells:", vus.size());
  for (size_t i = 0; i < t.grille.size(); ++i) {
    if (t.grille[i] != partie.grille0[i]) {
      std::fprintf(stderr, " %d@%zu,%zu", partie.grille0[i], i % static_cast<size_t>(t.largeur),
                   i / static_cast<size_t>(t.largeur));
    }
  }
  std::fprintf(stderr, "\n");
  return fin.resultat == Gagne ? 0 : 1;
}
