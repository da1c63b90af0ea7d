// The level editor's rules and commands without a window: level list, resize, corner colours
// through both dialogs, tools, edge scrolling, saving that never loses work, the recovery copy.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editor/etat_editeur.h"
#include "editor/regles_editeur.h"
#include "editor/vue_editeur.h"
#include "editor/titre_editeur.h"
#include "editor/touches_editeur.h"
#include "gui_commun.h"
#include "levels/document_niveaux.h"
#include "levels/fichier_niveaux.h"
#include "fixtures.h"

namespace {

// A level told apart by its bomb count.
Niveau niveauMarque(int marque) {
  Niveau n = nouveauNiveau();
  n.bombes = marque;
  return n;
}
std::vector<int> marques(const std::vector<Niveau>& niveaux) {
  std::vector<int> m;
  for (const Niveau& n : niveaux) m.push_back(n.bombes);
  return m;
}
std::vector<Niveau> trois() { return {niveauMarque(1), niveauMarque(2), niveauMarque(3)}; }

}  // namespace

TEST(ReglesEditeur, InsererEtSupprimer) {
  struct Cas {
    const char* nom;
    std::vector<Niveau> niveaux;
    int valeur;
    int action;  // 0 before, 1 after, 2 delete
    std::vector<int> attendu;
    int valeurAttendue;
  };
  const Cas cas[] = {
      {"avant le deuxieme", trois(), 2, 0, {1, 0, 2, 3}, 2},
      {"apres le deuxieme", trois(), 2, 1, {1, 2, 0, 3}, 3},
      {"apres le dernier", trois(), 3, 1, {1, 2, 3, 0}, 4},
      {"supprimer le dernier de trois", trois(), 3, 2, {1, 2}, 2},
      {"supprimer le premier", trois(), 1, 2, {2, 3}, 1},
      {"supprimer le seul", {niveauMarque(5)}, 1, 2, {5}, 1},
  };
  for (const Cas& c : cas) {
    std::vector<Niveau> n = c.niveaux;
    const int v =
        c.action == 2 ? supprimerNiveau(n, c.valeur) : insererNiveau(n, c.valeur, c.action == 1);
    EXPECT_EQ(marques(n), c.attendu) << c.nom;
    EXPECT_EQ(v, c.valeurAttendue) << c.nom;
  }
  // The inserted level is the empty 15 x 15 one with its start on (1, 1).
  std::vector<Niveau> n = trois();
  insererNiveau(n, 1, false);
  EXPECT_EQ(n[0].largeur, 15);
  EXPECT_EQ(n[0].grille, std::vector<uint8_t>(225, 0));
  EXPECT_FLOAT_EQ(n[0].departX, 1.5f);
  EXPECT_FALSE(n[0].camera.suivre);
}

TEST(ReglesEditeur, RedimensionnerGardeLesCases) {
  Niveau n = nouveauNiveau();
  for (int r = 0; r < 15; ++r)
    for (int c = 0; c < 15; ++c)
      n.grille[static_cast<size_t>(r * 15 + c)] = static_cast<uint8_t>(1 + (r * 15 + c) % 19);
  const Niveau avant = n;
  CouleursTravail travail;
  lireCouleursTravail(n, travail);
  n.camera.centreX = n.camera.oeilX = 14;
  n.camera.centreY = n.camera.oeilY = 14;
  appliquerProprietes(n, 20, 10, 7, travail);
  ASSERT_EQ(n.largeur, 20);
  ASSERT_EQ(n.hauteur, 10);
  EXPECT_EQ(n.bombes, 7);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 20; ++c)
      EXPECT_EQ(n.lireCase(c, r), c < 15 ? avant.lireCase(c, r) : 0) << c << "," << r;
  EXPECT_FLOAT_EQ(n.camera.centreY, 9.0f);  // pulled back inside
  EXPECT_FLOAT_EQ(n.camera.centreX, 14.0f);
}

TEST(ReglesEditeur, QuartierEtCouleursDeTravail) {
  struct Cas {
    int cx, cy, quartier;
  };
  const Cas cas[] = {{0, 0, 0},  {74, 49, 0},  {75, 0, 1}, {149, 49, 1},
                     {0, 50, 2}, {149, 99, 3}, {75, 50, 3}};
  for (const Cas& c : cas)
    EXPECT_EQ(quartierCouleur(150, 100, c.cx, c.cy), c.quartier) << c.cx << "," << c.cy;
  Niveau n;
  for (int k = 0; k < 4; ++k) n.couleurs[k][0] = 0.1f * static_cast<float>(k);
  CouleursTravail t;
  lireCouleursTravail(n, t);
  for (int k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(t[k][0], 0.1f * static_cast<float>(3 - k));
}

TEST(ReglesEditeur, Outils) {
  Niveau n = nouveauNiveau();
  EXPECT_TRUE(appliquerOutil(n, 7, 3, 4));
  EXPECT_EQ(n.lireCase(3, 4), 7);
  EXPECT_FALSE(appliquerOutil(n, 7, 3, 4));   // nothing new
  EXPECT_FALSE(appliquerOutil(n, 7, 15, 0));  // outside
  const std::vector<uint8_t> grille = n.grille;
  EXPECT_TRUE(appliquerOutil(n, OutilBalle, 4, 2));
  EXPECT_FLOAT_EQ(n.departX, 4.5f);
  EXPECT_FLOAT_EQ(n.departY, 2.5f);
  EXPECT_EQ(n.grille, grille);
}

TEST(ReglesEditeur, EvenementsQuiPeignent) {
  auto appui = [](uint8_t bouton) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = bouton;
    return e;
  };
  auto mouvement = [](uint8_t etat) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.state = etat;
    return e;
  };
  SDL_Event relache{};
  relache.type = SDL_MOUSEBUTTONUP;
  struct Cas {
    const char* nom;
    SDL_Event e;
    bool dialogue, survol, peint;
  };
  const Cas cas[] = {
      {"appui gauche", appui(SDL_BUTTON_LEFT), false, false, true},
      {"appui droit", appui(SDL_BUTTON_RIGHT), false, false, true},
      {"appui milieu (glisser la vue)", appui(SDL_BUTTON_MIDDLE), false, false, false},
      {"molette vers le haut", appui(SDL_BUTTON_WHEELUP), false, false, false},
      {"molette vers le bas", appui(SDL_BUTTON_WHEELDOWN), false, false, false},
      {"glisser gauche", mouvement(SDL_BUTTON(SDL_BUTTON_LEFT)), false, false, true},
      {"glisser droit", mouvement(SDL_BUTTON(SDL_BUTTON_RIGHT)), false, false, false},
      {"glisser deux boutons",
       mouvement(SDL_BUTTON(SDL_BUTTON_LEFT) | SDL_BUTTON(SDL_BUTTON_RIGHT)), false, false, false},
      {"survol sans bouton", mouvement(0), false, false, false},
      {"relache", relache, false, false, false},
      {"dialogue ouvert", appui(SDL_BUTTON_LEFT), true, false, false},
      {"sur un bouton", appui(SDL_BUTTON_LEFT), false, true, false},
  };
  for (const Cas& c : cas) EXPECT_EQ(evenementPeint(c.e, c.dialogue, c.survol), c.peint) << c.nom;
}

