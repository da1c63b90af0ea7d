// Level files: the byte layout, sequential and whole-file reading, damaged files, the writers.
#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "fixtures.h"
#include "grilles_test.h"
#include "levels/fichier_niveaux.h"

namespace {

std::string preambule(const std::string& charge = "") {
  std::string s("GameZorvik\0", 11);
  s.push_back('\0');
  s.push_back(static_cast<char>(charge.size() >> 8));
  s.push_back(static_cast<char>(charge.size() & 0xFF));
  return s + charge;
}

std::string octets(std::initializer_list<int> v) {
  std::string s;
  for (int o : v) s.push_back(static_cast<char>(o));
  return s;
}

// A record with header length L (the first L bytes of a 17-byte header, padded with 0xEE beyond
// 17) and a W x H grid whose cell i holds i mod 7.
std::string enregistrement(int L, int W, int H, int col = 1, int lig = 1, int bombes = 0) {
  std::string entete = octets({W, H, col, lig, bombes, 255, 0, 128, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  entete.resize(static_cast<size_t>(L), static_cast<char>(0xEE));
  std::string grille;
  for (int i = 0; i < W * H; ++i) grille.push_back(static_cast<char>(i % 7));
  return octets({L}) + entete + grille;
}

std::unique_ptr<std::istream> flux(const std::string& s) {
  return std::make_unique<std::istringstream>(s);
}

int compterSequentiel(const std::string& fichier) {
  Terrain t;
  LecteurNiveaux lecteur;
  if (!lecteur.ouvrirDepuis(flux(fichier), "f")) return -1;
  int n = 0;
  while (!lecteur.chargerNiveauSuivant(t)) {
    EXPECT_EQ(t.grille.size(), static_cast<size_t>(t.largeur * t.hauteur));
    ++n;
  }
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));  // keeps saying "end"
  return n;
}

int compterTout(const std::string& fichier) {
  std::istringstream in(fichier);
  std::vector<Niveau> niveaux;
  const int n = chargerToutDepuis(in, "f", niveaux);
  EXPECT_EQ(niveaux.size(), static_cast<size_t>(n));
  return n;
}

TEST(FichierNiveaux, NouveauFichierDe245Octets) {
  DossierTemporaire d;
  ASSERT_TRUE(creerFichierVide(d / "neuf.map"));
  const std::string attendu = preambule() + octets({5, 15, 15, 1, 1, 0}) + std::string(225, '\0');
  EXPECT_EQ(attendu.size(), 245u);
  EXPECT_EQ(lireFichierTest(d / "neuf.map"), attendu);

  std::vector<Niveau> niveaux;
  ASSERT_EQ(chargerTout(d / "neuf.map", niveaux), 1);
  const Niveau& t = niveaux[0];
  EXPECT_EQ(t.largeur, 15);
  EXPECT_EQ(t.hauteur, 15);
  EXPECT_EQ(t.grille, std::vector<uint8_t>(225, 0));
  EXPECT_FLOAT_EQ(t.departX, 1.5f);
  EXPECT_FLOAT_EQ(t.departY, 1.5f);
  EXPECT_EQ(t.bombes, 0);
  EXPECT_FLOAT_EQ(t.couleurs[2][1], 0.7f);
}

TEST(FichierNiveaux, SauvegardeEtRelectureALIdentique) {
  DossierTemporaire d;
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  dessinerTerrain(niveaux[0], {"#W.^", "o%@r", "R..X"}, 3.5f, 1.5f);
  niveaux[0].bombes = 9;
  niveaux[0].couleurs[0][0] = 1.0f;
  niveaux[0].couleurs[1][1] = 0.5f;
  niveaux[0].couleurs[3][2] = 0.0f;
  niveaux.emplace_back();  // no grid: left out
  niveaux.emplace_back();
  dessinerTerrain(niveaux[2], {"."}, 0.5f, 0.5f);
  niveaux[2].grille[0] = 200;

  ASSERT_TRUE(sauvegarderTout(d / "a.map", niveaux));
  const std::string ecrit = lireFichierTest(d / "a.map");
  EXPECT_EQ(ecrit.size(), 14u + (18 + 12) + (18 + 1));
  EXPECT_EQ(ecrit.substr(14, 6), octets({17, 4, 3, 3, 1, 9}));
  EXPECT_EQ(ecrit.substr(20, 3), octets({255, 178, 178}));  // colour 0: 1.0, then 0.7 as 178
  EXPECT_EQ(static_cast<uint8_t>(ecrit[24]), 127);          // colour 1 green: 0.5
  EXPECT_EQ(static_cast<uint8_t>(ecrit[31]), 0);            // colour 3 blue: 0.0

  std::vector<Niveau> relus;
  ASSERT_EQ(chargerTout(d / "a.map", relus), 2);
  EXPECT_EQ(dessinDe(relus[0]), dessinDe(niveaux[0]));
  EXPECT_FLOAT_EQ(relus[0].departX, 3.5f);
  EXPECT_EQ(relus[0].bombes, 9);
  EXPECT_EQ(relus[1].grille, std::vector<uint8_t>{200});
  // Saving what was read gives the same bytes.
  ASSERT_TRUE(sauvegarderTout(d / "b.map", relus));
  EXPECT_EQ(lireFichierTest(d / "b.map"), ecrit);
  EXPECT_FALSE(existeTest(d / "a.map.tmp"));
}

TEST(FichierNiveaux, ListeSansGrilleDonneLePreambuleSeul) {
  DossierTemporaire d;
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  ASSERT_TRUE(sauvegarderTout(d / "v.map", niveaux));
  EXPECT_EQ(lireFichierTest(d / "v.map"), preambule());
}

TEST(FichierNiveaux, ValeursHorsFormatBorneesALEcriture) {
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  dessinerTerrain(niveaux[0], {"..", ".."}, 1.5f, 0.5f);
  niveaux[0].bombes = 300;
  niveaux[0].couleurs[0][0] = 1.5f;
  niveaux[0].couleurs[0][1] = -0.2f;
  niveaux.emplace_back();
  niveaux[1].largeur = 256;  // cannot be stored: left out with a log line
  niveaux[1].hauteur = 1;
  niveaux[1].grille.assign(256, 0);
  CaptureJournal journal;
  const std::string s = octetsFichier(niveaux);
  EXPECT_EQ(s.size(), 14u + 18 + 4);
  EXPECT_EQ(s.substr(14, 9), octets({17, 2, 2, 1, 0, 255, 255, 0, 178}));
  EXPECT_TRUE(journal.contient("Niveau non sauvegardé, taille impossible : 256 x 1"));
  EXPECT_EQ(octetCouleur(0.5f), 127);
  EXPECT_EQ(octetCouleur(1.0f), 255);
  EXPECT_EQ(octetCouleur(0.0f), 0);
}

TEST(FichierNiveaux, CouleursRelues) {
  for (int b = 0; b < 256; ++b) {
    std::vector<Niveau> v;
    std::istringstream in(preambule() +
                          octets({17, 1, 1, 0, 0, 0, b, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(chargerToutDepuis(in, "f", v), 1);
    EXPECT_EQ(octetCouleur(v[0].couleurs[0][0]), b);  // every byte survives a round trip
  }
}

TEST(FichierNiveaux, EcritureRateeGardeLAncienFichier) {
  DossierTemporaire d;
  ASSERT_TRUE(creerFichierVide(d / "garde.map"));
  const std::string avant = lireFichierTest(d / "garde.map");
  // The player made the file read-only: it is not replaced, for root neither.
  chmod((d / "garde.map").c_str(), 0444);
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  dessinerTerrain(niveaux[0], {"#"}, 0.5f, 0.5f);
  CaptureJournal journal;
  const IssueEcriture r = sauvegarderTout(d / "garde.map", niveaux);
  EXPECT_FALSE(r);
  EXPECT_EQ(r.erreur, EACCES);  // the reason the editor shows, kept across the log line
  EXPECT_FALSE(creerFichierVide(d / "garde.map"));
  EXPECT_EQ(lireFichierTest(d / "garde.map"), avant);
  EXPECT_TRUE(journal.contient("Sauvegarde de tout " + (d / "garde.map")));
  EXPECT_TRUE(journal.contient("***** Erreur : écriture impossible de " + (d / "garde.map")));
  EXPECT_FALSE(creerFichierVide(d / "pas/de/dossier.map"));
}

struct CasEntete {
  int L;
  int W, H;
  float x, y;
  int bombes;
  bool couleursLues;
};
void PrintTo(const CasEntete& c, std::ostream* os) {
  *os << "header of " << c.L << " bytes -> " << c.W << " x " << c.H << ", ball (" << c.x << ", "
      << c.y << "), " << c.bombes << " bombs, colours " << (c.couleursLues ? "read" : "default");
}

// The end of the file is read like a record: the ball goes back to (1.5, 1.5) without jump or
// speed, and the play state is reset; the level itself stays.
TEST(FichierNiveaux, FinDeFichierRemetLaBalle) {
  Terrain t;
  LecteurNiveaux lecteur;
  ASSERT_TRUE(lecteur.ouvrirDepuis(flux(preambule() + enregistrement(5, 9, 8, 3, 7, 2)), "f"));
  ASSERT_FALSE(lecteur.chargerNiveauSuivant(t));
  t.balle.x = 4.25f;
  t.balle.saut = 40;
  t.balle.vitesseX = 0.075f;
  t.minuteurExplosion = 12;
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));
  EXPECT_FLOAT_EQ(t.balle.x, 1.5f);
  EXPECT_FLOAT_EQ(t.balle.y, 1.5f);
  EXPECT_EQ(t.balle.saut, 0);
  EXPECT_FLOAT_EQ(t.balle.vitesseX, 0.0f);
  EXPECT_EQ(t.minuteurExplosion, 0);
  EXPECT_EQ(t.largeur, 9);
  EXPECT_EQ(t.grille.size(), 72u);
}

class LongueurEntete : public ::testing::TestWithParam<CasEntete> {};

TEST_P(LongueurEntete, ChampsLus) {
  const CasEntete c = GetParam();
  Terrain t;
  LecteurNiveaux lecteur;
  t.bombes = 3;  // kept by a header too short to carry the count
  const std::string f = preambule() + enregistrement(c.L, c.W, c.H, 3, 7, 2);
  ASSERT_TRUE(lecteur.ouvrirDepuis(flux(f), "f"));
  ASSERT_FALSE(lecteur.chargerNiveauSuivant(t));
  EXPECT_EQ(t.largeur, c.W);
  EXPECT_EQ(t.hauteur, c.H);
  EXPECT_FLOAT_EQ(t.balle.x, c.x);
  EXPECT_FLOAT_EQ(t.balle.y, c.y);
  EXPECT_EQ(t.bombes, c.bombes);
  EXPECT_FLOAT_EQ(t.couleurs[0][0], c.couleursLues ? 1.0f : 0.7f);
  EXPECT_FLOAT_EQ(t.couleurs[0][2], c.couleursLues ? 128 / 255.0f : 0.7f);
  EXPECT_FLOAT_EQ(t.couleurs[3][2], c.couleursLues ? 9 / 255.0f : 0.7f);
  EXPECT_FLOAT_EQ(t.couleurs[3][3], 1.0f);
  EXPECT_EQ(t.grille.size(), static_cast<size_t>(c.W * c.H));
  EXPECT_EQ(t.grille[6], 6);
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));
}

