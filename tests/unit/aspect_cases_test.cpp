// The cell-look table: what each code shows under each setting, and what the bricks' arrays
// rely on when they draw a code instead of the cell pass.
#include <gtest/gtest.h>

#include <vector>

#include "game/cases.h"
#include "render/aspect_cases.h"
#include "render/textures.h"

namespace {

// Every texture a distinct name, so that a case names the one it expects.
TableTextures texturesNumerotees() {
  TableTextures t;
  t.texCasse = 1, t.texBlinde = 2, t.texRessort = 3, t.texUn = 4, t.texDeux = 5;
  t.texWin = 6, t.texLost = 7;
  for (GLuint k = 0; k < 4; ++k) t.texCouleur[k] = 10 + k, t.texCouleurT[k] = 20 + k;
  t.texBoomMsg[0] = 30, t.texBoomMsg[1] = 31;
  t.texMove[0] = 40, t.texMove[1] = 41, t.texMove[2] = 42;
  return t;
}

TEST(AspectCases, LesBriquesDesTableauxSontDesBoitesOpaquesSansVarianteDaltonienne) {
  // The arrays colour every brick with the gradient, never blend and do not know the
  // colour-blind mode.
  std::vector<int> briques;
  for (int code = 0; code < 256; ++code) {
    const AspectCase& a = aspectCase(static_cast<uint8_t>(code));
    if (!a.brique) continue;
    SCOPED_TRACE(code);
    briques.push_back(code);
    EXPECT_EQ(a.forme, FormeCase::Boite);
    EXPECT_FALSE(a.translucide);
    EXPECT_EQ(a.jeu.teinte, TeinteCase::Degrade);
    EXPECT_EQ(a.daltonien.teinte, a.jeu.teinte);
    EXPECT_EQ(a.daltonien.image, a.jeu.image);
  }
  EXPECT_EQ(briques, (std::vector<int>{Brique, Casse, Blinde, CouleurUn, CouleurDeux}));
}

TEST(AspectCases, LesCodesSansSensNeMontrentRien) {
  for (int code = 0; code < 256; ++code) {
    const bool sansSens = code == Vide || (code >= 20 && code <= 253);
    EXPECT_EQ(aspectCase(static_cast<uint8_t>(code)).forme == FormeCase::Rien, sansSens) << code;
  }
}

struct CasImage {
  uint8_t code;
  bool editeur, daltonien;
  uint32_t ticks;
  GLuint texture;
  TeinteCase teinte;
};

TEST(AspectCases, ImageEtTeinteSelonLesReglages) {
  const CasImage cas[] = {
      {Brique, false, false, 0, 0, TeinteCase::Degrade},
      {Casse, true, true, 0, 1, TeinteCase::Degrade},
      {Blinde, false, false, 0, 2, TeinteCase::Degrade},
      // The goals: a colour and the tick in play (never a bare green box, which would read as
      // a green brick), a picture in colour-blind mode, in the editor too.
      {Win, false, false, 0, 6, TeinteCase::VertBut},
      {Win, false, true, 0, 6, TeinteCase::Blanc},
      {Lost, true, false, 0, 0, TeinteCase::RougeDanger},
      {Lost, true, true, 0, 7, TeinteCase::Blanc},
      {Ressort, false, false, 0, 3, TeinteCase::Blanc},
      {Bombe, false, true, 0, 0, TeinteCase::BleuBombe},
      {CouleurRouge, false, false, 0, 10, TeinteCase::Degrade},
      {CouleurBleu, true, false, 0, 13, TeinteCase::Degrade},
      {InterrupteurJaune, false, false, 0, 21, TeinteCase::Blanc},
      {InterrupteurBleu, true, true, 0, 23, TeinteCase::Blanc},
      // The grey colours: nothing to tell them apart in play, a marker in the editor.
      {CouleurUn, false, false, 0, 0, TeinteCase::Degrade},
      {CouleurUn, true, false, 0, 4, TeinteCase::Degrade},
      {CouleurDeux, true, true, 0, 5, TeinteCase::Degrade},
      {InterrupteurUn, false, false, 0, 0, TeinteCase::Levier},
      {InterrupteurDeux, true, false, 0, 5, TeinteCase::Levier},
      // The signs change picture every half second.
      {PanneauBoom, false, false, 0, 30, TeinteCase::Aucune},
      {PanneauBoom, false, false, 499, 30, TeinteCase::Aucune},
      {PanneauBoom, false, false, 500, 31, TeinteCase::Aucune},
      {PanneauBoom, false, false, 1000, 30, TeinteCase::Aucune},
      {PanneauMove, false, false, 0, 40, TeinteCase::Aucune},
      {PanneauMove, false, false, 500, 41, TeinteCase::Aucune},
      {PanneauMove, false, false, 1000, 40, TeinteCase::Aucune},
      {PanneauMove, false, false, 1500, 42, TeinteCase::Aucune},
      {PanneauMove, false, false, 2000, 40, TeinteCase::Aucune},
  };
  const TableTextures textures = texturesNumerotees();
  for (const CasImage& c : cas) {
    SCOPED_TRACE(::testing::Message() << "code " << int(c.code) << " editeur " << c.editeur
                                      << " daltonien " << c.daltonien << " ticks " << c.ticks);
    const Apparence ap = apparenceCase(aspectCase(c.code), c.editeur, c.daltonien);
    EXPECT_EQ(textureCase(ap.image, c.code, c.ticks, textures), c.texture);
    EXPECT_EQ(ap.teinte, c.teinte);
  }
}

TEST(AspectCases, CouleursFixes) {
  auto couleur = [](TeinteCase t, uint8_t code) {
    const float* c = couleurFixeCase(t, code);
    return c ? std::vector<float>(c, c + 4) : std::vector<float>{};
  };
  EXPECT_EQ(couleur(TeinteCase::VertBut, Win), (std::vector<float>{0, 1, 0, 0.5f}));
  EXPECT_EQ(couleur(TeinteCase::RougeDanger, Lost), (std::vector<float>{1, 0, 0, 0.5f}));
  EXPECT_EQ(couleur(TeinteCase::BleuBombe, Bombe), (std::vector<float>{0.3f, 0.3f, 0.5f, 1}));
  EXPECT_EQ(couleur(TeinteCase::Levier, InterrupteurRouge), (std::vector<float>{1, 0, 0, 1}));
  EXPECT_EQ(couleur(TeinteCase::Levier, InterrupteurBleu), (std::vector<float>{0, 0, 1, 1}));
  EXPECT_EQ(couleur(TeinteCase::Levier, InterrupteurDeux),
            (std::vector<float>{0.5f, 0.5f, 0.5f, 1}));
  // The gradient depends on the cell's place: the caller works it out.
  EXPECT_TRUE(couleur(TeinteCase::Degrade, Brique).empty());
  EXPECT_TRUE(couleur(TeinteCase::Aucune, PanneauBoom).empty());
}

TEST(AspectCases, LesPanneauxOntLeurTaille) {
  EXPECT_EQ(aspectCase(PanneauBoom).largeur, 4.0f);
  EXPECT_EQ(aspectCase(PanneauBoom).hauteur, 4.0f);
  EXPECT_EQ(aspectCase(PanneauMove).largeur, 4.0f);
  EXPECT_EQ(aspectCase(PanneauMove).hauteur, 1.5f);
}

}  // namespace
