#include "editor/vue_editeur.h"

#include <algorithm>
#include <cmath>

#include "editor/regles_editeur.h"

namespace {

constexpr float Tan30 = 0.57735027f;
constexpr float Marge = 8.0f;  // pixels kept free around a fitted level

}  // namespace

CadreEditeur cadreEditeur(int ecranL, int ecranH) {
  // The tools' row, and below it the ball and selection tools where the row leaves no room; the
  // spinner and the undo buttons stand highest in the bottom bar.
  int x = 0, y = 0, haut = 33;
  placeOutilBalle(ecranL, x, y);
  haut = std::max(haut, y + 32);
  placeOutilSelection(ecranL, x, y);
  haut = std::max(haut, y + 32);
  return {ecranL, ecranH, haut + 1, 54};
}

float pixelsParCase(float distance, int ecranH) {
  return static_cast<float>(ecranH) / (2.0f * Tan30 * std::max(distance, 0.01f));
}

void ajusterVue(Camera& camera, int largeur, int hauteur, const CadreEditeur& cadre) {
  const float L = static_cast<float>(std::max(largeur, 1)),
              H = static_cast<float>(std::max(hauteur, 1));
  const float placeL = std::max(1.0f, cadre.ecranL - 2.0f * Marge);
  const float placeH = std::max(1.0f, cadre.ecranH - cadre.haut - cadre.bas - 2.0f * Marge);
  const float voulu = std::min(placeL / L, placeH / H);
  const float distance = std::clamp(static_cast<float>(cadre.ecranH) / (2.0f * Tan30 * voulu),
                                    15.0f, -ProfondeurZoomMax);
  const float p = pixelsParCase(distance, cadre.ecranH);
  // The level's centre at the band's centre, which lies (haut - bas) / 2 pixels below the
  // window's.
  const float decalage = 0.5f * static_cast<float>(cadre.haut - cadre.bas);
  camera.suivre = false;
  camera.centreX = camera.oeilX = 0.5f * L;
  camera.centreY = camera.oeilY = 0.5f * H - decalage / p;
  camera.centreZ = 0.0f;
  camera.oeilZ = camera.profondeurOeil = -distance;
}

void pasVue(Camera& camera, int largeur, int hauteur, int dx, int dy, bool demiEcran, int ecranL,
            int ecranH) {
  const float p = pixelsParCase(-camera.profondeurOeil, ecranH);
  const float pasX = demiEcran ? 0.5f * static_cast<float>(ecranL) / p : 1.0f;
  const float pasY = demiEcran ? 0.5f * static_cast<float>(ecranH) / p : 1.0f;
  const float x = std::clamp(camera.centreX + static_cast<float>(dx) * pasX, 0.2f,
                             std::max(0.2f, static_cast<float>(largeur) - 0.2f));
  const float y = std::clamp(camera.centreY + static_cast<float>(dy) * pasY, 0.2f,
                             std::max(0.2f, static_cast<float>(hauteur) - 0.2f));
  camera.oeilX += x - camera.centreX;
  camera.oeilY += y - camera.centreY;
  camera.centreX = x;
  camera.centreY = y;
}

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
