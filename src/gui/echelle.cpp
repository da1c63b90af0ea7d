#include "gui/echelle.h"

#include <algorithm>

int echelleAutomatique(int largeur, int hauteur) {
  return std::max(1, std::min(largeur / 640, hauteur / 480));
}

int echelleInterface(int choix, int largeur, int hauteur) {
  const int place = echelleAutomatique(largeur, hauteur);
  if (choix < 1 || choix > EchelleChoixMax) return place;
  return std::min(choix, place);
}

int versInterface(int pixel, int echelle) {
  if (echelle <= 1) return pixel;
  return pixel >= 0 ? pixel / echelle : -((-pixel + echelle - 1) / echelle);
}
