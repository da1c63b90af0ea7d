// The play screen in a real window, driven by SDL events pushed when given log lines appear
// (never by waiting): Enter, the quit button, the two codes, the window closed, and the log of
// a two-level file in its order.
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "base/traducteur.h"
#include "game/cases.h"
#include "game/manette.h"
#include "game/donnees_action.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "levels/progression.h"
#include "../unit/grilles_test.h"
#include "pilote_sdl.h"
#include "render/shaders.h"
#include "rendu_commun.h"
#include "screens/jeu.h"

namespace {

// A press of the pad's button `bouton`, as SDL reports it.
void pousserBoutonManette(int bouton) {
  SDL_Event e{};
  e.type = SDL_JOYBUTTONDOWN;
  e.jbutton.button = static_cast<Uint8>(bouton);
  e.jbutton.state = SDL_PRESSED;
  SDL_PushEvent(&e);
}

// A level where the ball, let go, falls straight into the goal under it.
Niveau niveauChute() {
  Niveau n;
  dessinerTerrain(n, {"@@@", "@.@", "@.@", "@.@", "@W@", "@@@"}, 1.5f, 1.5f);
  return n;
}

// The seconds a text ends with ("... 0.57 s"), or "" without.
std::string secondesFinales(const std::string& texte) {
  const size_t fin = texte.rfind(" s");
  if (fin == std::string::npos || fin == 0) return "";
  const size_t debut = texte.rfind(' ', fin - 1);
  return texte.substr(debut + 1, fin - debut - 1);
}

void pousserCode(char lettre) {
  pousserTouche(static_cast<SDLKey>(lettre), KMOD_NONE, static_cast<uint16_t>(lettre));
  pousserTouche(SDLK_F11);
}

// A level where the ball rests on the floor, out of reach of anything.
Niveau niveauCalme(int bombes) {
  Niveau n;
  n.largeur = 9;
  n.hauteur = 5;
  n.grille.assign(45, Vide);
  for (int c = 0; c < 9; ++c) n.grille[4 * 9 + c] = Blinde;
  n.grille[4 * 9 + 8 - 9] = Win;  // far from the ball
  n.departX = 1.5f;
  n.departY = 3.5f;
  n.bombes = bombes;
  return n;
}

class EcranJeu : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(640, 480);
    // Two tracks that the simulated player never decodes.
    std::filesystem::create_directories(d_ / "data/ziks");
    ecrireFichierTest(d_ / "data/ziks/a.ogg", "");
    ecrireFichierTest(d_ / "data/ziks/b.ogg", "");
    services_ = std::make_unique<ServicesEcran>(640, 480, ServicesEcran::AvecJeu);
  }
  void TearDown() override {
    services_.reset();
    FenetreRendu::TearDown();
  }

  // A level file of these levels, in the test's directory.
  std::string fichier(const std::vector<Niveau>& niveaux) {
    const std::string chemin = d_ / "essai.map";
    ecrireFichierTest(chemin, octetsFichier(niveaux));
    return chemin;
  }

  // Plays `chemin`; each time a log line contains a key of `reactions` (the n-th time for the
  // n-th reaction of that key), its action runs on the spot.
  bool jouer(const std::string& chemin, Reactions reactions) {
    return lancerAvecReactions(std::move(reactions), OrdreReactions::PremiereTrouvee, lignes_,
                               [&chemin] { return jouerFichier(chemin); });
  }
  int compter(const std::string& ligne) const {
    int n = 0;
    for (const auto& l : lignes_) n += l == ligne;
    return n;
  }
  bool contientPartie(const std::string& morceau) const {
    for (const auto& l : lignes_)
      if (l.find(morceau) != std::string::npos) return true;
    return false;
  }
  // The lines must appear in this order (others may come between them).
  ::testing::AssertionResult dansLOrdre(const std::vector<std::string>& attendues) const {
    size_t i = 0;
    for (const auto& a : attendues) {
      while (i < lignes_.size() && lignes_[i] != a) ++i;
      if (i == lignes_.size()) return ::testing::AssertionFailure() << "missing in order: " << a;
      ++i;
    }
    return ::testing::AssertionSuccess();
  }
  std::string texteZone(const std::string& debut) const {
    for (ZoneGUI* z : gui->zones())
      if (z && z->texte().rfind(debut, 0) == 0) return z->texte();
    return "";
  }

  std::unique_ptr<ServicesEcran> services_;
  std::vector<std::string>
      lignes_;  // only the main thread's callback and the joined action thread write it
};

