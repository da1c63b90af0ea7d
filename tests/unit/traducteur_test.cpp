#include <gtest/gtest.h>

#include "base/traducteur.h"
#include "fixtures.h"
#include "platform/dossiers.h"

namespace {

// Loads `contenu` as a language file and returns the translator.
struct Langue {
  DossierTemporaire d;
  Traducteur t;
  std::vector<std::string> journal;
  explicit Langue(const std::string& contenu) {
    ecrireFichierTest(d / "xx.txt", contenu);
    CaptureJournal capture;
    t.charger(d / "xx.txt");
    journal = capture.lignes();
  }
};

TEST(Traducteur, LectureDeBase) {
  Langue l("Français\nPlay=Jouer\nQuit=Quitter\n");
  EXPECT_EQ(l.t.nom(), "Français");
  EXPECT_EQ(l.journal, std::vector<std::string>{"Chargement langue Français"});
  EXPECT_EQ(l.t.traduire("Play"), "Jouer");
  EXPECT_EQ(l.t.traduire("Quit"), "Quitter");
}

TEST(Traducteur, CasParticuliers) {
  const struct {
    const char* nom;
    std::string fichier;
    const char* cle;
    const char* attendu;
  } cas[] = {
      {"CR LF", "Nom\r\nPlay=Jouer\r\nQuit=Quitter\r\n", "Play", "Jouer"},
      {"premiere gagne", "Nom\nPlay=Un\nPlay=Deux\n", "Play", "Un"},
      {"egal dans le texte", "Nom\nEq=a=b=c\n", "Eq", "a=b=c"},
      {"blanc avant egal", "Nom\nPlay =Jouer\n", "Play", ""},
      {"blanc avant egal, cle avec blanc", "Nom\nPlay =Jouer\n", "Play ", "Jouer"},
      {"blanc apres egal", "Nom\nPlay= Jouer \n", "Play", " Jouer "},
      {"ligne sans egal", "Nom\nperdu\nPlay=Jouer\nQuit=Q\n", "perdu\nPlay", "Jouer"},
      {"derniere ligne sans fin", "Nom\nPlay=Jouer", "Play", "Jouer"},
      {"un seul controle ote", "Nom\nPlay=Jouer\r\r\n", "Play", "Jouer\r"},
      {"balisage garde", "Nom\nT=#c(ff0000)Rouge\n", "T", "#c(ff0000)Rouge"},
      {"octets 1252", "Nom\nE=\xE9t\xE9\n", "E", "\xE9t\xE9"},
      {"traduction vide", "Nom\nVide=\n", "Vide", ""},
  };
  for (const auto& c : cas) {
    Langue l(c.fichier);
    EXPECT_EQ(l.t.traduire(c.cle), c.attendu) << c.nom;
  }
}

TEST(Traducteur, CleAbsenteAjouteeVide) {
  Langue l("Nom\nPlay=Jouer\n");
  const size_t avant = l.t.taille();
  EXPECT_EQ(l.t.traduire("Absent"), "");
  EXPECT_EQ(l.t.taille(), avant + 1);
  EXPECT_EQ(l.t.traduire("Absent"), "");
  EXPECT_EQ(l.t.taille(), avant + 1);
}

TEST(Traducteur, SecondFichierRemplaceLePremier) {
  DossierTemporaire d;
  ecrireFichierTest(d / "fr.txt", "Français\nPlay=Jouer\nQuit=Quitter\n");
  ecrireFichierTest(d / "en.txt", "English\nPlay=Play\n");
  Traducteur t;
  CaptureJournal capture;
  t.charger(d / "fr.txt");
  t.charger(d / "en.txt");
  EXPECT_EQ(t.nom(), "English");
  EXPECT_EQ(t.traduire("Play"), "Play");
  EXPECT_EQ(t.traduire("Quit"), "");
}

TEST(Traducteur, FichierAbsent) {
  Traducteur t;
  DossierTemporaire d;
  ecrireFichierTest(d / "fr.txt", "Français\nPlay=Jouer\n");
  CaptureJournal capture;
  t.charger(d / "fr.txt");
  t.charger(d / "absent.txt");
  EXPECT_EQ(capture.lignes().back(), "Chargement langue ");
  EXPECT_EQ(t.nom(), "");
  EXPECT_EQ(t.traduire("Play"), "");
}

// A folder, or a file far too large, where the language file should be: an empty language, as
// for a missing file, with a line that says why; nothing is thrown.
TEST(Traducteur, PasUnFichierDeLangue) {
  DossierTemporaire d;
  creerDossier(d / "fr.txt");
  ecrireFichierTest(d / "gros.txt", "Nom\nA=" + std::string(2 << 20, 'a') + "\n");
  for (const std::string& chemin : {d / "fr.txt", d / "gros.txt"}) {
    Traducteur t;
    CaptureJournal capture;
    EXPECT_NO_THROW(t.charger(chemin)) << chemin;
    EXPECT_EQ(t.taille(), 0u);
    ASSERT_EQ(capture.lignes().size(), 2u) << chemin;
    EXPECT_EQ(capture.lignes()[0].rfind("Fichier ignoré : " + chemin + " (", 0), 0u);
    EXPECT_EQ(capture.lignes()[1], "Chargement langue ");
  }
}

TEST(Traducteur, LongueursLimites) {
  const std::string max(1022, 'k'), trop(1023, 'k');
  {
    Langue l("Nom\n" + max + "=" + max + "\nB=b\n");
    EXPECT_EQ(l.t.traduire(max), max);
    EXPECT_EQ(l.t.traduire("B"), "b");
    EXPECT_EQ(l.journal.size(), 1u);
  }
  {
    // An over-long translation is kept cut to 1022 bytes and ends the reading; the pairs before
    // it stay.
    Langue l("Nom\nA=a\nB=" + trop + "\nC=c\n");
    EXPECT_EQ(l.t.traduire("A"), "a");
    EXPECT_EQ(l.t.traduire("B"), max);
    EXPECT_EQ(l.t.traduire("C"), "");
    ASSERT_EQ(l.journal.size(), 2u);
  }
  {
    Langue l("Nom\nA=a\n" + trop + "=x\nC=c\n");
    EXPECT_EQ(l.t.traduire("A"), "a");
    EXPECT_EQ(l.t.traduire("C"), "");
  }
  {
    Langue l(trop + "\nA=a\n");
    EXPECT_EQ(l.t.nom(), std::string(1022, 'k'));
    EXPECT_EQ(l.t.traduire("A"), "");
  }
}

TEST(Traducteur, OctetNulCoupeLeTexte) {
  Langue l(std::string("Nom\nA=un\0deux\nB=b\n", 17));
  EXPECT_EQ(l.t.traduire("A"), "un");
  EXPECT_EQ(l.t.traduire("B"), "b");
}

}  // namespace
