// The manager's routing without a window: hit tests, hover, press and click, auto-repeat,
// focus and keys, slot reuse, and widgets deleted from their own callbacks.
// The deletion cases assert little themselves: a use of a freed widget or zone shows only under
// the address sanitizer (the asan stage runs this file), not in a plain build.
#include <limits>
#include <memory>

#include "gui/dialogue.h"
#include "gui/entier.h"
#include "gui/widgets.h"
#include "gui_commun.h"

namespace {

class Routage : public GuiSansFenetre {
 protected:
  int repetitionsEnUneSeconde(uint32_t depart);
};

TEST_F(Routage, ZoneSousBordsInclusEtProfondeur) {
  BoutonGUI a(10, 20, 80, "a", nullptr, 1);  // 10..90 x 20..40
  BoutonGUI b(50, 30, 80, "b", nullptr, 2);  // created later: in front
  struct Cas {
    int x, y;
    ZoneGUI* attendue;
  } cas[] = {
      {10, 20, a.zone()}, {90, 20, a.zone()}, {90, 30, b.zone()}, {49, 40, a.zone()},
      {50, 30, b.zone()}, {9, 20, nullptr},   {10, 19, nullptr},  {130, 50, b.zone()},
      {131, 50, nullptr}, {130, 51, nullptr}, {60, 25, a.zone()},
  };
  for (const auto& c : cas) EXPECT_EQ(g_->zoneSous(c.x, c.y), c.attendue) << c.x << "," << c.y;
  // Depth 0 is never hit; equal depths: the earlier one wins.
  b.zone()->setPropriete(PROP_Z, 0);
  EXPECT_EQ(g_->zoneSous(100, 35), nullptr);
  b.zone()->setPropriete(PROP_Z, a.zone()->z);
  EXPECT_EQ(g_->zoneSous(60, 35), a.zone());
}

TEST_F(Routage, PlacesLibresReutiliseesDevant) {
  auto a = std::make_unique<LabelGUI>(0, 0, 10, "", nullptr, 0);
  auto b = std::make_unique<LabelGUI>(0, 0, 10, "", nullptr, 0);
  auto c = std::make_unique<LabelGUI>(0, 0, 10, "", nullptr, 0);
  EXPECT_EQ(a->zone()->z, 1);
  EXPECT_EQ(b->zone()->z, 2);
  EXPECT_EQ(c->zone()->z, 3);
  b.reset();
  ASSERT_EQ(g_->zones().size(), 3u);
  EXPECT_EQ(g_->zones()[1], nullptr);
  auto d = std::make_unique<LabelGUI>(0, 0, 10, "", nullptr, 0);
  EXPECT_EQ(g_->zones()[1], d->zone());
  EXPECT_EQ(d->zone()->z, 13);
  auto e = std::make_unique<LabelGUI>(0, 0, 10, "", nullptr, 0);
  EXPECT_EQ(g_->zones().size(), 4u);
  EXPECT_EQ(e->zone()->z, 14);
}

TEST_F(Routage, SurvolAppuiClic) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  souris(0, 0, false);
  souris(15, 25, false);  // enters
  souris(15, 26, true);   // press
  souris(16, 26, false);  // release: the click
  const std::vector<Recu> attendu = {
      {7, EV_ENTREE, 5, 5}, {7, EV_APPUI, 5, 6}, {7, EV_RELACHE, 6, 6}};
  EXPECT_EQ(recus_, attendu);
  EXPECT_EQ(g_->zoneFocus(), b.zone());
}

TEST_F(Routage, UnClicRapideParLesEvenementsSouris) {
  // A press and its release queued in the same frame: each event carries its own state.
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = 15;
  e.motion.y = 25;
  g_->gererEvenement(e);
  e = SDL_Event{};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.x = 15;
  e.button.y = 25;
  g_->gererEvenement(e);
  e.type = SDL_MOUSEBUTTONUP;
  g_->gererEvenement(e);
  const std::vector<Recu> attendu = {
      {7, EV_ENTREE, 5, 5}, {7, EV_APPUI, 5, 5}, {7, EV_RELACHE, 5, 5}};
  EXPECT_EQ(recus_, attendu);
}

TEST_F(Routage, AppuiPuisSortieAnnuleLeClic) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  souris(15, 25, false);
  souris(15, 25, true);
  souris(200, 200, true);   // leaves with the button held
  souris(200, 200, false);  // released elsewhere
  souris(15, 25, false);    // comes back
  const std::vector<Recu> attendu = {
      {7, EV_ENTREE, 5, 5}, {7, EV_APPUI, 5, 5}, {7, EV_SORTIE, 190, 180}, {7, EV_ENTREE, 5, 5}};
  EXPECT_EQ(recus_, attendu);
}