TEST_F(EcranJeu, DeuxNiveauxGagnesDansLOrdreEtEntreeDeuxFois) {
  const std::string chemin = fichier({niveauCalme(0), niveauCalme(0)});
  auto gagner = [] {
    // Enter twice: the second does nothing before a result; then the win code.
    pousserTouche(SDLK_RETURN);
    pousserTouche(SDLK_KP_ENTER);
    pousserCode(LettreCodeGagne);
  };
  const bool quitte = jouer(chemin, {{"musicStart", gagner},
                                     {"English_gagne.png", [] { pousserTouche(SDLK_RETURN); }},
                                     {"musicStart", gagner},
                                     {"English_gagne.png", [] { pousserTouche(SDLK_RETURN); }}});
  EXPECT_FALSE(quitte);
  const std::vector<std::string> niveau = {
      "musicLoad",         "musicChange",       "musicStart", "Lancement du thread d'action",
      "Termine",           "unload result_tex", "musicStop",  "Attente fin thread...",
      "Thread arrete : 1", "Niveau terminé"};
  std::vector<std::string> attendues = {chemin + " joue", "LOAD " + chemin, chemin + " headok",
                                        "Chargement niveau"};
  attendues.insert(attendues.end(), niveau.begin(), niveau.end());
  attendues.push_back("Chargement niveau");
  attendues.insert(attendues.end(), niveau.begin(), niveau.end());
  attendues.push_back("Fichier terminé");
  EXPECT_TRUE(dansLOrdre(attendues));
  EXPECT_EQ(compter("Lancement du thread d'action"), 2);
  EXPECT_EQ(compter("Thread arrete : 1"), 2);
  // Two tracks listed, then "i/2", for each level.
  EXPECT_EQ(compter("ziks/a.ogg"), 2);
  for (const auto& l : lignes_)
    EXPECT_NE(l.rfind("D/", 0), 0u) << "a path the directories could not resolve: " << l;
  EXPECT_EQ(compter("0/2") + compter("1/2"), 2);
  // The last level: "Niveau terminé" is followed at once by the file's end.
  ASSERT_GE(lignes_.size(), 3u);
  EXPECT_EQ(lignes_.back(), "Fichier terminé");
  EXPECT_EQ(lignes_[lignes_.size() - 2].find("Unalloc particules"), 0u);
}

TEST_F(EcranJeu, QuitterAvantEntreeMontreLaDefaiteSansThread) {
  const std::string chemin = fichier({niveauCalme(0), niveauCalme(0)});
  // The button asks first; the second click leaves.
  const bool quitte = jouer(chemin, {{"musicStart", [] { pousserClic(640 - 25, 10); }},
                                     {"Quitter le niveau ?", [] { pousserClic(640 - 25, 10); }},
                                     {"English_perdu.png", [] { pousserTouche(SDLK_RETURN); }}});
  EXPECT_FALSE(quitte);
  EXPECT_EQ(compter("Niveau abandonné"), 1);
  EXPECT_TRUE(contientPartie("English_perdu.png"));
  EXPECT_EQ(compter("Lancement du thread d'action"), 0);
  EXPECT_FALSE(contientPartie("Thread arrete"));
  // Lost: the file ends after its first level.
  EXPECT_EQ(compter("Niveau terminé"), 1);
  EXPECT_TRUE(dansLOrdre({"Termine", "Niveau terminé", "Fichier terminé"}));
}

TEST_F(EcranJeu, CodeGagneAvantDepartPuisFenetreFermeeSurLeResultat) {
  const std::string chemin = fichier({niveauCalme(0), niveauCalme(0), niveauCalme(0)});
  const bool quitte = jouer(chemin, {{"musicStart", [] { pousserCode(LettreCodeGagne); }},
                                     {"English_gagne.png", [] { pousserTouche(SDLK_RETURN); }},
                                     {"musicStart", [] { pousserCode(LettreCodeGagne); }},
                                     {"English_gagne.png", pousserFermeture}});
  EXPECT_TRUE(quitte);
  EXPECT_EQ(compter("Gagne avec code"), 2);
  EXPECT_EQ(compter("Lancement du thread d'action"), 0);
  // The second level ends on the closed window, without Enter, and the third is never read.
  EXPECT_EQ(compter("Termine"), 1);
  EXPECT_EQ(compter("Niveau terminé"), 2);
  EXPECT_EQ(compter("Chargement niveau"), 2);
  EXPECT_EQ(lignes_.back(), "Fichier terminé");
}

TEST_F(EcranJeu, CodeBombeSeulementUneFoisLeNiveauLance) {
  const std::string chemin = fichier({niveauCalme(3)});
  std::string label;
  const bool quitte =
      jouer(chemin,
            {{"musicStart",
              [] {
                pousserCode(LettreCodeBombe);  // before the start: nothing
                pousserTouche(SDLK_RETURN);
                pousserCode(LettreCodeBombe);
                pousserTouche(SDLK_F11);  // the letter is kept: F11 repeats the code
                pousserCode(LettreCodeGagne);
              }},
             {"English_gagne.png", [] { pousserTouche(SDLK_RETURN); }},
             // The label stays until the thread has ended; it shows the frame copy's count.
             {"Attente fin thread...", [&] { label = texteZone(traducteur->traduire("Bomb")); }}});
  EXPECT_FALSE(quitte);
  EXPECT_EQ(compter("Bombe avec code"), 2);
  EXPECT_EQ(label, traducteur->traduire("Bomb") + "5");
}

