// The editor screen in a real window, driven by SDL events pushed when given log lines appear
// (never by waiting): tools, painting by press and drag (left only; a right press writes one
// cell), the ball tool, a click on a tool button painting nothing behind it, saving, the quit
// dialog, every dialog opened and closed, the window closed with unsaved edits.
#include <SDL.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/etat.h"
#include "editor/editeur.h"
#include "levels/fichiers_edition.h"
#include "game/cases.h"
#include "fenetre_editeur.h"
#include "levels/fichier_niveaux.h"
#include "render/briques_cache.h"
#include "render/plateau.h"
#include "rendu_commun.h"

namespace {

// The 30 x 30 test level as the editor first shows it, whole: where its point x (or y) lands.
int px(double x) { return pixelVueDepart(30, 30, x, 15).x; }
int py(double y) { return pixelVueDepart(30, 30, 15, y).y; }

class EcranEditeur : public FenetreEditeur {
 protected:
  bool contient(const std::string& morceau) const {
    for (const auto& l : lignes_)
      if (l.find(morceau) != std::string::npos) return true;
    return false;
  }
  std::vector<Niveau> relire() const {
    std::vector<Niveau> n;
    chargerTout(chemin_, n);
    return n;
  }
};

// A 30 x 30 level with a row of plain bricks under the tool bar, its start cell at (10, 10).
Niveau niveauEssai() {
  Niveau n;
  n.largeur = n.hauteur = 30;
  n.grille.assign(900, Vide);
  for (int c = 0; c < 30; ++c) n.grille[static_cast<size_t>(2 * 30 + c)] = Brique;
  n.departX = n.departY = 10.5f;
  return n;
}

TEST_F(EcranEditeur, PeindreSauverQuitter) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai(), niveauEssai()}));
  const bool quitte = editer(
      chemin_,
      {
          {"Chargement de tout",
           [&] {
             // Tool 7's button: the click paints nothing (row 2 stays plain bricks).
             pousserClicAuCentre(1 + 32 * 7 + 16, 16);
           }},
          {"Obj : 7",
           [&] {
             // Left press and drag over three cells of row 10.
             pousserSouris(SDL_MOUSEMOTION, px(10.5), py(10.5));
             pousserSouris(SDL_MOUSEBUTTONDOWN, px(10.5), py(10.5));
             pousserSouris(SDL_MOUSEMOTION, px(11.5), py(10.5), 0, SDL_BUTTON(SDL_BUTTON_LEFT));
             pousserSouris(SDL_MOUSEMOTION, px(12.5), py(10.5), 0, SDL_BUTTON(SDL_BUTTON_LEFT));
             pousserSouris(SDL_MOUSEBUTTONUP, px(12.5), py(10.5));
             // Right drag over row 11 writes nothing; a right press writes one cell.
             pousserSouris(SDL_MOUSEMOTION, px(10.5), py(11.5), 0, SDL_BUTTON(SDL_BUTTON_RIGHT));
             pousserSouris(SDL_MOUSEMOTION, px(11.5), py(11.5), 0, SDL_BUTTON(SDL_BUTTON_RIGHT));
             pousserSouris(SDL_MOUSEBUTTONDOWN, px(12.5), py(11.5), SDL_BUTTON_RIGHT);
             pousserSouris(SDL_MOUSEBUTTONUP, px(12.5), py(11.5), SDL_BUTTON_RIGHT);
             // The ball tool (top-right; second row on 640 pixels), then a cell.
             pousserClicAuCentre(607 + 16, 33 + 16);
           }},
          {"Obj : 255",
           [&] {
             pousserClicAuCentre(px(4.5), py(14.5));
             pousserClicAuCentre(97 + 16, 480 - 33 + 16);  // save
           }},
          {"Sauvegarde de tout", [&] { pousserClicAuCentre(129 + 16, 480 - 33 + 16); }},  // quit
          {"new confirm", [&] { pousserClicAuCentre(xBouton(1), yBouton(60)); }},         // "No"
      });
  EXPECT_FALSE(quitte);
  const std::vector<Niveau> n = relire();
  ASSERT_EQ(n.size(), 2u);
  EXPECT_EQ(n[0].lireCase(10, 10), 7);
  EXPECT_EQ(n[0].lireCase(11, 10), 7);
  EXPECT_EQ(n[0].lireCase(12, 10), 7);
  EXPECT_EQ(n[0].lireCase(10, 11), Vide);
  EXPECT_EQ(n[0].lireCase(11, 11), Vide);
  EXPECT_EQ(n[0].lireCase(12, 11), 7);
  for (int col = 0; col < 30; ++col) EXPECT_EQ(n[0].lireCase(col, 2), Brique) << col;
  EXPECT_FLOAT_EQ(n[0].departX, 4.5f);
  EXPECT_FLOAT_EQ(n[0].departY, 14.5f);
  EXPECT_EQ(n[1].grille, niveauEssai().grille);
  EXPECT_FALSE(recuperationExiste(chemin_));
}

