// A finished file's summary in a real window: each level's line in the log, and how the player
// leaves it (Enter, Escape, the "Next file" button, the window closed).
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pilote_sdl.h"
#include "rendu_commun.h"
#include "screens/bilan_fichier.h"

namespace {

class EcranBilan : public FenetreRendu {
 protected:
  void SetUp() override {
    FenetreRendu::SetUp();
    ouvrir(640, 480);
    services_ = std::make_unique<ServicesEcran>(640, 480, ServicesEcran::AvecJeu);
  }
  void TearDown() override {
    services_.reset();
    FenetreRendu::TearDown();
  }
  std::unique_ptr<ServicesEcran> services_;
};

TEST_F(EcranBilan, CommentLeJoueurEnSort) {
  // Two levels: the first won in gold, the second not won (reached through the chooser).
  EtatFichier etat;
  etat.nom = "court.map";
  etat.total = 2;
  etat.records = {{1, 50}};
  etat.objectifs = {{1, Objectifs{60}}, {2, Objectifs{60}}};
  // The "Next file" button: the panel is centred on 120 + 26 pixels a level, the buttons at its
  // bottom, the first one 10 pixels in from its left.
  const int hauteur = 120 + 26 * 2;
  const int yBoutons = 480 / 2 - hauteur / 2 + 34 + 26 * 2 + 6 + 24 + 30;
  const struct Cas {
    const char* nom;
    bool suivantExiste;
    std::function<void()> action;
    ChoixBilan attendu;
  } cas[] = {
      {"Entree, un fichier suit", true, [] { pousserTouche(SDLK_RETURN); },
       ChoixBilan::FichierSuivant},
      {"Entree, aucun ne suit", false, [] { pousserTouche(SDLK_KP_ENTER); }, ChoixBilan::Menu},
      {"Echap", true, [] { pousserTouche(SDLK_ESCAPE); }, ChoixBilan::Menu},
      {"bouton du fichier suivant", true,
       [yBoutons] { pousserClic(640 / 2 - 230 + 110, yBoutons + 10); }, ChoixBilan::FichierSuivant},
      {"fenetre fermee", true, [] { pousserFermeture(); }, ChoixBilan::Fenetre},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    std::vector<std::string> lignes;
    ChoixBilan choix = ChoixBilan::Menu;
    lancerAvecReactions({{"Bilan total", c.action}}, OrdreReactions::Strict, lignes, [&] {
      choix = montrerBilan(etat, c.suivantExiste);
      return false;
    });
    EXPECT_EQ(choix, c.attendu);
    const std::vector<std::string> attendues = {
        "Bilan du fichier court", "Bilan niveau 1 : 0.50 s, médaille or",
        "Bilan niveau 2 : non gagné", "Bilan total : 0.50 s"};
    size_t i = 0;
    for (const std::string& l : lignes)
      if (i < attendues.size() && l == attendues[i]) ++i;
    EXPECT_EQ(i, attendues.size())
        << "missing in order: " << attendues[std::min(i, attendues.size() - 1)];
  }
}

}  // namespace
