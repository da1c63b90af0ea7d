#include <gtest/gtest.h>

#include "app/ligne_commande.h"
#include "platform/langues.h"
#include "fixtures.h"

namespace {

TEST(ListeLangues, LecturesDuMenuEtDeLEcran) {
  const struct {
    std::string fichier;
    std::vector<std::string> nomsMenu;
    std::vector<std::pair<std::string, std::string>> langues;  // code, name
  } cas[] = {
      {"fr|Fran\xe7" "ais|\nen|English|\n", {"Fran\xe7" "ais", "English"},
       {{"fr", "Fran\xe7" "ais"}, {"en", "English"}}},
      // CR LF line ends
      {"de|Deutsch|\r\nes|Espa\xf1ol|\r\n", {"Deutsch", "Espa\xf1ol"}, {{"de", "Deutsch"}, {"es", "Espa\xf1ol"}}},
      // further text after the second "|": the screen ignores it, the menu keeps all but the last character
      {"en|English|note\n", {"English|not"}, {{"en", "English"}}},
      // lines without "|", blank lines and a line with no code are skipped by both
      {"# list\n\nen|English|\n|Rien|\nxx|Last|", {"English", "Rien", "Last"},
       {{"en", "English"}, {"xx", "Last"}}},
      {"", {}, {}},
  };
  for (const auto& c : cas) {
    DossierTemporaire d;
    ecrireFichierTest(d / "liste.txt", c.fichier);
    EXPECT_EQ(lireListeLangues(d / "liste.txt"), c.nomsMenu) << c.fichier;
    std::vector<std::pair<std::string, std::string>> lues;
    for (const auto& l : lireLanguesDisponibles(d / "liste.txt")) lues.emplace_back(l.code, l.nom);
    EXPECT_EQ(lues, c.langues) << c.fichier;
  }
  EXPECT_TRUE(lireListeLangues("/nulle/part/liste.txt").empty());
  EXPECT_TRUE(lireLanguesDisponibles("/nulle/part/liste.txt").empty());
}

TEST(ListeLangues, CodesQuiPeuventFormerUnChemin) {
  const struct {
    std::string code;
    bool valide;
  } cas[] = {
      {"fr", true}, {"pt_BR", true}, {"zh-Hant", true}, {"x1", true},
      {"", false}, {"..", false}, {"../fr", false}, {"a/b", false}, {"fr.txt", false},
      {"f r", false}, {"\xe9", false}, {std::string(255, 'a'), false}, {std::string(254, 'a'), true},
  };
  for (const auto& c : cas) EXPECT_EQ(codeLangueValide(c.code), c.valide) << c.code;
}

TEST(LigneCommande, AideEtVersion) {
  using V = std::vector<std::string>;
  const struct {
    V args;
    bool aide, version;
  } cas[] = {
      {{"--help"}, true, false},
      {{"--version"}, false, true},
      {{"--dirdata", "--help"}, false, false},  // the value of --dirdata
      {{"-h", "--HELP", "--help=1"}, false, false},
      {{"--default", "--version", "--help"}, true, true},
  };
  for (const auto& c : cas) {
    LigneCommande l = lireLigneCommande(c.args);
    EXPECT_EQ(l.aide, c.aide) << c.args[0];
    EXPECT_EQ(l.version, c.version) << c.args[0];
  }
  const std::string aide = texteAide();
  for (const char* option : {"--dirdata", "--dirhome", "--default", "--help", "--version"})
    EXPECT_NE(aide.find(std::string("\n  ") + option), std::string::npos) << option;
  EXPECT_EQ(texteVersion().rfind("zarvinel ", 0), 0u);
}

}  // namespace
