// The physics step's rules, one small level per case.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "fixtures.h"
#include "grilles_test.h"

namespace {

const std::vector<std::string> Couloir = {
    "#######",
    "#.....#",
    "#######",
};
const std::vector<std::string> Boite = {
    "######", "#....#", "#....#", "#....#", "######",
};

struct CasPas {
  const char* nom;
  std::vector<std::string> grille;
  float x, y;
  int saut;
  float vx;
  Touches touches;
  float xAttendu, yAttendu;
  int sautAttendu;
  float vxAttendu;
  int resultat;
  std::vector<int> effets;               // queued effects; -1 is a halt of the rolling channel
  std::vector<std::string> grilleApres;  // empty: unchanged
  int bombesApres = 0;
};

// A failing row names itself in full, not as the bytes of the struct.
void ecrireTouches(const Touches& t, std::ostream* os) {
  *os << (t.gauche ? "gauche " : "") << (t.droite ? "droite " : "") << (t.espace ? "espace " : "")
      << (t.gauche || t.droite || t.espace ? "" : "aucune ");
}
void ecrireEffets(const std::vector<int>& effets, std::ostream* os) {
  *os << "{";
  for (size_t i = 0; i < effets.size(); ++i) *os << (i ? ", " : "") << effets[i];
  *os << "}";
}
void PrintTo(const CasPas& c, std::ostream* os) {
  *os << "\"" << c.nom << "\" grid ";
  ecrireDessin(c.grille, os);
  *os << " ball (" << c.x << ", " << c.y << ") jump " << c.saut << " speed " << c.vx << " keys ";
  ecrireTouches(c.touches, os);
  *os << "-> ball (" << c.xAttendu << ", " << c.yAttendu << ") jump " << c.sautAttendu << " speed "
      << c.vxAttendu << " result " << c.resultat << " effects ";
  ecrireEffets(c.effets, os);
  if (!c.grilleApres.empty()) {
    *os << " grid after ";
    ecrireDessin(c.grilleApres, os);
  }
  *os << " bombs after " << c.bombesApres;
}

const Touches Aucune{false, false, false};
const Touches Gauche{true, false, false};
const Touches Droite{false, true, false};
const Touches LesDeux{true, true, false};

const CasPas CasUnPas[] = {
    {"clamp a gauche, garde meme sans mouvement",
     {".....", ".....", ".....", ".....", ".....", "#####"},
     0.3f,
     4.5f,
     0,
     0.0f,
     Aucune,
     0.5f,
     4.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"clamp en bas a droite",
     {".....", ".....", ".....", ".....", "....."},
     9.0f,
     9.0f,
     0,
     0.0f,
     Aucune,
     4.5f,
     4.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"roule a droite",
     Couloir,
     3.5f,
     1.5f,
     0,
     0.0f,
     Droite,
     3.575f,
     1.5f,
     0,
     0.075f,
     0,
     {SonRoule},
     {}},
    {"roule a gauche",
     Couloir,
     3.5f,
     1.5f,
     0,
     0.0f,
     Gauche,
     3.425f,
     1.5f,
     0,
     -0.075f,
     0,
     {SonRoule},
     {}},
    {"deux fleches: a gauche sans son",
     Couloir,
     3.5f,
     1.5f,
     0,
     0.0f,
     LesDeux,
     3.425f,
     1.5f,
     0,
     -0.075f,
     0,
     {},
     {}},
    {"sans fleche: vitesseX +0.075, pas de mouvement",
     Couloir,
     3.5f,
     1.5f,
     0,
     -0.075f,
     Aucune,
     3.5f,
     1.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"contre le mur gauche: repoussee a 0.5 du mur",
     Couloir,
     1.5f,
     1.5f,
     0,
     0.0f,
     Gauche,
     1.5f,
     1.5f,
     0,
     -0.075f,
     0,
     {},
     {}},
    {"mur droit: repoussee de ce qui manque",
     Couloir,
     5.45f,
     1.5f,
     0,
     0.0f,
     Droite,
     5.5f,
     1.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"mur droit: poussee limitee a 0.15",
     Couloir,
     5.9f,
     1.5f,
     0,
     0.0f,
     Aucune,
     5.75f,
     1.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"mur gauche: poussee limitee a 0.15",
     Couloir,
     1.1f,
     1.5f,
     0,
     0.0f,
     Aucune,
     1.25f,
     1.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"ressort sous un plafond: saut fini aussitot",
     {"#####", "#.^.#", "#####"},
     2.5f,
     1.5f,
     0,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.0f,
     0,
     {SonRessort},
     {}},
    {"ressort: premier pas du saut",
     {".....", ".....", ".....", "..^..", "#####"},
     2.5f,
     3.5f,
     0,
     0.075f,
     Aucune,
     2.5375f,
     3.28f,
     119,
     0.075f,
     0,
     {SonRessort},
     {}},
    {"saut a 65: ni mouvement vertical ni sonde",
     Couloir,
     2.5f,
     1.5f,
     65,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     64,
     0.0f,
     0,
     {},
     {}},
    {"saut descendant sur un sol: arret",
     Couloir,
     2.5f,
     1.5f,
     10,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.0f,
     0,
     {},
     {}},
    {"saut descendant sous le centre: ramene au centre",
     Couloir,
     2.5f,
     1.7f,
     10,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.0f,
     0,
     {},
     {}},
    {"saut montant sous un plafond: ramene au centre",
     Couloir,
     2.5f,
     1.3f,
     100,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.0f,
     0,
     {},
     {}},
    {"saut: rebond sur le mur droit",
     Boite,
     4.48f,
     2.5f,
     100,
     0.075f,
     Aucune,
     4.5f,
     2.36f,
     99,
     -0.075f,
     0,
     {SonChoc},
     {}},
    {"saut: rebond sur le mur gauche",
     Boite,
     1.52f,
     2.5f,
     100,
     -0.075f,
     Aucune,
     1.5f,
     2.36f,
     99,
     0.075f,
     0,
     {SonChoc},
     {}},
    {"saut: les fleches ne changent rien",
     Boite,
     2.5f,
     2.5f,
     100,
     0.075f,
     Gauche,
     2.5375f,
     2.36f,
     99,
     0.075f,
     0,
     {},
     {}},
    {"chute sur une brique fragile: elle casse",
     {".....", ".....", "..%..", "#####"},
     2.5f,
     1.3f,
     0,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.0f,
     0,
     {SonChoc},
     {".....", ".....", ".....", "#####"}},
    {"balle au repos sur une brique fragile: intacte",
     {".....", ".....", "..%..", "#####"},
     2.5f,
     1.5f,
     0,
     0.0f,
     Aucune,
     2.5f,
     1.5f,
     0,
     0.075f,
     0,
     {},
     {}},
    {"chute: pas de controle horizontal",
     {".....", ".....", ".....", "#####"},
     2.5f,
     0.5f,
     0,
     0.0f,
     Droite,
     2.5f,
     0.7f,
     0,
     0.0f,
     0,
     {},
     {}},
    {"bombe ramassee",
     {"#####", "#.o.#", "#####"},
     1.96f,
     1.5f,
     0,
     0.0f,
     Droite,
     2.035f,
     1.5f,
     0,
     0.075f,
     0,
     {SonRoule, SonBombe},
     {"#####", "#...#", "#####"},
     1},
    {"case gagnante",
     {"#####", "#.W.#", "#####"},
     1.96f,
     1.5f,
     0,
     0.0f,
     Droite,
     2.035f,
     1.5f,
     0,
     0.075f,
     1,
     {SonRoule},
     {}},
    {"case perdante",
     {"#####", "#.X.#", "#####"},
     1.96f,
     1.5f,
     0,
     0.0f,
     Droite,
     2.035f,
     1.5f,
     0,
     0.075f,
     2,
     {SonRoule},
     {}},
};

class UnPas : public ::testing::TestWithParam<CasPas> {};

TEST_P(UnPas, Regle) {
  const CasPas& c = GetParam();
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, c.grille, c.x, c.y);
  t.balle.saut = c.saut;
  t.balle.vitesseX = c.vx;
  EXPECT_EQ(t.avancer(c.touches, &s), c.resultat);
  EXPECT_NEAR(t.balle.x, c.xAttendu, 1e-5);
  EXPECT_NEAR(t.balle.y, c.yAttendu, 1e-5);
  EXPECT_EQ(t.balle.saut, c.sautAttendu);
  EXPECT_FLOAT_EQ(t.balle.vitesseX, c.vxAttendu);
  EXPECT_EQ(t.bombes, c.bombesApres);
  EXPECT_EQ(effetsQueues(s), c.effets);
  EXPECT_EQ(dessinDe(t), c.grilleApres.empty() ? c.grille : c.grilleApres);
}

