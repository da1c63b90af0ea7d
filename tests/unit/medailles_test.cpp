// Medals and continuing where the player left off: the medal a win earns against the level's
// targets (taken from its shipped hint), the file played last in the progress file (old files
// still read, damaged lines kept, a held lock never loses it), the level Play starts at, and the
// shipped file that follows a finished one.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixtures.h"
#include "levels/fichier_progression.h"
#include "levels/medailles.h"
#include "levels/progression.h"
#include "levels/reprise.h"
#include "platform/repertoires.h"
#include "screens/suivi_partie.h"

namespace {

const std::string A = empreinteOctets("fichier A");

std::string entete() { return "Zarvinel progression 1\n"; }
std::string ligne(const std::string& nom, const std::string& e, int n, uint32_t pas) {
  return nom + "\t" + e + "\t" + std::to_string(n) + "\t" + std::to_string(pas) + "\n";
}

// The global directories pointed at a temporary data and player folder while it lives.
class DossiersJeu {
 public:
  DossiersJeu() : r_(d_ / "donnees/", d_ / "home/"), avant_(repertoires) {
    repertoires = &r_;
    std::filesystem::create_directories(d_ / "donnees/mapsoff/solutions");
  }
  ~DossiersJeu() { repertoires = avant_; }
  std::string officiel(const std::string& nom) const { return d_ / ("donnees/mapsoff/" + nom); }
  std::string joueur(const std::string& nom) const { return d_ / ("home/mapsusr/" + nom); }
  std::string indice(const std::string& nom) const {
    return d_ / ("donnees/mapsoff/solutions/" + nom);
  }
  std::string progression() const { return d_ / "home/conf/progression.txt"; }