TEST_F(EcranJeu, FichierDisparuOuSansNiveau) {
  EXPECT_FALSE(jouer(d_ / "disparu.map", {}));
  EXPECT_TRUE(
      contientPartie("***** Erreur : Fichier " + d_ / "disparu.map" + " inexistant ou défectueux"));
  // A header without a level: the file ends at once.
  const std::string vide = d_ / "vide.map";
  ecrireFichierTest(vide, octetsFichier({}));
  EXPECT_FALSE(jouer(vide, {}));
  EXPECT_TRUE(dansLOrdre({vide + " headok", "Fichier terminé"}));
  EXPECT_EQ(compter("musicStart"), 0);
}

// The pad's first button starts the level (Enter on the waiting screen); the same button
// pressed right as the level is won was meant as a bomb and leaves the result on screen. Only a
// later confirmation ends the level.
TEST_F(EcranJeu, LeBoutonDeLaManetteAuMomentDeLaVictoireLaisseLeResultat) {
  const std::string chemin = fichier({niveauCalme(0)});
  int terminesAvantEntree = -1;
  const bool quitte =
      jouer(chemin, {{"musicStart",
                      [] {
                        pousserBoutonManette(BoutonManetteEntree);
                        pousserCode(LettreCodeGagne);
                        pousserBoutonManette(BoutonManetteEntree);
                        pousserTouche(SDLK_F11);  // the code again: a line to react on
                      }},
                     {"Gagne avec code", [] {}},
                     {"Gagne avec code", [&] {
                        terminesAvantEntree = compter("Termine");
                        pousserTouche(SDLK_RETURN);
                      }}});
  EXPECT_FALSE(quitte);
  EXPECT_EQ(compter("Lancement du thread d'action"), 1);
  EXPECT_EQ(terminesAvantEntree, 0);
  EXPECT_EQ(compter("Termine"), 1);
}

// The running time on the info line stops where the result's time does.
TEST_F(EcranJeu, LeTempsQuiCourtEtLeResultatSAccordent) {
  const std::string chemin = fichier({niveauChute()});
  std::string infos, temps;
  const bool quitte = jouer(chemin, {{"musicStart", [] { pousserTouche(SDLK_RETURN); }},
                                     {"English_gagne.png", [] { pousserTouche(SDLK_ESCAPE); }},
                                     {"Retour au menu", [&] {
                                        infos = texteZone("essai");
                                        temps = texteZone(traducteur->traduire("Temps"));
                                      }}});
  EXPECT_FALSE(quitte);
  ASSERT_FALSE(secondesFinales(infos).empty()) << infos;
  const std::string prefixe = traducteur->traduire("Temps") + secondesFinales(infos) + " s";
  EXPECT_EQ(temps.rfind(prefixe, 0), 0u) << infos << " | " << temps;
}

// A hint's replay runs its clock like the player's, and once the level is back waiting for
// Enter no bomb count is left on screen.
TEST_F(EcranJeu, LIndiceFaitCourirLeTempsEtNeLaissePasLesBombes) {
  std::filesystem::create_directories(d_ / "data/mapsoff/solutions");
  ecrireFichierTest(d_ / "data/mapsoff/solutions/essai-1.txt", "0 -\n");
  const std::string chemin = fichier({niveauChute()});
  std::string infosIndice, bombesRendu = "?";
  std::string pasIndice;
  const bool quitte =
      jouer(chemin, {{"musicStart", [] { pousserTouche(SDLK_ESCAPE); }},
                     {"Indice disponible", [] { pousserTouche(SDLK_h, KMOD_NONE, 'h'); }},
                     {"Démonstration gagnée au pas ",
                      [&] {
                        infosIndice = texteZone("essai");
                        pasIndice = lignes_.back().substr(lignes_.back().rfind(' ') + 1);
                      }},
                     {"Niveau rendu", [&] {
                        bombesRendu = texteZone(traducteur->traduire("Bomb"));
                        pousserFermeture();
                      }}});
  EXPECT_TRUE(quitte);
  ASSERT_FALSE(pasIndice.empty());
  EXPECT_EQ(secondesFinales(infosIndice), texteSecondes(std::stoul(pasIndice))) << infosIndice;
  EXPECT_EQ(bombesRendu, "");
}

// A win by the code goes on to the next level but is no time of the player's: no time line, and
// nothing in the progress file.
TEST_F(EcranJeu, LaVictoireParCodeNEstPasEnregistree) {
  const std::string chemin = fichier({niveauCalme(0), niveauCalme(0)});
  std::string temps = "?";
  const bool quitte = jouer(
      chemin, {{"musicStart", [] { pousserCode(LettreCodeGagne); }},
               {"English_gagne.png", [] { pousserTouche(SDLK_ESCAPE); }},
               {"Retour au menu", [&] { temps = texteZone(traducteur->traduire("Temps")); }}});
  EXPECT_FALSE(quitte);
  EXPECT_EQ(temps, "");
  EXPECT_FALSE(contientPartie("meilleur"));
  EXPECT_TRUE(contientPartie("Victoire avec code"));
  EXPECT_TRUE(lireEtatFichier(chemin, progressionJoueur()).records.empty());
}

}  // namespace