INSTANTIATE_TEST_SUITE_P(Avancer, UnPas, ::testing::ValuesIn(CasUnPas),
                         [](const ::testing::TestParamInfo<CasPas>& info) {
                           std::string n;
                           for (const char* p = info.param.nom; *p; ++p)
                             n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return n;
                         });

TEST(Avancer, SansGrilleNeFaitRien) {
  TerrainVivant t;
  EXPECT_EQ(t.avancer(Droite, nullptr), 0);
  EXPECT_FLOAT_EQ(t.balle.x, 1.5f);
}

TEST(Avancer, ChuteDistancesExactesEtUnSeulChoc) {
  // y = r + 0.3 in row r = 1, row 2 empty, row 3 solid: 0.2 per step, then the remainder,
  // ending at r + 1.5; the bump sounds in the first step whose new position lies in row 2.
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, {"...", "...", "...", "###"}, 1.5f, 1.3f);
  const float attendus[] = {1.5f, 1.7f, 1.9f, 2.1f, 2.3f, 2.5f, 2.5f, 2.5f};
  for (int pas = 0; pas < 8; ++pas) {
    SCOPED_TRACE(pas);
    EXPECT_EQ(t.avancer(Aucune, &s), 0);
    EXPECT_NEAR(t.balle.y, attendus[pas], 1e-5);
    EXPECT_EQ(effetsQueues(s), pas == 3 ? std::vector<int>{SonChoc} : std::vector<int>{});
  }
}

