// The editor's pointer comforts without a window: the rectangle a Shift + drag paints, the region
// a Ctrl + click fills, the view a middle-drag pans, the buttons' tooltips.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "editor/etat_editeur.h"
#include "editor/infobulles_editeur.h"
#include "editor/regles_editeur.h"
#include "editor/vue_editeur.h"
#include "editor/souris_editeur.h"
#include "fixtures.h"
#include "grilles_test.h"
#include "gui_commun.h"
#include "levels/texte_niveaux.h"

namespace {

using Cases = std::vector<std::pair<int, int>>;

// The level's grid as text rows, after the cells were painted with `outil`.
std::vector<std::string> peint(Niveau n, uint8_t outil, const Cases& cases) {
  for (const auto& [c, l] : cases) appliquerOutil(n, outil, c, l);
  std::vector<std::string> lignes(static_cast<size_t>(n.hauteur));
  for (int l = 0; l < n.hauteur; ++l)
    for (int c = 0; c < n.largeur; ++c)
      lignes[static_cast<size_t>(l)] += caractereDessine(n.lireCase(c, l));
  return lignes;
}

}  // namespace

TEST(ConfortEditeur, RectangleEntreAppuiEtRelache) {
  struct Cas {
    const char* nom;
    int c0, l0, c1, l1;
    Cases attendu;
  };
  const Cas cas[] = {
      {"une case", 2, 3, 2, 3, {{2, 3}}},
      {"haut-gauche vers bas-droite", 1, 1, 2, 2, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
      {"bas-droite vers haut-gauche", 2, 2, 1, 1, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
      {"une ligne", 3, 0, 0, 0, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {"coupe au bord", -2, 3, 1, 9, {{0, 3}, {1, 3}, {0, 4}, {1, 4}}},
      {"tout dehors", 6, 0, 9, 2, {}},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(casesRectangle(c.c0, c.l0, c.c1, c.l1, 5, 5), c.attendu) << c.nom;
  EXPECT_EQ(casesRectangle(0, 0, 254, 254, 255, 255).size(), 255u * 255u);
}

TEST(ConfortEditeur, RemplissageDeLaRegion) {
  Niveau n;
  const std::vector<std::string> grille = {
      "..#..", "..#..", "###..", "...#.", "..#..",
  };
  dessinerTerrain(n, grille, 0.5f, 0.5f);
  struct Cas {
    const char* nom;
    uint8_t outil;
    int c, l;
    std::vector<std::string> attendu;
  };
  const Cas cas[] = {
      // The walls bound the region; cells touching by a corner only are not joined.
      {"coin fermé", Brique, 0, 0, {"###..", "###..", "###..", "...#.", "..#.."}},
      {"région par les côtés", Brique, 4, 0, {"..###", "..###", "#####", "...##", "..###"}},
      {"passage en diagonale fermé", Brique, 0, 3, {"..#..", "..#..", "###..", "####.", "###.."}},
      {"les briques elles-mêmes", Vide, 2, 2, {".....", ".....", ".....", "...#.", "..#.."}},
      {"brique isolée", Vide, 3, 3, {"..#..", "..#..", "###..", ".....", "..#.."}},
      {"déjà de ce code : rien", Brique, 2, 0, grille},
      {"outil balle : rien", OutilBalle, 0, 0, grille},
      {"hors du niveau : rien", Brique, 5, 0, grille},
      {"hors du niveau, négatif : rien", Brique, -1, 2, grille},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(peint(n, c.outil, casesRemplissage(n, c.outil, c.c, c.l)), c.attendu) << c.nom;
  // Each cell once.
  EXPECT_EQ(casesRemplissage(n, Brique, 4, 0).size(), 9u);
}

TEST(ConfortEditeur, RemplissageDUnGrandNiveauRapide) {
  Niveau n;
  n.largeur = n.hauteur = 255;
  n.grille.assign(255u * 255u, Vide);
  // A comb of walls: the region winds through every row, the deepest a search can go.
  for (int l = 1; l < 255; l += 2)
    for (int c = 0; c < 255; ++c)
      n.grille[static_cast<size_t>(l) * 255 + static_cast<size_t>(c)] =
          (l % 4 == 1 ? c < 254 : c > 0) ? Brique : Vide;
  const auto debut = std::chrono::steady_clock::now();
  const Cases vide = casesRemplissage(n, Casse, 0, 0);
  const Cases sansGrille = casesRemplissage(Niveau(), Brique, 0, 0);  // a level without its cells
  n.grille.assign(255u * 255u, Vide);
  const Cases tout = casesRemplissage(n, Brique, 100, 100);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - debut)
                      .count();
  EXPECT_EQ(vide.size(), 128u * 255u + 127u * 1u);  // the even rows and one gap per wall
  EXPECT_TRUE(sansGrille.empty());
  EXPECT_EQ(tout.size(), 255u * 255u);
  EXPECT_LT(ms, 1000) << "three fills of a 255 x 255 level";
}

TEST(ConfortEditeur, GlisserLaVue) {
  Camera k;
  k.oeilZ = -15.0f;
  k.centreX = 10.0f;
  k.centreY = 10.0f;
  // At 15 cells from the eye a 480-pixel window is 2 tan(30) x 15 = 17.32 cells high.
  const float parPixel = 2.0f * 0.57735027f * 15.0f / 480.0f;
  glisserVue(k, 30, 30, 48, -96, 480);
  EXPECT_NEAR(k.centreX, 10.0f - 48 * parPixel, 1e-4);  // the board follows the pointer
  EXPECT_NEAR(k.centreY, 10.0f + 96 * parPixel, 1e-4);
  glisserVue(k, 30, 30, 0, 0, 480);
  EXPECT_NEAR(k.centreX, 10.0f - 48 * parPixel, 1e-4);
  // Kept inside the level, as the scrolling keeps it; no window height, no move.
  glisserVue(k, 30, 30, -100000, 100000, 480);
  EXPECT_FLOAT_EQ(k.centreX, 29.8f);
  EXPECT_FLOAT_EQ(k.centreY, 0.2f);
  glisserVue(k, 30, 30, 500, 500, 0);
  EXPECT_FLOAT_EQ(k.centreX, 29.8f);
}

// The editor's state on a manager without a window.
class EditeurConfort : public GuiSansFenetre {};

// Every tool and command button has its tooltip (the translator is absent: the keys show), and
// the pointer resting on one shows it.
TEST_F(EditeurConfort, ChaqueBoutonASonInfobulle) {
  DossierTemporaire dossier;
  EtatEditeur etat(dossier / "infobulles.map", {nouveauNiveau()}, 640, 480);
  poserInfobulles(etat);
  std::vector<std::string> vues;
  for (int code = 0; code < NombreOutilsCases; ++code) {
    ASSERT_NE(etat.boutonOutil(code), nullptr) << code;
    vues.push_back(etat.boutonOutil(code)->zone()->infobulle());
  }
  // Each tool's text names the key that picks it.
  EXPECT_EQ(vues[1], "[1] InfoBrique (InfoGestes)");
  EXPECT_EQ(vues[19], "[j] InfoBlocDeux (InfoGestes)");
  EXPECT_EQ(etat.boutonOutil(OutilBalle)->zone()->infobulle(), "[p] InfoBalle");
  for (int c : {CmdAjouter, CmdSupprimer, CmdProprietes, CmdSauver, CmdQuitter}) {
    ASSERT_NE(etat.boutonCommande(c), nullptr) << c;
    vues.push_back(etat.boutonCommande(c)->zone()->infobulle());
  }
  EXPECT_EQ(etat.boutonCommande(CmdSauver)->zone()->infobulle(), "InfoSauver");
  vues.push_back(etat.boutonAnnuler()->zone()->infobulle());
  vues.push_back(etat.boutonRefaire()->zone()->infobulle());
  EXPECT_EQ(vues.back(), "InfoRefaire");
  // All different: no button borrows another's text.
  std::vector<std::string> triees = vues;
  std::sort(triees.begin(), triees.end());
  EXPECT_EQ(std::unique(triees.begin(), triees.end()), triees.end());

  const ZoneGUI* sauver = etat.boutonCommande(CmdSauver)->zone();
  souris(sauver->x + 5, sauver->y + 5, false, 100);
  EXPECT_EQ(g_->zoneInfobulle(100 + Gui::DelaiInfobulle), sauver);
}

// The pointer leaving the window takes the highlight away; coming back (a motion) brings it.
TEST_F(EditeurConfort, PointeurHorsDeLaFenetre) {
  DossierTemporaire dossier;
  EtatEditeur etat(dossier / "dehors.map", {nouveauNiveau()}, 640, 480);
  InstantaneTerrain vue;
  SourisEditeur souris;
  EXPECT_TRUE(souris.dansFenetre());
  SDL_Event e{};
  e.type = SDL_ACTIVEEVENT;
  e.active.state = SDL_APPINPUTFOCUS;  // the keyboard's focus: not the pointer
  e.active.gain = 0;
  souris.evenement(e, etat, vue);
  EXPECT_TRUE(souris.dansFenetre());
  e.active.state = SDL_APPMOUSEFOCUS;
  souris.evenement(e, etat, vue);
  EXPECT_FALSE(souris.dansFenetre());
  e.active.gain = 1;
  souris.evenement(e, etat, vue);
  EXPECT_TRUE(souris.dansFenetre());
}