 private:
  DossierTemporaire d_;
  Repertoires r_;
  Repertoires* avant_;
};

// A level file of `n` 1 x 1 levels (each holds a different byte, so files differ).
std::string niveaux(int n, char graine = 0) {
  std::string o("GameZorvik\0\0\0\0", 14);
  for (int i = 0; i < n; ++i) o += std::string("\x05\x01\x01\0\0", 5) + '\0' + graine;
  return o;
}

TEST(Medailles, LaMedailleDUneVictoireSelonLesObjectifs) {
  const Objectifs dix{10};    // gold within 10 steps, silver within 15
  const Objectifs impair{7};  // silver within 10 (10.5 rounded down)
  const struct Cas {
    const char* nom;
    uint32_t pas;
    Objectifs objectifs;
    FaconVictoire facon;
    Medaille attendue;
  } cas[] = {
      {"bien plus vite que l'or", 1, dix, FaconVictoire::Jeu, Medaille::Or},
      {"juste l'or", 10, dix, FaconVictoire::Jeu, Medaille::Or},
      {"un pas de trop pour l'or", 11, dix, FaconVictoire::Jeu, Medaille::Argent},
      {"juste l'argent", 15, dix, FaconVictoire::Jeu, Medaille::Argent},
      {"un pas de trop pour l'argent", 16, dix, FaconVictoire::Jeu, Medaille::Bronze},
      {"tres lent", 999999, dix, FaconVictoire::Jeu, Medaille::Bronze},
      {"argent d'un or impair, arrondi en dessous", 10, impair, FaconVictoire::Jeu,
       Medaille::Argent},
      {"au-dela", 11, impair, FaconVictoire::Jeu, Medaille::Bronze},
      {"sans objectifs", 1, Objectifs{}, FaconVictoire::Jeu, Medaille::Aucune},
      {"gagne par le code", 1, dix, FaconVictoire::Code, Medaille::Aucune},
      {"gagne par l'indice", 10, dix, FaconVictoire::Indice, Medaille::Aucune},
      {"aucun pas", 0, dix, FaconVictoire::Jeu, Medaille::Aucune},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(medaillePour(c.pas, c.objectifs, c.facon), c.attendue);
  }
}

TEST(Medailles, LaMedailleSuivanteEtSonTemps) {
  const Objectifs o{100};
  EXPECT_EQ(medailleSuivante(Medaille::Aucune, o), Medaille::Bronze);
  EXPECT_EQ(medailleSuivante(Medaille::Bronze, o), Medaille::Argent);
  EXPECT_EQ(medailleSuivante(Medaille::Argent, o), Medaille::Or);
  EXPECT_EQ(medailleSuivante(Medaille::Or, o), Medaille::Aucune);
  EXPECT_EQ(medailleSuivante(Medaille::Aucune, Objectifs{}), Medaille::Aucune);
  EXPECT_EQ(pasMaximum(Medaille::Or, o), 100u);
  EXPECT_EQ(pasMaximum(Medaille::Argent, o), 150u);
  EXPECT_EQ(pasMaximum(Medaille::Bronze, o), 0u);
  EXPECT_STREQ(motMedaille(Medaille::Or), "or");
  EXPECT_STREQ(motMedaille(Medaille::Argent), "argent");
  EXPECT_STREQ(motMedaille(Medaille::Bronze), "bronze");
  EXPECT_STREQ(motMedaille(Medaille::Aucune), "aucune");
}

TEST(Medailles, LesObjectifsSeLisentSurLaPremiereLigneDeLIndice) {
  const struct Cas {
    const char* nom;
    std::string texte;
    uint32_t pasOr;
  } cas[] = {
      // The route wins at step 166 counted from 0: the play screen shows 167 steps.
      {"route", "# won at step 166\n# human route\n0 R\n", 167},
      {"sans fin de ligne", "# won at step 0", 1},
      {"CR LF", "# won at step 41\r\n0 R\r\n", 42},
      {"vide", "", 0},
      {"pas de ligne d'en-tete", "0 R\n", 0},
      {"perdu", "# lost at step 50\n", 0},
      {"sans nombre", "# won at step \n", 0},
      {"nombre suivi d'autre chose", "# won at step 12x\n", 0},
      {"negatif", "# won at step -3\n", 0},
      {"trop long", "# won at step 12345678901\n", 0},
      {"en deuxieme ligne", "# commentaire\n# won at step 10\n", 0},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_EQ(lireObjectifs(c.texte).pasOr, c.pasOr);
  }
}

TEST(Medailles, SeulUnFichierLivreADesObjectifs) {
  DossiersJeu d;
  ecrireFichierTest(d.officiel("livre.map"), niveaux(2));
  ecrireFichierTest(d.indice("livre-1.txt"), "# won at step 99\n0 R\n");
  ecrireFichierTest(d.indice("livre-2.txt"), "0 R\n");   // no header: no targets
  ecrireFichierTest(d.joueur("livre.map"), niveaux(2));  // the player's, same name
  EXPECT_EQ(objectifsNiveau(d.officiel("livre.map"), 1).pasOr, 100u);
  EXPECT_FALSE(objectifsNiveau(d.officiel("livre.map"), 2).existent());
  EXPECT_FALSE(objectifsNiveau(d.officiel("livre.map"), 3).existent());  // no hint file
  EXPECT_FALSE(objectifsNiveau(d.joueur("livre.map"), 1).existent());
  EXPECT_FALSE(objectifsNiveau(d.officiel("livre.map"), 0).existent());

  const EtatFichier e = lireEtatFichier(d.officiel("livre.map"), progressionJoueur());
  EXPECT_EQ(e.total, 2);
  EXPECT_EQ(e.objectifs.size(), 1u);
  EXPECT_TRUE(lireEtatFichier(d.joueur("livre.map"), progressionJoueur()).objectifs.empty());
}

TEST(Medailles, PremierNiveauNonGagneMedaillesEtFichierToutEnOr) {
  const struct Cas {
    const char* nom;
    int total;
    RecordsFichier records;
    int premier;
    bool toutEnOr;
  } cas[] = {
      {"rien de gagne", 3, {}, 1, false},
      {"le premier gagne", 3, {{1, 10}}, 2, false},
      {"deux gagnes", 3, {{1, 10}, {2, 10}}, 3, false},
      {"un trou", 3, {{1, 10}, {3, 10}}, 2, false},
      {"seul le dernier", 3, {{3, 10}}, 1, false},
      {"fini, tout en or", 3, {{1, 10}, {2, 10}, {3, 10}}, 1, true},
      {"fini, un argent", 3, {{1, 10}, {2, 11}, {3, 10}}, 1, false},
      {"records au-dela de la fin", 2, {{1, 10}, {2, 10}, {7, 10}}, 1, true},
      {"aucun niveau", 0, {}, 1, false},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EtatFichier e;
    e.total = c.total;
    e.records = c.records;
    for (int n = 1; n <= c.total; ++n) e.objectifs[n] = Objectifs{10};
    EXPECT_EQ(e.premierNonGagne(), c.premier);
    EXPECT_EQ(e.toutEnOr(), c.toutEnOr);
  }
  // Without targets a finished file is never all gold, and its levels have no medal.
  EtatFichier sans;
  sans.total = 1;
  sans.records = {{1, 1}};
  EXPECT_TRUE(sans.termine());
  EXPECT_FALSE(sans.toutEnOr());
  EXPECT_EQ(sans.medaille(1), Medaille::Aucune);
  EtatFichier avec = sans;
  avec.objectifs[1] = Objectifs{10};
  EXPECT_EQ(avec.medaille(1), Medaille::Or);
  EXPECT_EQ(avec.medaille(2), Medaille::Aucune);
}

TEST(Medailles, LeFichierJoueEnDernierDansLaProgression) {
  const std::string r = ligne("a.map", A, 1, 50) + ligne("a.map", A, 2, 70);
  const struct Cas {
    const char* nom;
    bool present;
    std::string avant;
    std::string lu;     // the file played last as read
    bool records;       // the two records are there to keep
    std::string garde;  // a line that must stay as it was
  } cas[] = {
      {"absent", false, "", "", false, ""},
      {"ancien format, sans dernier fichier", true, entete() + r, "", true, ""},
      {"dernier fichier", true, entete() + r + "dernier\tmapsoff/b.map\n", "mapsoff/b.map", true,
       ""},
      {"le dernier des deux l'emporte", true,
       entete() + "dernier\tmapsoff/b.map\n" + r + "dernier\tmapsusr/c.map\n", "mapsusr/c.map",
       true, ""},
      {"dernier vide", true, entete() + r + "dernier\t\n", "", true, "dernier\t"},
      {"dernier sans tabulation", true, entete() + r + "dernier mapsoff/b.map\n", "", true,
       "dernier mapsoff/b.map"},
      {"dernier a trois champs", true, entete() + r + "dernier\tmapsoff/b.map\tx\n", "", true,
       "dernier\tmapsoff/b.map\tx"},
      {"CR LF", true, "Zarvinel progression 1\r\ndernier\tmapsoff/b.map\r\n", "mapsoff/b.map",
       false, ""},
      {"autre en-tete", true, "Zarvinel progression 9\ndernier\tmapsoff/b.map\n", "", false, ""},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    const std::string chemin = d / "progression.txt";
    if (c.present) ecrireFichierTest(chemin, c.avant);
    CaptureJournal journal;
    const Progression p(chemin);
    EXPECT_EQ(p.dernierFichier(), c.lu);
    // Noting another file keeps every record and every line it does not understand.
    ASSERT_TRUE(p.noterDernierFichier("mapsusr/z.map"));
    EXPECT_EQ(p.dernierFichier(), "mapsusr/z.map");
    if (c.records) {
      EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 50}, {2, 70}}));
    }
    const std::string texte = lireFichierTest(chemin);
    EXPECT_EQ(texte.rfind(entete(), 0), 0u) << texte;
    EXPECT_NE(texte.find("\ndernier\tmapsusr/z.map\n"), std::string::npos) << texte;
    EXPECT_EQ(texte.find("dernier\tmapsoff/b.map\n"), std::string::npos) << texte;
    if (!c.garde.empty()) {
      EXPECT_NE(texte.find("\n" + c.garde + "\n"), std::string::npos) << texte;
    }
  }
  // Nothing to write when the same file is noted again: the file is left as it is.
  DossierTemporaire d;
  const Progression p(d / "progression.txt");
  ASSERT_TRUE(p.noterDernierFichier("mapsoff/b.map"));
  ecrireFichierTest(d / "progression.txt",
                    lireFichierTest(d / "progression.txt") + "# une note du joueur\n");
  ASSERT_TRUE(p.noterDernierFichier("mapsoff/b.map"));
  EXPECT_NE(lireFichierTest(d / "progression.txt").find("# une note du joueur"), std::string::npos);
  // A name no line can hold is refused.
  EXPECT_FALSE(p.noterDernierFichier("mapsoff/a\tb.map"));
  EXPECT_FALSE(p.noterDernierFichier(""));
  // A record written after keeps the file played last.
  ASSERT_TRUE(p.enregistrer("a.map", A, 1, 50).etat == Enregistrement::Ecrit);
  EXPECT_EQ(p.dernierFichier(), "mapsoff/b.map");
}

