#include "game/animation_fond_menu.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "game/cases.h"

namespace {

// One axis of the band rule: outside [q, 3q] the push reverses, once per excursion.
void bande(float cible, int taille, float& poussee, bool& tourne) {
  const int q = taille / 4;
  if (static_cast<int>(cible) > 3 * q || cible < q) {
    if (!tourne) {
      poussee = -poussee;
      tourne = true;
    }
  } else {
    tourne = false;
  }
}

}  // namespace

void etapeVie(Terrain& niveau, TamponsVie& tampons) {
  std::lock_guard<std::mutex> garde(niveau.verrou);
  const int W = niveau.largeur, H = niveau.hauteur;
  if (W <= 0 || H <= 0) return;
  const size_t n = static_cast<size_t>(W) * static_cast<size_t>(H);
  std::vector<uint8_t>& grille = niveau.grille;
  if (grille.size() != n) return;

  std::vector<uint8_t>& masque = tampons.masque;
  masque.resize(n);
  for (size_t i = 0; i < n; ++i) masque[i] = estSolide(grille[i]) ? 1 : 0;
  tampons.grilleTravail.resize(n);  // every cell is written below

  for (int r = 0; r < H; ++r) {
    const uint8_t* haut = &masque[static_cast<size_t>((r + H - 1) % H) * W];
    const uint8_t* ici = &masque[static_cast<size_t>(r) * W];
    const uint8_t* bas = &masque[static_cast<size_t>((r + 1) % H) * W];
    const uint8_t* avant = &grille[static_cast<size_t>(r) * W];
    uint8_t* apres = &tampons.grilleTravail[static_cast<size_t>(r) * W];
    for (int c = 0; c < W; ++c) {
      const int g = c > 0 ? c - 1 : W - 1, d = c + 1 < W ? c + 1 : 0;
      const int voisins = haut[g] + haut[c] + haut[d] + ici[g] + ici[d] + bas[g] + bas[c] + bas[d];
      apres[c] = voisins == 2 ? avant[c] : voisins == 3 ? static_cast<uint8_t>(Brique) : 0;
    }
  }
  // The old grid's buffer becomes the next generation's work grid.
  grille.swap(tampons.grilleTravail);
}

void ajouterPlaneur(Terrain& niveau) {
  std::lock_guard<std::mutex> garde(niveau.verrou);
  const int W = niveau.largeur, H = niveau.hauteur;
  // The modulo below needs at least three cells on each axis.
  if (W < 3 || H < 3) return;
  std::vector<uint8_t>& grille = niveau.grille;
  if (grille.size() != static_cast<size_t>(W) * static_cast<size_t>(H)) return;
  const int x = std::rand() % (W - 2);
  const int y = std::rand() % (H - 2);
  const int cellules[5][2] = {
      {x + 1, y}, {x + 2, y + 1}, {x, y + 2}, {x + 1, y + 2}, {x + 2, y + 2}};
  for (const auto& cellule : cellules) {
    grille[static_cast<size_t>(cellule[1]) * W + cellule[0]] = Brique;
  }
}

float distanceFondMenu(int pas) {
  // A real division: the camera closes in smoothly, not by a jump every 500 steps.
  if (pas <= 0) return 300.0f;
  return std::min(300.0f, 250.0f / (static_cast<float>(pas) / 500.0f));
}

void pasFondMenu(EtatFondMenu& e, Terrain& niveau, Spectacle& spectacle, int largeur, int hauteur) {
  bande(e.cibleX, largeur, e.pousseeX, e.tourneX);
  bande(e.cibleY, hauteur, e.pousseeY, e.tourneY);
  const float s = distanceFondMenu(e.pas);
  e.vitesseX = (e.vitesseX + e.pousseeX) * 0.97f;
  e.vitesseY = (e.vitesseY + e.pousseeY) * 0.97f;
  e.cibleX += e.vitesseX * s / 300.0f;
  e.cibleY += e.vitesseY * s / 300.0f;
  spectacle.suivreCameraVers(e.cibleX, e.cibleY, -20.0f - s);
  if (e.pas > 1000 && e.pas % 4 == 0) etapeVie(niveau, e.tampons);
  if (e.pas > 3000 && e.pas % 2 == 0) ajouterPlaneur(niveau);
  ++e.pas;
}

void FondMenu::demarrer(Terrain& niveau) {
  arreter();
  // Each flight starts from the initial camera, as a freshly loaded level did.
  spectacle_.reinitialiserCamera();
  arret_ = false;
  pas_ = 0;
  fil_ = std::thread([this, &niveau] { boucle(niveau); });
}

void FondMenu::arreter() {
  arret_ = true;
  if (fil_.joinable()) fil_.join();
}

void FondMenu::boucle(Terrain& niveau) {
  spectacle_.suivreCameraVers(128, 101, -300);
  int largeur, hauteur;
  {
    std::lock_guard<std::mutex> garde(niveau.verrou);
    largeur = niveau.largeur;
    hauteur = niveau.hauteur;
  }
  EtatFondMenu etat;
  while (!arret_.load()) {
    if (suspendu_.load()) {
      SDL_Delay(50);
      continue;
    }
    pasFondMenu(etat, niveau, spectacle_, largeur, hauteur);
    pas_.store(etat.pas);
    SDL_Delay(10);
  }
}