// A drag's line: every cell from one motion point to the next, ends included, no gaps.
TEST(ReglesEditeur, CasesEntreDeuxPoints) {
  using C = std::vector<std::pair<int, int>>;
  struct Cas {
    int c0, l0, c1, l1;
    C attendu;
  };
  const Cas cas[] = {
      {3, 3, 3, 3, {{3, 3}}},
      {1, 4, 5, 4, {{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}},
      {5, 4, 1, 4, {{5, 4}, {4, 4}, {3, 4}, {2, 4}, {1, 4}}},
      {2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
      {0, 0, -2, 5, {{0, 0}, {0, 1}, {-1, 2}, {-1, 3}, {-2, 4}, {-2, 5}}},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(casesEntre(c.c0, c.l0, c.c1, c.l1), c.attendu)
        << c.c0 << "," << c.l0 << " -> " << c.c1 << "," << c.l1;
  // Long lines: each step to a neighbour, the count that of the longer side plus one.
  for (const auto& [c1, l1] : C{{254, 0}, {254, 254}, {17, 254}, {-200, 31}}) {
    const C l = casesEntre(0, 0, c1, l1);
    EXPECT_EQ(l.size(), static_cast<size_t>(std::max(std::abs(c1), std::abs(l1)) + 1));
    for (size_t i = 1; i < l.size(); ++i) {
      EXPECT_LE(std::abs(l[i].first - l[i - 1].first), 1);
      EXPECT_LE(std::abs(l[i].second - l[i - 1].second), 1);
    }
    EXPECT_EQ(l.back(), std::make_pair(c1, l1));
  }
}

// The wheel zooms toward the pointed point, within its bounds, both ways alike.
TEST(ReglesEditeur, ZoomVersLePointeur) {
  Camera c;
  c.centreX = 10.0f;
  c.centreY = 10.0f;
  c.profondeurOeil = -20.0f;
  const float x = 20.0f, y = 0.0f;
  zoomerVers(c, -1, &x, &y);
  EXPECT_FLOAT_EQ(c.profondeurOeil, -17.0f);
  EXPECT_FLOAT_EQ(c.centreX, 11.5f);  // 15 % of the way toward the pointer
  EXPECT_FLOAT_EQ(c.centreY, 8.5f);
  zoomerVers(c, 1, nullptr, nullptr);  // no cell under the pointer: depth only
  EXPECT_NEAR(c.profondeurOeil, -20.0f, 1e-4f);
  EXPECT_FLOAT_EQ(c.centreX, 11.5f);
  for (int i = 0; i < 100; ++i) zoomerVers(c, -1, &x, &y);
  EXPECT_FLOAT_EQ(c.profondeurOeil, ProfondeurZoomMin);
  for (int i = 0; i < 100; ++i) zoomerVers(c, 1, nullptr, nullptr);
  EXPECT_FLOAT_EQ(c.profondeurOeil, ProfondeurZoomMax);
}

TEST(ReglesEditeur, DefilementAuxBords) {
  EXPECT_EQ(dureeDefilement(600), 1u);  // a stall scrolls 1/80 of a cell, not 7.5 cells
  EXPECT_EQ(dureeDefilement(500), 500u);
  struct Cas {
    int mx, my;
    uint32_t dt;
    float dx, dy;
  };
  const Cas cas[] = {
      {799, 300, 80, 1, 0}, {784, 300, 80, 0, 0},   {785, 300, 80, 1, 0},   {15, 300, 80, -1, 0},
      {16, 300, 80, 0, 0},  {400, 0, 40, 0, -0.5f}, {400, 599, 8, 0, 0.1f}, {0, 599, 80, -1, 1},
  };
  for (const Cas& c : cas) {
    Camera k;
    k.centreX = k.centreY = 10;
    defilerBords(k, 30, 30, c.mx, c.my, 800, 600, c.dt);
    EXPECT_FLOAT_EQ(k.centreX, 10 + c.dx) << c.mx << "," << c.my;
    EXPECT_FLOAT_EQ(k.centreY, 10 + c.dy) << c.mx << "," << c.my;
  }
  Camera k;  // the centre stays 0.2 inside the level
  k.centreX = 29.5f;
  defilerBords(k, 30, 30, 799, 300, 800, 600, 80);
  EXPECT_FLOAT_EQ(k.centreX, 29.5f);
  // The arrow keys: the same speed and the same limits.
  struct Fleche {
    int dx, dy;
    float cx, cy;
  };
  for (const Fleche& f :
       {Fleche{1, 0, 11, 10}, Fleche{-1, 1, 9, 11}, Fleche{0, -1, 10, 9}, Fleche{0, 0, 10, 10}}) {
    Camera c;
    c.centreX = c.centreY = 10;
    defilerVers(c, 30, 30, f.dx, f.dy, 80);
    EXPECT_FLOAT_EQ(c.centreX, f.cx) << f.dx << "," << f.dy;
    EXPECT_FLOAT_EQ(c.centreY, f.cy) << f.dx << "," << f.dy;
  }
  Camera bord;
  bord.centreX = 0.5f;
  defilerVers(bord, 30, 30, -1, 0, 80);
  EXPECT_FLOAT_EQ(bord.centreX, 0.5f);
  int x = 0, y = 0;
  placeOutilBalle(640, x, y);
  EXPECT_EQ(x, 607);
  EXPECT_EQ(y, 33);
  placeOutilBalle(800, x, y);
  EXPECT_EQ(x, 767);
  EXPECT_EQ(y, 1);
}

TEST(ReglesEditeur, FichiersModifiables) {
  DossierTemporaire d;
  std::filesystem::create_directories(d / "mapsusr/sous");
  std::filesystem::create_directories(d / "mapsoff");
  const std::string usr = d / "mapsusr/";
  struct Cas {
    std::string chemin;
    bool ok;
  };
  const Cas cas[] = {
      {d / "mapsusr/abcd.map", true},
      {d / "mapsusr/sous/x.map", true},
      {d / "mapsusr/../mapsoff/logom.map", false},
      {d / "mapsoff/logom.map", false},
      {d / "mapsusr", false},
      {d / "mapsusrx/a.map", false},
  };
  for (const Cas& c : cas) EXPECT_EQ(fichierModifiable(c.chemin, usr), c.ok) << c.chemin;
  // A link out of the player's directory does not make a shipped file editable.
  std::filesystem::create_symlink(d / "mapsoff", d / "mapsusr/lien");
  EXPECT_FALSE(fichierModifiable(d / "mapsusr/lien/logom.map", usr));
}

// The signature tells a changed file from the one read, whatever its size: the largest files
// the editor writes (hundreds of 255 x 255 levels) are over any whole-file reader's limit.
TEST(ReglesEditeur, SignatureDeTouteTaille) {
  DossierTemporaire d;
  for (const size_t taille : {size_t{245}, size_t{17} << 20, (size_t{64} << 20) + 3}) {
    SCOPED_TRACE(taille);
    const std::string c = d / "gros.map";
    std::string octets(taille, 'a');
    ecrireFichierTest(c, octets);
    const SignatureFichier lu = signatureFichier(c);
    EXPECT_TRUE(lu.lisible);
    EXPECT_EQ(lu.taille, taille);
    EXPECT_EQ(signatureFichier(c), lu);
    // One byte near the end changed, same size, the modification time put back: only the bytes
    // tell.
    struct stat st;
    ASSERT_EQ(stat(c.c_str(), &st), 0);
    octets[taille - 2] = 'b';
    ecrireFichierTest(c, octets);
    const struct timespec temps[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, c.c_str(), temps, 0), 0);
    EXPECT_NE(signatureFichier(c), lu);
  }
}

// ---- commands and dialogs -----------------------------------------------------------------

class Editeur : public GuiSansFenetre {
 protected:
  void SetUp() override {
    GuiSansFenetre::SetUp();
    g_->setPolice(policeFixe());
    chemin_ = dossier_ / "mapsusr.map";
    ASSERT_TRUE(sauvegarderTout(chemin_, trois()));
  }
  std::unique_ptr<EtatEditeur> ouvrir() {
    std::vector<Niveau> n;
    EXPECT_EQ(chargerTout(chemin_, n), 3);
    return std::make_unique<EtatEditeur>(chemin_, std::move(n), 640, 480);
  }
  // A click, through the GUI, on the frontmost zone showing `texte` (the translator is absent:
  // buttons show their keys).
  void clicTexte(const std::string& texte) {
    ZoneGUI* cible = nullptr;
    for (ZoneGUI* z : g_->zones())
      if (z && z->texte() == texte && (!cible || z->z > cible->z)) cible = z;
    ASSERT_NE(cible, nullptr) << texte;
    clic(cible->x + 2, cible->y + 2);
  }
  // A tool-bar command.
  void cmd(EtatEditeur& e, int code) { e.commande(code); }
  // The next frame (the dialogs closed meanwhile go), then a click on the button showing `texte`.
  void bouton(EtatEditeur&, const std::string& texte) {
    g_->detruireFermes();
    clicTexte(texte);
  }
  // The rearmost zone showing `texte` (a button covered by another dialog), pressed directly as
  // the GUI would if it could reach it.
  void presserDerriere(const std::string& texte) {
    ZoneGUI* cible = nullptr;
    for (ZoneGUI* z : g_->zones())
      if (z && z->texte() == texte && (!cible || z->z < cible->z)) cible = z;
    ASSERT_NE(cible, nullptr) << texte;
    cible->transmettre(EV_RELACHE, 2, 2);
  }
  // A click at (x, y) inside a zone, through the GUI.
  void clicDans(ZoneGUI* z, int x, int y) { clic(z->x + x, z->y + y); }
  DossierTemporaire dossier_;
  std::string chemin_;
};

TEST_F(Editeur, AjoutEtSuppressionParLesDialogues) {
  auto e = ouvrir();
  e->spinner()->setValeur(2);
  cmd(*e, CmdAjouter);
  ASSERT_EQ(e->typeDialogue(), DialogueEditeur::Ajouter);
  cmd(*e, CmdSupprimer);  // one dialog at a time
  EXPECT_EQ(e->typeDialogue(), DialogueEditeur::Ajouter);
  bouton(*e, "Ap");
  EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 0, 3}));
  EXPECT_EQ(e->spinner()->valeur(), 3);
  EXPECT_EQ(e->spinner()->max(), 4);
  EXPECT_FALSE(e->dialogueOuvert());
  clicTexte("Av");  // its dialog is closed, its widgets not yet gone: nothing
  EXPECT_EQ(e->niveaux().size(), 4u);
  g_->detruireFermes();
  for (ZoneGUI* z : g_->zones()) EXPECT_TRUE(!z || z->texte() != "Av");

  e->spinner()->setValeur(4);
  cmd(*e, CmdSupprimer);
  bouton(*e, "OK");
  EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(e->spinner()->valeur(), 3);
  EXPECT_TRUE(e->modifie());
}