// Every dialog opened and closed through its buttons, the colour chooser twice (ASan watches
// the deletions, each a frame after its button); the properties reach the level only through OK.
TEST_F(EcranEditeur, ChaqueDialogue) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai()}));
  auto commande = [](int x) { pousserClicAuCentre(x + 16, 480 - 33 + 16); };
  const std::string fermeture = "Fermeture dialogue";
  const bool quitte = editer(
      chemin_,
      {
          {"Chargement de tout",
           [&] {
             commande(1);
             pousserClicAuCentre(xBouton(1), yBouton(60));
           }},  // add, after
          {fermeture,
           [&] {
             commande(33);
             pousserClicAuCentre(xBouton(0), yBouton(60));
           }},  // delete, OK
          {fermeture,
           [&] {
             commande(33);
             pousserClicAuCentre(xBouton(1), yBouton(60));
           }},  // delete, Ann
          {fermeture,
           [&] {
             commande(65);
             pousserClicAuCentre(330, 350);
           }},  // properties, lower-left corner
          {"formcolor for #2",
           [&] {
             pousserClicAuCentre(250, 150);
             pousserClicAuCentre(xBouton(0), yBouton(300));
           }},
          {fermeture, [&] { pousserClicAuCentre(460, 265); }},  // upper-right corner
          {"formcolor for #1", [&] { pousserClicAuCentre(xBouton(1), yBouton(300)); }},  // Annuler
          {fermeture, [&] { pousserClicAuCentre(xBouton(0), yBouton(300)); }},  // properties OK
          {fermeture,
           [&] {
             commande(129);
             pousserClicAuCentre(xBouton(2), yBouton(60));
           }},  // quit, Ret
          {fermeture,
           [&] {
             commande(129);
             pousserClicAuCentre(xBouton(0), yBouton(60));
           }},  // quit, Oui
      });
  EXPECT_FALSE(quitte);
  EXPECT_TRUE(contient("Modif niv 1"));
  const std::vector<Niveau> n = relire();
  ASSERT_EQ(n.size(), 1u);  // one added, then deleted
  EXPECT_EQ(n[0].grille, niveauEssai().grille);
  const Niveau gris;
  bool change = false;
  for (int i = 0; i < 3; ++i)
    change |= std::fabs(n[0].couleurs[1][i] - gris.couleurs[1][i]) > 0.01f;
  EXPECT_TRUE(change) << "the bottom-left corner took the chosen colour";
  for (int k : {0, 2, 3})
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(n[0].couleurs[k][i], gris.couleurs[k][i], 0.01f) << k;
}

// Closing the window ends the editor without saving; the edits wait in the recovery copy, which
// the next opening offers back.
TEST_F(EcranEditeur, FermetureEtCopieDeSecours) {
  ecrireFichierTest(chemin_, octetsFichier({niveauEssai()}));
  const std::string avant = lireFichierTest(chemin_);
  EXPECT_TRUE(editer(
      chemin_, {
                   {"Chargement de tout", [&] { pousserClicAuCentre(1 + 32 + 16, 17); }},  // tool 1
                   {"Obj : 1",
                    [&] {
                      pousserClicAuCentre(px(10.5), py(10.5));
                      pousserFermeture();
                    }},
               }));
  EXPECT_EQ(lireFichierTest(chemin_), avant);
  ASSERT_TRUE(recuperationExiste(chemin_));
  EXPECT_TRUE(contient("Copie de secours : " + cheminRecuperation(chemin_)));

  EXPECT_FALSE(editer(
      chemin_,
      {
          {"Copie de secours trouvée",
           [&] { pousserClicAuCentre(xBouton(0), yBouton(60)); }},  // Oui
          {"Copie de secours chargée",
           [&] { pousserClicAuCentre(97 + 16, 480 - 33 + 16); }},                         // save
          {"Sauvegarde de tout", [&] { pousserClicAuCentre(129 + 16, 480 - 33 + 16); }},  // quit
          {"new confirm", [&] { pousserClicAuCentre(xBouton(1), yBouton(60)); }},         // No
      }));
  EXPECT_EQ(relire()[0].lireCase(10, 10), Brique);
  EXPECT_FALSE(recuperationExiste(chemin_));
}

// Only the player's files open; a missing one returns to the menu at once.
TEST_F(EcranEditeur, FichiersRefuses) {
  const std::string livre = repertoires->chemin("mapsoff/logom.map");
  std::filesystem::create_directories(repertoires->chemin("mapsoff/"));
  ecrireFichierTest(livre, octetsFichier({niveauEssai()}));
  EXPECT_FALSE(editer(livre, {}));
  EXPECT_TRUE(contient("non modifiable"));
  EXPECT_FALSE(editer(repertoires->chemin("mapsusr/absent.map"), {}));
  EXPECT_TRUE(contient("inexistant ou défectueux"));
}

// Painting on a large level rebuilds only the tiles of brick arrays around the painted cell.
TEST_F(EcranEditeur, UneCasePeinteRefaitSesTuiles) {
  InstantaneTerrain t;
  t.largeur = t.hauteur = 255;
  t.grille.assign(255 * 255, Brique);
  t.camera.suivre = false;
  t.camera.oeilX = t.camera.centreX = t.camera.oeilY = t.camera.centreY = 100;
  auto dessiner = [&] {
    appliquerCamera(t.camera, ratioFenetre());
    dessinerScene(t, 16, reglagesScene());
  };
  dessiner();
  const uint32_t tuiles = tuilesConstruitesBriquesCache();
  const uint32_t constructions = constructionsBriquesCache();
  struct Cas {
    int c, r;
    uint32_t tuiles;
  };
  const Cas cas[] = {{100, 100, 1}, {63, 100, 2}, {64, 64, 3}, {0, 0, 1}, {254, 254, 1}};
  uint32_t attendu = tuiles;
  for (const Cas& k : cas) {
    t.grille[static_cast<size_t>(k.r * 255 + k.c)] = Vide;
    dessiner();
    attendu += k.tuiles;
    EXPECT_EQ(tuilesConstruitesBriquesCache(), attendu) << k.c << "," << k.r;
  }
  dessiner();  // nothing changed: nothing rebuilt
  EXPECT_EQ(tuilesConstruitesBriquesCache(), attendu);
  EXPECT_EQ(constructionsBriquesCache(), constructions + 5);
}

}  // namespace