// L of 0 (and 3) keep the Terrain's 15 x 15 and bomb count with the ball at (1.5, 1.5).
INSTANTIATE_TEST_SUITE_P(FichierNiveaux, LongueurEntete,
                         ::testing::Values(CasEntete{0, 15, 15, 1.5f, 1.5f, 3, false},
                                           CasEntete{3, 15, 15, 1.5f, 1.5f, 3, false},
                                           CasEntete{5, 9, 8, 3.5f, 7.5f, 2, false},
                                           CasEntete{16, 9, 8, 3.5f, 7.5f, 2, false},
                                           CasEntete{17, 9, 8, 3.5f, 7.5f, 2, true},
                                           CasEntete{20, 9, 8, 3.5f, 7.5f, 2, true},
                                           CasEntete{255, 9, 8, 3.5f, 7.5f, 2, true}));

TEST(FichierNiveaux, ChargeUtileDEnteteDeFichierIgnoree) {
  for (size_t taille : {0u, 3u, 300u, 65535u}) {
    std::string charge(taille, 'x');
    CaptureJournal journal;
    const std::string f = preambule(charge) + enregistrement(17, 2, 2);
    EXPECT_EQ(compterSequentiel(f), 1) << taille;
    EXPECT_EQ(compterTout(f), 1) << taille;
    EXPECT_TRUE(journal.contient("Début fichier : header longeur " + std::to_string(taille)));
  }
}

