// Cell predicates, the camera, the cellular automaton, the particle ring and the bomb text.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fixtures.h"
#include "game/animation_fond_menu.h"
#include "game/bombes.h"
#include "grilles_test.h"

namespace {

TEST(Cases, PredicatsSurLes256Codes) {
  for (int code = 0; code < 256; ++code) {
    const uint8_t c = static_cast<uint8_t>(code);
    const bool paire = 8 <= code && code <= 19;
    SCOPED_TRACE(code);
    EXPECT_EQ(estCouleur(c), paire && code % 2 == 1);
    EXPECT_EQ(estInterrupteur(c), paire && code % 2 == 0);
    EXPECT_EQ(estSolide(c), code == 1 || code == 4 || code == 5 || (paire && code % 2 == 1));
    EXPECT_EQ(estDestructible(c),
              code == 1 || code == 4 || code == 6 || code == 7 || (paire && code % 2 == 0));
    EXPECT_EQ(estCasse(c), code == 4);
  }
}

TEST(Terrain, ValeursInitiales) {
  CaptureJournal journal;
  Terrain t;
  EXPECT_TRUE(journal.contient("Terrain crée"));
  EXPECT_EQ(t.largeur, 15);
  EXPECT_EQ(t.hauteur, 15);
  EXPECT_FALSE(t.aGrille());
  EXPECT_FLOAT_EQ(t.balle.x, 1.5f);
  EXPECT_FLOAT_EQ(t.balle.y, 1.5f);
  for (const auto& c : t.couleurs) {
    EXPECT_FLOAT_EQ(c[0], 0.7f);
    EXPECT_FLOAT_EQ(c[3], 1.0f);
  }
}

TEST(Spectacle, ValeursInitiales) {
  Spectacle s;
  EXPECT_EQ(s.capaciteParticules, 0);
  EXPECT_TRUE(s.camera.suivre);
  EXPECT_FLOAT_EQ(s.camera.oeilZ, -15.0f);
  EXPECT_FLOAT_EQ(s.camera.hautY, -1.0f);
}

TEST(Terrain, LireCaseHorsGrilleDonneVide) {
  Terrain t;
  dessinerTerrain(t, {"##", "##"}, 0.5f, 0.5f);
  EXPECT_EQ(t.lireCase(1, 1), Brique);
  for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) EXPECT_EQ(t.lireCase(c, r), Vide);
}

TEST(Camera, SuivreDepuisLEtatInitial) {
  Camera c;
  suivreCamera(c, 10.0f, 4.0f, -15.0f);
  EXPECT_FLOAT_EQ(c.centreX, 5.0f);
  EXPECT_FLOAT_EQ(c.centreY, 2.0f);
  EXPECT_FLOAT_EQ(c.centreZ, 0.0f);
  EXPECT_FLOAT_EQ(c.oeilX, 0.5f);
  EXPECT_FLOAT_EQ(c.oeilY, 0.2f);
  EXPECT_FLOAT_EQ(c.oeilZ, -15.0f);
}

TEST(Camera, SansSuiviLeCentreResteEtLOeilYVa) {
  Camera c;
  c.suivre = false;
  c.centreX = 10.0f;
  suivreCamera(c, 99.0f, 99.0f, -25.0f);
  EXPECT_FLOAT_EQ(c.centreX, 10.0f);
  EXPECT_FLOAT_EQ(c.centreY, 0.0f);
  EXPECT_FLOAT_EQ(c.oeilX, 1.0f);
  EXPECT_FLOAT_EQ(c.oeilZ, -16.0f);
  reinitialiserCamera(c);
  EXPECT_TRUE(c.suivre);
  EXPECT_FLOAT_EQ(c.centreX, 0.0f);
}

// etapeVie on small grids: before and after one generation.
struct CasVie {
  const char* nom;
  std::vector<std::string> avant, apres;
};

