// Text layout without a window: markup, pen advances, wrapping, unknown codes; and the glyph
// metrics cut from a sheet cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures.h"
#include "gui/mise_en_page.h"
#include "gui_commun.h"

namespace {

const float BLANC[3] = {1, 1, 1};

std::vector<GlyphePlace> disposer(const std::string& texte, const FontGUI& p, int largeur,
                                  StyleTexte style = {}) {
  std::vector<GlyphePlace> s;
  mettreEnPage(codesTexte(texte), p, style, BLANC, largeur, s);
  return s;
}

// The code each placed glyph stands for, found back from the font.
std::string lettres(const std::vector<GlyphePlace>& s, const FontGUI& p) {
  std::string r;
  for (const auto& g : s)
    for (int c = 0; c < 256; ++c)
      if (p.contient(static_cast<uint32_t>(c)) && &p.glyphe(static_cast<uint32_t>(c)) == g.glyphe) {
        r += static_cast<char>(c);
        break;
      }
  return r;
}

TEST(MiseEnPage, UnMotTientSurUneLigne) {
  auto p = policeFixe(8);
  auto s = disposer("Hello", *p, 200);
  ASSERT_EQ(s.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(s[i].x, static_cast<int>(i) * 8);
    EXPECT_EQ(s[i].y, 0);
  }
  EXPECT_EQ(lettres(s, *p), "Hello");
}

TEST(MiseEnPage, BalisesDeCouleur) {
  auto p = policeFixe(8);
  auto s = disposer("a <cff0000>red<c00ff00> green", *p, 500);
  ASSERT_EQ(lettres(s, *p), "a red green");
  auto couleur = [&](size_t i) { return std::vector<float>(s[i].couleur, s[i].couleur + 3); };
  EXPECT_EQ(couleur(0), (std::vector<float>{1, 1, 1}));
  EXPECT_EQ(couleur(2), (std::vector<float>{1, 0, 0}));
  EXPECT_EQ(couleur(4), (std::vector<float>{1, 0, 0}));
  EXPECT_EQ(couleur(6), (std::vector<float>{0, 1, 0}));
  // Five argument codes: no colour change, nothing drawn of the tag.
  s = disposer("<cff000>x", *p, 500);
  ASSERT_EQ(lettres(s, *p), "x");
  EXPECT_EQ(couleur(0), (std::vector<float>{1, 1, 1}));
  // Non-hexadecimal codes count as 0.
  s = disposer("<cfzfzfz>x", *p, 500);
  EXPECT_NEAR(s[0].couleur[0], 240 / 255.0, 1e-6);
}

TEST(MiseEnPage, StylesDesBalises) {
  auto p = policeFixe(8);
  struct Cas {
    const char* texte;
    StyleTexte attendu;  // style of the last glyph
  } cas[] = {
      {"<u1>x", {0, 0, 1, 0}},
      {"<u1><u>x", {0, 0, 0, 0}},
      {"<s1>x", {0, 0, 0, 1}},
      {"<s1><s0>x", {0, 0, 0, 0}},
      {"<b2>x", {2, 0, 0, 0}},
      {"<b2><b>x", {0, 0, 0, 0}},
      {"<i3>x", {0, 3, 0, 0}},
      {"<i3><i>x", {0, 0, 0, 0}},
      // A letter where a digit is expected means none, not '/' - '0' passes.
      {"<b/>x", {0, 0, 0, 0}},
      {"<iz>x", {0, 0, 0, 0}},
      {"<q9>x", {0, 0, 0, 0}},
  };
  for (const auto& c : cas) {
    auto s = disposer(c.texte, *p, 500);
    ASSERT_EQ(lettres(s, *p), "x") << c.texte;
    const StyleTexte& st = s.back().style;
    EXPECT_EQ(st.gras, c.attendu.gras) << c.texte;
    EXPECT_EQ(st.italique, c.attendu.italique) << c.texte;
    EXPECT_EQ(st.souligne, c.attendu.souligne) << c.texte;
    EXPECT_EQ(st.barre, c.attendu.barre) << c.texte;
  }
  // Bold widens the advance by its passes.
  auto s = disposer("<b2>ab", *p, 500);
  EXPECT_EQ(s[1].x, 10);
  EXPECT_EQ(s[1].avance, 10);
}

TEST(MiseEnPage, SouligneSeulementLesGlyphesBalises) {
  auto p = policeFixe(8);
  auto s = disposer("<u1>under<u> normal", *p, 500);
  ASSERT_EQ(lettres(s, *p), "under normal");
  for (size_t i = 0; i < s.size(); ++i) EXPECT_EQ(s[i].style.souligne != 0, i < 5) << i;
}

TEST(MiseEnPage, ChevronsEchappes) {
  auto p = policeFixe(8);
  auto s = disposer("x<(>y<)>", *p, 500);
  EXPECT_EQ(lettres(s, *p), "x<y>");
  EXPECT_EQ(s[1].x, 8);
  EXPECT_EQ(s[2].x, 16);  // side by side
  // Bare chevrons are markup, never drawn; an unclosed tag hides the rest; a '<' as the last
  // code ends the text; a '>' outside a tag is dropped.
  EXPECT_EQ(lettres(disposer("a>b", *p, 500), *p), "ab");
  EXPECT_EQ(lettres(disposer("a<cb", *p, 500), *p), "a");
  EXPECT_EQ(lettres(disposer("ab<", *p, 500), *p), "ab");
  EXPECT_EQ(lettres(disposer("a<c<u1>b", *p, 500), *p), "ab");
  EXPECT_EQ(lettres(disposer("<>a<x>b", *p, 500), *p), "ab");
  EXPECT_TRUE(disposer("", *p, 500).empty());
}

TEST(MiseEnPage, LeChevronEchappeNeCompteNiDansLeMotNiAuRetour) {
  auto p = policeFixe(8);
  // "ab<(>cd" in a 20-pixel box: at 'a' the rest of the word counts b, c, d (24 > 20) but not
  // the escaped '<'; the line after a wrap starts at the left edge.
  auto s = disposer("ab<(>cd", *p, 20);
  ASSERT_EQ(lettres(s, *p), "ab<cd");
  EXPECT_EQ(s[2].x, 8);  // '<' right after b
  EXPECT_EQ(s[3].x, 0);  // c starts its line at the left edge, not 8 further
  EXPECT_EQ(s[3].y, s[2].y + 17);
}

TEST(MiseEnPage, MotTropLongCoupeEntreLesCaracteres) {
  auto p = policeFixe(8);
  auto s = disposer(std::string(40, 'm'), *p, 60);
  ASSERT_EQ(s.size(), 40u);
  // The first line stays empty; characters 1..32 one per line; 33..40 share the last one.
  for (int i = 0; i < 32; ++i) {
    EXPECT_EQ(s[i].x, 0) << i;
    EXPECT_EQ(s[i].y, 17 * (i + 1)) << i;
  }
  for (int i = 32; i < 40; ++i) {
    EXPECT_EQ(s[i].x, 8 * (i - 32)) << i;
    EXPECT_EQ(s[i].y, 17 * 33) << i;
  }
}

TEST(MiseEnPage, LeMotSuivantPasseALaLigneSansSonEspace) {
  auto p = policeFixe(8);
  auto s = disposer("abc defgh", *p, 60);  // "abc " is 28 wide, "defgh" 40: 68 > 60
  ASSERT_EQ(lettres(s, *p), "abcdefgh");
  EXPECT_EQ(s[3].x, 0);
  EXPECT_EQ(s[3].y, 17);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s[i].y, 0);
  // It fits: one line, the space drawn.
  EXPECT_EQ(lettres(disposer("abc defgh", *p, 100), *p), "abc defgh");
}