TEST(Avancer, SautEpuiseEnLAirContinueEnChute) {
  TerrainVivant t;
  dessinerTerrain(t, {".", ".", ".", ".", ".", ".", ".", ".", ".", "#"}, 0.5f, 1.5f);
  t.balle.saut = 2;  // f < 0: descending; two jump steps, then an ordinary fall
  t.avancer(Aucune, nullptr);
  t.avancer(Aucune, nullptr);
  EXPECT_EQ(t.balle.saut, 0);
  const float y = t.balle.y;
  t.avancer(Aucune, nullptr);
  EXPECT_NEAR(t.balle.y - y, 0.2f, 1e-6);
}

TEST(Avancer, InterrupteurAgitAuPasSuivant) {
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, {"#######", "#.r..R#", "#RRYRR#", "#######"}, 1.96f, 1.5f);
  t.avancer(Droite, &s);  // enters the switch cell
  EXPECT_EQ(dessinDe(t)[1], "#.r..R#");
  EXPECT_EQ(effetsQueues(s), std::vector<int>{SonRoule});
  t.avancer(Aucune, &s);  // starts in it: every red brick and the switch go
  EXPECT_EQ(dessinDe(t), (std::vector<std::string>{"#######", "#.....#", "#..Y..#", "#######"}));
  EXPECT_EQ(effetsQueues(s), (std::vector<int>{-1, SonInterrupteur}));
}

TEST(Avancer, CodesSansSensCommeLeVide) {
  for (int code = 20; code <= 253; ++code) {
    TerrainVivant t;
    dessinerTerrain(t, {"...", "...", "...", "###"}, 1.5f, 1.5f);
    t.grille[2 * 3 + 1] = static_cast<uint8_t>(code);  // below the ball
    t.grille[1 * 3 + 2] = static_cast<uint8_t>(code);  // right of the ball
    EXPECT_EQ(t.avancer(Droite, nullptr), 0) << code;
    EXPECT_NEAR(t.balle.y, 1.7f, 1e-6) << code;  // falls through
    EXPECT_EQ(t.grille[2 * 3 + 1], code);
  }
}

// Fills the 3 x 3 block around the ball's cell (2, 2) of a 5 x 5 grid with one code.
struct CasSouffle {
  uint8_t code;
  bool efface;
};

void PrintTo(const CasSouffle& c, std::ostream* os) {
  *os << "code " << static_cast<int>(c.code) << " ('"
      << (caractereDessine(c.code) ? caractereDessine(c.code) : '?') << "') "
      << (c.efface ? "cleared" : "kept");
}

class Souffle : public ::testing::TestWithParam<CasSouffle> {};

