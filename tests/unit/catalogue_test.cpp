#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "levels/catalogue.h"
#include "platform/repertoires.h"
#include "fixtures.h"

namespace {

std::vector<std::string> noms(const std::vector<EntreeCatalogue>& entrees) {
  std::vector<std::string> r;
  for (const auto& e : entrees) r.push_back(e.texte);
  return r;
}

struct Dossiers {
  DossierTemporaire d;
  std::string off = d / "mapsoff";
  std::string usr = d / "mapsusr";
  Dossiers(const std::vector<std::string>& officiels, const std::vector<std::string>& joueur) {
    mkdir(off.c_str(), 0755);
    mkdir(usr.c_str(), 0755);
    for (const auto& n : officiels) ecrireFichierTest(off + "/" + n, "x");
    for (const auto& n : joueur) ecrireFichierTest(usr + "/" + n, "x");
  }
};

const std::string F = "<cffdd77>", M = "<c77ddff>";

TEST(Catalogue, TriSautEtCouleurs) {
  const struct {
    std::vector<std::string> officiels, joueur, lignes;
  } cas[] = {
      // shipped first, each group sorted by bytes (numbers aside), the demonstration level skipped
      {{"b.map", "A.map", "logom.map"}, {"z.map", "a.map"}, {F + "A", F + "b", M + "a", M + "z"}},
      // the skip is for the shipped directory only
      {{"x.map"}, {"logom.map"}, {F + "x", M + "logom"}},
      // ".map" byte for byte at the end; only the last four characters go
      {{"x.map.map", "x.MAP", "y.mapx", ".map"}, {}, {F + "", F + "x.map"}},
      // shorter prefixes first, upper case before lower case
      {{"ab.map", "a.map", "B.map", "_.map"}, {}, {F + "B", F + "_", F + "a", F + "ab"}},
      // numbered names in the order of their numbers, in both groups
      {{"10-b.map", "9-a.map", "1-c.map"},
       {"x12.map", "x2.map"},
       {F + "1-c", F + "9-a", F + "10-b", M + "x2", M + "x12"}},
      // markup characters of a name are shown, not obeyed
      {{"<b1>x.map"}, {}, {F + "<(>b1<)>x"}},
      // very long names are cut
      {{std::string(200, 'n') + ".map"}, {}, {F + std::string(LongueurNomAffiche - 2, 'n') + ".."}},
  };
  for (const auto& c : cas) {
    Dossiers d(c.officiels, c.joueur);
    EXPECT_EQ(noms(listerCatalogue(d.off, d.usr)), c.lignes) << c.lignes.size();
  }
}

TEST(Catalogue, CheminsEtJournal) {
  Dossiers d({"b.map", "a.map"}, {"c.map"});
  CaptureJournal j;
  auto e = listerCatalogue(d.off + "/", d.usr);
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(e[0].chemin, d.off + "/a.map");
  EXPECT_EQ(e[2].chemin, d.usr + "/c.map");
  EXPECT_FALSE(e[0].modifiable);
  EXPECT_TRUE(e[2].modifiable);
  const std::vector<std::string> attendu = {
      "Liste fichier 0", "Nb fichiers 2", "Tri fichiers", "ok", "Liste fichier 1", "Nb fichiers 1"};
  EXPECT_EQ(j.lignes(), attendu);
}

TEST(Catalogue, FichiersDuJoueurNonModifiablesEtDossiersIllisibles) {
  Dossiers d({"a.map"}, {"lecture.map", "libre.map"});
  // The test runs as root too: the decision is given, then checked for real when possible.
  auto e = listerCatalogue(
      d.off, d.usr, [](const std::string& c) { return c.find("lecture") == std::string::npos; });
  ASSERT_EQ(noms(e), (std::vector<std::string>{F + "a", F + "lecture", M + "libre"}));
  EXPECT_FALSE(e[1].modifiable);
  if (geteuid() != 0) {
    chmod((d.usr + "/lecture.map").c_str(), 0444);
    e = listerCatalogue(d.off, d.usr);
    EXPECT_EQ(noms(e), (std::vector<std::string>{F + "a", F + "lecture", M + "libre"}));
    chmod(d.usr.c_str(), 0);  // unreadable directory: nothing from it
    e = listerCatalogue(d.off, d.usr);
    EXPECT_EQ(noms(e), (std::vector<std::string>{F + "a"}));
    chmod(d.usr.c_str(), 0755);
  }
  // A missing directory, and a folder or a FIFO that only looks like a level file.
  mkdir((d.usr + "/dossier.map").c_str(), 0755);
  mkfifo((d.usr + "/tube.map").c_str(), 0644);
  EXPECT_EQ(noms(listerCatalogue(d.off, d.usr, [](const std::string&) { return true; })),
            (std::vector<std::string>{F + "a", M + "lecture", M + "libre"}));
  EXPECT_EQ(noms(listerCatalogue(d.d / "nulle-part", d.usr + "/absent")),
            std::vector<std::string>{});
}

// A link in the player's folder is listed as the editor will treat it: to a shipped level (or
// anywhere outside the folder) not editable, in the shipped colour; to another of the player's
// files editable.
TEST(Catalogue, LiensListesCommeLEditeurLesTraite) {
  Dossiers d({"1-Premiers-pas.map"}, {"mien.map"});
  ASSERT_EQ(symlink((d.off + "/1-Premiers-pas.map").c_str(), (d.usr + "/copie.map").c_str()), 0);
  ASSERT_EQ(symlink("../mapsoff/1-Premiers-pas.map", (d.usr + "/relatif.map").c_str()), 0);
  ASSERT_EQ(symlink("mien.map", (d.usr + "/autre.map").c_str()), 0);
  ecrireFichierTest(d.d / "ailleurs.map", "x");
  ASSERT_EQ(symlink((d.d / "ailleurs.map").c_str(), (d.usr + "/dehors.map").c_str()), 0);
  EXPECT_EQ(noms(listerCatalogue(d.off, d.usr)),
            (std::vector<std::string>{F + "1-Premiers-pas", M + "autre", F + "copie", F + "dehors",
                                      M + "mien", F + "relatif"}));
}

TEST(Catalogue, MilliersDeFichiersEtNomsHorsEncodage) {
  Dossiers d({}, {});
  for (int i = 0; i < 1000; ++i)
    std::fclose(std::fopen((d.usr + "/n" + std::to_string(i) + ".map").c_str(), "w"));
  ecrireFichierTest(d.usr + "/\xff\xfe\x80.map", "");  // not UTF-8
  auto e = listerCatalogue(d.off, d.usr);
  ASSERT_EQ(e.size(), 1001u);
  EXPECT_EQ(e[0].texte, M + "n0");
  EXPECT_EQ(e[1].texte, M + "n1");
  EXPECT_EQ(e[2].texte, M + "n2");  // numbers in order
  EXPECT_EQ(e[10].texte, M + "n10");
  EXPECT_EQ(e[999].texte, M + "n999");
  EXPECT_EQ(e.back().texte, M + "\xff\xfe\x80");
}

TEST(NomNiveau, AcceptesEtRefuses) {
  const struct {
    std::string nom;
    bool accepte;
  } cas[] = {
      {"abcd", true},
      {"abc", false},
      {"", false},
      {"a", false},
      {"AZ_-09zz", true},
      {std::string(26, 'x'), true},
      {std::string(49, 'x'), true},
      {std::string(50, 'x'), false},
      {"ab cd", false},
      {"abc.d", false},
      {"\xe9t\xe9s", false},
      {"ab/cd", false},
      {"../abcd", false},
      {std::string("ab\0cd", 5), false},
  };
  for (const auto& c : cas) EXPECT_EQ(nomNiveauAcceptable(c.nom), c.accepte) << c.nom;
  // The field's set is exactly the 64 characters of the name rule.
  EXPECT_EQ(std::string(CaracteresNomNiveau).size(), 64u);
}

TEST(NomNiveau, CreationDansLeDossierDuJoueur) {
  DossierTemporaire d;
  Repertoires r(d / "donnees/", d / "home/");
  Repertoires* avant = repertoires;
  repertoires = &r;
  creerDossier(d / "donnees/mapsoff");
  ecrireFichierTest(d / "donnees/mapsoff/1-Premiers-pas.map", "shipped");
  EXPECT_EQ(cheminNiveauUtilisateur("abcd"), d / "home/mapsusr/abcd.map");
  EXPECT_EQ(creerNiveauUtilisateur("abc"), CreationNiveau::TropCourt);
  EXPECT_FALSE(existeTest(d / "home/mapsusr/abc.map"));
  EXPECT_EQ(creerNiveauUtilisateur("abcd"), CreationNiveau::Cree);
  EXPECT_EQ(lireFichierTest(d / "home/mapsusr/abcd.map").size(), 245u);
  // An existing name is left untouched.
  ecrireFichierTest(d / "home/mapsusr/garde.map", "mine");
  EXPECT_EQ(creerNiveauUtilisateur("garde"), CreationNiveau::PrisParJoueur);
  EXPECT_EQ(lireFichierTest(d / "home/mapsusr/garde.map"), "mine");
  mkdir((d / "home/mapsusr/dossier.map").c_str(), 0755);
  EXPECT_EQ(creerNiveauUtilisateur("dossier"), CreationNiveau::PrisParJoueur);
  // A shipped file's name would list two files of one name: refused, nothing written.
  EXPECT_EQ(creerNiveauUtilisateur("1-Premiers-pas"), CreationNiveau::PrisParJeu);
  EXPECT_FALSE(existeTest(d / "home/mapsusr/1-Premiers-pas.map"));
  repertoires = avant;
}

TEST(NomNiveau, RaisonDuRefus) {
  DossierTemporaire d;
  creerDossier(d / "off");
  creerDossier(d / "usr");
  ecrireFichierTest(d / "off/Officiel.map", "");
  ecrireFichierTest(d / "usr/Mien.map", "");
  const struct {
    std::string nom;
    CreationNiveau verdict;
    const char* cle;
  } cas[] = {
      {"", CreationNiveau::TropCourt, "NomTropCourt"},
      {"abc", CreationNiveau::TropCourt, "NomTropCourt"},
      {std::string(50, 'x'), CreationNiveau::TropLong, "NomTropLong"},
      {"ab cd", CreationNiveau::CaractereInterdit, "NomCaractere"},
      {"../abcd", CreationNiveau::CaractereInterdit, "NomCaractere"},
      {"Mien", CreationNiveau::PrisParJoueur, "NomPrisJoueur"},
      {"Officiel", CreationNiveau::PrisParJeu, "NomPrisJeu"},
      {"officiel", CreationNiveau::Cree, ""},  // names are bytes: another name
      {"Nouveau", CreationNiveau::Cree, ""},
  };
  for (const auto& c : cas) {
    const CreationNiveau v = verifierNomNiveau(c.nom, d / ("usr/" + c.nom + ".map"), d / "off");
    EXPECT_EQ(v, c.verdict) << c.nom;
    EXPECT_STREQ(cleCreationNiveau(v), c.cle) << c.nom;
  }
  EXPECT_STREQ(cleCreationNiveau(CreationNiveau::Echec), "NomEcriture");
}

}  // namespace
