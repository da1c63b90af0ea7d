// The edited level file without any widget: what a save, a conflict, a failed write and the
// recovery copy come to, as the document reports them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fixtures.h"
#include "levels/document_niveaux.h"
#include "levels/fichier_niveaux.h"

namespace {

std::vector<Niveau> trois() {
  std::vector<Niveau> n(3, nouveauNiveau());
  for (int i = 0; i < 3; ++i) n[static_cast<size_t>(i)].bombes = i + 1;
  return n;
}

DocumentNiveaux ouvrir(const std::string& chemin) {
  std::vector<Niveau> n;
  EXPECT_GT(chargerTout(chemin, n), 0);
  return DocumentNiveaux(chemin, std::move(n));
}

uint8_t caseDuFichier(const std::string& chemin, int c, int l) {
  std::vector<Niveau> n;
  if (chargerTout(chemin, n) < 1) return 255;
  return n[0].lireCase(c, l);
}

}  // namespace

// Two games on one file, small or over 16 MiB (260 levels of 255 x 255): the second save
// writes nothing and reports the conflict; overwriting is then the player's choice.
TEST(DocumentNiveaux, ConflitQuelleQueSoitLaTaille) {
  Niveau grand = nouveauNiveau();
  grand.redimensionner(255, 255);
  const struct {
    const char* nom;
    std::vector<Niveau> niveaux;
  } cas[] = {{"petit", trois()}, {"17 Mo", std::vector<Niveau>(260, grand)}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    const std::string chemin = d / "a.map";
    ASSERT_TRUE(sauvegarderTout(chemin, c.niveaux));
    DocumentNiveaux a = ouvrir(chemin), b = ouvrir(chemin);
    ASSERT_TRUE(a.peindre(0, 4, 2, 2));
    EXPECT_EQ(a.sauvegarder().resultat, ResultatSauvegarde::Ecrit);
    EXPECT_FALSE(a.modifie());
    ASSERT_TRUE(a.peindre(0, 5, 3, 3));  // the same game saving again is no conflict
    EXPECT_EQ(a.sauvegarder().resultat, ResultatSauvegarde::Ecrit);

    ASSERT_TRUE(b.peindre(0, 6, 2, 2));
    EXPECT_EQ(b.sauvegarder().resultat, ResultatSauvegarde::Conflit);
    EXPECT_TRUE(b.modifie());
    EXPECT_EQ(caseDuFichier(chemin, 2, 2), 4);
    EXPECT_EQ(b.ecraser().resultat, ResultatSauvegarde::Ecrit);
    EXPECT_FALSE(b.modifie());
    EXPECT_EQ(caseDuFichier(chemin, 2, 2), 6);
  }
}

// "Other name": the levels go to a free name beside the file, which the document then is.
TEST(DocumentNiveaux, NouveauNom) {
  DossierTemporaire d;
  const std::string chemin = d / "a.map";
  ASSERT_TRUE(sauvegarderTout(chemin, trois()));
  DocumentNiveaux doc = ouvrir(chemin);
  ASSERT_TRUE(doc.peindre(0, 3, 1, 1));
  EXPECT_EQ(doc.sauverSousNouveauNom().resultat, ResultatSauvegarde::Ecrit);
  EXPECT_EQ(doc.chemin(), d / "a-2.map");
  EXPECT_EQ(caseDuFichier(d / "a-2.map", 1, 1), 3);
  EXPECT_EQ(caseDuFichier(chemin, 1, 1), 0);
  EXPECT_FALSE(doc.modifie());
}

