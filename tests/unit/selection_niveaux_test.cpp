// The editor's blocks of cells without any widget: which block two corners select, what the
// clipboard holds, how a paste or a move is cut at the level's edge, where a resize puts the
// cells and the start, and that each change to a block is one undo step of its own.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fixtures.h"
#include "grilles_test.h"
#include "levels/document_niveaux.h"
#include "levels/operations_niveaux.h"
#include "levels/selection_niveaux.h"

namespace {

// A level drawn as rows of cell characters (the start at (0.5, 0.5) unless moved).
Niveau dessine(const std::vector<std::string>& lignes) {
  Niveau n = nouveauNiveau();
  n.largeur = static_cast<int>(lignes[0].size());
  n.hauteur = static_cast<int>(lignes.size());
  n.grille.clear();
  for (const std::string& l : lignes)
    for (char c : l) n.grille.push_back(codeDessine(c));
  n.departX = n.departY = 0.5f;
  return n;
}

std::vector<std::string> lignes(const Niveau& n) {
  std::vector<std::string> out(static_cast<size_t>(n.hauteur));
  for (int l = 0; l < n.hauteur; ++l)
    for (int c = 0; c < n.largeur; ++c)
      out[static_cast<size_t>(l)] += caractereDessine(n.lireCase(c, l));
  return out;
}

const std::vector<std::string> Motif = {
    "#%^.",
    "oWX.",
    "....",
};

}  // namespace

TEST(SelectionNiveaux, ZoneEntreDeuxCases) {
  const struct {
    const char* nom;
    int c0, l0, c1, l1;
    std::optional<ZoneCases> attendu;
  } cas[] = {
      {"one cell", 2, 1, 2, 1, ZoneCases{2, 1, 1, 1}},
      {"corners in order", 0, 0, 2, 1, ZoneCases{0, 0, 3, 2}},
      {"corners reversed", 2, 1, 0, 0, ZoneCases{0, 0, 3, 2}},
      {"cut at the right and bottom edges", 2, 1, 9, 9, ZoneCases{2, 1, 2, 2}},
      {"cut at the left and top edges", -3, -2, 1, 0, ZoneCases{0, 0, 2, 1}},
      {"wholly outside", 5, 0, 7, 2, std::nullopt},
      {"wholly above", 0, -4, 3, -1, std::nullopt},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(zoneEntre(c.c0, c.l0, c.c1, c.l1, 4, 3), c.attendu);
  }
}

TEST(SelectionNiveaux, CopierViderColler) {
  const struct {
    const char* nom;
    ZoneCases copie;
    int colonne, ligne;  // where the copy is pasted
    std::vector<std::string> apres;
    int changees;
  } cas[] = {
      {"inside", {0, 0, 2, 2}, 2, 1, {"#%^.", "oW#%", "..oW"}, 4},
      {"onto itself: nothing changes", {0, 0, 2, 2}, 0, 0, Motif, 0},
      {"cut at the right edge", {0, 0, 3, 1}, 2, 2, {"#%^.", "oWX.", "..#%"}, 2},
      {"cut at the bottom edge", {1, 0, 1, 2}, 3, 2, {"#%^.", "oWX.", "...%"}, 1},
      {"cut at the left and top edges", {1, 0, 3, 2}, -1, -1, {"X.^.", "oWX.", "...."}, 2},
      {"wholly outside", {0, 0, 2, 2}, 4, 0, Motif, 0},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Niveau n = dessine(Motif);
    const PressePapiers bloc = copierZone(n, c.copie);
    EXPECT_EQ(bloc.largeur, c.copie.largeur);
    EXPECT_EQ(bloc.hauteur, c.copie.hauteur);
    EXPECT_EQ(collerZone(n, bloc, c.colonne, c.ligne), c.changees);
    EXPECT_EQ(lignes(n), c.apres);
    EXPECT_EQ(n.largeur, 4) << "a paste never grows the level";
    EXPECT_EQ(n.hauteur, 3);
    EXPECT_EQ(n.grille.size(), 12u);
  }
  // Emptying counts only the cells that held something.
  Niveau n = dessine(Motif);
  EXPECT_EQ(viderZone(n, {1, 0, 3, 3}), 4);
  EXPECT_EQ(lignes(n), (std::vector<std::string>{"#...", "o...", "...."}));
  EXPECT_EQ(viderZone(n, {1, 0, 3, 3}), 0);
  // An empty clipboard pastes nothing.
  EXPECT_EQ(collerZone(n, PressePapiers{}, 0, 0), 0);
  EXPECT_FALSE(zoneCollee(n, PressePapiers{}, 0, 0));
}

