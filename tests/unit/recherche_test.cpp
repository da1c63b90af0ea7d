// The breadth-first search that proves a level: a win found and its script replayed to the
// same win, a level without a win, a ball without a start, and the byte bound on a large level.
#include <gtest/gtest.h>

#include "game/partie.h"
#include "game/recherche.h"
#include "grand_niveau.h"
#include "grilles_test.h"

namespace {

Partie& preparee(Partie& p, const std::vector<std::string>& dessin, float x, float y,
                 int32_t bombes = 0) {
  Niveau n;
  dessinerTerrain(n, dessin, x, y);
  n.bombes = bombes;
  p.preparer(n);
  return p;
}

TEST(Recherche, UneVictoireTrouveeEtRejouee) {
  // A wall to blast on the way: the win needs the bomb, then the roll.
  Partie p;
  preparee(p, {"@@@@@@@@@@@@", "@..#......W@", "@@@@@@@@@@@@"}, 1.5f, 1.5f, 1);
  ProgresRecherche progres;
  const Resolution r = chercherPlusCourt(p, BornesRecherche{}, &progres);
  ASSERT_TRUE(r.trouvee);
  EXPECT_EQ(r.fin, FinRecherche::Gagnee);
  EXPECT_GT(r.etats, 1u);
  EXPECT_EQ(progres.etats.load(), r.etats);
  bool espace = false;
  for (const Consigne& c : r.script) espace = espace || c.touches.espace;
  EXPECT_TRUE(espace) << "the wall is only passed with the bomb";
  // The script wins at the step found, replayed from the start; and as the play screen's
  // replay reads it, step by step.
  const Issue i = p.jouer(r.script, r.pas + 10);
  EXPECT_EQ(i.resultat, Gagne);
  EXPECT_EQ(i.pas, r.pas);
  EXPECT_TRUE(solutionGagne(p.depart, enSolution(r.script)));
  // Without the space bar there is no way through.
  BornesRecherche sansBombe;
  sansBombe.sansEspace = true;
  EXPECT_EQ(chercherPlusCourt(p, sansBombe).fin, FinRecherche::Epuisee);
}

TEST(Recherche, LaSecondeBombeAttendLaFinDuSouffle) {
  // Two walls one cell apart: the first blast clears the first only, and the ball, shut in two
  // cells, must wait there for the blast's timer to run out before the second bomb goes off.
  // The same cell with the timer still running is another state: it is met again later.
  Partie p;
  preparee(p, {"@@@@@@@", "@.##.W@", "@@@@@@@"}, 1.5f, 1.5f, 2);
  const Resolution r = chercherPlusCourt(p, BornesRecherche{});
  ASSERT_TRUE(r.trouvee) << static_cast<int>(r.fin) << " after " << r.etats << " states";
  EXPECT_GT(r.pas, 100) << "a blast lasts 100 steps: the second cannot come sooner";
  const Issue i = p.jouer(r.script, r.pas + 10);
  EXPECT_EQ(i.resultat, Gagne);
  EXPECT_EQ(i.pas, r.pas);
}

TEST(Recherche, SansVictoireDansLesBornes) {
  struct Cas {
    const char* nom;
    std::vector<std::string> dessin;
    BornesRecherche bornes;
    FinRecherche attendue;
  };
  BornesRecherche courte;
  courte.pasMax = 50;  // the goal is 150 steps of rolling away
  BornesRecherche peuDEtats;
  peuDEtats.etatsMax = 20;
  BornesRecherche peuDOctets;
  peuDOctets.octetsMax = 4096;
  const std::string mur(30, '@');
  const std::vector<std::string> loin = {mur, "@" + std::string(27, '.') + "W@", mur};
  const Cas cas[] = {
      {"walled off",
       {"@@@@@@@@", "@..@..W@", "@@@@@@@@"},
       BornesRecherche{},
       FinRecherche::Epuisee},
      {"no win cell", {"@@@@@@", "@....@", "@@@@@@"}, BornesRecherche{}, FinRecherche::Epuisee},
      {"falls to its loss",
       {"@@@@@@", "@...W@", "@.@@@@", "@XXXX@"},
       BornesRecherche{},
       FinRecherche::Epuisee},
      {"too few steps", loin, courte, FinRecherche::Bornee},
      {"too few states", loin, peuDEtats, FinRecherche::Bornee},
      {"too few bytes", loin, peuDOctets, FinRecherche::Bornee},
  };
  for (const Cas& c : cas) {
    Partie p;
    preparee(p, c.dessin, 1.5f, 1.5f);
    const Resolution r = chercherPlusCourt(p, c.bornes);
    EXPECT_FALSE(r.trouvee) << c.nom;
    EXPECT_EQ(r.fin, c.attendue) << c.nom << " " << r.etats;
    EXPECT_TRUE(r.script.empty()) << c.nom;
    EXPECT_LE(r.octetsPic, c.bornes.octetsMax) << c.nom;
  }
}

TEST(Recherche, BalleSansDepart) {
  const std::vector<std::string> dessin = {"@@@@@@", "@.#.W@", "@@@@@@"};
  struct {
    float x, y;
    bool valable;
  } cas[] = {{1.5f, 1.5f, true},   {2.5f, 1.5f, false},  {0.5f, 0.5f, false},
             {9.5f, 1.5f, false},  {1.5f, 7.5f, false},  {-0.5f, 1.5f, false},
             {1e30f, 1.5f, false}, {1.5f, -1e30f, false}};
  for (const auto& c : cas) {
    Niveau n;
    dessinerTerrain(n, dessin, c.x, c.y);
    EXPECT_EQ(departValable(n), c.valable) << c.x << "," << c.y;
    if (c.valable) continue;
    Partie p;
    p.preparer(n);
    const Resolution r = chercherPlusCourt(p, BornesRecherche{});
    EXPECT_EQ(r.fin, FinRecherche::SansDepart) << c.x << "," << c.y;
    EXPECT_EQ(r.etats, 0u);
  }
  Niveau vide;
  EXPECT_FALSE(departValable(vide));
}

TEST(Recherche, LaBorneDOctetsTientSurUnGrandNiveau) {
  // 255 x 255 with bombs: every blast makes a grid of 65 kB. A few MiB are never passed, and
  // the states stay small (the grid is not copied into each).
  for (size_t borne : {size_t{1} << 20, size_t{4} << 20}) {
    Partie p;
    p.preparer(grandNiveau());
    ProgresRecherche progres;
    BornesRecherche b;
    b.octetsMax = borne;
    const Resolution r = chercherPlusCourt(p, b, &progres);
    EXPECT_EQ(r.fin, FinRecherche::Bornee);
    EXPECT_LE(r.octetsPic, borne);
    EXPECT_GT(r.octetsPic, borne / 2) << "the search stopped well before its bound";
    EXPECT_GT(r.etats, 1000u);
    EXPECT_LE(progres.octets.load(), borne);
  }
}

}  // namespace