// A write that fails says why, keeps every edit and leaves the old file whole.
TEST(DocumentNiveaux, EcritureRatee) {
  const struct {
    const char* nom;
    std::function<std::string(const std::string& dossier)> preparer;
  } cas[] = {
      {"fichier protege",
       [](const std::string& d) {
         EXPECT_TRUE(sauvegarderTout(d + "p.map", trois()));
         chmod((d + "p.map").c_str(), 0444);
         return d + "p.map";
       }},
      {"dossier sous un fichier ordinaire",
       [](const std::string& d) {
         ecrireFichierTest(d + "ordinaire", "x");
         return d + "ordinaire/n.map";
       }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    const std::string chemin = c.preparer(d.chemin());
    const std::string avant = existeTest(chemin) ? lireFichierTest(chemin) : "";
    DocumentNiveaux doc(chemin, trois());
    ASSERT_TRUE(doc.peindre(0, 5, 3, 3));
    const Sauvegarde s = doc.sauvegarder();
    EXPECT_EQ(s.resultat, ResultatSauvegarde::Echec);
    EXPECT_FALSE(s.raison.empty());
    EXPECT_TRUE(doc.modifie());
    EXPECT_EQ(doc.niveaux()[0].lireCase(3, 3), 5);
    if (!avant.empty()) {
      EXPECT_EQ(lireFichierTest(chemin), avant);
    }
  }
}

// Closing with unsaved edits: the recovery copy; when it cannot be written (a directory in its
// place), the levels can still go to a free name elsewhere.
TEST(DocumentNiveaux, CopieDeSecoursImpossible) {
  DossierTemporaire d;
  const std::string chemin = d / "a.map";
  ASSERT_TRUE(sauvegarderTout(chemin, trois()));
  DocumentNiveaux doc = ouvrir(chemin);
  EXPECT_TRUE(doc.ecrireRecuperationSiModifie());  // nothing to write
  EXPECT_FALSE(recuperationExiste(chemin));
  ASSERT_TRUE(doc.peindre(0, 7, 6, 6));
  std::filesystem::create_directories(cheminRecuperation(chemin) + "/plein");
  EXPECT_FALSE(doc.ecrireRecuperationSiModifie());
  EXPECT_TRUE(doc.modifie());
  EXPECT_TRUE(doc.sauverAilleurs(d / "joueur"));
  EXPECT_FALSE(doc.modifie());
  EXPECT_EQ(caseDuFichier(d / "joueur/a-2.map", 6, 6), 7);
  EXPECT_EQ(caseDuFichier(chemin, 6, 6), 0);
}

// The copy offered back: loaded it counts as unsaved and stays until a save removes it.
TEST(DocumentNiveaux, CopieDeSecoursReprise) {
  DossierTemporaire d;
  const std::string chemin = d / "a.map";
  ASSERT_TRUE(sauvegarderTout(chemin, trois()));
  {
    DocumentNiveaux doc = ouvrir(chemin);
    EXPECT_FALSE(doc.recuperationTrouvee());
    ASSERT_TRUE(doc.peindre(0, 2, 4, 4));
    ASSERT_TRUE(doc.ecrireRecuperationSiModifie());
  }
  DocumentNiveaux doc = ouvrir(chemin);
  ASSERT_TRUE(doc.recuperationTrouvee());
  ASSERT_TRUE(doc.recuperer());
  EXPECT_TRUE(doc.modifie());
  EXPECT_EQ(doc.niveaux()[0].lireCase(4, 4), 2);
  EXPECT_TRUE(recuperationExiste(chemin));
  EXPECT_EQ(doc.sauvegarder().resultat, ResultatSauvegarde::Ecrit);
  EXPECT_FALSE(recuperationExiste(chemin));
}

// Undo and redo give the level to show; a copy is one step; the limit refuses a level more.
TEST(DocumentNiveaux, HistoireEtLimite) {
  DossierTemporaire d;
  DocumentNiveaux doc(d / "a.map", trois());
  EXPECT_FALSE(doc.peutAnnuler());
  ASSERT_TRUE(doc.peindre(1, 4, 3, 3));
  EXPECT_TRUE(doc.peutAnnuler());
  EXPECT_EQ(doc.copier(1), 2);
  EXPECT_EQ(doc.nombre(), 4u);
  EXPECT_EQ(doc.annuler(2), std::optional<int>(1));
  EXPECT_EQ(doc.nombre(), 3u);
  EXPECT_EQ(doc.niveaux()[1].lireCase(3, 3), 4);
  // Back to the levels as opened, shown from the first.
  EXPECT_EQ(doc.annuler(1), std::optional<int>(0));
  EXPECT_EQ(doc.niveaux()[1].lireCase(3, 3), 0);
  EXPECT_EQ(doc.annuler(0), std::nullopt);
  EXPECT_EQ(doc.refaire(0), std::optional<int>(1));
  EXPECT_EQ(doc.niveaux()[1].lireCase(3, 3), 4);
  EXPECT_TRUE(doc.placePourUnNiveau());

  CaptureJournal journal;
  DocumentNiveaux plein(d / "b.map", std::vector<Niveau>(NiveauxParFichierMax, nouveauNiveau()));
  EXPECT_FALSE(plein.placePourUnNiveau());
  EXPECT_TRUE(journal.contient("Pas plus de 1000 niveaux par fichier"));
}

// Undo or redo back to the levels last saved: nothing unsaved any more, as after the save
// itself; one step further, the edits are unsaved again.
TEST(DocumentNiveaux, RetourAuContenuEnregistre) {
  DossierTemporaire d;
  const std::string chemin = d / "a.map";
  ASSERT_TRUE(sauvegarderTout(chemin, trois()));
  DocumentNiveaux doc = ouvrir(chemin);
  ASSERT_TRUE(doc.peindre(0, 1, 2, 2));
  doc.validerHistorique(0);
  ASSERT_TRUE(doc.annuler(0));
  EXPECT_FALSE(doc.modifie());  // the levels as read
  ASSERT_TRUE(doc.refaire(0));
  EXPECT_TRUE(doc.modifie());
  ASSERT_EQ(doc.sauvegarder().resultat, ResultatSauvegarde::Ecrit);
  ASSERT_TRUE(doc.peindre(0, 2, 3, 3));
  doc.validerHistorique(0);
  doc.niveau(0).camera.centreX += 3;  // a view change is no edit
  ASSERT_TRUE(doc.annuler(0));
  EXPECT_FALSE(doc.modifie());  // the levels as saved
  EXPECT_TRUE(doc.ecrireRecuperationSiModifie());
  EXPECT_FALSE(recuperationExiste(chemin));
  ASSERT_TRUE(doc.annuler(0));
  EXPECT_TRUE(doc.modifie());  // before the save: not what the file holds
  ASSERT_TRUE(doc.refaire(0));
  EXPECT_FALSE(doc.modifie());
}

// Undo shows the level its step changed: an edit on level 1, then level 3 shown (the screen
// closes a step every frame without a button held) and edited; undone, level 3 comes back first.
TEST(DocumentNiveaux, AnnulerMontreLeNiveauChange) {
  DossierTemporaire d;
  DocumentNiveaux doc(d / "a.map", trois());
  ASSERT_TRUE(doc.peindre(0, 1, 2, 2));
  doc.validerHistorique(0);
  doc.validerHistorique(2);  // level 3 shown, nothing changed yet
  ASSERT_TRUE(doc.peindre(2, 1, 4, 4));
  doc.validerHistorique(2);
  EXPECT_EQ(doc.annuler(2).value_or(-1), 2);
  EXPECT_EQ(doc.annuler(2).value_or(-1), 0);
}