TEST(SelectionNiveaux, ZoneCollee) {
  const Niveau n = dessine(Motif);
  PressePapiers bloc;
  bloc.largeur = 3;
  bloc.hauteur = 2;
  bloc.cases.assign(6, Brique);
  EXPECT_EQ(zoneCollee(n, bloc, 0, 0), (ZoneCases{0, 0, 3, 2}));
  EXPECT_EQ(zoneCollee(n, bloc, 2, 2), (ZoneCases{2, 2, 2, 1}));
  EXPECT_EQ(zoneCollee(n, bloc, -2, -1), (ZoneCases{0, 0, 1, 1}));
  EXPECT_FALSE(zoneCollee(n, bloc, 4, 0));
}

TEST(SelectionNiveaux, Deplacer) {
  const struct {
    const char* nom;
    ZoneCases zone;
    int dc, dl;
    std::vector<std::string> apres;
    float departX, departY;
  } cas[] = {
      {"one column right, the start with it",
       {0, 0, 2, 2},
       1,
       0,
       {".#%.", ".oW.", "...."},
       1.5f,
       0.5f},
      {"overlapping itself downwards", {0, 0, 3, 1}, 0, 1, {"....", "#%^.", "...."}, 0.5f, 1.5f},
      {"half past the bottom edge: the rest is lost",
       {0, 0, 2, 2},
       0,
       2,
       {"..^.", "..X.", "#%.."},
       0.5f,
       2.5f},
      {"the start's cell leaves the level: the start stays",
       {0, 0, 2, 2},
       -1,
       0,
       {"%.^.", "W.X.", "...."},
       0.5f,
       0.5f},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Niveau n = dessine(Motif);
    EXPECT_GT(deplacerZone(n, c.zone, c.dc, c.dl), 0);
    EXPECT_EQ(lignes(n), c.apres);
    EXPECT_FLOAT_EQ(n.departX, c.departX);
    EXPECT_FLOAT_EQ(n.departY, c.departY);
    EXPECT_EQ(n.grille.size(), 12u);
  }
  Niveau n = dessine(Motif);
  EXPECT_EQ(deplacerZone(n, {0, 0, 2, 2}, 0, 0), 0);
  EXPECT_EQ(lignes(n), Motif);
}

TEST(SelectionNiveaux, RedimensionnerAvecAncre) {
  const struct {
    const char* nom;
    int X, Y;
    AncreTaille ancre;
    std::vector<std::string> apres;
    float departX, departY;
  } cas[] = {
      {"grow right and bottom",
       5,
       4,
       {false, false},
       {"#%^..", "oWX..", ".....", "....."},
       1.5f,
       1.5f},
      {"grow left and top", 5, 4, {true, true}, {".....", ".#%^.", ".oWX.", "....."}, 2.5f, 2.5f},
      {"grow left, shrink bottom", 6, 2, {true, false}, {"..#%^.", "..oWX."}, 3.5f, 1.5f},
      {"shrink left: the start's column goes, it comes back inside",
       2,
       3,
       {true, false},
       {"^.", "X.", ".."},
       0.5f,
       1.5f},
      {"shrink top", 4, 2, {false, true}, {"oWX.", "...."}, 1.5f, 0.5f},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    Niveau n = dessine(Motif);
    n.departX = n.departY = 1.5f;  // on the goal
    redimensionnerAncre(n, c.X, c.Y, c.ancre);
    EXPECT_EQ(n.largeur, c.X);
    EXPECT_EQ(n.hauteur, c.Y);
    EXPECT_EQ(lignes(n), c.apres);
    EXPECT_FLOAT_EQ(n.departX, c.departX);
    EXPECT_FLOAT_EQ(n.departY, c.departY);
  }
}