// The editor's dialogs are the GUI manager's: a second click on a closed dialog's button in the
// same frame does nothing, the chooser lies in front of the properties, and the editor leaving
// takes every dialog it opened, open or closed, with it.
TEST_F(Editeur, DialoguesTenusParLeGestionnaire) {
  auto e = ouvrir();
  cmd(*e, CmdAjouter);
  EXPECT_TRUE(g_->dialogueDevant(e->dialogue()));
  clicTexte("Ap");
  clicTexte("Ap");  // the same frame: its dialog is closed, its widgets still there
  EXPECT_EQ(e->niveaux().size(), 4u);
  EXPECT_EQ(g_->nombreDialoguesOuverts(), 0u);
  EXPECT_EQ(g_->detruireFermes(), 1);

  cmd(*e, CmdProprietes);
  clicDans(e->widgetCoins()->zone(), 3, 3);
  ASSERT_NE(e->choixCouleur(), nullptr);
  EXPECT_EQ(g_->nombreDialoguesOuverts(), 2u);
  EXPECT_TRUE(g_->dialogueDevant(e->choixCouleur()));
  EXPECT_FALSE(g_->dialogueDevant(e->dialogue()));
  // The corner widget beneath is dead too while the chooser is open: no second chooser.
  const ChoixCouleurGUI* choix = e->choixCouleur();
  e->widgetCoins()->zone()->transmettre(EV_RELACHE, 3, 3);
  EXPECT_EQ(e->choixCouleur(), choix);
  EXPECT_EQ(g_->detruireFermes(), 0);
  e->echap();  // the chooser closes: the properties are in front at once
  EXPECT_EQ(e->choixCouleur(), nullptr);
  EXPECT_TRUE(g_->dialogueDevant(e->dialogue()));
  e.reset();
  EXPECT_EQ(g_->nombreDialoguesOuverts(), 0u);
  EXPECT_EQ(g_->detruireFermes(), 0);
  for (const ZoneGUI* z : g_->zones()) EXPECT_EQ(z, nullptr);
}

