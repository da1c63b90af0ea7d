// The progress file: records keyed by file name and fingerprint, a defensive read, merging
// writes that keep every other line.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures.h"
#include "levels/fichier_niveaux.h"
#include "levels/progression.h"

namespace {

const std::string A = empreinteOctets("fichier A");
const std::string B = empreinteOctets("fichier A, modifié");

std::string entete() { return "Zarvinel progression 1\n"; }
std::string ligne(const std::string& nom, const std::string& e, int n, uint32_t pas) {
  return nom + "\t" + e + "\t" + std::to_string(n) + "\t" + std::to_string(pas) + "\n";
}

TEST(Progression, EmpreinteStableEtSensibleAuContenu) {
  EXPECT_EQ(empreinteOctets(""), "cbf29ce484222325");  // FNV-1a 64 of nothing
  EXPECT_EQ(A.size(), 16u);
  EXPECT_NE(A, B);
  EXPECT_EQ(empreinteOctets("fichier A"), A);
  EXPECT_EQ(texteSecondes(1234), "12.34");
  EXPECT_EQ(texteSecondes(5), "0.05");
  EXPECT_EQ(texteSecondes(100), "1.00");
}

// What the progress file holds before, and what file "a.map" with fingerprint A then reads.
struct Cas {
  const char* nom;
  bool present;
  std::string contenu;
  RecordsFichier attendu;
};

TEST(Progression, LectureDefensive) {
  const Cas cas[] = {
      {"absent", false, "", {}},
      {"vide", true, "", {}},
      {"entete seule", true, entete(), {}},
      {"autre entete", true, "Zarvinel progression 9\n" + ligne("a.map", A, 1, 50), {}},
      {"binaire", true, std::string("\0\xff\x01garbage\n\t\t\t", 13), {}},
      {"records d'un autre fichier", true, entete() + ligne("b.map", A, 1, 50), {}},
      {"fichier modifie depuis", true, entete() + ligne("a.map", B, 1, 50), {}},
      {"deux niveaux, le meilleur garde",
       true,
       entete() + ligne("a.map", A, 1, 50) + ligne("a.map", A, 2, 70) + ligne("a.map", A, 1, 40),
       {{1, 40}, {2, 70}}},
      {"lignes abimees sautees",
       true,
       entete() + "a.map\t" + A + "\tdeux\t50\n" + "a.map\t" + A + "\t0\t50\n" + "a.map\t" + A +
           "\t3\t0\n" + "a.map\tcourte\t1\t10\n" + "a.map\t" + A + "\t1\n" + "a.map\t" + A +
           "\t1\t99999999999\n" + ligne("a.map", A, 4, 30) + "a.map\t" + A + "\t5\t-3\n",
       {{4, 30}}},
      {"fin coupee", true, entete() + ligne("a.map", A, 1, 50) + "a.map\t" + A + "\t2", {{1, 50}}},
      {"fins de ligne CRLF lues comme LF",
       true,
       "Zarvinel progression 1\r\n" + std::string("a.map\t") + A + "\t1\t50\r\n",
       {{1, 50}}},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    if (c.present) ecrireFichierTest(d / "progression.txt", c.contenu);
    CaptureJournal journal;
    const Progression p(d / "progression.txt");
    EXPECT_EQ(p.lire("a.map", A), c.attendu);
  }
}

TEST(Progression, UnRepertoireALaPlaceDuFichierNeBloquePas) {
  DossierTemporaire d;
  ASSERT_EQ(mkdir((d / "progression.txt").c_str(), 0755), 0);
  CaptureJournal journal;
  const Progression p(d / "progression.txt");
  EXPECT_TRUE(p.lire("a.map", A).empty());
  uint32_t ancien = 1;
  EXPECT_FALSE(p.enregistrer("a.map", A, 1, 50, ancien));
  EXPECT_EQ(ancien, 0u);
}

TEST(Progression, EnregistrerGardeLeMeilleurEtToutLeReste) {
  DossierTemporaire d;
  const std::string autres = ligne("b.map", A, 3, 70) + ligne("a.map", B, 1, 10);
  ecrireFichierTest(d / "progression.txt", entete() + autres);
  CaptureJournal journal;
  const Progression p(d / "progression.txt");
  uint32_t ancien = 99;
  EXPECT_TRUE(p.enregistrer("a.map", A, 1, 500, ancien));
  EXPECT_EQ(ancien, 0u);  // the edited file's record is not this one's
  EXPECT_TRUE(p.enregistrer("a.map", A, 1, 700, ancien));  // slower: kept as it was
  EXPECT_EQ(ancien, 500u);
  EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 500}}));
  EXPECT_TRUE(p.enregistrer("a.map", A, 1, 300, ancien));  // faster: replaces
  EXPECT_EQ(ancien, 500u);
  EXPECT_TRUE(p.enregistrer("a.map", A, 2, 900, ancien));
  EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 300}, {2, 900}}));
  // The other files' and fingerprints' lines are still there, unchanged.
  const std::string texte = lireFichierTest(d / "progression.txt");
  EXPECT_EQ(texte.rfind(entete(), 0), 0u);
  EXPECT_NE(texte.find(ligne("b.map", A, 3, 70)), std::string::npos);
  EXPECT_NE(texte.find(ligne("a.map", B, 1, 10)), std::string::npos);
  EXPECT_EQ(p.lire("a.map", B), (RecordsFichier{{1, 10}}));
}