// The properties dialog's sides reach the file; right and bottom stay the default.
TEST(SelectionNiveaux, ProprietesAvecAncre) {
  CouleursTravail travail;
  Niveau n = dessine(Motif);
  lireCouleursTravail(n, travail);
  appliquerProprietes(n, 5, 3, 0, travail);
  EXPECT_EQ(lignes(n), (std::vector<std::string>{"#%^..", "oWX..", "....."}));
  n = dessine(Motif);
  appliquerProprietes(n, 5, 3, 0, travail, {true, false});
  EXPECT_EQ(lignes(n), (std::vector<std::string>{".#%^.", ".oWX.", "....."}));
  EXPECT_FLOAT_EQ(n.departX, 1.5f);
}

// Cut, paste and move are one undo step each, even right after a painted stroke still open;
// undone they give the levels back byte for byte.
TEST(SelectionNiveaux, UnPasDAnnulationChacun) {
  DossierTemporaire d;
  DocumentNiveaux doc(d / "blocs.map", {dessine(Motif), dessine(Motif)});
  ASSERT_TRUE(doc.peindre(0, Brique, 3, 2));  // a stroke not yet a step
  const PressePapiers bloc = copierZone(doc.niveaux()[0], {0, 0, 2, 2});
  EXPECT_EQ(doc.viderZone(0, {0, 0, 2, 2}), 4);
  EXPECT_EQ(doc.collerZone(1, bloc, 2, 1), 4);  // on another level, cut at its edge
  EXPECT_EQ(lignes(doc.niveaux()[1]), (std::vector<std::string>{"#%^.", "oW#%", "..oW"}));
  EXPECT_EQ(doc.niveaux()[1].grille.size(), 12u);
  EXPECT_GT(doc.deplacerZone(1, {2, 1, 2, 2}, -2, 0), 0);
  EXPECT_EQ(lignes(doc.niveaux()[1]), (std::vector<std::string>{"#%^.", "#%..", "oW.."}));
  EXPECT_EQ(doc.viderZone(1, {3, 0, 1, 1}), 0);  // nothing to empty: no step

  EXPECT_EQ(doc.annuler(1).value_or(-1), 1);  // the move
  EXPECT_EQ(lignes(doc.niveaux()[1]), (std::vector<std::string>{"#%^.", "oW#%", "..oW"}));
  EXPECT_EQ(doc.annuler(1).value_or(-1), 1);  // the paste
  EXPECT_EQ(lignes(doc.niveaux()[1]), Motif);
  EXPECT_EQ(doc.annuler(1).value_or(-1), 0);  // the cut
  EXPECT_EQ(lignes(doc.niveaux()[0]), (std::vector<std::string>{"#%^.", "oWX.", "...#"}));
  EXPECT_EQ(doc.annuler(0).value_or(-1), 0);  // the stroke
  EXPECT_EQ(lignes(doc.niveaux()[0]), Motif);
  EXPECT_FALSE(doc.modifie());
  EXPECT_FALSE(doc.annuler(0));
}

// The clipboard is the run's: the same one wherever it is asked for.
TEST(SelectionNiveaux, PressePapiersDeLaSession) {
  PressePapiers& a = pressePapiersSession();
  a = copierZone(dessine(Motif), {0, 0, 1, 1});
  EXPECT_EQ(&a, &pressePapiersSession());
  EXPECT_EQ(pressePapiersSession().cases, std::vector<uint8_t>{Brique});
  a = PressePapiers{};
}
