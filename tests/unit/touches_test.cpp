// The play keys the player binds on the options screen, read from a keyboard state.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "game/manette.h"
#include "game/touches.h"
#include "platform/options.h"
#include "platform/touches_options.h"
#include "fixtures.h"

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
  EXPECT_EQ(toucheParDefaut(ActionJeu::Indice), SDLK_h);
  EXPECT_EQ(toucheParDefaut(ActionJeu::Apercu), SDLK_TAB);
  EXPECT_STREQ(cleOptionTouche(ActionJeu::Apercu), "ToucheApercu");
  EXPECT_STREQ(cleOptionTouche(ActionJeu::Indice), "ToucheIndice");
  EXPECT_STREQ(cleOptionTouche(ActionJeu::Recommencer), "ToucheRecommencer");
  Options o;
  for (int i = 0; i < NombreActionsJeu; ++i) {
    const auto a = static_cast<ActionJeu>(i);
    EXPECT_EQ(o.valeurCle(cleOptionTouche(a)), std::to_string(toucheParDefaut(a)));
  }
}

// One key, one action: what the options screen lets an action take beside the others' keys.
TEST(Touches, UneToucheUneAction) {
  const int G = 0, B = 2, R = 3, P = 4, I = 5;
  const struct {
    const char* nom;
    int action;
    int32_t touche;
    VerdictTouche verdict;
    int autre;
  } cas[] = {
      {"libre", B, SDLK_b, VerdictTouche::Libre, -1},
      {"la sienne", B, SDLK_SPACE, VerdictTouche::Libre, -1},
      {"espace du recommencer", R, SDLK_SPACE, VerdictTouche::Prise, B},
      {"la fleche du gauche", I, SDLK_LEFT, VerdictTouche::Prise, G},
      {"h de l'indice", P, SDLK_h, VerdictTouche::Prise, I},
      {"entree en pause", P, SDLK_RETURN, VerdictTouche::Reservee, -1},
      {"entree du pave", R, SDLK_KP_ENTER, VerdictTouche::Reservee, -1},
      {"echap en bombe", B, SDLK_ESCAPE, VerdictTouche::Reservee, -1},
      {"echap en pause", P, SDLK_ESCAPE, VerdictTouche::Libre, -1},
      {"retour arriere en indice", I, SDLK_BACKSPACE, VerdictTouche::Reservee, -1},
      {"retour arriere en recommencer", R, SDLK_BACKSPACE, VerdictTouche::Libre, -1},
  };
  const Options o;
  int32_t touches[NombreTouchesJeu];
  for (int a = 0; a < NombreTouchesJeu; ++a) touches[a] = toucheJeu(o, a);
  for (const auto& c : cas) {
    int autre = -1;
    EXPECT_EQ(jugerTouche(touches, c.action, c.touche, &autre), c.verdict) << c.nom;
    EXPECT_EQ(autre, c.autre) << c.nom;
  }
}

// A hand-edited file that gives one key to two actions, or a reserved key to one, is mended
// when it is read, each change in the log; the first action keeps a key it shares.
TEST(Touches, FichierEnConflitReparALaLecture) {
  const struct {
    const char* nom;
    const char* lignes;
    int32_t gauche, droite, bombe, recommencer, pause, indice;
    std::vector<std::string> journal;
  } cas[] = {
      {"sain",
       "ToucheBombe=98\nTouchePause=112\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_b,
       SDLK_r,
       SDLK_p,
       SDLK_h,
       {}},
      {"espace en double",
       "ToucheRecommencer=32\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_SPACE,
       SDLK_r,
       SDLK_ESCAPE,
       SDLK_h,
       {"Options : ToucheRecommencer = 32 déjà prise par ToucheBombe, remise à 114"}},
      {"entree en pause",
       "TouchePause=13\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_SPACE,
       SDLK_r,
       SDLK_ESCAPE,
       SDLK_h,
       {"Options : TouchePause = 13 refusée, remise à 27"}},
      {"echap en bombe",
       "ToucheBombe=27\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_SPACE,
       SDLK_r,
       SDLK_ESCAPE,
       SDLK_h,
       {"Options : ToucheBombe = 27 refusée, remise à 32"}},
      {"pas une touche",
       "ToucheIndice=-4\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_SPACE,
       SDLK_r,
       SDLK_ESCAPE,
       SDLK_h,
       {"Options : ToucheIndice = -4 refusée, remise à 104"}},
      // The bomb's default is the left key's now: no key by default is safe, all go back.
      {"defaut pris",
       "ToucheGauche=32\nToucheBombe=32\n",
       SDLK_LEFT,
       SDLK_RIGHT,
       SDLK_SPACE,
       SDLK_r,
       SDLK_ESCAPE,
       SDLK_h,
       {"Options : ToucheBombe = 32 déjà prise par ToucheGauche, remise à 32",
        "Options : touches en conflit, toutes remises par défaut"}},
  };
  for (const auto& c : cas) {
    DossierTemporaire d;
    ecrireFichierTest(d / "options.conf", c.lignes);
    Options o;
    CaptureJournal capture;
    o.chargerDepuis(d / "options.conf");
    std::vector<std::string> reparations;
    for (const std::string& l : capture.lignes())
      if (l.rfind("Options : ", 0) == 0) reparations.push_back(l);
    EXPECT_EQ(reparations, c.journal) << c.nom;
    // The peek keeps its default (Tab) in every case.
    const int32_t attendues[NombreTouchesJeu] = {c.gauche, c.droite, c.bombe,   c.recommencer,
                                                 c.pause,  c.indice, SDLK_TAB};
    for (int a = 0; a < NombreTouchesJeu; ++a)
      EXPECT_EQ(toucheJeu(o, a), attendues[a]) << c.nom << " " << cleToucheJeu(a);
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
