#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <ctime>

#include "app/demarrage.h"
#include "app/ligne_commande.h"
#include "platform/repertoires.h"
#include "fixtures.h"

namespace {

TEST(LigneCommande, TableDeCas) {
  using V = std::vector<std::string>;
  using O = std::optional<std::string>;
  const struct {
    V args;
    O donnees, utilisateur;
    bool parDefaut, redemarre;
  } cas[] = {
      {{}, {}, {}, false, false},
      {{"--dirdata", "A", "--dirhome", "B"}, "A", "B", false, false},
      {{"--dirdata"}, {}, {}, false, false},  // last: ignored
      {{"--dirhome", "B", "--dirdata"}, {}, "B", false, false},
      {{"--dirdata", "--default"}, "--default", {}, false, false},  // the value, not the option
      {{"--default"}, {}, {}, true, false},
      {{"--rebooted", "--default"}, {}, {}, true, true},
      {{"--DEFAULT", "-default", "--default=1", "--dirdataX", "Y"}, {}, {}, false, false},
      {{"--dirdata", "A", "--dirdata", "C"}, "C", {}, false, false},
      {{"--dirhome", ""}, {}, "", false, false},
      {{"x", "--dirhome", "--dirdata", "D"}, {}, "--dirdata", false, false},
  };
  for (const auto& c : cas) {
    LigneCommande l = lireLigneCommande(c.args);
    std::string nom;
    for (const auto& a : c.args) nom += a + " ";
    EXPECT_EQ(l.dossierDonnees, c.donnees) << nom;
    EXPECT_EQ(l.dossierUtilisateur, c.utilisateur) << nom;
    EXPECT_EQ(l.parDefaut, c.parDefaut) << nom;
    EXPECT_EQ(l.redemarre, c.redemarre) << nom;
  }
}

TEST(LigneCommande, TailleDeFenetre) {
  using V = std::vector<std::string>;
  const struct {
    V args;
    int largeur, hauteur;
  } cas[] = {
      {{"--window", "640x480"}, 640, 480},   {{"--window", "3840x2160", "--default"}, 3840, 2160},
      {{"--window", "1x16384"}, 1, 16384},   {{"--window", "0x480"}, 0, 0},
      {{"--window", "16385x480"}, 0, 0},     {{"--window", "640X480"}, 0, 0},
      {{"--window", "640x"}, 0, 0},          {{"--window", "x480"}, 0, 0},
      {{"--window", "-640x480"}, 0, 0},      {{"--window", "640x480x2"}, 0, 0},
      {{"--window", "99999999999x1"}, 0, 0}, {{"--window"}, 0, 0},  // last: ignored
  };
  for (const auto& c : cas) {
    const LigneCommande l = lireLigneCommande(c.args);
    const std::string nom = c.args.size() > 1 ? c.args[1] : c.args[0];
    EXPECT_EQ(l.largeurFenetre, c.largeur) << nom;
    EXPECT_EQ(l.hauteurFenetre, c.hauteur) << nom;
  }
}

TEST(Demarrage, SlashFinal) {
  EXPECT_EQ(avecSlashFinal("/a/b"), "/a/b/");
  EXPECT_EQ(avecSlashFinal("/a/b/"), "/a/b/");
  EXPECT_EQ(avecSlashFinal("C:\\x\\"), "C:\\x\\/");
  EXPECT_EQ(avecSlashFinal(""), "/");
}

TEST(Demarrage, ArgumentsDuRedemarrage) {
  LigneCommande l;
  EXPECT_EQ(argumentsRedemarrage(l), std::vector<std::string>{"--rebooted"});
  l.dossierDonnees = "/d";
  l.dossierUtilisateur = "/h";
  l.parDefaut = true;  // the restart is there to read the new options: not passed on
  EXPECT_EQ(argumentsRedemarrage(l),
            (std::vector<std::string>{"--rebooted", "--dirdata", "/d", "--dirhome", "/h"}));
}

// preparerRepertoires reads the environment for the user directory.
class PreparerRepertoires : public ::testing::Test {
 protected:
  void SetUp() override {
    creerDossier(d_ / "data");
    ecrireFichierTest(d_ / "data/zarvinel.dir", "Zarvinel1 is here");
    setenv("XDG_DATA_HOME", (d_ / "xdg").c_str(), 1);
  }
  DossierTemporaire d_;
  std::unique_ptr<Repertoires> prepares_;
  EnvironnementSauve environnement_{"XDG_DATA_HOME", "HOME"};
};

TEST_F(PreparerRepertoires, JournalEtRepertoires) {
  LigneCommande l;
  l.dossierDonnees = d_ / "data";  // no '/' at the end: added
  CaptureJournal capture;
  prepares_ = preparerRepertoires(l);
  ASSERT_NE(prepares_, nullptr);
  const auto& j = capture.lignes();
  ASSERT_GE(j.size(), 4u);
  EXPECT_EQ(j[0], "dir_home" + d_.chemin() + "xdg/zarvinel");
  EXPECT_EQ(j[1], "dir_home = " + d_.chemin() + "xdg/zarvinel");
  EXPECT_EQ(j[2], "dir_data = " + d_.chemin() + "data");
  EXPECT_EQ(j.back(), "Checking " + d_.chemin() + "data/zarvinel.dir");
  EXPECT_EQ(prepares_->chemin("conf/options.conf"), d_ / "xdg/zarvinel/conf/options.conf");
  EXPECT_EQ(prepares_->chemin("lang/fr.txt"), d_ / "data/lang/fr.txt");
}

TEST_F(PreparerRepertoires, DirhomeRemplaceLeDossierDuBureau) {
  LigneCommande l;
  l.dossierDonnees = d_ / "data/";
  l.dossierUtilisateur = d_ / "moi/";
  CaptureJournal capture;
  prepares_ = preparerRepertoires(l);
  ASSERT_NE(prepares_, nullptr);
  EXPECT_EQ(capture.lignes()[1], "dir_home = " + d_.chemin() + "moi/");
  EXPECT_TRUE(existeTest(d_ / "moi/conf"));
}

// An empty directory argument would put the player's folders at the root ("/conf/"): it counts
// as not given.
TEST_F(PreparerRepertoires, DossierVideIgnore) {
  LigneCommande l;
  l.dossierDonnees = d_ / "data";
  l.dossierUtilisateur = "";
  CaptureJournal capture;
  prepares_ = preparerRepertoires(l);
  ASSERT_NE(prepares_, nullptr);
  EXPECT_TRUE(capture.contient("--dirhome vide ignoré"));
  EXPECT_TRUE(capture.contient("dir_home = " + d_.chemin() + "xdg/zarvinel"));
  EXPECT_EQ(prepares_->chemin("conf/options.conf"), d_ / "xdg/zarvinel/conf/options.conf");
  l.dossierDonnees = "";
  EXPECT_EQ(argumentsRedemarrage(l), std::vector<std::string>{"--rebooted"});
}

TEST_F(PreparerRepertoires, DonneesAbsentes) {
  LigneCommande l;
  l.dossierDonnees = d_ / "rien";
  CaptureJournal capture;
  EXPECT_EQ(preparerRepertoires(l), nullptr);
  EXPECT_EQ(capture.lignes().back(), MessageDonneesAbsentes);
}

TEST_F(PreparerRepertoires, SansDossierUtilisateur) {
  unsetenv("XDG_DATA_HOME");
  unsetenv("HOME");
  LigneCommande l;
  l.dossierDonnees = d_ / "data";
  {
    CaptureJournal capture;
    EXPECT_EQ(preparerRepertoires(l), nullptr);
    EXPECT_EQ(capture.lignes().front(), "Repertoire utilisateur inaccessible");
    EXPECT_EQ(capture.lignes().back(), "Repertoire utilisateur inaccessible");
  }
  // "--dirhome" makes up for it.
  l.dossierUtilisateur = d_ / "moi";
  CaptureJournal capture;
  EXPECT_NE(preparerRepertoires(l), nullptr);
}

TEST_F(PreparerRepertoires, SansDirdataLesDonneesDuDepot) {
  CaptureJournal capture;
  EXPECT_NE(preparerRepertoires(LigneCommande{}), nullptr);
  EXPECT_EQ(capture.lignes()[2], std::string("dir_data = ") + ZARVINEL_SOURCE_DIR + "/data/");
}

}  // namespace

