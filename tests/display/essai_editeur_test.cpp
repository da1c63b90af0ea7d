// The editor's test-play in a real window, driven by SDL events pushed when given log lines
// appear: F5 plays the level as edited, a win, a loss and Escape come back to the editor with the
// unsaved edits and their history; a window closed during the play keeps the edits in the
// recovery copy; a dialog open refuses the play.
#include <SDL.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/etat.h"
#include "editor/editeur.h"
#include "levels/fichiers_edition.h"
#include "game/cases.h"
#include "game/donnees_action.h"
#include "game/terrain.h"
#include "gui/gui.h"
#include "fenetre_editeur.h"
#include "levels/fichier_niveaux.h"
#include "rendu_commun.h"

namespace {

// A 30 x 30 level, its start cell at (10, 10), `dessous` under it.
Niveau niveauEssai(uint8_t dessous) {
  Niveau n;
  n.largeur = n.hauteur = 30;
  n.grille.assign(900, Vide);
  for (int c = 0; c < 30; ++c) n.grille[static_cast<size_t>(20 * 30 + c)] = Blinde;
  n.grille[static_cast<size_t>(11 * 30 + 10)] = dessous;
  n.departX = n.departY = 10.5f;
  return n;
}
// Cell (5, 5) on the 640 x 480 window, the level seen whole as the editor first shows it.
const int XCase5 = pixelVueDepart(30, 30, 5.5, 5.5).x, YCase5 = pixelVueDepart(30, 30, 5.5, 5.5).y;
// Tool 1 (the plain brick) and the command buttons.
constexpr int XOutil1 = 1 + 32 + 16, YOutils = 17;
constexpr int XSauver = 97 + 16, XQuitter = 129 + 16, YCommandes = 480 - 33 + 16;
constexpr int XProprietes = 65 + 16;

class EssaiEditeur : public FenetreEditeur {
 protected:
  EssaiEditeur() : FenetreEditeur(ServicesEcran::AvecJeu) {}

  bool contient(const std::string& ligne) const {
    for (const auto& l : lignes_)
      if (l == ligne) return true;
    return false;
  }
  Niveau relire(const std::string& chemin) const {
    std::vector<Niveau> n;
    EXPECT_EQ(chargerTout(chemin, n), 1);
    return n.empty() ? Niveau() : n[0];
  }
};

// A brick painted, not saved; F5: the level played is the edited one (its brick is a cell of
// the play); each end comes back to the editor, where Ctrl+Z still undoes the brick, and the
// file saved afterwards is the first one again.
TEST_F(EssaiEditeur, ChaqueFinRevientALEditeur) {
  const struct {
    uint8_t dessous;
    const char* fin;
    bool echap;
  } cas[] = {{Win, "Fin essai : gagné", false},
             {Lost, "Fin essai : perdu", false},
             {Vide, "Fin essai : abandon", true}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.fin);
    ecrireFichierTest(chemin_, octetsFichier({niveauEssai(c.dessous)}));
    bool brique = false, modeJeu = true;
    const bool quitte = editer({
        {"Chargement de tout", [&] { pousserClicAuCentre(XOutil1, YOutils); }},
        {"Obj : 1",
         [&] {
           pousserClicAuCentre(XCase5, YCase5);
           pousserTouche(SDLK_F5);
         }},
        {"Lancement du thread d'action",
         [&] {
           brique = terrain->lireCase(5, 5) == Brique;
           modeJeu = modeEditeur;
           if (c.echap) pousserTouche(SDLK_ESCAPE);
         }},
        {c.fin, [&] {}},
        {"Retour à l'éditeur : niveau 1", [&] { pousserTouche(SDLK_z, KMOD_LCTRL); }},
        {"Annuler : niveau 1", [&] { pousserClicAuCentre(XSauver, YCommandes); }},
        {"Sauvegarde de tout", [&] { pousserClicAuCentre(XQuitter, YCommandes); }},
        {"new confirm", [&] { pousserClicAuCentre(xBouton(1), yBouton(60)); }},  // "No"
    });
    EXPECT_FALSE(quitte);
    EXPECT_TRUE(brique) << "the unsaved brick is in the played level";
    EXPECT_FALSE(modeJeu) << "the editor's own cells are hidden while playing";
    EXPECT_TRUE(contient("Essai niveau 1"));
    EXPECT_TRUE(contient("Sauvegarde de tout " + chemin_));
    EXPECT_EQ(relire(chemin_).grille, niveauEssai(c.dessous).grille);
  }
}

