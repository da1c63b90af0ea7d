#include "editor/regles_editeur.h"

#include <algorithm>
#include <cstdlib>

int quartierCouleur(int w, int h, int cx, int cy) {
  return (cy >= h / 2 ? 2 : 0) + (cx >= w / 2 ? 1 : 0);
}

bool evenementPeint(const SDL_Event& e, bool dialogueOuvert, bool survolWidget) {
  if (dialogueOuvert || survolWidget) return false;
  // The wheel zooms: an author trying it must not damage the level.
  if (e.type == SDL_MOUSEBUTTONDOWN)
    return e.button.button != SDL_BUTTON_WHEELUP && e.button.button != SDL_BUTTON_WHEELDOWN &&
           e.button.button != SDL_BUTTON_MIDDLE;
  if (e.type == SDL_MOUSEMOTION) return e.motion.state == SDL_BUTTON(SDL_BUTTON_LEFT);
  return false;
}

std::vector<std::pair<int, int>> casesEntre(int c0, int l0, int c1, int l1) {
  std::vector<std::pair<int, int>> cases;
  const int dc = std::abs(c1 - c0), dl = -std::abs(l1 - l0);
  const int sc = c0 < c1 ? 1 : -1, sl = l0 < l1 ? 1 : -1;
  int erreur = dc + dl;
  for (;;) {
    cases.emplace_back(c0, l0);
    if (c0 == c1 && l0 == l1) break;
    const int e2 = 2 * erreur;
    if (e2 >= dl) {
      erreur += dl;
      c0 += sc;
    }
    if (e2 <= dc) {
      erreur += dc;
      l0 += sl;
    }
  }
  return cases;
}

std::vector<std::pair<int, int>> casesRectangle(int c0, int l0, int c1, int l1, int largeur,
                                                int hauteur) {
  std::vector<std::pair<int, int>> cases;
  const int cMin = std::max(0, std::min(c0, c1)), cMax = std::min(largeur - 1, std::max(c0, c1));
  const int lMin = std::max(0, std::min(l0, l1)), lMax = std::min(hauteur - 1, std::max(l0, l1));
  if (cMin > cMax || lMin > lMax) return cases;
  cases.reserve(static_cast<size_t>(cMax - cMin + 1) * static_cast<size_t>(lMax - lMin + 1));
  for (int l = lMin; l <= lMax; ++l)
    for (int c = cMin; c <= cMax; ++c) cases.emplace_back(c, l);
  return cases;
}

void placeOutilBalle(int ecranL, int& x, int& y) {
  x = ecranL - 33;
  y = ecranL >= 672 ? 1 : 33;
}

void placeOutilSelection(int ecranL, int& x, int& y) {
  // The 20 cell tools end at 641 pixels.
  x = ecranL - 66;
  y = x >= 642 ? 1 : 33;
}
