#include "game/camera.h"

void reinitialiserCamera(Camera& camera) { camera = Camera{}; }

void suivreCamera(Camera& c, float x, float y, float z) {
  const float k = c.tauxOeil;
  if (c.suivre) {
    const float a = c.tauxCentre;
    c.centreX = a * x + (1.0f - a) * c.oeilX;
    c.centreY = a * y + (1.0f - a) * c.oeilY;
  }
  c.oeilX = k * c.centreX + (1.0f - k) * c.oeilX;
  c.oeilY = k * c.centreY + (1.0f - k) * c.oeilY;
  c.oeilZ = k * z + (1.0f - k) * c.oeilZ;
}

Camera cameraDepart(int largeur, int hauteur, float balleX, float balleY) {
  Camera k;
  k.oeilX = static_cast<float>(largeur / 2);
  k.oeilY = static_cast<float>(hauteur / 2);
  k.oeilZ = -static_cast<float>(largeur > hauteur ? largeur : hauteur);
  k.centreX = balleX;
  k.centreY = balleY;
  k.centreZ = 0;
  return k;
}