namespace {

// The new process gets "--rebooted" and the directories this run was given.
// A killed save leaves its temporary file in whichever folder it wrote: the options and the
// progress in conf/, the levels in mapsusr/, the texture caches in the user's cache/ tree and
// beside the images of a writable data folder. Start-up clears them all by one rule.
TEST_F(PreparerRepertoires, LesTemporairesPerimesDeChaqueDossierEcritPartent) {
  const std::string home = d_ / "moi/";
  struct Fichier {
    std::string chemin;
    int64_t age;
    bool part;
  } fichiers[] = {
      {home + "conf/progression.txt.tmp.Ab12Cd", 3600, true},
      {home + "conf/options.conf.tmp.Xy98Zz", 61, true},
      {home + "conf/options.conf.tmp.Qq11Rr", 10, false},  // a save running now
      {home + "conf/progression.txt", 3600, false},
      {home + "mapsusr/a.map.tmp.Mm00Nn", 3600, true},
      {home + "cache/imgs/gui/b.png.pak.tmp.Cc11Dd", 3600, true},
      {home + "cache/imgs/gui/b.png.pak", 3600, false},
      {d_ / "data/imgs/fond/c.png.pak.tmp.Ee22Ff", 3600, true},
      {d_ / "data/imgs/fond/c.png", 3600, false},
  };
  const int64_t maintenant = static_cast<int64_t>(std::time(nullptr));
  for (const Fichier& f : fichiers) {
    creerDossier(f.chemin.substr(0, f.chemin.rfind('/')));
    ecrireFichierTest(f.chemin, "x");
    const struct timeval t[2] = {{static_cast<time_t>(maintenant - f.age), 0},
                                 {static_cast<time_t>(maintenant - f.age), 0}};
    ASSERT_EQ(utimes(f.chemin.c_str(), t), 0);
  }
  // Another folder reached through a link is not walked.
  creerDossier(d_ / "ailleurs");
  ecrireFichierTest(d_ / "ailleurs/d.tmp.Gg33Hh", "x");
  const struct timeval vieux[2] = {{static_cast<time_t>(maintenant - 3600), 0},
                                   {static_cast<time_t>(maintenant - 3600), 0}};
  ASSERT_EQ(utimes((d_ / "ailleurs/d.tmp.Gg33Hh").c_str(), vieux), 0);
  ASSERT_EQ(symlink((d_ / "ailleurs").c_str(), (home + "cache/lien").c_str()), 0);
  LigneCommande l;
  l.dossierDonnees = d_ / "data/";
  l.dossierUtilisateur = home;
  CaptureJournal capture;
  ASSERT_NE(preparerRepertoires(l), nullptr);
  for (const Fichier& f : fichiers) EXPECT_EQ(existeTest(f.chemin), !f.part) << f.chemin;
  EXPECT_TRUE(existeTest(d_ / "ailleurs/d.tmp.Gg33Hh"));
  EXPECT_TRUE(capture.contient("Fichier temporaire abandonné supprimé : " + home +
                               "conf/progression.txt.tmp.Ab12Cd"));
}

TEST(Redemarrer, LanceLeProgrammeAvecSesArguments) {
  DossierTemporaire d;
  const std::string jeu = d / "jeu";
  ecrireFichierTest(jeu, "#!/bin/sh\nprintf '%s|' \"$@\" > " + d.chemin() + "args.tmp\n/bin/mv " +
                             d.chemin() + "args.tmp " + d.chemin() + "args\n");
  chmod(jeu.c_str(), 0755);
  const struct {
    LigneCommande ligne;
    const char* attendu;
  } cas[] = {{LigneCommande{}, "--rebooted|"},
             {LigneCommande{std::string("/d"), std::string("/h"), true, true},
              "--rebooted|--dirdata|/d|--dirhome|/h|"}};
  for (const auto& c : cas) {
    std::remove((d / "args").c_str());
    EXPECT_EQ(redemarrer(jeu, c.ligne), 0);
    for (int i = 0; i < 300 && !existeTest(d / "args"); ++i) usleep(10000);
    EXPECT_EQ(lireFichierTest(d / "args"), c.attendu);
  }
  EXPECT_EQ(redemarrer(d / "absent", LigneCommande{}), -1);
}

}  // namespace