// Another program holding the progress file's lock: the file played last waits in memory, is
// read from there, and is written with the next write that gets the lock.
TEST(Medailles, UnVerrouTenuGardeLeDernierFichierEnMemoire) {
  DossierTemporaire d;
  const std::string chemin = d / "progression.txt";
  ecrireFichierTest(chemin, entete() + ligne("a.map", A, 1, 50) + "dernier\tmapsoff/b.map\n");
  const Progression p(chemin);
  {
    const int fd = ::open((chemin + ".verrou").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    CaptureJournal journal;
    EXPECT_TRUE(p.noterDernierFichier("mapsusr/c.map"));
    EXPECT_EQ(p.dernierFichier(), "mapsusr/c.map");
    EXPECT_EQ(lireContenuProgression(chemin).dernier, "mapsoff/b.map");
    EXPECT_FALSE(p.reessayer());
    ::close(fd);
  }
  EXPECT_TRUE(p.reessayer());
  EXPECT_EQ(lireContenuProgression(chemin).dernier, "mapsusr/c.map");
  EXPECT_EQ(dernierEnAttente(chemin), "");
  EXPECT_EQ(p.lire("a.map", A), (RecordsFichier{{1, 50}}));
}

TEST(Medailles, IdentiteDansLeCatalogueEtFichierLivreSuivant) {
  DossiersJeu d;
  ecrireFichierTest(d.officiel("1-a.map"), niveaux(1, 1));
  ecrireFichierTest(d.officiel("2-b.map"), niveaux(1, 2));
  ecrireFichierTest(d.officiel("10-c.map"), niveaux(1, 3));
  ecrireFichierTest(d.joueur("x.map"), niveaux(1, 4));
  CaptureJournal journal;
  const std::vector<EntreeCatalogue> e = listerCatalogue();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(identiteCatalogue(d.officiel("2-b.map")), "mapsoff/2-b.map");
  EXPECT_EQ(identiteCatalogue(d.joueur("x.map")), "mapsusr/x.map");
  EXPECT_EQ(identiteCatalogue("/ailleurs/x.map"), "");
  EXPECT_EQ(identiteCatalogue(d.officiel("solutions/x.map")), "");
  EXPECT_EQ(indiceCatalogue(e, "mapsoff/10-c.map"), 2);
  EXPECT_EQ(indiceCatalogue(e, "mapsusr/x.map"), 3);
  EXPECT_EQ(indiceCatalogue(e, "mapsusr/parti.map"), -1);
  EXPECT_EQ(indiceCatalogue(e, ""), -1);
  // In catalogue order ("2" before "10"); none after the last shipped file or a player's file.
  EXPECT_EQ(fichierOfficielSuivant(e, d.officiel("1-a.map")), d.officiel("2-b.map"));
  EXPECT_EQ(fichierOfficielSuivant(e, d.officiel("2-b.map")), d.officiel("10-c.map"));
  EXPECT_EQ(fichierOfficielSuivant(e, d.officiel("10-c.map")), "");
  EXPECT_EQ(fichierOfficielSuivant(e, d.joueur("x.map")), "");
}

// The play screen's record of a win: the medal it earns is logged, a code's win earns nothing
// and writes nothing.
TEST(Medailles, UneVictoireJournaliseSaMedaille) {
  DossiersJeu d;
  ecrireFichierTest(d.officiel("livre.map"), niveaux(1));
  ecrireFichierTest(d.indice("livre-1.txt"), "# won at step 99\n0 R\n");  // gold 100, silver 150
  ecrireFichierTest(d.joueur("perso.map"), niveaux(1));
  const struct Cas {
    const char* nom;
    std::string fichier;
    uint32_t pas;
    const char* ligne;
  } cas[] = {
      {"or", d.officiel("livre.map"), 100, "Médaille : or"},
      {"argent", d.officiel("livre.map"), 150, "Médaille : argent"},
      {"bronze", d.officiel("livre.map"), 151, "Médaille : bronze"},
      {"niveau du joueur", d.joueur("perso.map"), 100, "Médaille : aucune"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    CaptureJournal journal;
    SuiviPartie suivi(c.fichier);
    suivi.niveau(1);
    suivi.victoire(c.pas);
    EXPECT_TRUE(journal.contient(c.ligne));
    EXPECT_EQ(std::string("Médaille : ") + motMedaille(suivi.derniereMedaille()), c.ligne);
  }
  // The best stays gold after slower wins; the next medal to reach is none.
  SuiviPartie suivi(d.officiel("livre.map"));
  EXPECT_EQ(suivi.meilleureMedaille(), Medaille::Or);
  EXPECT_EQ(suivi.objectifs().pasOr, 100u);
  // A win by the code: logged as none, nothing recorded.
  const std::string avant = lireFichierTest(d.progression());
  CaptureJournal journal;
  SuiviPartie triche(d.officiel("livre.map"));
  triche.victoireSansMedaille();
  EXPECT_TRUE(journal.contient("Médaille : aucune"));
  EXPECT_EQ(lireFichierTest(d.progression()), avant);
}

}  // namespace
