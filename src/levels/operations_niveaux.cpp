#include "levels/operations_niveaux.h"

#include <algorithm>

#include "base/journal.h"

Niveau nouveauNiveau() {
  Niveau n;  // 15 x 15, start (1.5, 1.5), no bombs, grey corners
  n.grille.assign(static_cast<size_t>(n.largeur) * static_cast<size_t>(n.hauteur), Vide);
  reinitialiserCamera(n.camera);
  n.camera.suivre = false;
  n.camera.centreX = n.departX;
  n.camera.centreY = n.departY;
  n.camera.oeilX = n.departX;
  n.camera.oeilY = n.departY;
  return n;
}

int insererNiveau(std::vector<Niveau>& niveaux, int valeur, bool apres) {
  const int n = static_cast<int>(niveaux.size());
  valeur = std::clamp(valeur, 1, std::max(n, 1));
  if (apres && n > 0) ++valeur;
  niveaux.insert(niveaux.begin() + (valeur - 1), nouveauNiveau());
  return valeur;
}

int supprimerNiveau(std::vector<Niveau>& niveaux, int valeur) {
  const int n = static_cast<int>(niveaux.size());
  if (n <= 1) return std::max(1, std::min(valeur, n));
  valeur = std::clamp(valeur, 1, n);
  niveaux.erase(niveaux.begin() + (valeur - 1));
  return std::min(valeur, n - 1);
}

void lireCouleursTravail(const Niveau& niveau, CouleursTravail travail) {
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 4; ++i) travail[k][i] = niveau.couleurs[3 - k][i];
}

void redimensionnerAncre(Niveau& niveau, int X, int Y, AncreTaille ancre) {
  X = std::max(X, 1);
  Y = std::max(Y, 1);
  const int dx = ancre.gauche ? X - niveau.largeur : 0;
  const int dy = ancre.haut ? Y - niveau.hauteur : 0;
  std::vector<uint8_t> grille(static_cast<size_t>(X) * static_cast<size_t>(Y), Vide);
  for (int l = 0; l < niveau.hauteur; ++l)
    for (int c = 0; c < niveau.largeur; ++c) {
      const int nc = c + dx, nl = l + dy;
      if (nc < 0 || nl < 0 || nc >= X || nl >= Y) continue;
      grille[static_cast<size_t>(nl) * static_cast<size_t>(X) + static_cast<size_t>(nc)] =
          niveau.lireCase(c, l);
    }
  niveau.grille.swap(grille);
  niveau.largeur = X;
  niveau.hauteur = Y;
  // A ball outside the grid would fall forever in play: its start comes back to the nearest
  // cell inside.
  niveau.departX = std::clamp(niveau.departX + static_cast<float>(dx), 0.5f, X - 0.5f);
  niveau.departY = std::clamp(niveau.departY + static_cast<float>(dy), 0.5f, Y - 0.5f);
  Camera& k = niveau.camera;
  k.centreX += static_cast<float>(dx);
  k.oeilX += static_cast<float>(dx);
  k.centreY += static_cast<float>(dy);
  k.oeilY += static_cast<float>(dy);
}

void appliquerProprietes(Niveau& niveau, int X, int Y, int B, const CouleursTravail travail,
                         AncreTaille ancre) {
  X = std::clamp(X, 2, 255);
  Y = std::clamp(Y, 2, 255);
  redimensionnerAncre(niveau, X, Y, ancre);
  niveau.bombes = std::clamp(B, 0, 255);
  for (int k = 0; k < 4; ++k) {
    journal(std::to_string(travail[k][0]) + "\t" + std::to_string(travail[k][1]) + "\t" +
            std::to_string(travail[k][2]) + "\t");
    for (int i = 0; i < 3; ++i) niveau.couleurs[3 - k][i] = travail[k][i];
  }
  Camera& k = niveau.camera;
  if (k.centreX >= X) k.centreX = k.oeilX = static_cast<float>(X - 1);
  if (k.centreY >= Y) k.centreY = k.oeilY = static_cast<float>(Y - 1);
  if (k.centreX < 0) k.centreX = k.oeilX = 0.5f;
  if (k.centreY < 0) k.centreY = k.oeilY = 0.5f;
}

bool appliquerOutil(Niveau& niveau, uint8_t outil, int colonne, int ligne) {
  if (colonne < 0 || ligne < 0 || colonne >= niveau.largeur || ligne >= niveau.hauteur)
    return false;
  const size_t i = static_cast<size_t>(ligne) * static_cast<size_t>(niveau.largeur) +
                   static_cast<size_t>(colonne);
  if (i >= niveau.grille.size()) return false;
  if (outil == OutilBalle) {
    const float x = colonne + 0.5f, y = ligne + 0.5f;
    if (niveau.departX == x && niveau.departY == y) return false;
    niveau.departX = x;
    niveau.departY = y;
    return true;
  }
  if (outil >= NombreOutilsCases || niveau.grille[i] == outil) return false;
  niveau.grille[i] = outil;
  return true;
}

std::vector<std::pair<int, int>> casesRemplissage(const Niveau& niveau, uint8_t outil, int colonne,
                                                  int ligne) {
  std::vector<std::pair<int, int>> cases;
  const int L = niveau.largeur, H = niveau.hauteur;
  if (outil >= NombreOutilsCases || L < 1 || H < 1 || colonne < 0 || ligne < 0 || colonne >= L ||
      ligne >= H || niveau.grille.size() < static_cast<size_t>(L) * static_cast<size_t>(H))
    return cases;
  auto indice = [L](int c, int l) {
    return static_cast<size_t>(l) * static_cast<size_t>(L) + static_cast<size_t>(c);
  };
  const uint8_t cible = niveau.grille[indice(colonne, ligne)];
  if (cible == outil) return cases;
  // An explicit stack: a 255 x 255 region would overflow a recursion.
  std::vector<bool> vu(static_cast<size_t>(L) * static_cast<size_t>(H), false);
  std::vector<std::pair<int, int>> pile{{colonne, ligne}};
  vu[indice(colonne, ligne)] = true;
  while (!pile.empty()) {
    const auto [c, l] = pile.back();
    pile.pop_back();
    cases.emplace_back(c, l);
    const int voisins[4][2] = {{c + 1, l}, {c - 1, l}, {c, l + 1}, {c, l - 1}};
    for (const auto& v : voisins) {
      if (v[0] < 0 || v[1] < 0 || v[0] >= L || v[1] >= H) continue;
      const size_t i = indice(v[0], v[1]);
      if (vu[i] || niveau.grille[i] != cible) continue;
      vu[i] = true;
      pile.emplace_back(v[0], v[1]);
    }
  }
  return cases;
}
