// zv-ressemblance: finds levels that are near-copies of one another. Two levels are compared
// cell by cell with their grids aligned at the top-left corner, each level's outer ring (its
// frame) left out; their likeness is the number of non-empty cells the two hold with the same
// code at the same place, over the mean of their counts of non-empty cells (so a small room that
// fits in a corner of a large level is not its copy, and two rooms that differ by a few cells are).
// A remade level that keeps most of another's walls is no new level.
//   zv-ressemblance [--limit P] FILE.map...
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/journal.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-ressemblance [--limit P] FILE.map...\n"
    "  --limit P   fail when two levels share more than P % of their non-empty cells\n"
    "              (default 70): the same code at the same place, grids aligned at the\n"
    "              top-left corner, the outer ring left out, over the mean of the two\n"
    "              levels' counts of non-empty cells\n"
    "  --report    print the same, exit 0 all the same\n"
    "Prints every pair over the limit and the closest pair of all; exit status 1 when a pair is\n"
    "over the limit or a file holds no level, 2 for a wrong command line.\n";

struct Grille {
  std::string nom;  // "FILE-N"
  int largeur = 0, hauteur = 0;
  std::vector<uint8_t> cases;
  long pleines = 0;
};

// The outer ring of a level is its frame (walls or armour around every level), not its design.
bool bord(const Grille& g, int c, int r) {
  return c == 0 || r == 0 || c == g.largeur - 1 || r == g.hauteur - 1;
}

double ressemblance(const Grille& a, const Grille& b) {
  const double moyenne = 0.5 * static_cast<double>(a.pleines + b.pleines);
  if (moyenne == 0) return 0.0;
  long memes = 0;
  const int l = std::min(a.largeur, b.largeur), h = std::min(a.hauteur, b.hauteur);
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < l; ++c) {
      if (bord(a, c, r) || bord(b, c, r)) continue;
      const uint8_t x = a.cases[static_cast<size_t>(r * a.largeur + c)];
      if (x != Vide && x == b.cases[static_cast<size_t>(r * b.largeur + c)]) ++memes;
    }
  }
  return 100.0 * static_cast<double>(memes) / moyenne;
}

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  double limite = 70.0;
  bool rapport = false;
  std::vector<std::string> fichiers;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(Aide, stdout);
      return 0;
    } else if (a == "--report") {
      rapport = true;
    } else if (a == "--limit" && i + 1 < argc && lireReel(argv[i + 1], limite)) {
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
  int echecs = 0;
  std::vector<Grille> grilles;
  for (const std::string& fichier : fichiers) {
    std::string nom = fichier.substr(fichier.find_last_of('/') + 1);
    if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
    long n = 1;
    for (;; ++n) {
      Terrain t;
      std::string erreur;
      if (!chargerNiveau(fichier, n, t, erreur)) break;
      Grille g;
      g.nom = nom + "-" + std::to_string(n);
      g.largeur = t.largeur;
      g.hauteur = t.hauteur;
      g.cases = t.grille;
      for (int r = 0; r < g.hauteur; ++r) {
        for (int c = 0; c < g.largeur; ++c) {
          if (!bord(g, c, r) && g.cases[static_cast<size_t>(r * g.largeur + c)] != Vide)
            ++g.pleines;
        }
      }
      grilles.push_back(std::move(g));
    }
    if (n == 1) {
      std::fprintf(stderr, "zv-ressemblance: %s holds no level\n", fichier.c_str());
      ++echecs;
    }
  }
  double pire = -1.0;
  std::string pirePaire = "-";
  long trop = 0;
  for (size_t i = 0; i < grilles.size(); ++i) {
    for (size_t j = i + 1; j < grilles.size(); ++j) {
      const double r = ressemblance(grilles[i], grilles[j]);
      const std::string paire = grilles[i].nom + " " + grilles[j].nom;
      if (r > pire) {
        pire = r;
        pirePaire = paire;
      }
      if (r > limite) {
        std::printf("%s  %.1f%%  FAIL\n", paire.c_str(), r);
        ++trop;
      }
    }
  }
  std::printf("%zu levels, closest pair %s  %.1f%%, %ld pairs over %.0f%%\n", grilles.size(),
              pirePaire.c_str(), std::max(pire, 0.0), trop, limite);
  return (echecs == 0 && trop == 0) || rapport ? 0 : 1;
}
