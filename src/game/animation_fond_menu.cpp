#include "game/animation_fond_menu.h"

#include <SDL.h>

#include <algorithm>
#include <mutex>

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

float distanceFondMenu(int pas) {
  // A real division: the camera closes in smoothly, not by a jump every 500 steps.
  if (pas <= 0) return 300.0f;
  return std::min(300.0f, 250.0f / (static_cast<float>(pas) / 500.0f));
}

void pasFondMenu(EtatFondMenu& e, Terrain& niveau, int largeur, int hauteur) {
  bande(e.cibleX, largeur, e.pousseeX, e.tourneX);
  bande(e.cibleY, hauteur, e.pousseeY, e.tourneY);
  const float s = distanceFondMenu(e.pas);
  e.vitesseX = (e.vitesseX + e.pousseeX) * 0.97f;
  e.vitesseY = (e.vitesseY + e.pousseeY) * 0.97f;
  e.cibleX += e.vitesseX * s / 300.0f;
  e.cibleY += e.vitesseY * s / 300.0f;
  niveau.suivreCameraVers(e.cibleX, e.cibleY, -20.0f - s);
  if (e.pas > 1000 && e.pas % 4 == 0) niveau.etapeVie();
  if (e.pas > 3000 && e.pas % 2 == 0) niveau.ajouterPlaneur();
  ++e.pas;
}

void FondMenu::demarrer(Terrain& niveau) {
  arreter();
  arret_ = false;
  pas_ = 0;
  fil_ = std::thread([this, &niveau] { boucle(niveau); });
}

void FondMenu::arreter() {
  arret_ = true;
  if (fil_.joinable()) fil_.join();
}

void FondMenu::boucle(Terrain& niveau) {
  niveau.suivreCameraVers(128, 101, -300);
  int largeur, hauteur;
  {
    std::lock_guard<std::mutex> garde(niveau.verrou);
    largeur = niveau.largeur;
    hauteur = niveau.hauteur;
  }
  EtatFondMenu etat;
  while (!arret_.load()) {
    pasFondMenu(etat, niveau, largeur, hauteur);
    pas_.store(etat.pas);
    SDL_Delay(10);
  }
}