TEST_F(Editeur, CouleurDUnCoinParLesDeuxDialogues) {
  for (int q = 0; q < 4; ++q) {
    auto e = ouvrir();
    const Niveau avant = e->courant();
    cmd(*e, CmdProprietes);
    ASSERT_NE(e->widgetCoins(), nullptr);
    ZoneGUI* z = e->widgetCoins()->zone();
    const int cx = (q % 2) ? z->largeur - 3 : 3, cy = (q / 2) ? z->hauteur - 3 : 3;
    clicDans(z, cx, cy);
    ASSERT_NE(e->choixCouleur(), nullptr);
    presserDerriere("OK");  // the properties' OK, covered by the chooser: nothing yet
    ASSERT_EQ(e->typeDialogue(), DialogueEditeur::Proprietes);
    // Pick a colour in the chooser by clicking its rainbow through the GUI.
    ZoneGUI* arc = e->choixCouleur()->arcEnCiel()->zone();
    clic(arc->x + 10 + 30 * q, arc->y + 10);
    float choisie[4] = {0, 0, 0, 0};
    e->choixCouleur()->getCouleur(choisie, 3);
    bouton(*e, "OK");
    EXPECT_EQ(e->choixCouleur(), nullptr);
    bouton(*e, "OK");
    const Niveau& n = e->courant();
    for (int k = 0; k < 4; ++k)
      for (int i = 0; i < 4; ++i) {
        const float attendu = (k == 3 - q && i < 3) ? choisie[i] : avant.couleurs[k][i];
        EXPECT_NEAR(n.couleurs[k][i], attendu, 1e-6)
            << "quartier " << q << " coin " << k << " composante " << i;
      }
    g_->detruireFermes();
  }
}

TEST_F(Editeur, AnnulerLaisseLeNiveau) {
  auto e = ouvrir();
  const Niveau avant = e->courant();
  cmd(*e, CmdProprietes);
  e->ligneLargeur()->setValeur(40);
  e->ligneBombes()->setValeur(9);
  clicDans(e->widgetCoins()->zone(), 1, 1);
  ZoneGUI* arc = e->choixCouleur()->arcEnCiel()->zone();
  clic(arc->x + 20, arc->y + 20);
  bouton(*e, "OK");
  g_->detruireFermes();  // the next frame: the chooser no longer covers the dialog
  clicTexte("Ann");
  EXPECT_FALSE(e->dialogueOuvert());
  const Niveau& n = e->courant();
  EXPECT_EQ(n.largeur, avant.largeur);
  EXPECT_EQ(n.bombes, avant.bombes);
  EXPECT_EQ(n.grille, avant.grille);
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 4; ++i) EXPECT_EQ(n.couleurs[k][i], avant.couleurs[k][i]);
  EXPECT_FALSE(e->modifie());
  // The closed dialog waits for the next frame, then goes (a widget is never deleted inside
  // its own callback).
  g_->detruireFermes();
  for (ZoneGUI* z : g_->zones()) EXPECT_TRUE(!z || z->texte() != "Ann");
}

TEST_F(Editeur, EchapEstLeRetour) {
  auto e = ouvrir();
  // Nothing open: the quit question, never a silent exit.
  e->echap();
  EXPECT_EQ(e->typeDialogue(), DialogueEditeur::Quitter);
  EXPECT_FALSE(e->sortie());
  e->echap();  // its cancel
  EXPECT_FALSE(e->dialogueOuvert());
  EXPECT_FALSE(e->sortie());
  // Over the properties dialog, the colour chooser goes first, then the dialog, unchanged.
  const Niveau avant = e->courant();
  cmd(*e, CmdProprietes);
  e->ligneLargeur()->setValeur(40);
  clicDans(e->widgetCoins()->zone(), 1, 1);
  ASSERT_NE(e->choixCouleur(), nullptr);
  e->echap();
  EXPECT_EQ(e->choixCouleur(), nullptr);
  EXPECT_EQ(e->typeDialogue(), DialogueEditeur::Proprietes);
  e->echap();
  EXPECT_FALSE(e->dialogueOuvert());
  EXPECT_EQ(e->courant().largeur, avant.largeur);
  EXPECT_FALSE(e->modifie());
  for (int c : {CmdAjouter, CmdSupprimer}) {
    cmd(*e, c);
    ASSERT_TRUE(e->dialogueOuvert());
    e->echap();
    EXPECT_FALSE(e->dialogueOuvert());
  }
  EXPECT_EQ(e->niveaux().size(), 3u);
  g_->detruireFermes();
}

TEST_F(Editeur, OuiEcritAvantDeSortir) {
  auto e = ouvrir();
  e->choisirOutil(4);
  ASSERT_TRUE(e->peindre(5, 6));
  cmd(*e, CmdQuitter);
  clicTexte("Oui");
  EXPECT_TRUE(e->sortie());
  std::vector<Niveau> relus;
  ASSERT_EQ(chargerTout(chemin_, relus), 3);
  EXPECT_EQ(relus[0].lireCase(5, 6), 4);
}

TEST_F(Editeur, NonSortSansEcrire) {
  const std::string avant = lireFichierTest(chemin_);
  auto e = ouvrir();
  e->peindre(1, 1);
  e->choisirOutil(9);
  e->peindre(2, 2);
  cmd(*e, CmdQuitter);
  clicTexte("No");
  EXPECT_TRUE(e->sortie());
  EXPECT_EQ(lireFichierTest(chemin_), avant);
}

