// The play screen's rules without a window: the music choice, the menu background's flight and
// automaton, and the two help pages of the main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "app/pages_aide.h"
#include "fixtures.h"
#include "game/animation_fond_menu.h"
#include "game/musique.h"
#include "grilles_test.h"
#include "platform/repertoires.h"

namespace {

TEST(ChoisirMusique, SeulementLesOggEtRienSansPiste) {
  DossierTemporaire d;
  const struct {
    std::vector<std::string> fichiers;
    size_t gardes;
  } cas[] = {
      {{}, 0},
      {{"a.OGG", "b.ogg.txt", "notes.txt"}, 0},  // case-sensitive, at the end of the name
      {{"un.ogg"}, 1},
      {{"un.ogg", "deux.ogg", "trois.wav", "quatre.ogg"}, 3},
  };
  int n = 0;
  for (const auto& c : cas) {
    const std::string dossier = d / ("cas" + std::to_string(n++) + "/");
    std::filesystem::create_directories(dossier);
    for (const auto& f : c.fichiers) ecrireFichierTest(dossier + f, "x");
    CaptureJournal journal;
    std::srand(7);
    const std::string choix = choisirMusique(dossier, ".ogg", "ziks/");
    if (c.gardes == 0) {
      // No track: silence, no index taken modulo 0.
      EXPECT_EQ(choix, "");
      EXPECT_TRUE(journal.contient("Aucune musique .ogg dans " + dossier));
      continue;
    }
    ASSERT_EQ(choix.rfind("ziks/", 0), 0u) << choix;
    EXPECT_TRUE(choix.size() > 9 && choix.compare(choix.size() - 4, 4, ".ogg") == 0);
    EXPECT_TRUE(journal.contient(choix));
    // One line per kept track, then "i/n".
    ASSERT_EQ(journal.lignes().size(), c.gardes + 1);
    const std::string derniere = journal.lignes().back();
    EXPECT_EQ(derniere.substr(derniere.find('/')), "/" + std::to_string(c.gardes));
  }
  EXPECT_EQ(choisirMusique(d / "absent/", ".ogg", ""), "");
}

TEST(FondMenu, DistanceDeLaCamera) {
  // 250 / (step / 500) = 125000 / step, capped at 300: flat up to step 416, then a smooth
  // 1 / step fall, with no jump at the multiples of 500.
  for (int pas = 0; pas <= 5000; ++pas) {
    const double attendu = pas == 0 ? 300.0 : std::min(300.0, 125000.0 / pas);
    ASSERT_NEAR(distanceFondMenu(pas), attendu, 1e-3 * attendu) << "step " << pas;
  }
  const struct {
    int pas;
    float s;
  } cas[] = {{0, 300},        {416, 300},  {417, 299.76f},  {499, 250.501f}, {500, 250},
             {501, 249.501f}, {1000, 125}, {1999, 62.531f}, {5000, 25}};
  for (const auto& c : cas) EXPECT_NEAR(distanceFondMenu(c.pas), c.s, 0.01f) << c.pas;
  // Never rises from one step to the next.
  for (int pas = 1; pas <= 5000; ++pas) ASSERT_LE(distanceFondMenu(pas), distanceFondMenu(pas - 1));
}

TEST(FondMenu, LaPousseeSInverseUneFoisParSortieDeLaBande) {
  // 16 cells wide: q = 4, inside while 4 <= x < 13.
  TerrainVivant t;
  dessinerTerrain(t, std::vector<std::string>(16, std::string(16, '.')), 1.5f, 1.5f);
  EtatFondMenu e;
  e.cibleX = 12.5f, e.cibleY = 8;
  e.pousseeX = 0.01f, e.pousseeY = 0;
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FLOAT_EQ(e.pousseeX, 0.01f);  // 12.5 is inside
  e.cibleX = 13.0f;
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FLOAT_EQ(e.pousseeX, -0.01f);
  EXPECT_TRUE(e.tourneX);
  e.cibleX = 14.0f;
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FLOAT_EQ(e.pousseeX, -0.01f);  // still out: not again
  e.cibleX = 3.9f;                      // out on the other side without having been back inside
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FLOAT_EQ(e.pousseeX, -0.01f);
  e.cibleX = 8.0f;
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FALSE(e.tourneX);
  e.cibleX = 3.9f;
  pasFondMenu(e, t, t.spectacle, 16, 16);
  EXPECT_FLOAT_EQ(e.pousseeX, 0.01f);
}

TEST(FondMenu, AutomateApres1000PasPlaneursApres3000) {
  TerrainVivant t;
  std::vector<std::string> v(30, std::string(30, '.'));
  v[10] = "..........###.................";  // a blinker: changes at every generation
  dessinerTerrain(t, v, 1.5f, 1.5f);
  const std::vector<uint8_t> depart = t.grille;
  EtatFondMenu e;
  for (int i = 0; i <= 1000; ++i) pasFondMenu(e, t, t.spectacle, 30, 30);
  EXPECT_EQ(t.grille, depart);
  EXPECT_EQ(e.pas, 1001);
  for (int i = 1001; i <= 1004; ++i) pasFondMenu(e, t, t.spectacle, 30, 30);
  EXPECT_NE(t.grille, depart);  // step 1004 ran a generation
  // Gliders: bricks appear where the blinker's two phases hold none.
  for (int i = 1005; i <= 3000; ++i) pasFondMenu(e, t, t.spectacle, 30, 30);
  auto briques = [&] {
    int n = 0;
    for (uint8_t c : t.grille) n += c == Brique;
    return n;
  };
  EXPECT_EQ(briques(), 3);                 // still only the blinker
  pasFondMenu(e, t, t.spectacle, 30, 30);  // 3001: odd, no glider
  pasFondMenu(e, t, t.spectacle, 30, 30);  // 3002: a glider
  EXPECT_GT(briques(), 3);
}

TEST(PagesAide, ManuelEtCreditsDansChaqueLangueEtAnglaisSinon) {
  DossierTemporaire d;
  const std::string donnees = std::string(ZARVINEL_SOURCE_DIR) + "/data/";
  repertoires = new Repertoires(donnees, d / "home/");
  for (const std::string langue : {"fr", "en", "de", "es"}) {
    for (int lien : {LienManuel, LienCredits}) {
      const std::string page = cheminPageAide(lien, langue);
      EXPECT_EQ(page, donnees + "doc/" + (lien == LienManuel ? "manuel-" : "credits-") + langue +
                          ".html");
      const std::string texte = lireFichierTest(page);
      EXPECT_NE(texte.find("<html lang=\"" + langue + "\">"), std::string::npos) << page;
    }
  }
  EXPECT_EQ(cheminPageAide(LienManuel, "xx"), donnees + "doc/manuel-en.html");
  EXPECT_EQ(cheminPageAide(254, "fr"), "");
  // The font's licence is on the credits page.
  EXPECT_NE(lireFichierTest(cheminPageAide(LienCredits, "fr")).find("Bitstream Vera"),
            std::string::npos);

  // Opened through the desktop's opener: a stand-in for xdg-open writes what it was given.
  const std::string bin = d / "bin/";
  std::filesystem::create_directories(bin);
  ecrireFichierTest(bin + "xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > " + d.chemin() +
                                          "ouvert.tmp && mv " + d.chemin() + "ouvert.tmp " +
                                          d.chemin() + "ouvert\n");
  std::filesystem::permissions(bin + "xdg-open", std::filesystem::perms::owner_all);
  const char* ancien = std::getenv("PATH");
  const std::string ancienPath = ancien ? ancien : "";
  setenv("PATH", (bin + ":" + ancienPath).c_str(), 1);
  {
    CaptureJournal journal;
    EXPECT_EQ(ouvrirPageAide(LienManuel, "de"), 0);
    EXPECT_TRUE(journal.contient("Lancement du navigateur pour le manuel : " + donnees +
                                 "doc/manuel-de.html"));
    EXPECT_EQ(journal.lignes().back(), "ok !");
  }
  setenv("PATH", ancienPath.c_str(), 1);
  for (int i = 0; i < 200 && !existeTest(d / "ouvert"); ++i) usleep(10000);
  EXPECT_EQ(lireFichierTest(d / "ouvert"), donnees + "doc/manuel-de.html");
  delete repertoires;
  repertoires = nullptr;
}

}  // namespace