const CasVie CasVies[] = {
    {"cellule seule meurt",
     {".....", ".....", "..#..", ".....", "....."},
     {".....", ".....", ".....", ".....", "....."}},
    {"bloc de briques stable",
     {"......", ".##...", ".##...", "......", "......"},
     {"......", ".##...", ".##...", "......", "......"}},
    {"bloc blinde devient brique",
     {"......", ".@@...", ".@@...", "......", "......"},
     {"......", ".##...", ".##...", "......", "......"}},
    {"naissance entre blinde et couleur",
     {".....", ".@...", "..R..", ".B...", "....."},
     {".....", ".....", ".#R..", ".....", "....."}},
    {"ressort et bombe a deux voisins survivent",
     {"......", ".#^#..", "......", ".#o#..", "......", "......"},
     {"......", "..^...", "......", "..o...", "......", "......"}},
    {"ressort a trois voisins devient brique",
     {".....", ".###.", "..^..", ".....", "....."},
     {"..#..", "..#..", "..#..", ".....", "....."}},
    {"bord replie: voisins de l'autre cote",
     {"#...#", ".....", ".....", ".....", "#...."},
     {"#...#", ".....", ".....", ".....", "#...#"}},
};

void PrintTo(const CasVie& c, std::ostream* os) {
  *os << "\"" << c.nom << "\" ";
  ecrireDessin(c.avant, os);
  *os << " -> ";
  ecrireDessin(c.apres, os);
}

class Vie : public ::testing::TestWithParam<CasVie> {};

TEST_P(Vie, UneGeneration) {
  Terrain t;
  TamponsVie tampons;
  dessinerTerrain(t, GetParam().avant, 0.5f, 0.5f);
  etapeVie(t, tampons);
  EXPECT_EQ(dessinDe(t), GetParam().apres);
}

INSTANTIATE_TEST_SUITE_P(Terrain, Vie, ::testing::ValuesIn(CasVies),
                         [](const ::testing::TestParamInfo<CasVie>& info) {
                           std::string n;
                           for (const char* p = info.param.nom; *p; ++p)
                             n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return n;
                         });

TEST(Terrain, PlaneurRevientDecaleApresQuatreGenerationsEtTraverseLesBords) {
  const std::vector<std::string> planeur = {
      "...............",
      "..#............",
      "...#...........",
      ".###...........",
  };
  Terrain t;
  TamponsVie tampons;
  std::vector<std::string> g = planeur;
  g.resize(15, std::string(15, '.'));
  dessinerTerrain(t, g, 0.5f, 0.5f);
  for (int i = 0; i < 4; ++i) etapeVie(t, tampons);
  std::vector<std::string> decale(15, std::string(15, '.'));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 14; ++c)
      if (planeur[r][c] == '#') decale[r + 1][c + 1] = '#';
  EXPECT_EQ(dessinDe(t), decale);

  // 60 generations move it 15 cells down and right: once around the torus, back home.
  dessinerTerrain(t, g, 0.5f, 0.5f);
  for (int i = 0; i < 60; ++i) etapeVie(t, tampons);
  EXPECT_EQ(dessinDe(t), g);
}

TEST(Terrain, AjouterPlaneurSurTroisSurTrois) {
  Terrain t;
  for (int graine = 1; graine < 20; ++graine) {
    std::srand(static_cast<unsigned>(graine));
    dessinerTerrain(t, {"...", "...", "..."}, 0.5f, 0.5f);
    ajouterPlaneur(t);
    EXPECT_EQ(dessinDe(t), (std::vector<std::string>{".#.", "..#", "###"}));
  }
}

TEST(Terrain, AjouterPlaneurTropPetitNeFaitRien) {
  Terrain t;
  dessinerTerrain(t, {"..", ".."}, 0.5f, 0.5f);
  ajouterPlaneur(t);
  EXPECT_EQ(dessinDe(t), (std::vector<std::string>{"..", ".."}));
  Terrain vide;
  ajouterPlaneur(vide);
  TamponsVie tampons;
  etapeVie(vide, tampons);
  EXPECT_FALSE(vide.aGrille());
}

TEST(Particule, NeuveMorteEtInitialisee) {
  Particule p;
  EXPECT_FALSE(p.vivante());
  EXPECT_TRUE(p.gravite);
  p.avancerParticule(1.0f);
  EXPECT_FLOAT_EQ(p.vy, 0.0f);  // dead: nothing moves
  p.initialiser(1, 2, 3, 0.5f, 0.25f, -0.5f, 0.2f);
  EXPECT_EQ(p.vie, 1000);
  EXPECT_TRUE(p.gravite);
  EXPECT_FLOAT_EQ(p.taille, 0.2f);
}

