#include "render/aspect_cases.h"

#include <array>

#include "game/cases.h"
#include "render/textures.h"

namespace {

const float Blanc[4] = {1, 1, 1, 1};
const float BleuBombe[4] = {0.3f, 0.3f, 0.5f, 1};
const float VertBut[4] = {0, 1, 0, 0.5f};
const float RougeDanger[4] = {1, 0, 0, 0.5f};
// Lever colours by code / 2 (codes 8 to 19).
const float CouleursLevier[10][4] = {
    {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1},          {1, 0, 0, 1},
    {1, 1, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.5f, 0.5f, 0.5f, 1}};

AspectCase aspect(FormeCase forme, TeinteCase teinte, ImageCase image, bool translucide) {
  AspectCase a;
  a.forme = forme;
  a.jeu = {teinte, image};
  a.daltonien = a.jeu;
  a.translucide = translucide;
  return a;
}

AspectCase brique(ImageCase image) {
  AspectCase a = aspect(FormeCase::Boite, TeinteCase::Degrade, image, false);
  a.brique = true;
  return a;
}

std::array<AspectCase, 256> construireTable() {
  using F = FormeCase;
  using T = TeinteCase;
  using I = ImageCase;
  std::array<AspectCase, 256> t{};  // everything else: nothing drawn
  t[Brique] = brique(I::Aucune);
  t[Casse] = brique(I::Casse);
  t[Blinde] = brique(I::Blinde);
  // The goal cells are told apart by colour and a tick in play (a plain green box would read as
  // a green brick), by a white picture in colour-blind mode.
  t[Win] = aspect(F::Boite, T::VertBut, I::Win, true);
  t[Win].daltonien = {T::Blanc, I::Win};
  t[Lost] = aspect(F::Boite, T::RougeDanger, I::Aucune, true);
  t[Lost].daltonien = {T::Blanc, I::Lost};
  t[Ressort] = aspect(F::Ressort, T::Blanc, I::Ressort, true);
  t[Bombe] = aspect(F::Sphere, T::BleuBombe, I::Aucune, false);
  for (int k = 0; k < NombreCouleurs; ++k) {
    const int interrupteur = InterrupteurRouge + 2 * k, couleur = interrupteur + 1;
    if (k < 4) {
      t[couleur] = aspect(F::Boite, T::Degrade, I::Couleur, true);
      t[interrupteur] = aspect(F::Interrupteur, T::Blanc, I::PlaqueCouleur, true);
    } else {
      // The grey colours: plain bricks in play, marked in the editor.
      const ImageCase marque = k == 4 ? I::Un : I::Deux;
      t[couleur] = brique(I::Aucune);
      t[couleur].imageEditeur = marque;
      t[interrupteur] = aspect(F::Interrupteur, T::Levier, I::Aucune, false);
      t[interrupteur].imageEditeur = marque;
    }
  }
  t[PanneauBoom] = aspect(F::Panneau, T::Aucune, I::PanneauBoom, true);
  t[PanneauBoom].largeur = 4, t[PanneauBoom].hauteur = 4;
  t[PanneauMove] = aspect(F::Panneau, T::Aucune, I::PanneauMove, true);
  t[PanneauMove].largeur = 4, t[PanneauMove].hauteur = 1.5f;
  return t;
}

}  // namespace

const AspectCase& aspectCase(uint8_t code) {
  static const std::array<AspectCase, 256> table = construireTable();
  return table[code];
}

Apparence apparenceCase(const AspectCase& a, bool editeur, bool daltonien) {
  Apparence ap = daltonien ? a.daltonien : a.jeu;
  if (editeur && a.imageEditeur != ImageCase::Aucune) ap.image = a.imageEditeur;
  return ap;
}

GLuint textureCase(ImageCase image, uint8_t code, uint32_t ticks, const TableTextures& t) {
  // Only the four first colours have pictures.
  const int k = couleurDeCase(code);
  const bool couleurImagee = (estCouleur(code) || estInterrupteur(code)) && k < 4;
  switch (image) {
    case ImageCase::Aucune: return 0;
    case ImageCase::Casse: return t.texCasse;
    case ImageCase::Blinde: return t.texBlinde;
    case ImageCase::Ressort: return t.texRessort;
    case ImageCase::Win: return t.texWin;
    case ImageCase::Lost: return t.texLost;
    case ImageCase::Un: return t.texUn;
    case ImageCase::Deux: return t.texDeux;
    case ImageCase::Couleur: return couleurImagee ? t.texCouleur[k] : 0;
    case ImageCase::PlaqueCouleur: return couleurImagee ? t.texCouleurT[k] : 0;
    case ImageCase::PanneauBoom: return t.texBoomMsg[(ticks / 500) % 2];
    case ImageCase::PanneauMove: {
      static const int images[4] = {0, 1, 0, 2};
      return t.texMove[images[(ticks / 500) % 4]];
    }
  }
  return 0;
}

const float* couleurFixeCase(TeinteCase teinte, uint8_t code) {
  switch (teinte) {
    case TeinteCase::Blanc: return Blanc;
    case TeinteCase::BleuBombe: return BleuBombe;
    case TeinteCase::VertBut: return VertBut;
    case TeinteCase::RougeDanger: return RougeDanger;
    case TeinteCase::Levier: return code >= 8 && code <= 19 ? CouleursLevier[code / 2] : Blanc;
    default: return nullptr;
  }
}