// The quit button asks only when something would be lost: not on a file left as opened, not
// right after a save; an edit asks again. (Escape always asks: see EchapEstLeRetour.)
TEST_F(Editeur, QuitterSansQuestionQuandRienNeSePerd) {
  {
    auto e = ouvrir();
    cmd(*e, CmdQuitter);
    EXPECT_TRUE(e->sortie());
    EXPECT_FALSE(e->dialogueOuvert());
  }
  auto e = ouvrir();
  e->choisirOutil(4);
  ASSERT_TRUE(e->peindre(5, 6));
  cmd(*e, CmdSauver);
  ASSERT_FALSE(e->dialogueOuvert());
  cmd(*e, CmdQuitter);
  EXPECT_TRUE(e->sortie());
  EXPECT_FALSE(e->dialogueOuvert());
  auto f = ouvrir();
  f->choisirOutil(4);
  ASSERT_TRUE(f->peindre(6, 6));
  cmd(*f, CmdQuitter);
  EXPECT_FALSE(f->sortie());
  EXPECT_EQ(f->typeDialogue(), DialogueEditeur::Quitter);
  g_->detruireFermes();
}

// A save that worked says so for two seconds from the first frame that shows it; a failed one
// shows its error dialog instead.
TEST_F(Editeur, AvisApresSauvegarde) {
  auto e = ouvrir();
  EXPECT_FALSE(e->avisAffiche());
  cmd(*e, CmdSauver);
  ASSERT_TRUE(e->avisAffiche());
  bool vu = false;
  for (const auto& l : g_->zones())
    if (l && l->texte() == "Enregistre") vu = true;
  EXPECT_TRUE(vu);
  e->avancerAvis(5000);
  e->avancerAvis(6999);
  EXPECT_TRUE(e->avisAffiche());
  e->avancerAvis(7000);
  EXPECT_FALSE(e->avisAffiche());
}

// Saving can fail in several ways; each keeps the edits in memory, says so in a dialog, and
// leaves the old file whole. "Oui" of the quit dialog then stays in the editor.
TEST_F(Editeur, SauvegardeRateeGardeLeTravail) {
  struct Cas {
    const char* nom;
    std::function<std::string(const std::string& dossier)> preparer;  // returns the path to edit
  };
  const Cas cas[] = {
      {"fichier protege",
       [](const std::string& d) {
         const std::string c = d + "protege.map";
         EXPECT_TRUE(sauvegarderTout(c, trois()));
         chmod(c.c_str(), 0444);
         return c;
       }},
      {"dossier disparu (sous un fichier ordinaire)",
       [](const std::string& d) {
         ecrireFichierTest(d + "ordinaire", "x");
         return d + "ordinaire/niveaux.map";
       }},
      {"un dossier a la place du fichier",
       [](const std::string& d) {
         std::filesystem::create_directories(d + "dossier.map/plein");
         return d + "dossier.map";
       }},
  };
  for (const Cas& c : cas) {
    DossierTemporaire d;
    const std::string chemin = c.preparer(d.chemin());
    const bool existait = std::filesystem::is_regular_file(chemin);
    const std::string avant = existait ? lireFichierTest(chemin) : "";
    EtatEditeur e(chemin, trois(), 640, 480);
    e.choisirOutil(5);
    ASSERT_TRUE(e.peindre(3, 3)) << c.nom;
    cmd(e, CmdSauver);
    EXPECT_EQ(e.typeDialogue(), DialogueEditeur::Erreur) << c.nom;
    EXPECT_TRUE(e.modifie()) << c.nom;
    EXPECT_EQ(e.courant().lireCase(3, 3), 5) << c.nom;
    clicTexte("OK");
    EXPECT_FALSE(e.dialogueOuvert()) << c.nom;
    cmd(e, CmdQuitter);
    clicTexte("Oui");
    EXPECT_FALSE(e.sortie()) << c.nom;
    EXPECT_EQ(e.typeDialogue(), DialogueEditeur::Erreur) << c.nom;
    if (existait) {
      EXPECT_EQ(lireFichierTest(chemin), avant) << c.nom;
    }
    g_->detruireFermes();
  }
}

TEST_F(Editeur, CopieDeSecours) {
  {
    auto e = ouvrir();
    e->ecrireRecuperationSiModifie();  // nothing changed: no copy
    EXPECT_FALSE(recuperationExiste(chemin_));
    e->choisirOutil(OutilBalle);
    e->peindre(7, 8);
    e->choisirOutil(2);
    e->peindre(9, 9);
    e->ecrireRecuperationSiModifie();  // the window closes
  }
  const std::string copie = cheminRecuperation(chemin_);
  ASSERT_TRUE(existeTest(copie));
  EXPECT_EQ(copie.substr(copie.size() - 4) == ".map", false);  // the catalogue lists ".map" only
  std::vector<Niveau> fichier;
  chargerTout(chemin_, fichier);
  EXPECT_EQ(fichier[0].lireCase(9, 9), 0);  // the edited file itself untouched

  {  // "No": the file as saved, the copy removed
    auto e = ouvrir();
    e->proposerRecuperation();
    ASSERT_EQ(e->typeDialogue(), DialogueEditeur::Recuperation);
    clicTexte("No");
    EXPECT_EQ(e->courant().lireCase(9, 9), 0);
    EXPECT_FALSE(existeTest(copie));
  }
  {  // "Oui": the copy's levels; they count as unsaved, so the copy stays until a save
    auto e = ouvrir();
    e->choisirOutil(6);
    e->peindre(9, 9);
    e->ecrireRecuperationSiModifie();
  }
  {  // Escape leaves the question unanswered: the copy stays for the next opening
    auto e = ouvrir();
    e->proposerRecuperation();
    ASSERT_EQ(e->typeDialogue(), DialogueEditeur::Recuperation);
    e->echap();
    EXPECT_FALSE(e->dialogueOuvert());
    EXPECT_TRUE(existeTest(copie));
    EXPECT_FALSE(e->modifie());
    g_->detruireFermes();
  }
  {
    auto e = ouvrir();
    e->proposerRecuperation();
    clicTexte("Oui");
    EXPECT_EQ(e->courant().lireCase(9, 9), 6);
    EXPECT_TRUE(e->modifie());
    // A crash now (the editor gone without a word) loses nothing: the copy is still there.
    EXPECT_TRUE(existeTest(copie));
  }
  {  // offered again; saved this time, the copy has served
    auto e = ouvrir();
    e->proposerRecuperation();
    clicTexte("Oui");
    g_->detruireFermes();
    ASSERT_TRUE(existeTest(copie));
    cmd(*e, CmdSauver);
    EXPECT_FALSE(e->dialogueOuvert());
    EXPECT_FALSE(existeTest(copie));
    std::vector<Niveau> relus;
    chargerTout(chemin_, relus);
    EXPECT_EQ(relus[0].lireCase(9, 9), 6);
  }
  {  // an unreadable copy is kept, not thrown away
    ecrireFichierTest(copie, "abime");
    auto e = ouvrir();
    e->proposerRecuperation();
    clicTexte("Oui");
    EXPECT_TRUE(existeTest(copie));
    EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 3}));
  }
}