TEST_P(Souffle, BlocDeTroisSurTrois) {
  const CasSouffle c = GetParam();
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  t.spectacle.allouerParticules(ParticulesParNiveau);
  dessinerTerrain(t, {".....", ".....", ".....", ".....", "#####"}, 2.5f, 2.5f);
  for (int r = 1; r <= 3; ++r)
    for (int col = 1; col <= 3; ++col)
      if (!(r == 2 && col == 2)) t.grille[r * 5 + col] = c.code;
  // The ball rests on the cell below when that one is solid, else it falls: keep it still.
  t.balle.y = 2.5f;
  t.bombes = 1;
  t.avancer(Touches{false, false, true}, &s);
  EXPECT_EQ(t.bombes, 0);
  EXPECT_EQ(t.minuteurExplosion, 99);
  for (int r = 1; r <= 3; ++r)
    for (int col = 1; col <= 3; ++col)
      if (!(r == 2 && col == 2)) {
        EXPECT_EQ(t.lireCase(col, r), c.efface ? 0 : c.code) << col << "," << r;
      }
  EXPECT_EQ(t.lireCase(0, 4), Brique);  // outside the block
}

INSTANTIATE_TEST_SUITE_P(Avancer, Souffle,
                         ::testing::Values(CasSouffle{Brique, true}, CasSouffle{Casse, true},
                                           CasSouffle{Ressort, true}, CasSouffle{Bombe, true},
                                           CasSouffle{InterrupteurVert, true},
                                           CasSouffle{Blinde, false},
                                           CasSouffle{CouleurBleu, false}, CasSouffle{Win, false},
                                           CasSouffle{Lost, false}, CasSouffle{20, false},
                                           CasSouffle{PanneauBoom, false}));