TEST(FichierNiveaux, PreambuleSeulAucunNiveau) {
  EXPECT_EQ(compterSequentiel(preambule()), 0);
  EXPECT_EQ(compterTout(preambule()), 0);
}

TEST(FichierNiveaux, CoupeNImporteOu) {
  // Two records; a file cut at byte n holds the records that end at or before n.
  const std::string complet = preambule("ab") + enregistrement(17, 3, 2) + enregistrement(5, 2, 2);
  const size_t fin1 = 16 + 18 + 6, fin2 = fin1 + 6 + 4;
  ASSERT_EQ(complet.size(), fin2);
  for (size_t n = 0; n <= complet.size(); ++n) {
    SCOPED_TRACE(n);
    const std::string coupe = complet.substr(0, n);
    const int attendu = n < fin1 ? 0 : n < fin2 ? 1 : 2;
    EXPECT_EQ(compterTout(coupe), n < 11 ? 0 : attendu);
    EXPECT_EQ(compterSequentiel(coupe), n < 11 ? -1 : attendu);
  }
}

TEST(FichierNiveaux, GrilleCoupeeNiveauAbandonne) {
  Terrain t;
  LecteurNiveaux lecteur;
  const std::string f =
      preambule() + enregistrement(17, 2, 2) + enregistrement(17, 4, 4).substr(0, 20);
  ASSERT_TRUE(lecteur.ouvrirDepuis(flux(f), "f"));
  EXPECT_FALSE(lecteur.chargerNiveauSuivant(t));
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));
  EXPECT_FALSE(t.aGrille());  // the first level's grid went when the second header was read
  EXPECT_EQ(t.largeur, 4);
}