TEST_F(Routage, RelacheSurUneAutreZoneDansLeMemeEvenementNestPasUnClic) {
  BoutonGUI a(10, 20, 80, "a", enregistreur(), 1);
  BoutonGUI b(10, 60, 80, "b", enregistreur(), 2);
  souris(15, 25, false);
  souris(15, 25, true);
  souris(15, 65, false);  // moved onto b and released before the next event was read
  const std::vector<Recu> attendu = {
      {1, EV_ENTREE, 5, 5}, {1, EV_APPUI, 5, 5}, {1, EV_SORTIE, 5, 45}, {2, EV_ENTREE, 5, 5}};
  EXPECT_EQ(recus_, attendu);
}

TEST_F(Routage, AppuiEnEntrantLivreMaisOublie) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  souris(15, 25, true);   // press seen with the hover change: delivered, not remembered
  souris(15, 25, false);  // no click
  souris(15, 25, true);
  souris(15, 25, false);  // a real click
  const std::vector<Recu> attendu = {
      {7, EV_APPUI, 5, 5}, {7, EV_ENTREE, 5, 5}, {7, EV_APPUI, 5, 5}, {7, EV_RELACHE, 5, 5}};
  EXPECT_EQ(recus_, attendu);
}

TEST_F(Routage, AutresBoutonsNeChangentRien) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  souris(15, 25, false);
  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONDOWN;
  EtatSouris s;
  s.x = 15;
  s.y = 25;
  s.boutons = SDL_BUTTON(1) | SDL_BUTTON(3);
  g_->gererEvenement(e, s, 0);
  s.boutons = SDL_BUTTON(3);
  g_->gererEvenement(e, s, 0);
  EXPECT_EQ(recus_.size(), 1u);  // the entry only
  EXPECT_FALSE(g_->boutonEnfonce());
}

// Holding the button over a zone for one second, one frame every 1000 / 60 ms.
int Routage::repetitionsEnUneSeconde(uint32_t depart) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  souris(15, 25, false, depart);
  souris(15, 25, true, depart);
  EtatSouris s;
  s.x = 15;
  s.y = 25;
  s.boutons = SDL_BUTTON(1);
  for (int image = 1; image <= 60; ++image)
    g_->repeter(s, depart + static_cast<uint32_t>(image * 1000 / 60));
  int appuis = 0, repetes = 0;
  for (const auto& r : recus_) {
    appuis += r.type == EV_APPUI;
    repetes += r.type == EV_REPETE;
  }
  EXPECT_EQ(appuis, 1);
  recus_.clear();
  return repetes;
}

TEST_F(Routage, RepetitionApres300PuisToutesLes50ms) {
  for (uint32_t depart : {0u, 7u, 1000u, 123456u}) {
    const int n = repetitionsEnUneSeconde(depart);
    EXPECT_TRUE(n == 14 || n == 15) << depart << ": " << n;
  }
}

TEST_F(Routage, PasDeRepetitionSansAppuiNiHorsDeLaZone) {
  BoutonGUI b(10, 20, 80, "b", enregistreur(), 7);
  EtatSouris s;
  s.x = 15;
  s.y = 25;
  s.boutons = SDL_BUTTON(1);
  g_->repeter(s, 10000);  // button held but never pressed as seen by the manager
  souris(15, 25, false, 0);
  souris(15, 25, true, 0);
  s.x = 200;
  g_->repeter(s, 400);  // off the zone
  for (const auto& r : recus_) EXPECT_NE(r.type, EV_REPETE);
}

TEST_F(Routage, TouchesAuFocusSeulement) {
  BoutonGUI a(10, 20, 80, "a", enregistreur(), 1);
  BoutonGUI b(10, 60, 80, "b", enregistreur(), 2);
  touche('x');  // nobody was ever pressed: goes nowhere
  EXPECT_TRUE(recus_.empty());
  clic(15, 25);
  souris(15, 65, false);  // hovering b does not move the focus
  recus_.clear();
  touche('y');
  touche('y', false);
  const std::vector<Recu> attendu = {{1, EV_TOUCHE, 'y', 0}, {1, EV_TOUCHE_LACHEE, 'y', 0}};
  EXPECT_EQ(recus_, attendu);
}