TEST(Avancer, SouffleAuCoinResteDansLaGrille) {
  TerrainVivant t;
  dessinerTerrain(t, {"##", "##"}, 0.5f, 0.5f);
  t.grille = {Vide, Brique, Brique, Brique};
  t.bombes = 1;
  t.avancer(Touches{false, false, true}, nullptr);
  EXPECT_EQ(t.grille, (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(Avancer, DeuxBombesEspaceTenuUneExplosionTousLesCentPas) {
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  t.spectacle.allouerParticules(ParticulesParNiveau);
  dessinerTerrain(t, Couloir, 3.5f, 1.5f);
  t.bombes = 2;
  std::vector<int> pasExplosions;
  for (int pas = 0; pas < 250; ++pas) {
    t.avancer(Touches{false, false, true}, &s);
    for (int e : effetsQueues(s))
      if (e == SonBoom) pasExplosions.push_back(pas);
  }
  EXPECT_EQ(pasExplosions, (std::vector<int>{0, 100}));
  EXPECT_EQ(t.bombes, 0);
}

TEST(Avancer, ParticulesDeLExplosion) {
  TerrainVivant t;
  std::srand(7);
  t.spectacle.allouerParticules(ParticulesParNiveau);
  // The ball starts left of its clamped position: the burst surrounds the clamped start.
  dessinerTerrain(t, {".....", "@@@@@"}, 0.2f, 0.5f);
  t.bombes = 1;
  t.avancer(Touches{false, false, true}, nullptr);
  int vivantes = 0;
  for (int i = 0; i < t.spectacle.capaciteParticules; ++i) {
    const Particule& p = t.spectacle.particules[i];
    if (!p.vivante()) continue;
    ++vivantes;
    EXPECT_EQ(p.vie, 999);
    EXPECT_FLOAT_EQ(p.taille, 0.2f);
    // One step of flight already happened: undo it to find the spawn point.
    const double vy0 = p.vy - 0.001;
    const double x0 = p.x - p.vx, y0 = p.y - vy0;
    EXPECT_NEAR(std::hypot(x0 - 0.5, y0 - 0.5), 0.5, 1e-5);
    EXPECT_LE(std::hypot(p.vx, vy0), 1.0 / 6 + 1e-6);
    EXPECT_LE(std::fabs(p.vz), 1.0 / 6 + 1e-6);
    EXPECT_NEAR(p.z, p.vz, 1e-7);
  }
  EXPECT_EQ(vivantes, 200);
  EXPECT_EQ(t.spectacle.prochaineParticule, 200);
  EXPECT_FLOAT_EQ(t.spectacle.explosionX, 0.5f);
  EXPECT_FLOAT_EQ(t.spectacle.explosionY, 0.5f);
}

TEST(Avancer, CompteDeBombesDesCopiesApresExplosionEtRamassage) {
  // The bomb label shows the count of each frame copy: every change is seen there.
  TerrainVivant t;
  std::vector<int> affiches;
  InstantaneTerrain vue;
  auto copier = [&] {
    prendreInstantane(t, t.spectacle, vue);
    if (affiches.empty() || affiches.back() != vue.bombes) affiches.push_back(vue.bombes);
  };
  dessinerTerrain(t, {"@@@@@@", "@..o.@", "@@@@@@"}, 1.5f, 1.5f);
  t.bombes = 1;
  t.avancer(Touches{false, false, true}, nullptr);  // blast: the bomb cell is out of reach
  copier();
  for (int pas = 0; pas < 30 && t.bombes == 0; ++pas) {
    t.avancer(Droite, nullptr);
    copier();
  }
  EXPECT_EQ(affiches, (std::vector<int>{0, 1}));
}

TEST(Avancer, SonDeRoulementAlterne) {
  // Start on the ground, stop when the keys go, not again while no key is held, start again,
  // stop on a wall hit and when both arrows are held.
  TerrainVivant t;
  Sons s(PeripheriqueSon::Simule);
  dessinerTerrain(t, Couloir, 3.5f, 1.5f);
  const struct {
    Touches touches;
    std::vector<int> effets;
  } pas[] = {
      {Droite, {SonRoule}}, {Droite, {}},    {Aucune, {-1}},       {Aucune, {}},
      {Gauche, {SonRoule}}, {LesDeux, {-1}}, {Droite, {SonRoule}}, {Droite, {}},
  };
  for (size_t i = 0; i < std::size(pas); ++i) {
    SCOPED_TRACE(i);
    t.avancer(pas[i].touches, &s);
    EXPECT_EQ(effetsQueues(s), pas[i].effets);
  }
  // Rolling into the right wall: the push-back step stops the loop.
  std::vector<int> tous;
  for (int i = 0; i < 40; ++i) {
    t.avancer(Droite, &s);
    for (int e : effetsQueues(s)) tous.push_back(e);
  }
  EXPECT_EQ(tous, std::vector<int>{-1});
  EXPECT_FALSE(t.rouleEnCours);
}

TEST(Avancer, RangeeSousLaGrilleCompteCommeLibre) {
  // A descending jump ends in the lower half of an open bottom row: the wall probes look at
  // row H, which does not exist; it counts as free, so nothing pushes the ball.
  TerrainVivant t;
  dessinerTerrain(t, {"###", "...", "..."}, 1.7f, 2.45f);
  t.balle.saut = 1;
  t.avancer(Aucune, nullptr);
  EXPECT_NEAR(t.balle.y, 2.45f + 0.2f * 1.28f, 1e-5);
  EXPECT_FLOAT_EQ(t.balle.x, 1.7f);
}

TEST(Avancer, DepartHorsGrilleEstRameneDedans) {
  TerrainVivant t;
  dessinerTerrain(t, {"...", "...", "..."}, 200.5f, 200.5f);
  for (int i = 0; i < 5; ++i) t.avancer(Aucune, nullptr);
  EXPECT_FLOAT_EQ(t.balle.x, 2.5f);
  EXPECT_FLOAT_EQ(t.balle.y, 2.5f);
}

TEST(Avancer, CameraSuitLaBalle) {
  TerrainVivant t;
  dessinerTerrain(t, Couloir, 3.5f, 1.5f);
  t.avancer(Aucune, nullptr);
  EXPECT_FLOAT_EQ(t.spectacle.camera.centreX, 0.5f * 3.5f);
  EXPECT_FLOAT_EQ(t.spectacle.camera.centreY, 0.5f * 1.5f);
  EXPECT_FLOAT_EQ(t.spectacle.camera.oeilX, 0.1f * 0.5f * 3.5f);
}

// The rule step alone: what it changes and the events it reports, with no lock, no camera, no
// particles and no rand().
TEST(Regles, EvenementsDUnPas) {
  struct Cas {
    const char* nom;
    std::vector<std::string> grille;
    float x, y;
    int bombes;
    Touches touches;
    bool explosion;
    float explosionX, explosionY;
    uint8_t interrupteur;
    int resultat;
    std::vector<int> effets;  // the step's own sound list, in order
  };
  const Touches Espace{false, false, true};
  // clang-format off
  const Cas cas[] = {
      // Clamped from left of the grid: the step starts (and the burst centres) at 0.5.
      {"explosion", {".....", "@@@@@"}, 0.2f, 0.5f, 1, Espace, true, 0.5f, 0.5f, 0, EnCours,
       {SonBoom}},
      {"sans bombe", {".....", "@@@@@"}, 0.5f, 0.5f, 0, Espace, false, 0, 0, 0, EnCours, {}},
      {"interrupteur", {"#####", "#.r.#", "#####"}, 2.5f, 1.5f, 0, Aucune, false, 0, 0,
       InterrupteurRouge, EnCours, {SonInterrupteur}},
      {"gagne", {"#####", "#.W.#", "#####"}, 1.96f, 1.5f, 0, Droite, false, 0, 0, 0, Gagne,
       {SonRoule}},
      {"perdu", {"#####", "#.X.#", "#####"}, 1.96f, 1.5f, 0, Droite, false, 0, 0, 0, Perdu,
       {SonRoule}},
  };
  // clang-format on
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EtatRegles e;
    dessinerTerrain(e, c.grille, c.x, c.y);
    e.bombes = c.bombes;
    std::srand(11);
    const EvenementsPas ev = pasRegles(e, c.touches);
    const int suivant = std::rand();
    std::srand(11);
    EXPECT_EQ(suivant, std::rand());  // the rules drew nothing
    EXPECT_TRUE(ev.joue);
    EXPECT_FLOAT_EQ(ev.departX, std::max(c.x, 0.5f));
    EXPECT_FLOAT_EQ(ev.departY, c.y);
    EXPECT_EQ(ev.explosion, c.explosion);
    if (c.explosion) {
      EXPECT_FLOAT_EQ(ev.explosionX, c.explosionX);
      EXPECT_FLOAT_EQ(ev.explosionY, c.explosionY);
      EXPECT_EQ(e.minuteurExplosion, 99);
    }
    EXPECT_EQ(ev.interrupteur, c.interrupteur);
    EXPECT_EQ(ev.resultat, c.resultat);
    EXPECT_EQ(e.resultat, c.resultat);
    std::vector<int> effets;
    for (int i = 0; i < ev.sons.nombre; ++i) effets.push_back(ev.sons.requetes[i].effet);
    EXPECT_EQ(effets, c.effets);
  }
}

TEST(Regles, SansGrilleRienNeJoue) {
  EtatRegles e;
  e.balle.x = 7.0f;
  const EvenementsPas ev = pasRegles(e, Droite);
  EXPECT_FALSE(ev.joue);
  EXPECT_EQ(ev.sons.nombre, 0);
  EXPECT_FLOAT_EQ(e.balle.x, 7.0f);
}

TEST(Regles, LeTerrainVivantMontreCeQueLesReglesFont) {
  // The live step is the rule step on the same state plus its show: the same ball, grid and
  // bombs, the camera toward the step's start, the flash where the bomb went off.
  EtatRegles seul;
  TerrainVivant t;
  t.spectacle.allouerParticules(ParticulesParNiveau);
  dessinerTerrain(seul, Couloir, 3.5f, 1.5f);
  dessinerTerrain(t, Couloir, 3.5f, 1.5f);
  seul.bombes = t.bombes = 1;
  const Touches cles[] = {Droite, Touches{false, true, true}, Gauche, Aucune};
  for (const Touches& k : cles) {
    const EvenementsPas ev = pasRegles(seul, k);
    Camera attendue = t.spectacle.camera;
    suivreCamera(attendue, ev.departX, ev.departY, attendue.profondeurOeil);
    EXPECT_EQ(t.avancer(k, nullptr), ev.resultat);
    EXPECT_EQ(t.balle.x, seul.balle.x);
    EXPECT_EQ(t.grille, seul.grille);
    EXPECT_EQ(t.bombes, seul.bombes);
    EXPECT_EQ(t.minuteurExplosion, seul.minuteurExplosion);
    EXPECT_EQ(t.spectacle.camera.oeilX, attendue.oeilX);
    EXPECT_EQ(t.spectacle.camera.centreX, attendue.centreX);
    if (ev.explosion) {
      EXPECT_EQ(t.spectacle.explosionX, ev.explosionX);
    }
  }
  EXPECT_EQ(t.spectacle.prochaineParticule, 200);
}

}  // namespace