TEST(FichierNiveaux, NiveauSansCaseIgnore) {
  CaptureJournal journal;
  const std::string f = preambule() + enregistrement(17, 0, 5) + enregistrement(5, 7, 0) +
                        enregistrement(17, 2, 3) + enregistrement(17, 0, 0);
  EXPECT_EQ(compterSequentiel(f), 1);
  EXPECT_EQ(compterTout(f), 1);
  EXPECT_TRUE(journal.contient("Niveau vide ignoré : 0 x 5"));
  EXPECT_TRUE(journal.contient("Niveau vide ignoré : 7 x 0"));
}

TEST(FichierNiveaux, DepartHorsGrilleAccepteEtPasSur) {
  TerrainVivant t;
  LecteurNiveaux lecteur;
  ASSERT_TRUE(lecteur.ouvrirDepuis(flux(preambule() + enregistrement(17, 3, 3, 200, 250)), "f"));
  ASSERT_FALSE(lecteur.chargerNiveauSuivant(t));
  EXPECT_FLOAT_EQ(t.balle.x, 200.5f);
  EXPECT_FLOAT_EQ(t.balle.y, 250.5f);
  t.spectacle.allouerParticules(ParticulesParNiveau);
  t.avancer(Touches{}, nullptr);
  EXPECT_FLOAT_EQ(t.balle.x, 2.5f);
  EXPECT_FLOAT_EQ(t.balle.y, 2.5f);
}