// The window closed while the level is played: the editor ends as on any closing, the painted
// brick in the recovery copy.
TEST_F(EssaiEditeur, FenetreFermeePendantLEssai) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai(Vide)}));
  const std::string avant = lireFichierTest(chemin_);
  EXPECT_TRUE(editer({
      {"Chargement de tout", [&] { pousserClicAuCentre(XOutil1, YOutils); }},
      {"Obj : 1",
       [&] {
         pousserClicAuCentre(XCase5, YCase5);
         pousserTouche(SDLK_F5);
       }},
      {"Lancement du thread d'action", [&] { pousserFermeture(); }},
  }));
  EXPECT_EQ(lireFichierTest(chemin_), avant);
  ASSERT_TRUE(recuperationExiste(chemin_));
  EXPECT_EQ(relire(cheminRecuperation(chemin_)).lireCase(5, 5), Brique);
}

// F5 with the properties dialog open plays nothing: the dialog keeps its level.
TEST_F(EssaiEditeur, RefuseAvecUnDialogue) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai(Vide)}));
  EXPECT_FALSE(editer({
      {"Chargement de tout",
       [&] {
         pousserClicAuCentre(XProprietes, YCommandes);
         pousserTouche(SDLK_F5);
       }},
      {"Essai refusé : dialogue ouvert",
       [&] { pousserClicAuCentre(xBouton(1), yBouton(300)); }},  // Cancel
      {"Fermeture dialogue", [&] { pousserClicAuCentre(XQuitter, YCommandes); }},
      {"new confirm", [&] { pousserClicAuCentre(xBouton(1), yBouton(60)); }},
  }));
  EXPECT_FALSE(contient("Essai niveau 1"));
}

// Shift+F5, then a click on cell (5, 5): the ball starts there, above a win cell, and wins (from
// the level's own start it would only fall to the floor); the level's start is not changed and
// the click painted nothing. Escape gives up a choice without playing.
TEST_F(EssaiEditeur, DepuisUneCaseCliquee) {
  Niveau n = niveauEssai(Vide);
  n.grille[static_cast<size_t>(6 * 30 + 5)] = Win;
  ecrireFichierTest(chemin_, octetsFichier({n}));
  const std::string avant = lireFichierTest(chemin_);
  EXPECT_FALSE(editer({
      {"Chargement de tout", [&] { pousserTouche(SDLK_F5, KMOD_LSHIFT); }},
      {"Essai : choix de la case de départ", [&] { pousserTouche(SDLK_ESCAPE); }},
      {"Essai : choix de la case de départ abandonné",
       [&] {
         // A key pressed again is released in between (the editor ignores a held key's
         // repeats).
         SDL_Event relache{};
         relache.type = SDL_KEYUP;
         relache.key.keysym.sym = SDLK_F5;
         SDL_PushEvent(&relache);
         pousserTouche(SDLK_F5, KMOD_LSHIFT);
       }},
      {"Essai : choix de la case de départ", [&] { pousserClicAuCentre(XCase5, YCase5); }},
      {"Fin essai : gagné", [&] {}},
      {"Retour à l'éditeur : niveau 1", [&] { pousserClicAuCentre(XQuitter, YCommandes); }},
  }));
  EXPECT_TRUE(contient("Essai depuis la case 5, 5"));
  EXPECT_TRUE(contient("Quitter sans modification"));
  EXPECT_FALSE(contient("new confirm"));
  EXPECT_EQ(lireFichierTest(chemin_), avant);
}

}  // namespace

// The info line of a test-play counts the levels being edited, not the saved file's: a level
// copied and not saved is level 2 of 2 (the file still holds one).
TEST_F(EssaiEditeur, LigneDInfosCompteLesNiveauxEnMemoire) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai(Vide)}));
  std::string infos;
  EXPECT_TRUE(editer({
      {"Chargement de tout", [&] { pousserTouche(SDLK_d, KMOD_LCTRL); }},
      {"Copie du niveau 1 : niveau 2", [&] { pousserTouche(SDLK_F5); }},
      {"Lancement du thread d'action",
       [&] {
         for (const ZoneGUI* z : gui->zones())
           if (z && z->texte().find(" / ") != std::string::npos) infos = z->texte();
         pousserTouche(SDLK_ESCAPE);
       }},
      {"Retour à l'éditeur : niveau 2", [&] { pousserFermeture(); }},
  }));
  EXPECT_NE(infos.find(" 2 / 2 "), std::string::npos) << infos;
}