// The recovery copy is the game's own file: a link planted in its place is replaced, and the
// file it pointed to never written; nor is a link there offered back as a copy.
TEST_F(Editeur, CopieDeSecoursNeSuitPasUnLien) {
  const std::string copie = cheminRecuperation(chemin_);
  const std::string victime = dossier_ / "victime.txt";
  ecrireFichierTest(victime, "a garder");
  ASSERT_EQ(symlink(victime.c_str(), copie.c_str()), 0);
  {
    auto e = ouvrir();
    e->proposerRecuperation();
    EXPECT_FALSE(e->dialogueOuvert());  // a link is no copy of ours
    e->peindre(4, 4);
    e->choisirOutil(3);
    ASSERT_TRUE(e->peindre(4, 4));
    EXPECT_TRUE(e->ecrireRecuperationSiModifie());
  }
  EXPECT_EQ(lireFichierTest(victime), "a garder");
  struct stat st;
  ASSERT_EQ(lstat(copie.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  std::vector<Niveau> lus;
  ASSERT_EQ(chargerTout(copie, lus), 3);
  EXPECT_EQ(lus[0].lireCase(4, 4), 3);
}

// Two games editing one file: the second save finds the file changed since it was read and
// asks; each answer keeps both versions safe until the player decides.
TEST_F(Editeur, DeuxEditeursMemeFichier) {
  const struct {
    const char* choix;  // the conflict dialog's button (keys: no translator here)
    bool depuisQuitter;
    int attenduFichier;  // the cell (2, 2) of the edited file afterwards
    bool nouveauFichier;
    bool sortie;
  } cas[] = {
      {"Ecraser", false, 6, false, false}, {"NouveauNom", false, 4, true, false},
      {"Ann", false, 4, false, false},     {"Ecraser", true, 6, false, true},
      {"NouveauNom", true, 4, true, true}, {"Ann", true, 4, false, false},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(std::string(c.choix) + (c.depuisQuitter ? " depuis Quitter" : ""));
    ASSERT_TRUE(sauvegarderTout(chemin_, trois()));
    std::filesystem::remove(dossier_ / "mapsusr-2.map");
    auto a = ouvrir();
    auto b = ouvrir();
    a->choisirOutil(4);
    a->peindre(2, 2);
    cmd(*a, CmdSauver);
    ASSERT_FALSE(a->dialogueOuvert());
    // The same game saving again is no conflict.
    a->peindre(3, 3);
    cmd(*a, CmdSauver);
    ASSERT_FALSE(a->dialogueOuvert());

    b->choisirOutil(6);
    ASSERT_TRUE(b->peindre(2, 2));

    if (c.depuisQuitter) {
      cmd(*b, CmdQuitter);
      clicTexte("Oui");
    } else {
      cmd(*b, CmdSauver);
    }
    ASSERT_EQ(b->typeDialogue(), DialogueEditeur::Conflit);
    std::vector<Niveau> lus;
    ASSERT_EQ(chargerTout(chemin_, lus), 3);
    EXPECT_EQ(lus[0].lireCase(2, 2), 4);  // nothing written yet
    clicTexte(c.choix);
    g_->detruireFermes();
    EXPECT_FALSE(b->dialogueOuvert());
    lus.clear();
    ASSERT_EQ(chargerTout(chemin_, lus), 3);
    EXPECT_EQ(lus[0].lireCase(2, 2), c.attenduFichier);
    EXPECT_EQ(existeTest(dossier_ / "mapsusr-2.map"), c.nouveauFichier);
    if (c.nouveauFichier) {
      lus.clear();
      ASSERT_EQ(chargerTout(dossier_ / "mapsusr-2.map", lus), 3);
      EXPECT_EQ(lus[0].lireCase(2, 2), 6);
      EXPECT_EQ(b->chemin(), dossier_ / "mapsusr-2.map");
    }
    EXPECT_EQ(b->sortie(), c.sortie);
    EXPECT_EQ(b->modifie(), std::string(c.choix) == "Ann");
  }
}

// The same with a file of 260 levels of 255 x 255 (17 MB): the second save still asks.
TEST_F(Editeur, DeuxEditeursGrosFichier) {
  Niveau grand = nouveauNiveau();
  grand.redimensionner(255, 255);
  ASSERT_TRUE(sauvegarderTout(chemin_, std::vector<Niveau>(260, grand)));
  ASSERT_GT(std::filesystem::file_size(chemin_), size_t{16} << 20);
  std::vector<Niveau> n;
  ASSERT_EQ(chargerTout(chemin_, n), 260);
  EtatEditeur a(chemin_, n, 640, 480), b(chemin_, std::move(n), 640, 480);
  a.choisirOutil(4);
  ASSERT_TRUE(a.peindre(2, 2));
  cmd(a, CmdSauver);
  ASSERT_FALSE(a.dialogueOuvert());
  b.choisirOutil(6);
  ASSERT_TRUE(b.peindre(3, 3));
  cmd(b, CmdSauver);
  EXPECT_EQ(b.typeDialogue(), DialogueEditeur::Conflit);
  std::vector<Niveau> lus;
  ASSERT_EQ(chargerTout(chemin_, lus), 260);
  EXPECT_EQ(lus[0].lireCase(2, 2), 4);  // the first game's edit is still there
  EXPECT_EQ(lus[0].lireCase(3, 3), 0);
  b.echap();
  g_->detruireFermes();
}

// Closing the window when the recovery copy cannot be written: a dialog, and each choice.
TEST_F(Editeur, CopieImpossibleALaFermeture) {
  const std::string copie = cheminRecuperation(chemin_);
  const std::string joueur = dossier_ / "joueur";
  auto preparer = [&] {
    std::filesystem::remove_all(copie);
    std::filesystem::create_directories(copie + "/plein");  // a directory in its place
    auto e = ouvrir();
    e->setDossierUtilisateur(joueur);
    e->choisirOutil(7);
    e->peindre(6, 6);
    EXPECT_FALSE(e->ecrireRecuperationSiModifie());
    e->proposerEchecCopie();
    EXPECT_EQ(e->typeDialogue(), DialogueEditeur::EchecCopie);
    EXPECT_FALSE(e->sortie());
    return e;
  };
  {  // try again: still impossible, the dialog stays; then possible
    auto e = preparer();
    clicTexte("Reessayer");
    EXPECT_EQ(e->typeDialogue(), DialogueEditeur::EchecCopie);
    EXPECT_FALSE(e->sortie());
    std::filesystem::remove_all(copie);
    clicTexte("Reessayer");
    EXPECT_TRUE(e->sortie());
    std::vector<Niveau> lus;
    ASSERT_EQ(chargerTout(copie, lus), 3);
    EXPECT_EQ(lus[0].lireCase(6, 6), 7);
  }
  {  // elsewhere: a free name in the player's folder, made again if it went
    auto e = preparer();
    clicTexte("Ailleurs");
    EXPECT_TRUE(e->sortie());
    std::vector<Niveau> lus;
    ASSERT_EQ(chargerTout(joueur + "/mapsusr-2.map", lus), 3);
    EXPECT_EQ(lus[0].lireCase(6, 6), 7);
  }
  {  // give up: leaves, nothing written
    const std::string avant = lireFichierTest(chemin_);
    auto e = preparer();
    clicTexte("SansSauver");
    EXPECT_TRUE(e->sortie());
    EXPECT_EQ(lireFichierTest(chemin_), avant);
  }
  {  // the save button settles it too
    auto e = preparer();
    cmd(*e, CmdSauver);
    EXPECT_FALSE(e->modifie());
  }
}

TEST_F(Editeur, OutilChoisiPulse) {
  auto e = ouvrir();
  ImageGUI* sept = e->boutonOutil(7);
  clic(sept->zone()->x + 5, sept->zone()->y + 5);
  EXPECT_EQ(e->outil(), 7);
  e->surligner(0);
  EXPECT_EQ(sept->zone()->bordureHaut, 4);
  e->surligner(314);  // sin(pi / 2): the widest frame
  EXPECT_EQ(sept->zone()->bordureGauche, 7);
  e->choisirOutil(OutilBalle);
  EXPECT_EQ(sept->zone()->bordureDroite, 0);
  EXPECT_EQ(e->boutonOutil(OutilBalle)->zone()->x, 607);
  EXPECT_EQ(e->boutonOutil(OutilBalle)->zone()->y, 33);
}

// Undo and redo through the editor: a drag of several cells is one step, an inserted level goes
// and comes back, nothing moves while a dialog is open, and reopening the file keeps its history.
TEST_F(Editeur, AnnulerEtRefaire) {
  {
    auto e = ouvrir();
    e->choisirOutil(4);
    e->peindre(1, 1);
    e->peindre(2, 1);  // same drag
    e->validerHistorique();
    e->spinner()->setValeur(2);
    cmd(*e, CmdAjouter);
    EXPECT_FALSE(e->annuler());  // the dialog is open
    bouton(*e, "Ap");
    e->validerHistorique();
    ASSERT_EQ(e->niveaux().size(), 4u);

    ASSERT_TRUE(e->annuler());
    EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 3}));
    ASSERT_TRUE(e->annuler());
    EXPECT_EQ(e->spinner()->valeur(), 1);  // back on the level the drag changed
    EXPECT_EQ(e->courant().lireCase(1, 1), 0);
    EXPECT_EQ(e->courant().lireCase(2, 1), 0);
    EXPECT_FALSE(e->annuler());
    ASSERT_TRUE(e->refaire());
    EXPECT_EQ(e->courant().lireCase(1, 1), 4);
    EXPECT_EQ(e->courant().lireCase(2, 1), 4);
  }
  auto e = ouvrir();  // the same file again in this session
  ASSERT_TRUE(e->refaire());
  EXPECT_EQ(e->niveaux().size(), 4u);
}

