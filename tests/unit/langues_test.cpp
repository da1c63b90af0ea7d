#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/ligne_commande.h"
#include "base/traducteur.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "platform/langues.h"
#include "fixtures.h"

namespace {

TEST(ListeLangues, LecturesDuMenuEtDeLEcran) {
  const struct {
    std::string fichier;
    std::vector<std::string> nomsMenu;
    std::vector<std::pair<std::string, std::string>> langues;  // code, name
  } cas[] = {
      {"fr|Fran\xe7"
       "ais|\nen|English|\n",
       {"Fran\xe7"
        "ais",
        "English"},
       {{"fr",
         "Fran\xe7"
         "ais"},
        {"en", "English"}}},
      // CR LF line ends
      {"de|Deutsch|\r\nes|Espa\xf1ol|\r\n",
       {"Deutsch", "Espa\xf1ol"},
       {{"de", "Deutsch"}, {"es", "Espa\xf1ol"}}},
      // further text after the second "|": the screen ignores it, the menu keeps all but the last
      // character
      {"en|English|note\n", {"English|not"}, {{"en", "English"}}},
      // lines without "|", blank lines and a line with no code are skipped by both
      {"# list\n\nen|English|\n|Rien|\nxx|Last|",
       {"English", "Rien", "Last"},
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

namespace {

// The game's globals for one test: data and user directories in a temporary folder, a
// translator, the options; all put back afterwards.
struct LanguesDuJeu {
  DossierTemporaire d;
  Repertoires r{d / "donnees/", d / "home/"};
  Traducteur t;
  Repertoires* repertoiresAvant = repertoires;
  Traducteur* traducteurAvant = traducteur;
  Options optionsAvant = options;
  LanguesDuJeu() {
    repertoires = &r;
    traducteur = &t;
    options = Options();
    mkdir((d / "donnees").c_str(), 0755);
    mkdir((d / "donnees/lang").c_str(), 0755);
    ecrireFichierTest(d / "donnees/lang/fr.txt", "Francais\nPlay=Jouer\n");
    ecrireFichierTest(d / "donnees/lang/en.txt", "English\nPlay=Play\n");
    ecrireFichierTest(d / "donnees/lang/vide.txt", "");
    ecrireFichierTest(d / "donnees/secret.txt", "Secret\nPlay=Hors\n");
    t.charger(r.chemin("lang/fr.txt"));
  }
  ~LanguesDuJeu() {
    repertoires = repertoiresAvant;
    traducteur = traducteurAvant;
    options = optionsAvant;
  }
  std::string fichierOptions() { return lireFichierTest(d / "home/conf/options.conf"); }
};

TEST(ChoisirLangue, ChargeEnregistreOuGardeLaLangueEnVigueur) {
  const struct {
    std::string code;
    bool change;
    const char* journal;  // the line that tells why it was refused
  } cas[] = {
      {"en", true, nullptr},
      {"../secret", false, "Code de langue refuse : ../secret"},
      {"lang/en", false, "Code de langue refuse : lang/en"},
      {"..", false, "Code de langue refuse : .."},
      {"", false, "Code de langue refuse : "},
      {"de", false, nullptr},    // no such file
      {"vide", false, nullptr},  // a file holding nothing
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.code);
    LanguesDuJeu jeu;
    CaptureJournal capture;
    EXPECT_EQ(choisirLangue(c.code), c.change);
    if (c.journal) {
      EXPECT_TRUE(capture.contient(c.journal));
    }
    if (c.change) {
      EXPECT_EQ(traducteur->traduire("Play"), "Play");
      EXPECT_EQ(options.Langue, "en");
      EXPECT_NE(jeu.fichierOptions().find("\nLangue=en\n"), std::string::npos);
    } else {
      EXPECT_EQ(traducteur->traduire("Play"), "Jouer");  // the language in force
      EXPECT_EQ(options.Langue, "fr");
      EXPECT_EQ(jeu.fichierOptions(), "");  // nothing saved
    }
  }
}

TEST(ChoisirLangue, SeuleLaLangueChangeDansLeFichierDuJoueur) {
  // The running record differs from the player's file (start-up lowered AfficheIPS, or the game
  // runs with "--default"): choosing a language must not write those values over the file.
  LanguesDuJeu jeu;
  creerDossier(jeu.d / "home/conf");
  const std::string avant =
      "# a note of the player\nResX=1024\nAfficheIPS=1\nLangue=fr\nFondShader=1\nInconnue=7\n";
  ecrireFichierTest(jeu.d / "home/conf/options.conf", avant);
  options.AfficheIPS = false;
  options.FondShader = false;
  CaptureJournal capture;
  ASSERT_TRUE(choisirLangue("en"));
  EXPECT_EQ(
      jeu.fichierOptions(),
      "# a note of the player\nResX=1024\nAfficheIPS=1\nLangue=en\nFondShader=1\nInconnue=7\n");
  EXPECT_TRUE(capture.contient("Save Langue=en"));
  EXPECT_FALSE(capture.contient("Save AfficheIPS=0"));
}

}  // namespace
