// zv-vue-depart: what a player sees of each level before pressing Enter. For every level of a
// level file it places the whole-level camera for a window (640 x 480 unless told) and projects
// every cell the player must know of (goals, springs, switches, red cells): each must land
// inside the window, and the smallest of them must be at least the readable size in pixels.
//   zv-vue-depart [--window W H] [--min PIXELS] FILE.map
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/journal.h"
#include "game/cases.h"
#include "game/vue_entiere.h"
#include "levels/fichier_niveaux.h"
#include "partie.h"

namespace {

const char* const Aide =
    "usage: zv-vue-depart [--window W H] [--min PIXELS] FILE.map\n"
    "  --window W H   the window's size in pixels (default 640 480)\n"
    "  --min PIXELS   the smallest readable cell, in pixels (default 12)\n"
    "Prints one line per level: size, the cells to see (goals, springs, switches, red\n"
    "cells), how many are outside the window, the smallest projected cell, ok or FAIL.\n"
    "Exit status 1 when a level fails or the file cannot be read, 2 for a wrong command.\n";

bool aVoir(uint8_t code) {
  return code == Win || code == Lost || code == Ressort || estInterrupteur(code);
}

}  // namespace

int main(int argc, char** argv) {
  journalDetourner([](const std::string&) {});
  long largeurFenetre = 640, hauteurFenetre = 480, minimum = 12;
  std::vector<std::string> positionnels;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(Aide, stdout);
      return 0;
    }
    if (a == "--window" && i + 2 < argc && lireEntier(argv[i + 1], largeurFenetre) &&
        lireEntier(argv[i + 2], hauteurFenetre) && largeurFenetre > 0 && hauteurFenetre > 0) {
      i += 2;
    } else if (a == "--min" && i + 1 < argc && lireEntier(argv[i + 1], minimum)) {
      ++i;
    } else if (!a.empty() && a[0] == '-') {
      std::fputs(Aide, stderr);
      return 2;
    } else {
      positionnels.push_back(a);
    }
  }
  if (positionnels.size() != 1) {
    std::fputs(Aide, stderr);
    return 2;
  }
  std::vector<Niveau> niveaux;
  chargerTout(positionnels[0], niveaux);
  if (niveaux.empty()) {
    std::fprintf(stderr, "zv-vue-depart: %s holds no readable level\n", positionnels[0].c_str());
    return 1;
  }
  const int lf = static_cast<int>(largeurFenetre), hf = static_cast<int>(hauteurFenetre);
  int echecs = 0;
  for (size_t i = 0; i < niveaux.size(); ++i) {
    const Niveau& n = niveaux[i];
    const Camera k = cameraNiveauEntier(n.largeur, n.hauteur, lf, hf);
    int cellules = 0, dehors = 0;
    float plusPetite = 1e9f;
    for (int r = 0; r < n.hauteur; ++r) {
      for (int c = 0; c < n.largeur; ++c) {
        if (!aVoir(n.lireCase(c, r))) continue;
        ++cellules;
        bool visible = true;
        // Both faces of the cell: its four corners inside the window, its sides measured.
        for (float z : {0.0f, 1.0f}) {
          float x[2][2], y[2][2];
          for (int dc = 0; dc < 2; ++dc) {
            for (int dr = 0; dr < 2; ++dr) {
              if (!projeterPoint(k, lf, hf, static_cast<float>(c + dc), static_cast<float>(r + dr),
                                 z, x[dc][dr], y[dc][dr]) ||
                  x[dc][dr] < 0 || y[dc][dr] < 0 || x[dc][dr] > lf || y[dc][dr] > hf) {
                visible = false;
              }
            }
          }
          plusPetite = std::min({plusPetite, x[1][0] - x[0][0], x[1][1] - x[0][1],
                                 y[0][1] - y[0][0], y[1][1] - y[1][0]});
        }
        if (!visible) ++dehors;
      }
    }
    const bool ok = dehors == 0 && (cellules == 0 || plusPetite >= static_cast<float>(minimum));
    std::printf(
        "level %2zu  %3d x %-3d  cells to see %3d  outside %2d  smallest cell %5.1f px  %s\n",
        i + 1, n.largeur, n.hauteur, cellules, dehors,
        cellules ? static_cast<double>(plusPetite) : 0.0, ok ? "ok" : "FAIL");
    if (!ok) ++echecs;
  }
  std::fflush(stdout);
  return echecs == 0 ? 0 : 1;
}