TEST(Particule, GraviteSurTroisPas) {
  Particule p;
  p.initialiser(0, 0, 0, 0.1f, 0.02f, 0.0f, 0.2f);
  for (int i = 0; i < 3; ++i) p.avancerParticule(1.0f);
  EXPECT_NEAR(p.vy, 0.02 + 0.003, 1e-7);
  EXPECT_NEAR(p.y, 3 * 0.02 + 0.003, 1e-6);
  EXPECT_NEAR(p.x, 0.3, 1e-6);
  EXPECT_EQ(p.vie, 997);

  Particule q;
  q.initialiser(0, 0, 0, 0.1f, 0.02f, 0.0f, 0.2f);
  q.gravite = false;
  for (int i = 0; i < 3; ++i) q.avancerParticule(1.0f);
  EXPECT_FLOAT_EQ(q.vy, 0.02f);
  q.avancerParticule(2.7f);
  EXPECT_EQ(q.vie, 995);
}

TEST(Particule, AnneauEcraseLesPlusAnciennes) {
  Spectacle t;
  t.allouerParticules(ParticulesParNiveau);
  Particule p;
  for (int i = 0; i < 1200; ++i) {
    p.initialiser(static_cast<float>(i), 0, 0, 0, 0, 0, 0.2f);
    t.ajouterParticule(p);
  }
  EXPECT_EQ(t.prochaineParticule, 200);
  EXPECT_FLOAT_EQ(t.particules[0].x, 1000.0f);  // the 1001st overwrote the oldest
  EXPECT_FLOAT_EQ(t.particules[199].x, 1199.0f);
  EXPECT_FLOAT_EQ(t.particules[200].x, 200.0f);  // still the first round
}

TEST(Particule, SansAnneauAjouterNeFaitRien) {
  Spectacle t;
  Particule p;
  t.ajouterParticule(p);
  EXPECT_EQ(t.prochaineParticule, 0);
}

TEST(Particule, PositionDansLAnneauGardeeEntreNiveauxEtValide) {
  Spectacle t;
  t.allouerParticules(10);
  for (int i = 0; i < 7; ++i) t.ajouterParticule(Particule{});
  t.libererParticules();
  t.allouerParticules(10);
  EXPECT_EQ(t.prochaineParticule, 7);
  t.libererParticules();
  t.allouerParticules(5);  // a smaller ring: the position must still name a slot
  EXPECT_EQ(t.prochaineParticule, 0);
}

TEST(Particule, LibererJournaliseMemeSansAnneau) {
  CaptureJournal journal;
  Spectacle t;
  t.libererParticules();
  EXPECT_TRUE(journal.contient("Unalloc particulesok"));
  EXPECT_EQ(t.capaciteParticules, 0);
}

TEST(Bombes, Texte) {
  const struct {
    int32_t bombes;
    const char* attendu;
  } cas[] = {{0, "Bombes : 0"}, {7, "Bombes : 7"}, {999, "Bombes : 999"}, {1234, "Bombes : 234"}};
  for (const auto& c : cas) EXPECT_EQ(texteBombes("Bombes : ", c.bombes), c.attendu);
  EXPECT_EQ(texteBombes("", 0), "0");
}

TEST(Bombes, AjouterBombeVuDansLaCopie) {
  Terrain t;
  InstantaneTerrain vue;
  t.ajouterBombe();
  t.prendreInstantane(vue);
  EXPECT_EQ(t.bombes, 1);
  EXPECT_EQ(vue.bombes, 1);
}

TEST(Instantane, CopieCoherenteQuiReutiliseSesTampons) {
  TerrainVivant t;
  dessinerTerrain(t, {"#W.", "..o"}, 1.5f, 0.5f);
  t.spectacle.allouerParticules(3);
  t.bombes = 4;
  t.minuteurExplosion = 12;
  InstantaneTerrain s;
  prendreInstantane(t, t.spectacle, s);
  EXPECT_EQ(s.largeur, 3);
  EXPECT_EQ(s.hauteur, 2);
  EXPECT_EQ(s.grille, t.grille);
  EXPECT_EQ(s.lireCase(1, 0), Win);
  EXPECT_EQ(s.bombes, 4);
  EXPECT_EQ(s.minuteurExplosion, 12);
  EXPECT_EQ(s.particules.size(), 3u);
  const uint8_t* tampon = s.grille.data();
  t.grille[0] = Vide;
  prendreInstantane(t, t.spectacle, s);
  EXPECT_EQ(s.grille.data(), tampon);  // same buffer, no new allocation
  EXPECT_EQ(s.lireCase(0, 0), Vide);
  t.libererGrille();
  t.spectacle.libererParticules();
  prendreInstantane(t, t.spectacle, s);
  EXPECT_FALSE(s.aGrille());
  EXPECT_TRUE(s.particules.empty());
}

}  // namespace