// Deleting a zone takes the hover or the focus only from that zone: a text field keeps the keys
// and a button under a still pointer keeps its next click when some other widget goes.
TEST_F(Routage, SupprimerUneZoneNOublieQueSonSurvolEtSonFocus) {
  enum Supprime { Autre, Focus, Survol };
  struct Cas {
    Supprime supprime;
    bool focusGarde, survolGarde;
  } cas[] = {{Autre, true, true}, {Focus, false, true}, {Survol, true, false}};
  for (const Cas& c : cas) {
    recus_.clear();
    auto autre = std::make_unique<BoutonGUI>(200, 20, 80, "autre", nullptr, 0);
    auto champ = std::make_unique<BoutonGUI>(10, 20, 80, "champ", enregistreur(), 1);
    auto bouton = std::make_unique<BoutonGUI>(10, 60, 80, "bouton", enregistreur(), 2);
    ZoneGUI* const zoneChamp = champ->zone();
    ZoneGUI* const zoneBouton = bouton->zone();
    clic(15, 25);
    souris(15, 65, false);  // resting on the button; the keys stay with the field
    recus_.clear();
    touche('k');  // a shortcut, say, which closes some widget
    if (c.supprime == Autre) autre.reset();
    if (c.supprime == Focus) champ.reset();
    if (c.supprime == Survol) bouton.reset();
    EXPECT_EQ(g_->zoneFocus(), c.focusGarde ? zoneChamp : nullptr) << c.supprime;
    EXPECT_EQ(g_->zoneSurvol(), c.survolGarde ? zoneBouton : nullptr) << c.supprime;
    if (c.supprime == Survol) continue;
    souris(15, 65, true);  // the pointer has not moved: a click like any other
    souris(15, 65, false);
    const std::vector<Recu> attendu = {
        {1, EV_TOUCHE, 'k', 0}, {2, EV_APPUI, 5, 5}, {2, EV_RELACHE, 5, 5}};
    EXPECT_EQ(std::vector<Recu>(recus_.end() - 3, recus_.end()), attendu) << c.supprime;
  }
}

TEST_F(Routage, UnWidgetSupprimeDansSonPropreRappel) {
  // Each kind deleted by its own callback on each event it can get; the rest of the event
  // must leave it alone (AddressSanitizer watches).
  for (int type : {EV_ENTREE, EV_APPUI, EV_RELACHE, EV_SORTIE, EV_COCHE, EV_PLUS}) {
    ObjHelpGUI* w = nullptr;
    int appels = 0;
    auto rappel = [&](ZoneGUI*, int, int t, int, int) {
      if (t == type && w) {
        ++appels;
        delete w;
        w = nullptr;
      }
    };
    w = new BoutonGUI(10, 20, 80, "b", rappel, 0);
    if (type == EV_COCHE) {
      delete w;
      w = new CheckGUI(10, 20, 80, "c", false, rappel, 0);
    }
    if (type == EV_PLUS) {
      delete w;
      w = new IntGUI(0, 0, 5, 10, 20, 80, rappel, 0);
    }
    souris(0, 0, false);
    souris(15, 25, false);
    souris(15, 25, true);
    souris(15, 25, false);
    souris(85, 25, true);  // "+" of the IntGUI
    souris(85, 25, false);
    souris(300, 300, false);
    EXPECT_EQ(appels, 1) << type;
    delete w;
  }
}

TEST_F(Routage, SupprimerUnAutreWidgetPendantLaSortie) {
  // Leaving a deletes b, which is the zone now under the mouse.
  BoutonGUI* b = nullptr;
  BoutonGUI a(
      10, 20, 80, "a",
      [&](ZoneGUI*, int, int t, int, int) {
        if (t == EV_SORTIE) {
          delete b;
          b = nullptr;
        }
      },
      1);
  b = new BoutonGUI(10, 60, 80, "b", nullptr, 2);
  souris(15, 25, false);
  souris(15, 65, true);
  EXPECT_EQ(b, nullptr);
  EXPECT_EQ(g_->zoneFocus(), nullptr);
}

TEST_F(Routage, DialogueSupprimeALaProchaineImage) {
  DialogueGUI* d = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
  bool ferme = false;
  d->ajouterBouton("OK", surClic([&] {
                     gui->fermerDialogue(d);
                     d = nullptr;
                     ferme = true;
                   }),
                   0);
  const ZoneGUI* bouton = g_->zones().back();
  clic(bouton->x + 5, bouton->y + 5);
  EXPECT_TRUE(ferme);
  EXPECT_NE(g_->zones().front(), nullptr);  // still there until the next frame
  g_->detruireFermes();
  for (const ZoneGUI* z : g_->zones()) EXPECT_EQ(z, nullptr);
}

