// The progress file against what a player's folder may hold: a lock held by another program, a
// link, line ends of another system, a file that is no progress file, a file that cannot be
// written. Nothing the player had is ever lost, and the game never waits long.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <random>
#include <string>
#include <vector>

#include "fixtures.h"
#include "levels/fichier_progression.h"
#include "levels/progression.h"
#include "platform/repertoires.h"
#include "screens/suivi_partie.h"

namespace {

namespace fs = std::filesystem;

const std::string A = empreinteOctets("fichier A");

std::string entete() { return "Zarvinel progression 1\n"; }
std::string ligne(const std::string& nom, const std::string& e, int n, uint32_t pas) {
  return nom + "\t" + e + "\t" + std::to_string(n) + "\t" + std::to_string(pas) + "\n";
}

// The files beside the progress file whose name starts with `debut` ("progression.txt.illisible-").
std::vector<std::string> aCote(const DossierTemporaire& d, const std::string& debut) {
  std::vector<std::string> v;
  for (const auto& e : fs::directory_iterator(d.chemin()))
    if (e.path().filename().string().rfind(debut, 0) == 0) v.push_back(e.path().string());
  return v;
}

// Another program holding the progress file's lock, as `flock FILE sleep 40` does.
class VerrouTenu {
 public:
  explicit VerrouTenu(const std::string& chemin)
      : fd_(::open(chemin.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
  }
  ~VerrouTenu() { liberer(); }
  void liberer() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

TEST(ProgressionFichier, UnVerrouTenuNeFigePasLaPartieEtLeRecordAttendEnMemoire) {
  DossierTemporaire d;
  const std::string chemin = d / "progression.txt";
  ecrireFichierTest(chemin, entete() + ligne("b.map", A, 1, 70));
  CaptureJournal journal;
  const Progression p(chemin);
  VerrouTenu autre(chemin + ".verrou");
  uint32_t ancien = 0;
  auto ecriture =
      std::async(std::launch::async, [&] { return p.enregistrer("a.map", A, 1, 50, ancien); });
  const bool fini = ecriture.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
  autre.liberer();  // a game frozen on the lock ends here; its test fails just below
  ASSERT_TRUE(fini) << "the record waited for the lock";
  EXPECT_TRUE(ecriture.get());
  EXPECT_TRUE(
      journal.contient("Progression verrouillée, record gardé en mémoire : a.map niveau 1"));
  // Not on disk yet, but the game already knows it.
  EXPECT_EQ(lireFichierTest(chemin), entete() + ligne("b.map", A, 1, 70));
  EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 50}}));
  // The lock free again, the next record takes the waiting one along.
  EXPECT_TRUE(p.enregistrer("a.map", A, 2, 60, ancien));
  EXPECT_EQ(lireFichierTest(chemin), entete() + ligne("b.map", A, 1, 70) +
                                         ligne("a.map", A, 1, 50) + ligne("a.map", A, 2, 60));
  EXPECT_TRUE(journal.contient("Progression : records en attente écrits 1"));
}

// At the end of the run the waiting records are written; with the lock still held they go to a
// progress file of their own rather than being lost.
TEST(ProgressionFichier, EnFinDePartieLesRecordsEnAttenteSontGardes) {
  for (const bool libere : {true, false}) {
    SCOPED_TRACE(libere ? "verrou libere" : "verrou toujours tenu");
    DossierTemporaire d;
    const std::string chemin = d / "progression.txt";
    CaptureJournal journal;
    VerrouTenu autre(chemin + ".verrou");
    EXPECT_EQ(Progression(chemin).enregistrer("a.map", A, 1, 50).etat, Enregistrement::EnAttente);
    EXPECT_FALSE(Progression(chemin).reessayer());
    if (libere) autre.liberer();
    ecrireProgressionsEnAttente(50);
    EXPECT_TRUE(lignesEnAttente(chemin).empty());
    const auto aPart = aCote(d, "progression.txt.en-attente-");
    if (libere) {
      EXPECT_EQ(lireFichierTest(chemin), entete() + ligne("a.map", A, 1, 50));
      EXPECT_TRUE(aPart.empty());
    } else {
      EXPECT_FALSE(existeTest(chemin));
      ASSERT_EQ(aPart.size(), 1u);
      EXPECT_EQ(lireFichierTest(aPart[0]), entete() + ligne("a.map", A, 1, 50));
      EXPECT_TRUE(journal.contient("Progression verrouillée, records écrits à part : " + aPart[0]));
    }
  }
}

// What the progress path held before a win of a.map level 1, and what must become of it.
struct Hostile {
  const char* nom;
  std::string contenu;
  bool lien;              // the progress path is a link to a file holding `contenu`
  RecordsFichier gardes;  // what b.map reads afterwards
  const char* misDeCote;  // the name the old file (or link) goes to; null: none
};