namespace {

// The level record: copies are independent, resizing keeps the common part and the start inside.
TEST(Niveau, CopieIndependante) {
  Niveau a;
  dessinerTerrain(a, {"#W", "o."}, 1.5f, 1.5f);
  a.bombes = 3;
  std::vector<Niveau> liste{a, a};  // the editor's list: copied, inserted
  liste.insert(liste.begin() + 1, a);
  liste[1].grille[0] = Vide;
  liste[1].bombes = 0;
  EXPECT_EQ(dessinDe(a), (std::vector<std::string>{"#W", "o."}));
  EXPECT_EQ(dessinDe(liste[0]), dessinDe(a));
  EXPECT_EQ(dessinDe(liste[1]), (std::vector<std::string>{".W", "o."}));
  EXPECT_EQ(liste[2].bombes, 3);
}

TEST(Niveau, Redimensionner) {
  const struct {
    int W, H;
    std::vector<std::string> apres;
    float x, y;
  } cas[] = {
      {4, 3, {"#W..", "o%..", "...."}, 2.5f, 1.5f},
      {1, 2, {"#", "o"}, 0.5f, 1.5f},
      {3, 1, {"#W."}, 2.5f, 0.5f},
      {0, -4, {"#"}, 0.5f, 0.5f},  // at least one cell
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.W * 100 + c.H);
    Niveau n;
    dessinerTerrain(n, {"#W", "o%"}, 2.5f, 1.5f);
    n.redimensionner(c.W, c.H);
    EXPECT_EQ(dessinDe(n), c.apres);
    EXPECT_EQ(n.grille.size(), static_cast<size_t>(n.largeur * n.hauteur));
    EXPECT_FLOAT_EQ(n.departX, c.x);
    EXPECT_FLOAT_EQ(n.departY, c.y);
  }
}

TEST(Terrain, CommencerNiveauRepartDuDepart) {
  Terrain t;
  dessinerTerrain(t, {"...", "###"}, 2.5f, 0.5f);
  t.balle.saut = 40;
  t.minuteurExplosion = 9;
  t.rouleEnCours = true;
  Niveau n;
  dessinerTerrain(n, {"..W", "###"}, 0.5f, 0.5f);
  n.bombes = 2;
  const uint8_t* tampon = n.grille.data();
  t.commencerNiveau(std::move(n));
  EXPECT_EQ(t.grille.data(), tampon);  // moved, not copied
  EXPECT_EQ(t.lireCase(2, 0), Win);
  EXPECT_EQ(t.bombes, 2);
  EXPECT_FLOAT_EQ(t.balle.x, 0.5f);
  EXPECT_EQ(t.balle.saut, 0);
  EXPECT_EQ(t.minuteurExplosion, 0);
  EXPECT_FALSE(t.rouleEnCours);
  EXPECT_EQ(dessinDe(t.niveau()), dessinDe(t));
}

TEST(Camera, DepartDuNiveau) {
  const Camera k = cameraDepart(15, 9, 3.5f, 2.5f);
  EXPECT_FLOAT_EQ(k.oeilX, 7.0f);
  EXPECT_FLOAT_EQ(k.oeilY, 4.0f);
  EXPECT_FLOAT_EQ(k.oeilZ, -15.0f);
  EXPECT_FLOAT_EQ(k.centreX, 3.5f);
  EXPECT_FLOAT_EQ(k.centreY, 2.5f);
  EXPECT_TRUE(k.suivre);
  EXPECT_FLOAT_EQ(cameraDepart(4, 20, 0, 0).oeilZ, -20.0f);
}

}  // namespace
