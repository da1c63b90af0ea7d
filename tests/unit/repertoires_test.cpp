#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/repertoires.h"
#include "fixtures.h"

namespace {

bool estDossier(const std::string& chemin) {
  struct stat st;
  return stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TEST(Repertoires, CreeLesDossiersUtilisateurEtJournaliseLaTable) {
  DossierTemporaire d;
  const std::string donnees = d / "data/";
  const std::string home = d / "a/b/zarvinel/";  // parents missing, as ~/.local/share may be
  CaptureJournal capture;
  Repertoires r(donnees, home);
  EXPECT_TRUE(estDossier(home + "conf/"));
  EXPECT_TRUE(estDossier(home + "mapsusr/"));
  EXPECT_FALSE(existeTest(donnees));  // nothing is created under the data directory
  const std::vector<std::string> attendu = {
      "DIR conf/ => " + home + "conf/",          "DIR mapsusr/ => " + home + "mapsusr/",
      "DIR lang/ => " + donnees + "lang/",       "DIR mapsoff/ => " + donnees + "mapsoff/",
      "DIR shaders/ => " + donnees + "shaders/", "DIR sons/ => " + donnees + "sons/",
      "DIR ziks/ => " + donnees + "ziks/",       "DIR imgs/ => " + donnees + "imgs/"};
  EXPECT_EQ(capture.lignes(), attendu);
  EXPECT_EQ(r.entrees().size(), 8u);
  EXPECT_EQ(r.dossierDonnees(), donnees);
  // A second construction over existing directories is fine.
  Repertoires encore(donnees, home);
  EXPECT_EQ(encore.chemin("conf/options.conf"), home + "conf/options.conf");
}

TEST(Repertoires, Chemin) {
  DossierTemporaire d;
  const std::string D = d / "data/", U = d / "home/";
  Repertoires r(D, U);
  const struct {
    const char* relatif;
    std::string attendu;
    bool journalise;
  } cas[] = {{"conf/options.conf", U + "conf/options.conf", false},
             {"mapsusr/moi.map", U + "mapsusr/moi.map", false},
             {"lang/fr.txt", D + "lang/fr.txt", false},
             {"imgs/gui/gui_b.png", D + "imgs/gui/gui_b.png", false},
             {"mapsoff/", D + "mapsoff/", false},
             {"shaders/bloom.frag", D + "shaders/bloom.frag", false},
             {"sons/a.wav", D + "sons/a.wav", false},
             {"ziks/start.ogg", D + "ziks/start.ogg", false},
             {"imgsX/a.png", "imgsX/a.png", true},
             {"IMGS/a.png", "IMGS/a.png", true},
             {"imgs", "imgs", true},
             {"", "", true}};
  for (const auto& c : cas) {
    CaptureJournal capture;
    EXPECT_EQ(r.chemin(c.relatif), c.attendu) << c.relatif;
    if (c.journalise)
      EXPECT_EQ(capture.lignes(), std::vector<std::string>{std::string("D") + c.relatif});
    else EXPECT_TRUE(capture.lignes().empty()) << c.relatif;
  }
}

TEST(Repertoires, VerifierDonnees) {
  const struct {
    const char* nom;
    const char* contenu;  // null: no marker file
    bool ok;
    const char* message;
  } cas[] = {
      {"exact", "Zarvinel1 is here", true, nullptr},
      {"barre", "Zarvinel1 is here|version 3\nautre", true, nullptr},
      {"fin de ligne", "Zarvinel1 is here\n", false, MessageDonneesVersion},
      {"vide", "", false, MessageDonneesVersion},
      {"autre version", "Zarvinel2 is here", false, MessageDonneesVersion},
      {"NUL", "Zarvinel1 is here\0x", false, MessageDonneesVersion},
      {"absent", nullptr, false, MessageDonneesAbsentes},
  };
  for (const auto& c : cas) {
    DossierTemporaire d;
    if (c.contenu)
      ecrireFichierTest(
          d / "zarvinel.dir",
          std::string(c.contenu, std::string(c.nom) == "NUL" ? 19 : strlen(c.contenu)));
    Repertoires r(d.chemin(), d / "home/");
    CaptureJournal capture;
    EXPECT_EQ(r.verifierDonnees(), c.ok) << c.nom;
    ASSERT_FALSE(capture.lignes().empty());
    EXPECT_EQ(capture.lignes()[0], "Checking " + d.chemin() + "zarvinel.dir");
    if (c.message) {
      EXPECT_EQ(capture.lignes().size(), 2u) << c.nom;
      EXPECT_EQ(capture.lignes().back(), c.message) << c.nom;
    } else {
      EXPECT_EQ(capture.lignes().size(), 1u) << c.nom;
    }
  }
}

TEST(Repertoires, MarqueurLongSansBarre) {
  DossierTemporaire d;
  ecrireFichierTest(d / "zarvinel.dir", "Zarvinel1 is here" + std::string(500, ' '));
  Repertoires r(d.chemin(), d / "home/");
  CaptureJournal capture;
  EXPECT_FALSE(r.verifierDonnees());
}

TEST(Repertoires, MarqueurQuiEstUnDossier) {
  DossierTemporaire d;
  mkdir((d / "zarvinel.dir").c_str(), 0755);
  Repertoires r(d.chemin(), d / "home/");
  CaptureJournal capture;
  EXPECT_FALSE(r.verifierDonnees());
  EXPECT_EQ(capture.lignes().back(), MessageDonneesAbsentes);
}

TEST(DossierSpecial, XdgPuisHome) {
  const struct {
    const char* xdg;
    const char* home;
    const char* attendu;  // null: throws
  } cas[] = {{"/x/data", "/home/u", "/x/data"},
             {"/x/data/", "/home/u", "/x/data"},
             {"relatif/data", "/home/u", "/home/u/.local/share"},
             {"", "/home/u/", "/home/u/.local/share"},
             {nullptr, "/home/u", "/home/u/.local/share"},
             {nullptr, "/", "/.local/share"},
             {nullptr, nullptr, nullptr},
             {"", "", nullptr},
             {"x", "relatif", nullptr}};
  for (const auto& c : cas) {
    if (c.attendu) {
      EXPECT_EQ(dossierSpecial(c.xdg, c.home), c.attendu);
    } else {
      try {
        dossierSpecial(c.xdg, c.home);
        ADD_FAILURE() << "no exception";
      } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Repertoire utilisateur inaccessible");
      }
    }
  }
}

TEST(LireRegistre, InstalleSourceOuRien) {
  DossierTemporaire d;
  // An installed layout: prefix/bin/zarvinel and prefix/share/zarvinel/zarvinel.dir.
  creerDossier(d / "prefixe/bin");
  creerDossier(d / "prefixe/share/zarvinel");
  ecrireFichierTest(d / "prefixe/share/zarvinel/zarvinel.dir", "Zarvinel1 is here");
  const std::string exeInstalle = d / "prefixe/bin/zarvinel";
  const std::string exeBuild = d / "build/zarvinel";

  const RegistreDonnees complet{true, "/src/data/", "../share/zarvinel"};
  EXPECT_EQ(lireRegistre(complet, exeInstalle), d / "prefixe/share/zarvinel/");
  EXPECT_EQ(lireRegistre(complet, exeBuild), "/src/data/");
  EXPECT_EQ(lireRegistre(complet, ""), "/src/data/");
  EXPECT_EQ(lireRegistre(RegistreDonnees{true, "", "../share/zarvinel"}, exeInstalle),
            d / "prefixe/share/zarvinel/");
  EXPECT_EQ(lireRegistre(RegistreDonnees{false, "/src/data/", "x"}, exeInstalle),
            "Registry key don't exist");
  try {
    lireRegistre(RegistreDonnees{true, "", "../share/zarvinel"}, exeBuild);
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Registry value not REG_SZ");
  }
}

TEST(LireRegistre, LeBinaireDeTestTrouveLesDonneesDuDepot) {
  // Built in the checkout, not installed: the checkout's data/.
  EXPECT_EQ(lireRegistre(), std::string(ZARVINEL_SOURCE_DIR) + "/data/");
  EXPECT_FALSE(cheminExecutable().empty());
}

}  // namespace
