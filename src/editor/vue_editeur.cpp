#include "editor/vue_editeur.h"

#include <algorithm>

void zoomerVers(Camera& camera, int sens, const float* cibleX, const float* cibleY) {
  const float avant = camera.profondeurOeil;
  const float apres = std::max(
      ProfondeurZoomMax, std::min(ProfondeurZoomMin, avant * (sens < 0 ? 0.85f : 1.0f / 0.85f)));
  camera.profondeurOeil = apres;
  if (!cibleX || !cibleY) return;
  // The point under the pointer stays under it: the look-at point moves toward it by the share
  // of the distance the eye came closer.
  const float part = 1.0f - apres / avant;
  camera.centreX += (*cibleX - camera.centreX) * part;
  camera.centreY += (*cibleY - camera.centreY) * part;
}

uint32_t dureeDefilement(uint32_t dt) { return dt > 500 ? 1 : dt; }

void defilerVers(Camera& camera, int largeur, int hauteur, int dx, int dy, uint32_t dt) {
  const float s = static_cast<float>(dt) / 80.0f;
  float& tx = camera.centreX;
  float& ty = camera.centreY;
  if (dx > 0 && tx < (largeur - 0.2f) - s) tx += s;
  if (dx < 0 && tx > s + 0.2f) tx -= s;
  if (dy > 0 && ty < (hauteur - 0.2f) - s) ty += s;
  if (dy < 0 && ty > s + 0.2f) ty -= s;
}

void defilerBords(Camera& camera, int largeur, int hauteur, int mx, int my, int ecranL, int ecranH,
                  uint32_t dt) {
  defilerVers(camera, largeur, hauteur, (mx > ecranL - 16) - (mx <= 15),
              (my > ecranH - 16) - (my <= 15), dt);
}

void glisserVue(Camera& camera, int largeur, int hauteur, int dx, int dy, int ecranH) {
  if (ecranH <= 0) return;
  // The picture's height spans 2 tan(30 degrees) cells per unit of distance from the eye.
  const float distance = std::max(1.0f, camera.centreZ - camera.oeilZ);
  const float cellesParPixel = 2.0f * 0.57735027f * distance / static_cast<float>(ecranH);
  camera.centreX = std::clamp(camera.centreX - static_cast<float>(dx) * cellesParPixel, 0.2f,
                              std::max(0.2f, static_cast<float>(largeur) - 0.2f));
  camera.centreY = std::clamp(camera.centreY - static_cast<float>(dy) * cellesParPixel, 0.2f,
                              std::max(0.2f, static_cast<float>(hauteur) - 0.2f));
}