TEST(Progression, UnFichierAbimeEstRemplaceParUnFichierSain) {
  DossierTemporaire d;
  ecrireFichierTest(d / "progression.txt", "n'importe quoi\x01\x02");
  CaptureJournal journal;
  const Progression p(d / "progression.txt");
  uint32_t ancien = 0;
  EXPECT_TRUE(p.enregistrer("a.map", A, 2, 123, ancien));
  EXPECT_TRUE(journal.contient("Progression illisible, ignorée : " + (d / "progression.txt")));
  EXPECT_EQ(lireFichierTest(d / "progression.txt"), entete() + ligne("a.map", A, 2, 123));
  // The damaged file is kept beside the new one, as it was.
  int deCote = 0;
  for (const auto& e : std::filesystem::directory_iterator(d.chemin()))
    if (e.path().filename().string().rfind("progression.txt.illisible-", 0) == 0) {
      ++deCote;
      EXPECT_EQ(lireFichierTest(e.path().string()), "n'importe quoi\x01\x02");
    }
  EXPECT_EQ(deCote, 1);
}

TEST(Progression, NomsEtValeursImpossiblesRefuses) {
  DossierTemporaire d;
  const Progression p(d / "progression.txt");
  uint32_t ancien = 0;
  EXPECT_FALSE(p.enregistrer("a\tb.map", A, 1, 10, ancien));
  EXPECT_FALSE(p.enregistrer("a\nb.map", A, 1, 10, ancien));
  EXPECT_FALSE(p.enregistrer("", A, 1, 10, ancien));
  EXPECT_FALSE(p.enregistrer("a.map", "court", 1, 10, ancien));
  EXPECT_FALSE(p.enregistrer("a.map", A, 0, 10, ancien));
  EXPECT_FALSE(p.enregistrer("a.map", A, 1, 0, ancien));
  EXPECT_FALSE(existeTest(d / "progression.txt"));
}

}  // namespace

namespace {

TEST(Progression, CompterNiveauxSansJournalCommeLeLecteur) {
  int fichiers = 0;
  for (const auto& e :
       std::filesystem::directory_iterator(std::string(ZARVINEL_SOURCE_DIR) + "/data/mapsoff")) {
    if (e.path().extension() != ".map") continue;
    ++fichiers;
    std::vector<Niveau> niveaux;
    const int attendu = chargerTout(e.path().string(), niveaux);
    CaptureJournal journal;
    EXPECT_EQ(compterNiveaux(lireFichierTest(e.path().string())), attendu) << e.path();
    EXPECT_TRUE(journal.lignes().empty());
  }
  EXPECT_GT(fichiers, 0);
  EXPECT_EQ(compterNiveaux(""), 0);
  EXPECT_EQ(compterNiveaux("GameZorvik"), 0);
  EXPECT_EQ(compterNiveaux(std::string("GameZorvik\0\0\0\0", 14)), 0);
  // A 1 x 1 level, then a record whose grid is cut.
  EXPECT_EQ(compterNiveaux(
                std::string("GameZorvik\0\0\0\0\x05\x01\x01\0\0\0\x01\x05\x02\x02\0\0\0\x01", 28)),
            1);
}

TEST(Progression, NiveauxAtteintsEtFichierTermine) {
  struct Cas {
    int total;
    RecordsFichier records;
    std::vector<int> atteints;
    bool termine;
  } cas[] = {
      {3, {}, {1}, false},
      {3, {{1, 10}}, {1, 2}, false},
      {3, {{1, 10}, {2, 5}, {3, 7}}, {1, 2, 3}, true},
      {3, {{1, 10}, {3, 7}}, {1, 2, 3}, false},      // won past a gap: still offered
      {2, {{1, 10}, {2, 5}, {5, 7}}, {1, 2}, true},  // records past the end are ignored
      {0, {}, {}, false},
  };
  for (const Cas& c : cas) {
    EtatFichier e;
    e.total = c.total;
    e.records = c.records;
    EXPECT_EQ(e.atteints(), c.atteints);
    EXPECT_EQ(e.termine(), c.termine);
  }
}

}  // namespace
