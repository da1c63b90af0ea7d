// The play keys the player binds on the options screen, read from a keyboard state.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "game/manette.h"
#include "game/touches.h"
#include "platform/options.h"

namespace {

TEST(Touches, LesTouchesDesOptionsEtLeursDefauts) {
  std::vector<uint8_t> etat(SDLK_LAST, 0);
  Options o;
  const struct {
    const char* nom;
    std::vector<int> tenues;
    bool gauche, droite, bombe;
  } parDefaut[] = {
      {"fleches", {SDLK_LEFT, SDLK_RIGHT}, true, true, false},
      {"espace", {SDLK_SPACE}, false, false, true},
      {"lettres sans effet", {SDLK_a, SDLK_d}, false, false, false},
  };
  for (const auto& c : parDefaut) {
    std::fill(etat.begin(), etat.end(), 0);
    for (int s : c.tenues) etat[s] = 1;
    const Touches t = lireClavier(etat.data(), static_cast<int>(etat.size()), o);
    EXPECT_EQ(t.gauche, c.gauche) << c.nom;
    EXPECT_EQ(t.droite, c.droite) << c.nom;
    EXPECT_EQ(t.espace, c.bombe) << c.nom;
  }
  // Rebound: A / D / left Ctrl play, the arrows no longer do.
  o.ToucheGauche = SDLK_a;
  o.ToucheDroite = SDLK_d;
  o.ToucheBombe = SDLK_LCTRL;
  std::fill(etat.begin(), etat.end(), 0);
  etat[SDLK_LEFT] = etat[SDLK_d] = etat[SDLK_LCTRL] = 1;
  Touches t = lireClavier(etat.data(), static_cast<int>(etat.size()), o);
  EXPECT_FALSE(t.gauche);
  EXPECT_TRUE(t.droite);
  EXPECT_TRUE(t.espace);
  // A hand-edited value that is no key falls back to the default, never out of the array.
  o.ToucheGauche = -3;
  o.ToucheDroite = 1 << 20;
  o.ToucheBombe = 0;
  etat[SDLK_LEFT] = etat[SDLK_RIGHT] = etat[SDLK_SPACE] = 1;
  t = lireClavier(etat.data(), static_cast<int>(etat.size()), o);
  EXPECT_TRUE(t.gauche && t.droite && t.espace);
  EXPECT_EQ(toucheDe(ActionJeu::Droite, o), SDLK_RIGHT);
  // A state shorter than the key: not held.
  o.ToucheGauche = SDLK_z;
  t = lireClavier(etat.data(), SDLK_z, o);
  EXPECT_FALSE(t.gauche);
}

TEST(Touches, DefautsDesActions) {
  EXPECT_EQ(toucheParDefaut(ActionJeu::Gauche), SDLK_LEFT);
  EXPECT_EQ(toucheParDefaut(ActionJeu::Droite), SDLK_RIGHT);
  EXPECT_EQ(toucheParDefaut(ActionJeu::Bombe), SDLK_SPACE);
  EXPECT_EQ(toucheParDefaut(ActionJeu::Recommencer), SDLK_r);
  EXPECT_EQ(toucheParDefaut(ActionJeu::Pause), SDLK_ESCAPE);
  EXPECT_STREQ(cleOptionTouche(ActionJeu::Recommencer), "ToucheRecommencer");
  Options o;
  for (int i = 0; i < NombreActionsJeu; ++i) {
    const auto a = static_cast<ActionJeu>(i);
    EXPECT_EQ(o.valeurCle(cleOptionTouche(a)), std::to_string(toucheParDefaut(a)));
  }
}

}  // namespace

namespace {

TEST(Manette, StickCroixEtBoutons) {
  const struct {
    const char* nom;
    EtatManette e;
    bool gauche, droite, bombe;
  } cas[] = {
      {"au repos", {}, false, false, false},
      {"stick qui derive", {-7000, 0, false}, false, false, false},
      {"stick a gauche", {-20000, 0, false}, true, false, false},
      {"stick a droite", {32767, 0, false}, false, true, false},
      {"croix gauche", {0, SDL_HAT_LEFT, false}, true, false, false},
      {"croix en diagonale", {0, SDL_HAT_RIGHTUP, false}, false, true, false},
      {"bouton bombe", {0, 0, true}, false, false, true},
  };
  for (const auto& c : cas) {
    const Touches t = touchesManette(c.e);
    EXPECT_EQ(t.gauche, c.gauche) << c.nom;
    EXPECT_EQ(t.droite, c.droite) << c.nom;
    EXPECT_EQ(t.espace, c.bombe) << c.nom;
  }
  Touches clavier;
  clavier.gauche = true;
  Touches pad;
  pad.espace = true;
  const Touches t = combiner(clavier, pad);
  EXPECT_TRUE(t.gauche && t.espace && !t.droite);

  EXPECT_EQ(sensBoutonManette(0), BoutonManette::Entree);
  EXPECT_EQ(sensBoutonManette(7), BoutonManette::Pause);
  EXPECT_EQ(sensBoutonManette(9), BoutonManette::Pause);
  EXPECT_EQ(sensBoutonManette(3), BoutonManette::Rien);
  // No pad here: at rest.
  const EtatManette repos = lireManette();
  EXPECT_EQ(repos.axeX, 0);
  EXPECT_FALSE(repos.boutonBombe);
}

// The first button pressed to start (or retry) a level is still held on the first steps: no bomb
// until it has been let go once in play; outside play it is never the bomb.
TEST(Manette, LeBoutonQuiLanceNePosePasDeBombe) {
  struct {
    bool enJeu, bouton, bombe;
  } frames[] = {
      {false, true, false},                        // A on the waiting screen: Enter
      {true, true, false},                         // the level runs, A still held from the start
      {true, true, false},  {true, false, false},  // let go
      {true, true, true},                          // pressed in play: a bomb
      {true, true, true},   {false, true, false},  // the result: never a bomb
      {true, true, false},                         // retried with A: held again from the retry
      {true, false, false}, {true, true, true},
  };
  BombeManette filtre;
  int i = 0;
  for (const auto& f : frames)
    EXPECT_EQ(filtre.filtrer(f.enJeu, f.bouton), f.bombe) << "frame " << i++;
}

}  // namespace