TEST(MiseEnPage, CodeInconnuRemplaceEtSignaleUneFois) {
  auto p = std::make_unique<FontGUI>(17, '?');
  Glyphe q;
  q.advance = 7;
  p->ajouterGlyphe('?', q);
  Glyphe e;
  e.advance = 9;
  p->ajouterGlyphe(200, e);
  CaptureJournal journal;
  std::vector<GlyphePlace> s;
  const std::vector<int32_t> codes = {200, 10, 10, 'a'};
  for (int image = 0; image < 100; ++image) mettreEnPage(codes, *p, {}, BLANC, 500, s);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].glyphe, &p->glyphe(200));
  EXPECT_EQ(s[1].glyphe, &p->glyphe('?'));
  EXPECT_EQ(s[1].x, 9);
  int lignes10 = 0, lignes97 = 0;
  for (const auto& l : journal.lignes()) {
    lignes10 += l == "Caractaire inconnu 10";
    lignes97 += l == "Caractaire inconnu 97";
  }
  EXPECT_EQ(lignes10, 1);
  EXPECT_EQ(lignes97, 1);
}

TEST(MiseEnPage, SansAucunGlypheLeTexteAvanceCommeDesEspaces) {
  FontGUI p(17, '?');  // a font whose sheets are missing
  CaptureJournal journal;
  auto s = disposer("abc", p, 500);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[2].x, 8);
  EXPECT_EQ(s[0].glyphe->texture, 0u);
}

TEST(MetriquesGlyphe, EncreEtAvance) {
  // A 4-pixel wide RGBA cell, 2 rows, ink (alpha > 100) in columns 1 and 2.
  const uint8_t cellule[2 * 16] = {0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0, 0,   0, 0, 0, 100,  //
                                   0, 0, 0, 0, 0, 0, 0, 0,   0, 0, 0, 101, 0, 0, 0, 0};
  ColonnesEncre c = colonnesEncrees(cellule, 4, 2, 4, 16);
  EXPECT_FALSE(c.aucune);
  EXPECT_EQ(c.premiere, 1);
  EXPECT_EQ(c.derniere, 2);
  Glyphe g = metriquesGlyphe(c, 17);
  EXPECT_EQ(g.xOffset, 0);  // the ink starts at the pen
  EXPECT_EQ(g.advance, 4);  // 2 inked columns and a 2-pixel gap
  EXPECT_EQ(g.width, 2);
  EXPECT_EQ(g.height, 17);
}

TEST(MetriquesGlyphe, CelluleVideAvanceCommeLEspace) {
  const uint8_t vide[2 * 4] = {0, 0, 100, 0, 0, 0, 0, 0};
  ColonnesEncre c = colonnesEncrees(vide, 4, 2, 1, 4);  // one byte a pixel, 100 is not ink
  EXPECT_TRUE(c.aucune);
  Glyphe g = metriquesGlyphe(c, 17);
  EXPECT_EQ(g.advance, 4);
  EXPECT_EQ(g.width, 0);
}

}  // namespace
