// The level file's byte-exact model and its text form.
#include <gtest/gtest.h>

#include <sstream>

#include "grilles_test.h"
#include "levels/fichier_niveaux.h"
#include "levels/texte_niveaux.h"

namespace {

std::string octets(std::initializer_list<int> v) {
  std::string s;
  for (int o : v) s.push_back(static_cast<char>(o));
  return s;
}

const std::string Preambule("GameZorvik\0\0\0\0", 14);

// Files that convert to text and back to the same bytes.
std::vector<std::string> FichiersExemples() {
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  dessinerTerrain(niveaux[0], {"#W.^o%@", "rRyYgGb", "BuUdD*>", "X......"}, 2.5f, 1.5f);
  niveaux[0].couleurs[1][2] = 0.25f;
  std::string tousCodes = octets({17, 16, 16, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  for (int c = 0; c < 256; ++c) tousCodes.push_back(static_cast<char>(c));
  return {
      octetsFichierVide(),
      octetsFichier(niveaux),
      Preambule,
      Preambule + tousCodes,
      // Reserved byte, a file-header payload longer than one text line, header lengths 0..4,
      // 5..16 and beyond 17, empty levels, and a cut last record.
      std::string("GameZorvik\0\x07\x00\x28", 14) + std::string(40, 'p') + octets({3, 9, 9, 9}) +
          std::string(225, '\x01') + octets({0}) + std::string(225, '\x02') +
          octets({9, 2, 1, 0, 0, 4, 0xA, 0xB, 0xC, 0xD, 5, 6}) +
          octets({20, 1, 1, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0xF0, 0xF1, 0xF2, 7}) +
          octets({5, 0, 3, 0, 0, 0}) + octets({5, 4, 0, 0, 0, 0}) + octets({4, 1, 2, 3, 4, 3}) +
          octets({17, 2, 2, 1, 1}),
  };
}

TEST(FichierBrut, OctetsIdentiques) {
  for (const std::string& f : FichiersExemples()) {
    FichierBrut brut;
    std::string erreur;
    ASSERT_TRUE(analyserFichierBrut(f, brut, erreur)) << erreur;
    EXPECT_EQ(octetsFichierBrut(brut), f);
  }
}

TEST(FichierBrut, MemeDecoupageQueLeJeu) {
  const std::string f = FichiersExemples()[4];
  FichierBrut brut;
  std::string erreur;
  ASSERT_TRUE(analyserFichierBrut(f, brut, erreur));
  EXPECT_EQ(brut.reserve, 7);
  EXPECT_EQ(brut.enteteFichier.size(), 40u);
  ASSERT_EQ(brut.niveaux.size(), 7u);
  EXPECT_EQ(brut.niveaux[2].largeur, 2);  // L = 9: size from the header
  EXPECT_EQ(brut.niveaux[5].largeur, 4);  // 4 x 0: skipped by the game, size not taken
  EXPECT_EQ(brut.niveaux[6].largeur, 1);  // L = 4 after it: the last size the game took
  EXPECT_EQ(brut.niveaux[6].hauteur, 1);
  EXPECT_EQ(brut.reste.size(), 5u);  // the cut last record

  // Playing the file loads the same levels (those with cells).
  Terrain t;
  LecteurNiveaux lecteur;
  ASSERT_TRUE(lecteur.ouvrirDepuis(std::make_unique<std::istringstream>(f), "f"));
  int charges = 0;
  while (!lecteur.chargerNiveauSuivant(t)) ++charges;
  EXPECT_EQ(charges, 5);
}

TEST(FichierBrut, Refuses) {
  const std::string refuses[] = {"", "GameZorvi", "GameZorvik!xyz",
                                 std::string("GameZorvik\0\0", 12),
                                 std::string("GameZorvik\0\0\0\x05xy", 16)};
  for (const std::string& f : refuses) {
    FichierBrut brut;
    std::string erreur;
    EXPECT_FALSE(analyserFichierBrut(f, brut, erreur)) << f.size();
    EXPECT_FALSE(erreur.empty());
  }
}

TEST(TexteNiveaux, AllerRetourExact) {
  for (const std::string& f : FichiersExemples()) {
    FichierBrut brut, relu;
    std::string erreur;
    ASSERT_TRUE(analyserFichierBrut(f, brut, erreur));
    const std::string texte = texteDepuisFichier(brut);
    ASSERT_TRUE(fichierDepuisTexte(texte, relu, erreur)) << erreur << "\n" << texte;
    EXPECT_EQ(octetsFichierBrut(relu), f);
    EXPECT_EQ(texteDepuisFichier(relu), texte);
  }
}

TEST(TexteNiveaux, FormeLisible) {
  FichierBrut brut;
  std::string erreur;
  std::vector<Niveau> niveaux;
  niveaux.emplace_back();
  dessinerTerrain(niveaux[0], {"###", "#W#"}, 1.5f, 0.5f);
  niveaux[0].grille[0] = 100;
  ASSERT_TRUE(analyserFichierBrut(octetsFichier(niveaux), brut, erreur));
  const std::string texte = texteDepuisFichier(brut);
  EXPECT_NE(texte.find("\nlevel 1\nsize 3 2\nstart 1 0\nbombs 0\n"
                       "colours 178 178 178  178 178 178  178 178 178  178 178 178\n"
                       "grid\n{64}##\n#W#\nend\n"),
            std::string::npos)
      << texte;
}

TEST(TexteNiveaux, TexteEcritALaMain) {
  const std::string texte =
      "# my level\n\n"
      "level 7\n"
      "bombs 2\n"
      "size 4 2\n"
      "start 1 0\n"
      "colors 1 2 3 4 5 6 7 8 9 10 11 12\n"
      "grid\n"
      "#..W\r\n"
      "{ff}%^o\n"
      "# a comment before the end\n"
      "end\n";
  FichierBrut brut;
  std::string erreur;
  ASSERT_TRUE(fichierDepuisTexte(texte, brut, erreur)) << erreur;
  const std::string attendu = Preambule + octets({17, 4, 2,  1,  0,  2, 1, 2, 3, 4,   5, 6, 7,
                                                  8,  9, 10, 11, 12, 1, 0, 0, 2, 255, 4, 6, 7});
  EXPECT_EQ(octetsFichierBrut(brut), attendu);
}

TEST(TexteNiveaux, ErreursAvecNumeroDeLigne) {
  const struct {
    const char* texte;
    const char* debut;
  } cas[] = {
      {"level\nsize 2 1\nstart 0 0\nbombs 0\ngrid\n..\n", "line 7"},
      {"level\nsize 2 1\nstart 0 0\nbombs 0\ngrid\n...\nend\n", "line 6"},
      {"level\nsize 2 1\nstart 0 0\nbombs 0\ngrid\n.Q\nend\n", "line 6"},
      {"level\nsize 2 1\nstart 0 0\nbombs 0\ngrid\n{zz}.\nend\n", "line 6"},
      {"level\nsize 2 1\nbombs 0\ngrid\n..\nend\n", "line 4"},
      {"level\nsize 256 1\n", "line 2"},
      {"level\nsize 2 1\nsize 2 1\n", "line 3"},
      {"level\nshort-header 01\nbombs 3\ngrid\n", "line 4"},
      {"level\nshort-header 01 02 03 04 05\n", "line 2"},
      {"level\nsize 1 1\nstart 0 0\nbombs 0\nextra 00 00 00 00 00 00 00 00 00 00 00 00\ngrid\n",
       "line 6"},
      {"hello\n", "line 1"},
      {"level\nsize 1 1\nstart 0 0\nbombs 0\ngrid\n.\nend\ntrailing 00\nlevel\n", "line 9"},
      // Trailing bytes that hold a whole record would come back as one more level.
      {"level\nsize 1 1\nstart 0 0\nbombs 0\ngrid\n.\nend\n# rest\ntrailing 00\ntrailing 07\n",
       "line 9"},
      {"trailing 05 02 01 00 00 00 01 01\n", "line 1"},
      {"trailing 05 00 00 00 00 00\n", "line 1"},
  };
  for (const auto& c : cas) {
    FichierBrut brut;
    std::string erreur;
    EXPECT_FALSE(fichierDepuisTexte(c.texte, brut, erreur)) << c.texte;
    EXPECT_EQ(erreur.rfind(c.debut, 0), 0u) << c.texte << " -> " << erreur;
  }
}

TEST(TexteNiveaux, OctetsDeFinIncompletsAcceptes) {
  // Too few bytes for a record after a 1 x 1 level: kept as they are, no level added.
  for (const char* reste :
       {"trailing 00\n", "trailing 05 02 01 00 00 00 01\n", "trailing 03 01\n"}) {
    FichierBrut brut;
    std::string erreur;
    ASSERT_TRUE(fichierDepuisTexte(
        std::string("level\nsize 1 1\nstart 0 0\nbombs 0\ngrid\n.\nend\n") + reste, brut, erreur))
        << reste << erreur;
    FichierBrut relu;
    ASSERT_TRUE(analyserFichierBrut(octetsFichierBrut(brut), relu, erreur));
    EXPECT_EQ(relu.niveaux.size(), 1u) << reste;
    EXPECT_EQ(relu.reste, brut.reste) << reste;
  }
}

TEST(TexteNiveaux, LegendeSansDoublon) {
  int vus = 0;
  for (int code = 0; code < 256; ++code) {
    const char c = caractereDeCase(static_cast<uint8_t>(code));
    if (!c) continue;
    ++vus;
    EXPECT_EQ(caseDeCaractere(c), code);
    EXPECT_NE(c, '{');
  }
  EXPECT_EQ(vus, 22);
}

}  // namespace