TEST(FichierNiveaux, LignesDuJournalEtJeuRemisAZero) {
  DossierTemporaire d;
  ecrireFichierTest(d / "j.map", preambule() + enregistrement(17, 5, 4));
  Terrain t;
  LecteurNiveaux lecteur;
  t.minuteurExplosion = 50;
  t.rouleEnCours = t.chocJoue = true;
  t.balle.saut = 30;
  CaptureJournal journal;
  ASSERT_TRUE(lecteur.ouvrir(d / "j.map"));
  ASSERT_FALSE(lecteur.chargerNiveauSuivant(t));
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));
  lecteur.fermer();
  const std::vector<std::string>& l = journal.lignes();
  ASSERT_EQ(l.size(), 7u);  // the end of the file adds no line
  EXPECT_EQ(l[0], "LOAD " + (d / "j.map"));
  EXPECT_EQ(l[1], "Chargement de " + (d / "j.map"));
  EXPECT_EQ(l[2], "Début fichier : header longeur 0");
  EXPECT_EQ(l[3], "Début niveau : header 17octets");
  EXPECT_EQ(l[4], "Déchargement vieux niveau");
  EXPECT_EQ(l[5], "Chargement niveau");
  EXPECT_EQ(l[6].rfind("Map 5 x 4 @", 0), 0u);
  EXPECT_EQ(t.minuteurExplosion, 0);
  EXPECT_FALSE(t.rouleEnCours);
  EXPECT_FALSE(t.chocJoue);
  EXPECT_EQ(t.balle.saut, 0);
}

TEST(FichierNiveaux, MauvaiseSignatureOuFichierAbsent) {
  DossierTemporaire d;
  std::string f = preambule() + enregistrement(17, 2, 2);
  f[9] = 'X';
  ecrireFichierTest(d / "faux.map", f);
  CaptureJournal journal;
  Terrain t;
  LecteurNiveaux lecteur;
  EXPECT_FALSE(lecteur.ouvrir(d / "faux.map"));
  EXPECT_TRUE(journal.contient("En tête inconnue : GameZorviX"));
  EXPECT_TRUE(lecteur.chargerNiveauSuivant(t));
  std::vector<Niveau> niveaux;
  EXPECT_EQ(chargerTout(d / "faux.map", niveaux), 0);
  EXPECT_TRUE(niveaux.empty());

  EXPECT_FALSE(lecteur.ouvrir(d / "absent.map"));
  EXPECT_TRUE(journal.contient("LOAD " + (d / "absent.map")));
  EXPECT_EQ(chargerTout(d / "absent.map", niveaux), 0);

  ecrireFichierTest(d / "court.map", "Game");
  EXPECT_FALSE(lecteur.ouvrir(d / "court.map"));
  EXPECT_TRUE(journal.contient("En tête inconnue : Game"));
}

TEST(FichierNiveaux, ChargerToutCameraDEditeur) {
  std::istringstream in(preambule() + enregistrement(17, 6, 6, 4, 2) + enregistrement(17, 3, 3));
  std::vector<Niveau> niveaux;
  ASSERT_EQ(chargerToutDepuis(in, "f", niveaux), 2);
  EXPECT_FALSE(niveaux[0].camera.suivre);
  EXPECT_FLOAT_EQ(niveaux[0].camera.centreX, 4.5f);
  EXPECT_FLOAT_EQ(niveaux[0].camera.centreY, 2.5f);
  EXPECT_FLOAT_EQ(niveaux[0].camera.oeilZ, -15.0f);
  EXPECT_FLOAT_EQ(niveaux[1].camera.centreX, 1.5f);
  EXPECT_FALSE(niveaux[1].camera.suivre);
}

}  // namespace