// The spinner moved while a dialog is open: the answer goes to the level the dialog was opened
// on, for each dialog that acts on a level.
TEST_F(Editeur, UnDialogueAgitSurSonNiveau) {
  {
    auto e = ouvrir();
    cmd(*e, CmdProprietes);
    e->ligneBombes()->setValeur(9);
    e->spinner()->setValeur(2);
    bouton(*e, "OK");
    EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{9, 2, 3}));
  }
  {
    auto e = ouvrir();
    cmd(*e, CmdSupprimer);
    e->spinner()->setValeur(3);
    bouton(*e, "OK");
    EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{2, 3}));
  }
  {
    auto e = ouvrir();
    cmd(*e, CmdAjouter);
    e->spinner()->setValeur(3);
    bouton(*e, "Ap");
    EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 0, 2, 3}));
  }
}

// The colour chooser opened on each default grey corner and confirmed untouched gives back the
// very same colour (it used to save its nearest shade, 0.772 for 0.7).
TEST_F(Editeur, CouleurInchangeeSansChoix) {
  for (int q = 0; q < 4; ++q) {
    auto e = ouvrir();
    const Niveau avant = e->courant();
    cmd(*e, CmdProprietes);
    ZoneGUI* z = e->widgetCoins()->zone();
    clicDans(z, (q % 2) ? z->largeur - 3 : 3, (q / 2) ? z->hauteur - 3 : 3);
    ASSERT_NE(e->choixCouleur(), nullptr);
    bouton(*e, "OK");
    bouton(*e, "OK");
    for (int k = 0; k < 4; ++k)
      for (int i = 0; i < 4; ++i)
        EXPECT_EQ(e->courant().couleurs[k][i], avant.couleurs[k][i]) << q << " " << k << " " << i;
    g_->detruireFermes();
  }
}