TEST(ProgressionFichier, RienDeCeQueLeDossierTenaitNEstPerdu) {
  std::string hasard(4096, '\0');
  std::mt19937 gen(7);
  for (char& c : hasard) c = static_cast<char>(gen());
  const std::string ancien = entete() + ligne("b.map", A, 3, 70);
  const Hostile cas[] = {
      {"lien vers un autre fichier", "précieux\n", true, {}, "progression.txt.lien-"},
      {"lien vers une progression", ancien, true, {{3, 70}}, "progression.txt.lien-"},
      {"fins de ligne CRLF",
       "Zarvinel progression 1\r\n" + std::string("b.map\t") + A + "\t3\t70\r\n",
       false,
       {{3, 70}},
       nullptr},
      {"autre entete",
       "Zarvinel progression 9\n" + ligne("b.map", A, 3, 70),
       false,
       {},
       "progression.txt.illisible-"},
      {"octets au hasard", hasard, false, {}, "progression.txt.illisible-"},
      {"trop grand", ancien + std::string(5u << 20, 'x'), false, {}, "progression.txt.illisible-"},
  };
  for (const Hostile& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    const std::string chemin = d / "progression.txt";
    if (c.lien) {
      ecrireFichierTest(d / "autre.txt", c.contenu);
      ASSERT_EQ(symlink((d / "autre.txt").c_str(), chemin.c_str()), 0);
    } else {
      ecrireFichierTest(chemin, c.contenu);
    }
    CaptureJournal journal;
    const Progression p(chemin);
    uint32_t record = 0;
    EXPECT_TRUE(p.enregistrer("a.map", A, 1, 50, record));
    // A plain progress file now, with the new record and every record that could be read.
    struct stat st;
    ASSERT_EQ(lstat(chemin.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 50}}));
    EXPECT_EQ(p.lire("b.map", A), c.gardes);
    if (c.lien) {
      EXPECT_EQ(lireFichierTest(d / "autre.txt"), c.contenu);
    }
    const auto deCote = c.misDeCote ? aCote(d, c.misDeCote) : std::vector<std::string>();
    if (!c.misDeCote) {
      EXPECT_TRUE(aCote(d, "progression.txt.").size() == 1);  // only the lock file
      continue;
    }
    ASSERT_EQ(deCote.size(), 1u);
    EXPECT_EQ(lireFichierTest(deCote[0]), c.contenu);  // through the link, for a link
    EXPECT_TRUE(journal.contient(
        (c.lien ? "Progression : lien mis de côté : " : "Progression illisible, mise de côté : ") +
        deCote[0]));
    // Moved aside once: the next record finds a sound file.
    EXPECT_TRUE(p.enregistrer("a.map", A, 2, 40, record));
    EXPECT_EQ(aCote(d, c.misDeCote).size(), 1u);
  }
}

TEST(ProgressionFichier, LeVerrouNeSuitJamaisUnLien) {
  DossierTemporaire d;
  const std::string chemin = d / "progression.txt";
  fs::create_directories(d / "ailleurs");
  ASSERT_EQ(symlink((d / "ailleurs/cree").c_str(), (chemin + ".verrou").c_str()), 0);
  CaptureJournal journal;
  uint32_t ancien = 0;
  EXPECT_TRUE(Progression(chemin).enregistrer("a.map", A, 1, 50, ancien));
  EXPECT_FALSE(existeTest(d / "ailleurs/cree"));
  struct stat st;
  ASSERT_EQ(lstat((chemin + ".verrou").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(lireFichierTest(chemin), entete() + ligne("a.map", A, 1, 50));
}

// The result's time line under each state of the progress path, as the play screen shows it
// (without a translator, the keys themselves).
TEST(ProgressionFichier, LeJoueurSaitQuandSonRecordNEstPasGarde) {
  struct Cas {
    const char* nom;
    void (*preparer)(const std::string& chemin);
    const char* attendu;
    const char* absent;
  } cas[] = {
      {"fichier sain", [](const std::string&) {}, "NouveauRecord", "RecordNonGarde"},
      {"lecture seule",
       [](const std::string& c) {
         ecrireFichierTest(c, entete());
         chmod(c.c_str(), 0444);
       },
       "RecordNonGarde", "NouveauRecord"},
      {"repertoire", [](const std::string& c) { mkdir(c.c_str(), 0755); }, "RecordNonGarde",
       "NouveauRecord"},
      {"tube nomme", [](const std::string& c) { mkfifo(c.c_str(), 0644); }, "RecordNonGarde",
       "NouveauRecord"},
      {"illisible, mis de cote", [](const std::string& c) { ecrireFichierTest(c, "\x01\x02"); },
       "ProgressionMiseDeCote", "RecordNonGarde"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    Repertoires r(d / "donnees/", d / "home/");
    Repertoires* avant = repertoires;
    repertoires = &r;
    ecrireFichierTest(d / "niveaux.map", "des octets");
    c.preparer(d / "home/conf/progression.txt");
    CaptureJournal journal;
    SuiviPartie suivi(d / "niveaux.map");
    const std::string texte = suivi.victoire(1234);
    EXPECT_NE(texte.find(c.attendu), std::string::npos) << texte;
    EXPECT_EQ(texte.find(c.absent), std::string::npos) << texte;
    repertoires = avant;
  }
}

}  // namespace