// Two dialogs of one size put their OK buttons on the same pixels: once the top one closes
// under a still mouse, the next click there belongs to the one beneath. A mouse that moved in
// between follows the usual hover rules.
TEST_F(Routage, ClicJusteApresLaFermetureDUnDialogue) {
  for (const bool bouge : {false, true}) {
    recus_.clear();
    DialogueGUI* dessous = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
    dessous->ajouterBouton("OK", enregistreur(), 1);
    DialogueGUI* dessus = g_->ouvrirDialogue(std::make_unique<DialogueGUI>(300, 100));
    dessus->ajouterBouton("OK", surClic([&] { gui->fermerDialogue(dessus); }), 2);
    const ZoneGUI* bouton = g_->zones().back();
    const int x = bouton->x + 5, y = bouton->y + 5;
    clic(x, y);
    g_->detruireFermes();
    if (bouge) {
      souris(x + 1, y, false);
      souris(x, y, false);
    }
    souris(x, y, true);
    souris(x, y, false);
    // Still: the press comes with the new hover (press, then entry); moved: entry first.
    const std::vector<Recu> attendu =
        bouge ? std::vector<Recu>{{1, EV_ENTREE, 6, 5}, {1, EV_APPUI, 5, 5}, {1, EV_RELACHE, 5, 5}}
              : std::vector<Recu>{{1, EV_APPUI, 5, 5}, {1, EV_ENTREE, 5, 5}, {1, EV_RELACHE, 5, 5}};
    ASSERT_GE(recus_.size(), 3u) << "bouge " << bouge;
    EXPECT_EQ(std::vector<Recu>(recus_.end() - 3, recus_.end()), attendu) << "bouge " << bouge;
    g_->fermerDialogue(dessous);
    g_->detruireFermes();
  }
}

TEST_F(Routage, ZonesQuiSurviventAuGestionnaire) {
  auto b = std::make_unique<BoutonGUI>(10, 20, 80, "b", nullptr, 0);
  g_.reset();
  gui = nullptr;
  b.reset();  // must not reach the deleted manager
}

}  // namespace

// A tooltip shows once the pointer has rested half a second on a zone that has one; a move
// starts the wait again, a click hides it until the next move, leaving the zone takes it away.
TEST_F(Routage, InfobulleApresUnRepos) {
  BoutonGUI avec(10, 20, 80, "a", nullptr, 1);  // 10..90 x 20..40
  BoutonGUI sans(10, 60, 80, "b", nullptr, 2);  // 10..90 x 60..80
  avec.zone()->setInfobulle("Ajouter un niveau");
  const uint32_t D = Gui::DelaiInfobulle;
  // The mouse event at time t, then the question at time t + attente.
  struct Pas {
    const char* quoi;
    int x, y;
    bool bouton;
    uint32_t t, attente;
    bool montree;
  };
  const Pas pas[] = {
      {"entrée", 15, 25, false, 1000, 0, false},
      {"presque le délai", 15, 25, false, 1000, D - 1, false},
      {"le délai", 15, 25, false, 1000, D, true},
      {"un mouvement sur la zone", 20, 25, false, 9000, 0, false},
      {"repos après le mouvement", 20, 25, false, 9000, D, true},
      {"appui", 20, 25, true, 9700, D, false},
      {"relâché : toujours cachée", 20, 25, false, 9800, 5000, false},
      {"mouvement puis repos", 21, 25, false, 20000, D, true},
      {"glisser bouton tenu", 22, 26, true, 21000, D, false},
      {"relâché sans bouger", 22, 26, false, 22000, D, false},
      {"zone sans infobulle", 20, 65, false, 23000, D, false},
      {"hors de toute zone", 200, 200, false, 24000, D, false},
      {"retour sur la zone", 15, 25, false, 25000, D - 1, false},
      {"retour, le délai", 15, 25, false, 25000, D, true},
  };
  for (const Pas& p : pas) {
    souris(p.x, p.y, p.bouton, p.t);
    EXPECT_EQ(g_->zoneInfobulle(p.t + p.attente) == avec.zone(), p.montree) << p.quoi;
  }
  // The tooltip goes below and right of the pointer, kept inside the 640 x 480 window; with no
  // room below, above the pointer and above the zone's top (a button at the bottom edge stays
  // readable under its own tooltip).
  constexpr int Loin = std::numeric_limits<int>::max();
  struct Place {
    int mx, my, haut, x, y;
  } places[] = {{100, 100, Loin, 112, 120}, {600, 100, Loin, 540, 120}, {100, 470, Loin, 112, 446},
                {-5, 0, Loin, 7, 20},       {100, 470, 450, 112, 426},  {100, 100, 90, 112, 120},
                {100, 470, 10, 112, 0}};
  for (const Place& p : places) {
    int x = 0, y = 0;
    g_->placerInfobulle(p.mx, p.my, 100, 20, x, y, p.haut);
    EXPECT_EQ(x, p.x) << p.mx << "," << p.my;
    EXPECT_EQ(y, p.y) << p.mx << "," << p.my;
  }
}