// The undo and redo buttons do what Ctrl+Z and Ctrl+Y do, and their text is greyed while they
// have nothing to do (a dialog open included).
TEST_F(Editeur, BoutonsAnnulerEtRefaire) {
  auto e = ouvrir();
  const auto gris = [](BoutonGUI* b) { return b->zone()->couleurTexte[0] == 0.45f; };
  e->surligner(0);
  EXPECT_FALSE(e->peutAnnuler());
  EXPECT_FALSE(e->peutRefaire());
  EXPECT_TRUE(gris(e->boutonAnnuler()));
  EXPECT_TRUE(gris(e->boutonRefaire()));
  clicTexte("Defaire");  // nothing to undo: nothing moves
  EXPECT_FALSE(e->modifie());

  e->choisirOutil(4);
  ASSERT_TRUE(e->peindre(5, 6));
  e->surligner(0);
  EXPECT_TRUE(e->peutAnnuler());  // not yet a step: still undoable
  EXPECT_FALSE(gris(e->boutonAnnuler()));
  clicTexte("Defaire");
  EXPECT_EQ(e->courant().lireCase(5, 6), 0);
  e->surligner(0);
  EXPECT_TRUE(gris(e->boutonAnnuler()));
  EXPECT_FALSE(gris(e->boutonRefaire()));
  clicTexte("Refaire");
  EXPECT_EQ(e->courant().lireCase(5, 6), 4);
  EXPECT_FALSE(e->peutRefaire());

  cmd(*e, CmdAjouter);
  e->surligner(0);
  EXPECT_TRUE(gris(e->boutonAnnuler()));
  clicTexte("Defaire");  // the dialog's level must not change under it
  EXPECT_EQ(e->courant().lireCase(5, 6), 4);
  e->echap();
  g_->detruireFermes();
}

TEST(TitreEditeur, MarqueLesModificationsNonEnregistrees) {
  EXPECT_EQ(titreEditeur("/home/a/mapsusr/essai.map", false), "Zarvinel - essai.map");
  EXPECT_EQ(titreEditeur("/home/a/mapsusr/essai.map", true), "Zarvinel - essai.map *");
}

// A copied level lands right after the current one and is shown; it is one undo step; a dialog
// open refuses it.
TEST_F(Editeur, CopierUnNiveau) {
  auto e = ouvrir();
  e->spinner()->setValeur(2);
  e->choisirOutil(4);
  ASSERT_TRUE(e->peindre(3, 3));  // an edit still open: its own step
  ASSERT_TRUE(e->copierNiveau());
  EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_EQ(e->spinner()->valeur(), 3);
  EXPECT_EQ(e->spinner()->max(), 4);
  EXPECT_EQ(e->courant().lireCase(3, 3), 4);
  EXPECT_TRUE(e->modifie());
  ASSERT_TRUE(e->annuler());
  EXPECT_EQ(marques(e->niveaux()), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(e->courant().lireCase(3, 3), 4);  // the paint is the step before
  ASSERT_TRUE(e->refaire());
  EXPECT_EQ(e->niveaux().size(), 4u);
  cmd(*e, CmdProprietes);
  EXPECT_FALSE(e->copierNiveau());
  EXPECT_EQ(e->niveaux().size(), 4u);
  e->echap();
  g_->detruireFermes();
}

// A file holds at most 1000 levels: a copy or a new level beyond that is refused with a word,
// and the levels stay as they were.
TEST_F(Editeur, PasDeNiveauAuDelaDeLaLimite) {
  CaptureJournal journal;
  EtatEditeur e(chemin_, std::vector<Niveau>(1000, nouveauNiveau()), 640, 480);
  EXPECT_FALSE(e.copierNiveau());
  EXPECT_EQ(e.niveaux().size(), 1000u);
  EXPECT_TRUE(e.avisAffiche());
  cmd(e, CmdAjouter);
  clicTexte("Ap");
  EXPECT_EQ(e.niveaux().size(), 1000u);
  EXPECT_FALSE(e.modifie());
  EXPECT_TRUE(journal.contient("Pas plus de 1000 niveaux par fichier"));
  g_->detruireFermes();
}

TEST(TouchesEditeur, ChiffresEtLettres) {
  const struct {
    SDLKey touche;
    int outil;
    const char* nom;
  } cas[] = {{SDLK_0, 0, "0"},        {SDLK_1, 1, "1"},        {SDLK_9, 9, "9"},
             {SDLK_a, 10, "a"},       {SDLK_j, 19, "j"},       {SDLK_p, OutilBalle, "p"},
             {SDLK_KP0, 0, "pavé 0"}, {SDLK_KP7, 7, "pavé 7"}, {SDLK_k, -1, ""},
             {SDLK_z, -1, ""},        {SDLK_F5, -1, ""},       {SDLK_ESCAPE, -1, ""}};
  for (const auto& c : cas) {
    EXPECT_EQ(outilPourTouche(c.touche), c.outil) << c.nom;
    EXPECT_EQ(nomToucheOutil(c.touche), c.nom) << c.outil;
  }
  EXPECT_EQ(outilPourTouche(SDLK_s), OutilSelection);
  EXPECT_EQ(nomToucheOutil(SDLK_s), "s");
  // Every key picks a tool that exists, or none.
  for (int k = SDLK_SPACE; k <= SDLK_KP_EQUALS; ++k) {
    const int o = outilPourTouche(static_cast<SDLKey>(k));
    EXPECT_TRUE(o == -1 || o == OutilBalle || o == OutilSelection ||
                (o >= 0 && o < NombreOutilsCases))
        << k;
  }
}

// The view is not an edit: undo and redo bring the cells back but leave every level's camera
// where the author moved it since, the level the step changed and the others alike.
TEST_F(Editeur, AnnulerLaisseLaVue) {
  auto e = ouvrir();
  e->choisirOutil(4);
  ASSERT_TRUE(e->peindre(3, 3));
  e->validerHistorique();
  Camera vues[3];
  for (int k = 0; k < 3; ++k) {
    e->spinner()->setValeur(k + 1);
    Camera& c = e->courant().camera;
    c.centreX = 7.0f + static_cast<float>(k);
    c.centreY = 5.0f;
    c.oeilX = c.centreX;
    c.oeilZ = -9.0f - static_cast<float>(k);
    vues[k] = c;
  }
  auto memesVues = [&](const char* quand) {
    for (int k = 0; k < 3; ++k) {
      const Camera& c = e->niveaux()[static_cast<size_t>(k)].camera;
      EXPECT_FLOAT_EQ(c.centreX, vues[k].centreX) << quand << ", level " << k + 1;
      EXPECT_FLOAT_EQ(c.centreY, vues[k].centreY) << quand << ", level " << k + 1;
      EXPECT_FLOAT_EQ(c.oeilX, vues[k].oeilX) << quand << ", level " << k + 1;
      EXPECT_FLOAT_EQ(c.oeilZ, vues[k].oeilZ) << quand << ", level " << k + 1;
    }
  };
  ASSERT_TRUE(e->annuler());
  EXPECT_EQ(e->niveaux()[0].lireCase(3, 3), 0);
  memesVues("undo");
  ASSERT_TRUE(e->refaire());
  EXPECT_EQ(e->niveaux()[0].lireCase(3, 3), 4);
  memesVues("redo");
}
