// The widgets' behaviour without a window: buttons, check boxes, integers, text entry, lists,
// colour fields, dialogs and the colour chooser, with values in and out of range.
#include <cmath>
#include <cstdio>
#include <memory>

#include "gui/dialogue.h"
#include "gui/entier.h"
#include "gui/liste.h"
#include "gui/saisie.h"
#include "gui/widgets.h"
#include "gui_commun.h"

namespace {

class Widgets : public GuiSansFenetre {};

TEST_F(Widgets, BoutonZoneEtStyle) {
  BoutonGUI b(10, 20, 80, "OK", nullptr, 3);
  ZoneGUI* z = b.zone();
  EXPECT_EQ(z->getPropriete(PROP_X), 10);
  EXPECT_EQ(z->getPropriete(PROP_Y), 20);
  EXPECT_EQ(z->getPropriete(PROP_LARGEUR), 80);
  EXPECT_EQ(z->getPropriete(PROP_HAUTEUR), 20);
  EXPECT_EQ(z->getPropriete(PROP_BORDURE_GAUCHE), 2);
  EXPECT_EQ(z->getPropriete(PROP_PARTIE), 3);
  EXPECT_EQ(z->getProprietaire(PROP_PROPRIETAIRE), &b);
  EXPECT_EQ(z->getProprietaire(0x32), nullptr);
  EXPECT_EQ(z->getPropriete(0x99), 0);
  z->setPropriete(0x99, 5);  // ignored
  // Signed fields keep their sign; unsigned ones do not.
  z->setPropriete(PROP_X, -5);
  EXPECT_EQ(z->getPropriete(PROP_X), -5);
  z->setPropriete(PROP_BORDURE_HAUT, -1);
  EXPECT_EQ(z->getPropriete(PROP_BORDURE_HAUT), 255);
  z->setTexte("\xe9t\xe9");
  EXPECT_EQ(z->codes(), (std::vector<int32_t>{233, 't', 233}));
}

TEST_F(Widgets, LabelCliquable) {
  LabelGUI l(10, 20, 80, "texte", enregistreur(), 4);
  EXPECT_EQ(l.zone()->getPropriete(PROP_BORDURE_GAUCHE), 0);
  clic(20, 30);
  ASSERT_FALSE(recus_.empty());
  EXPECT_EQ(recus_.back(), (Recu{4, EV_RELACHE, 10, 10}));
}

// surClic acts on the click alone; what it is given besides sees every event, first. The action
// may delete its own button.
TEST_F(Widgets, SurClicNAgitQuAuClic) {
  int clics = 0;
  auto b = std::make_unique<BoutonGUI>(10, 20, 80, "b", nullptr, 5);
  b->setRappel(surClic(
                   [&] {
                     ++clics;
                     recus_.push_back({0, 0, 0, 0});
                     b.reset();
                   },
                   enregistreur()),
               5);
  souris(20, 30, false);
  souris(20, 30, true);
  souris(15, 30, true);  // no click yet: entry, press
  EXPECT_EQ(clics, 0);
  souris(15, 30, false);
  EXPECT_EQ(clics, 1);
  EXPECT_EQ(b, nullptr);
  const std::vector<Recu> attendu = {
      {5, EV_ENTREE, 10, 10}, {5, EV_APPUI, 10, 10}, {5, EV_RELACHE, 5, 10}, {0, 0, 0, 0}};
  EXPECT_EQ(recus_, attendu);
}

TEST_F(Widgets, ImageTailleEtTexture) {
  ImageGUI i(5, 6, 16, 20, 42, nullptr, 0);
  EXPECT_EQ(i.zone()->hauteur, 20);
  EXPECT_EQ(i.zone()->texCentre, 42u);
  EXPECT_EQ(i.zone()->modeX, 1);
  EXPECT_EQ(i.zone()->valeurX, 1);
}

TEST_F(Widgets, CaseACocherSurLaBoiteOuLeTexte) {
  CheckGUI c(10, 20, 200, "son", false, enregistreur(), 9);
  EXPECT_EQ(c.boite()->zone()->texte(), "");
  clic(15, 25);  // the box
  EXPECT_TRUE(c.coche());
  EXPECT_EQ(c.boite()->zone()->texte(), " X");
  clic(100, 25);  // the text
  EXPECT_FALSE(c.coche());
  std::vector<Recu> cles;
  for (const auto& r : recus_)
    if (r.type == EV_COCHE || r.type == EV_DECOCHE || r.type == EV_RELACHE) cles.push_back(r);
  const std::vector<Recu> attendu = {
      {9, EV_COCHE, 5, 5}, {9, EV_RELACHE, 5, 5}, {9, EV_DECOCHE, 68, 5}, {9, EV_RELACHE, 68, 5}};
  EXPECT_EQ(cles, attendu);
  recus_.clear();
  CheckGUI d(10, 60, 200, "x", true, enregistreur(), 1);
  EXPECT_TRUE(d.coche());
  EXPECT_EQ(d.boite()->zone()->texte(), " X");
  EXPECT_TRUE(recus_.empty());
}

TEST_F(Widgets, EntierPasEtLimites) {
  IntGUI n(3, 0, 3, 10, 20, 80, enregistreur(), 5);
  EXPECT_EQ(n.affichage()->zone()->texte(), "3");
  clic(85, 25);  // "+" at the maximum: no change, no EV_PLUS, but the raw events
  EXPECT_EQ(n.valeur(), 3);
  bool plus = false, appui = false;
  for (const auto& r : recus_) {
    plus = plus || r.type == EV_PLUS;
    appui = appui || r.type == EV_APPUI;
  }
  EXPECT_FALSE(plus);
  EXPECT_TRUE(appui);
  recus_.clear();
  clic(15, 25);  // "-"
  EXPECT_EQ(n.valeur(), 2);
  EXPECT_EQ(n.affichage()->zone()->texte(), "2");
  std::vector<Recu> pas;
  for (const auto& r : recus_)
    if (r.type == EV_MOINS || r.type == EV_APPUI) pas.push_back(r);
  EXPECT_EQ(pas, (std::vector<Recu>{{5, EV_MOINS, 5, 5}, {5, EV_APPUI, 5, 5}}));
}

TEST_F(Widgets, EntierHorsLimites) {
  IntGUI n(5, 0, 3, 10, 20, 80, nullptr, 0);
  EXPECT_EQ(n.affichage()->zone()->texte(), "5");  // shown as given
  clic(15, 25);
  EXPECT_EQ(n.valeur(), 4);
  struct Cas {
    int32_t valeur, min, max;
    const char* op;
    int32_t arg, attendu;
  } cas[] = {
      {7, 0, 10, "max", 2, 2},
      {7, 0, 10, "max", 9, 7},
      {7, 5, 10, "max", 2, 5},
      {0, 0, 10, "val", 99, 10},
      {0, 0, 10, "val", -4, 0},
      {0, 5, 3, "val", 4, 5},
      {0, INT32_MIN, INT32_MAX, "val", INT32_MAX, INT32_MAX},
  };
  for (const auto& c : cas) {
    IntGUI m(c.valeur, c.min, c.max, 10, 60, 80, nullptr, 0);
    if (std::string(c.op) == "max") m.setMax(c.arg);
    else m.setValeur(c.arg);
    EXPECT_EQ(m.valeur(), c.attendu) << c.op << " " << c.arg;
    EXPECT_EQ(m.affichage()->zone()->texte(), std::to_string(c.attendu));
  }
  // min > max: neither button moves the value, nothing overflows at the type's limits.
  IntGUI inverse(4, 5, 3, 10, 100, 80, nullptr, 0);
  clic(15, 105);
  clic(85, 105);
  EXPECT_EQ(inverse.valeur(), 4);
  IntGUI haut(INT32_MAX, 0, INT32_MAX, 10, 140, 80, nullptr, 0);
  clic(85, 145);
  EXPECT_EQ(haut.valeur(), INT32_MAX);
}

TEST_F(Widgets, EntierRepeteEnMaintenant) {
  IntGUI n(0, 0, 100, 10, 20, 80, nullptr, 0);
  souris(85, 25, false, 0);
  souris(85, 25, true, 0);
  EtatSouris s;
  s.x = 85;
  s.y = 25;
  s.boutons = SDL_BUTTON(1);
  for (int image = 1; image <= 60; ++image)
    g_->repeter(s, static_cast<uint32_t>(image * 1000 / 60));
  EXPECT_TRUE(n.valeur() == 15 || n.valeur() == 16) << n.valeur();
}

class Saisie : public GuiSansFenetre {
 protected:
  void cliquer(const InputGUI& i) { clic(i.zone()->x + 3, i.zone()->y + 3); }
};

TEST_F(Saisie, CaracteresLimiteEtRetourArriere) {
  InputGUI e(10, 20, 200, "Nom ?", 3, enregistreur(), 2);
  EXPECT_EQ(e.zone()->texte(), "Nom ?");
  cliquer(e);
  touche(8);  // backspace on an empty text
  EXPECT_EQ(e.getTexte(), "");
  EXPECT_EQ(e.zone()->texte(), "");
  for (uint16_t c : {uint16_t('a'), uint16_t('<'), uint16_t(0xE9), uint16_t('z')})
    touche(c);  // the fourth is one too many
  EXPECT_EQ(e.getTexte(), "a<\xe9");
  EXPECT_EQ(e.longueur(), 3);
  EXPECT_EQ(e.zone()->texte(), "a<(>\xe9");
  touche(8);
  EXPECT_EQ(e.getTexte(), "a<");
  ASSERT_FALSE(recus_.empty());
  EXPECT_EQ(recus_.back(), (Recu{2, EV_TOUCHE, 8, 0}));
}

TEST_F(Saisie, CaracteresRefuses) {
  InputGUI e(10, 20, 200, "", 50, nullptr, 0);
  cliquer(e);
  // Controls, DEL, arrows (no character), C1 codes and characters beyond Windows-1252.
  for (int c : {0, 9, 13, 27, 127, 0x85, 0x0141, 0x4E2D}) touche(static_cast<uint16_t>(c));
  EXPECT_EQ(e.getTexte(), "");
  // The euro sign and the typographic quotes have their Windows-1252 codes.
  for (int c : {0x20AC, 0x2019, 0x0153, 0xFF}) touche(static_cast<uint16_t>(c));
  EXPECT_EQ(e.getTexte(), "\x80\x92\x9c\xff");
}

TEST_F(Saisie, CaracteresPermisEtLimiteNulle) {
  InputGUI e(10, 20, 200, "", 10, nullptr, 0);
  e.setCaracteresPermis("abc");
  cliquer(e);
  for (char c : {'a', 'd', 'b', 'A', 'c', ' '}) touche(static_cast<uint16_t>(c));
  EXPECT_EQ(e.getTexte(), "abc");
  for (int limite : {0, -3}) {
    InputGUI f(10, 60, 200, "", limite, nullptr, 0);
    cliquer(f);
    touche('x');
    EXPECT_EQ(f.getTexte(), "");
  }
}

TEST(Windows1252, Table) {
  EXPECT_EQ(versWindows1252('A'), 'A');
  EXPECT_EQ(versWindows1252(0xE0), 0xE0);
  EXPECT_EQ(versWindows1252(0x20AC), 0x80);
  EXPECT_EQ(versWindows1252(0x0178), 0x9F);
  EXPECT_EQ(versWindows1252(0x81), -1);
  EXPECT_EQ(versWindows1252(0x100), -1);
  EXPECT_EQ(echapperBalises("<a>"), "<(>a<)>");
}

class Liste : public GuiSansFenetre {
 protected:
  // Clicks at the middle of a widget's zone.
  void cliquer(const ZoneGUI* z) { clic(z->x + z->largeur / 2, z->y + z->hauteur / 2); }
  std::vector<std::string> textes(const ListGUI& l) {
    std::vector<std::string> t;
    for (int i = 0; i < l.nbLignes(); ++i) t.push_back(l.ligne(i)->zone()->texte());
    return t;
  }
};

TEST_F(Liste, Geometrie) {
  ListGUI l(10, 20, 200, 5);
  EXPECT_EQ(l.fond()->hauteur, 104);
  EXPECT_EQ(l.ligne(0)->zone()->largeur, 180);
  EXPECT_EQ(l.ligne(0)->zone()->x, 12);
  EXPECT_EQ(l.ligne(4)->zone()->y, 102);
  EXPECT_EQ(l.flecheHaut()->zone()->x, 192);
  EXPECT_EQ(l.flecheHaut()->zone()->y, 22);
  EXPECT_EQ(l.flecheBas()->zone()->y, 102);
  EXPECT_EQ(l.flecheBas()->zone()->hauteur, 20);
  EXPECT_EQ(l.ligne(5), nullptr);
  EXPECT_EQ(l.ligne(-1), nullptr);
}

TEST_F(Liste, DefilementEtChoix) {
  ListGUI l(10, 20, 200, 3);
  l.setRappel(enregistreur(), 6);
  for (int i = 0; i < 5; ++i) l.ajouter({"item" + std::to_string(i), i * 10});
  l.rafraichir();
  EXPECT_EQ(textes(l), (std::vector<std::string>{"item0", "item1", "item2"}));
  EXPECT_EQ(l.ligne(0)->zone()->bordureGauche, 2);  // the selection is framed
  EXPECT_EQ(l.ligne(1)->zone()->bordureGauche, 0);
  cliquer(l.flecheBas()->zone());
  cliquer(l.flecheBas()->zone());
  EXPECT_EQ(textes(l), (std::vector<std::string>{"item2", "item3", "item4"}));
  cliquer(l.flecheBas()->zone());  // already at the end
  EXPECT_EQ(l.premier(), 2);
  recus_.clear();
  cliquer(l.ligne(0)->zone());
  EXPECT_EQ(l.selection(), 2);
  std::vector<Recu> choix;
  for (const auto& r : recus_)
    if (r.type == EV_CHOIX || r.type == EV_RELACHE) choix.push_back(r);
  ASSERT_EQ(choix.size(), 2u);
  EXPECT_EQ(choix[0], (Recu{6, EV_CHOIX, 2, 0}));
  EXPECT_EQ(choix[1].type, EV_RELACHE);
  for (int i = 0; i < 4; ++i) cliquer(l.flecheHaut()->zone());  // past the top
  EXPECT_EQ(l.premier(), 0);
  EXPECT_EQ(l.elements()[static_cast<size_t>(l.selection())].valeur, 20);
}

TEST_F(Liste, VideSelectionHorsListeEtLignesVides) {
  ListGUI l(10, 20, 200, 3);
  l.setRappel(enregistreur(), 1);
  l.rafraichir();  // no items
  cliquer(l.ligne(1)->zone());
  cliquer(l.flecheBas()->zone());
  cliquer(l.flecheHaut()->zone());
  for (const auto& r : recus_) EXPECT_NE(r.type, EV_CHOIX);
  EXPECT_EQ(l.selection(), 0);
  l.ajouter({"seul", 1});
  l.setSelection(7);  // past the end: nothing highlighted
  l.rafraichir();
  EXPECT_EQ(textes(l), (std::vector<std::string>{"seul", "", ""}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(l.ligne(i)->zone()->bordureGauche, 0);
  cliquer(l.ligne(2)->zone());  // an empty row
  EXPECT_EQ(l.selection(), 7);
  l.setSelection(-3);
  l.rafraichir();
  l.vider();
  EXPECT_EQ(textes(l), (std::vector<std::string>{"", "", ""}));
  ListGUI zero(10, 200, 100, 0);  // no rows at all
  zero.ajouter({"a", 0});
  zero.rafraichir();
  cliquer(zero.flecheBas()->zone());
  cliquer(zero.flecheBas()->zone());
  EXPECT_LE(zero.premier(), 1);
}

// The wheel scrolls, the keys move the selection and show it, typed letters jump to a name:
// 2,000 items reached from end to end in a few keys.
TEST_F(Liste, MoletteTouchesEtLettres) {
  ListGUI l(10, 20, 200, 10);
  l.setRappel(enregistreur(), 3);
  for (int i = 0; i < 2000; ++i) {
    char nom[16];
    std::snprintf(nom, sizeof nom, "%c%04d", "abcm"[i / 500], i);
    l.ajouter({std::string("<cffdd77>") + nom, i, nom});
  }
  l.rafraichir();
  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.button = SDL_BUTTON_WHEELDOWN;
  e.button.x = 50;
  e.button.y = 40;
  g_->gererEvenement(e);
  EXPECT_EQ(l.premier(), 3);
  EXPECT_EQ(l.selection(), 0);  // the wheel only scrolls
  e.button.button = SDL_BUTTON_WHEELUP;
  g_->gererEvenement(e);
  g_->gererEvenement(e);
  EXPECT_EQ(l.premier(), 0);

  cliquer(l.ligne(0)->zone());  // the row takes the keys
  recus_.clear();
  auto touche = [&](SDLKey k, uint16_t caractere = 0) {
    SDL_Event t{};
    t.type = SDL_KEYDOWN;
    t.key.keysym.sym = k;
    t.key.keysym.unicode = caractere;
    g_->gererEvenement(t);
  };
  const struct {
    SDLKey k;
    int32_t selection, premier;
  } cas[] = {
      {SDLK_END, 1999, 1990},      {SDLK_PAGEUP, 1989, 1989}, {SDLK_UP, 1988, 1988},
      {SDLK_PAGEDOWN, 1998, 1989}, {SDLK_DOWN, 1999, 1990},   {SDLK_DOWN, 1999, 1990},
      {SDLK_HOME, 0, 0},           {SDLK_PAGEDOWN, 10, 1},    {SDLK_UP, 9, 1},
  };
  for (const auto& c : cas) {
    touche(c.k);
    EXPECT_EQ(l.selection(), c.selection) << c.k;
    EXPECT_EQ(l.premier(), c.premier) << c.k;
  }
  ASSERT_FALSE(recus_.empty());
  EXPECT_EQ(recus_.back(), (Recu{3, EV_CHOIX, 9, 0}));

  // Letters, in either case, against the key (not the coloured text).
  l.taper('M', 5000);
  EXPECT_EQ(l.selection(), 1500);
  l.taper('1', 5200);
  l.taper('9', 5300);
  EXPECT_EQ(l.selection(), 1900);  // "m19..."
  l.taper('b', 5400);              // no "m19b...": a new search from "b"
  EXPECT_EQ(l.selection(), 500);
  l.taper('c', 7000);  // more than a second later: a new word
  EXPECT_EQ(l.selection(), 1000);
  l.taper('z', 7100);  // nothing starts with "cz" nor "z": stays
  EXPECT_EQ(l.selection(), 1000);
  EXPECT_LE(l.premier(), 1000);
  EXPECT_GT(l.premier() + l.nbLignes(), 1000);
  // Through the manager, typed as a player types.
  touche(SDLK_b, 'b');
  EXPECT_EQ(l.elements()[static_cast<size_t>(l.selection())].cle.substr(0, 1), "b");
}

class Couleur : public GuiSansFenetre {};

void attendreCouleur(const float* c, float r, float g, float b) {
  EXPECT_NEAR(c[0], r, 1e-5);
  EXPECT_NEAR(c[1], g, 1e-5);
  EXPECT_NEAR(c[2], b, 1e-5);
}

TEST_F(Couleur, ArcEnCiel) {
  ColorGUI c(10, 20, 120, 60, nullptr, 0);
  c.setArcEnCiel();
  clic(10, 20);
  attendreCouleur(c.couleur(), 1, 0, 0);
  clic(50, 20);
  attendreCouleur(c.couleur(), 0, 1, 0);
  clic(100, 80);
  attendreCouleur(c.couleur(), 0.5f, 0.5f, 0.5f);
  clic(130, 20);  // the right edge: back to red
  attendreCouleur(c.couleur(), 1, 0, 0);
  // An appui alone does not move the cursor.
  souris(40, 40, false);
  souris(40, 40, true);
  EXPECT_EQ(c.curseurX(), 120);
}

TEST_F(Couleur, BarreDeLumiere) {
  ColorGUI c(0, 100, 100, 20, nullptr, 0);
  const float rouge[4] = {1, 0, 0, 1};
  c.setTeinte(rouge);
  struct Cas {
    float x, r, g, b;
  } cas[] = {{0, 0, 0, 0}, {25, 0.5f, 0, 0}, {50, 1, 0, 0}, {75, 1, 0.5f, 0.5f}, {100, 1, 1, 1}};
  for (const auto& k : cas) {
    c.viser(k.x, 5);
    attendreCouleur(c.couleur(), k.r, k.g, k.b);
  }
}

TEST_F(Couleur, PlacerSur) {
  ColorGUI c(0, 0, 120, 60, nullptr, 0);
  c.setArcEnCiel();
  struct Cas {
    float rgb[3];
    float u, v;
  } cas[] = {
      {{0, 0, 1}, 4.0f / 6, 0}, {{1, 0, 0}, 0, 0},        {{0.5f, 0.5f, 0.5f}, 0, 1},
      {{1, 1, 0}, 1.0f / 6, 0}, {{0, 1, 1}, 3.0f / 6, 0}, {{1, 0, 1}, 5.0f / 6, 0},
  };
  for (const auto& k : cas) {
    c.placerSur(k.rgb);
    EXPECT_EQ(c.curseurX(), static_cast<int>(120 * k.u)) << k.rgb[0] << k.rgb[1] << k.rgb[2];
    EXPECT_EQ(c.curseurY(), static_cast<int>(60 * k.v));
    if (k.v == 0) attendreCouleur(c.couleur(), k.rgb[0], k.rgb[1], k.rgb[2]);
  }
  // Out of range and not-a-number components land inside the field.
  const float fous[][3] = {{2, -1, 0.5f}, {NAN, NAN, NAN}, {-5, -5, -5}, {1e30f, 0, 0}};
  for (const auto& f : fous) {
    c.placerSur(f);
    EXPECT_GE(c.curseurX(), 0);
    EXPECT_LE(c.curseurX(), 120);
    EXPECT_GE(c.curseurY(), 0);
    EXPECT_LE(c.curseurY(), 60);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(std::isnan(c.couleur()[i]));
  }
  c.viser(NAN, 1e9f);
  EXPECT_EQ(c.curseurX(), 0);
  EXPECT_EQ(c.curseurY(), 60);
  ColorGUI plat(0, 0, 0, 0, nullptr, 0);  // no size at all
  plat.setArcEnCiel();
  plat.placerSur(fous[0]);
  plat.viser(5, 5);
  EXPECT_FALSE(std::isnan(plat.couleur()[0]));
}

TEST_F(Couleur, DialogueEtChoixDeCouleur) {
  DialogueGUI d(300, 200);
  EXPECT_EQ(d.fond()->x, 170);
  EXPECT_EQ(d.fond()->y, 140);
  BoutonGUI* b1 = d.ajouterBouton("Oui", nullptr, 1);
  BoutonGUI* b2 = d.ajouterBouton("Non", nullptr, 2);
  EXPECT_EQ(b1->zone()->x, 175);
  EXPECT_EQ(b2->zone()->x, 260);
  EXPECT_EQ(b1->zone()->y, 340 - 20 - 5);
  IntGUI* n = d.ajouterEntier("Largeur", 5, 1, 9);
  EXPECT_EQ(n->moins()->zone()->y, 340 - 30 - 20);
  EXPECT_EQ(n->moins()->zone()->x, 170 + 300 - 150 + 5);
  LabelGUI* t = d.ajouterTexte("Titre");
  EXPECT_EQ(t->zone()->y, 340 - 30 - 40);
  EXPECT_EQ(t->zone()->largeur, 290);

  float lu[4] = {9, 9, 9, 9};
  const float vert[3] = {0, 1, 0};
  ChoixCouleurGUI choix("Couleur", vert, 300, 300, nullptr, "OK", 1, "Annuler", 2);
  choix.getCouleur(lu, 4);
  // The cursor sits on a whole pixel: green within one pixel's hue.
  EXPECT_NEAR(lu[0], 0, 0.02);
  EXPECT_NEAR(lu[1], 1, 0.02);
  EXPECT_NEAR(lu[2], 0, 0.02);
  EXPECT_EQ(lu[3], 1);
  // A click in the rainbow drives the bar and the swatch.
  ZoneGUI* arc = choix.arcEnCiel()->zone();
  clic(arc->x, arc->y);
  choix.getCouleur(lu, 3);
  EXPECT_NEAR(lu[0], 1, 1e-5);
  EXPECT_EQ(choix.arcEnCiel()->marqueur, ColorGUI::Losange);
  float trois[3] = {7, 7, 7};
  ChoixCouleurGUI sans("Couleur", nullptr, 300, 300, nullptr, "OK", 1, "Annuler", 2);
  sans.getCouleur(trois, 3);
  EXPECT_EQ(sans.apercu()->mode(), 0);
  EXPECT_EQ(sans.barre()->mode(), 2);
}

}  // namespace
