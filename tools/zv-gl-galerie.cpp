// One panel holding every widget of the GUI toolkit and a text using every markup tag, drawn
// by the game's own code in a real window.
//
//   zv-gl-galerie [--taille LxH] [--donnees DIR] [--choix] [--capture SORTIE.png] [--duree S]
//
// With --capture it draws a few frames, writes the window as a PNG and ends. Otherwise it runs
// until the window is closed (or for S seconds) and logs on standard output: "pret", the
// text entry's position as "saisie X Y" and the colour button's as "bouton X Y" (top-left
// corners), "texte <bytes>" after each key the entry receives, "choix X Y ok X Y" when the
// colour chooser opens (its rainbow's corner and a point of its OK button) and
// "couleur <button> R G B" when one of its buttons closes it. --choix opens it at once.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/journal.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "gui/chargement.h"
#include "gui/dialogue.h"
#include "gui/entier.h"
#include "gui/gui.h"
#include "gui/liste.h"
#include "gui/saisie.h"
#include "gui/widgets.h"
#include "platform/dossiers.h"
#include "png_simple.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/textures.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: zv-gl-galerie [--taille LxH] [--donnees DIR] [--choix] "
               "[--capture SORTIE.png] [--duree S]\n");
  return 2;
}

void dire(const std::string& ligne) {
  std::fputs((ligne + "\n").c_str(), stdout);
  std::fflush(stdout);
}

// Every widget, laid out in a 600 x 440 panel centred in the window.
struct Galerie {
  std::vector<std::unique_ptr<ObjHelpGUI>> widgets;
  std::unique_ptr<ZoneGUI> panneau;
  InputGUI* saisie = nullptr;
  BoutonGUI* boutonChoix = nullptr;
  ChoixCouleurGUI* choix = nullptr;
  GLuint icone = 0;

  template <class T, class... A>
  T* ajouter(A&&... a) {
    widgets.push_back(std::make_unique<T>(std::forward<A>(a)...));
    return static_cast<T*>(widgets.back().get());
  }

  void ouvrirChoix() {
    if (choix) return;
    const float depart[3] = {0.2f, 0.6f, 0.9f};
    choix = gui->ouvrirDialogue(std::make_unique<ChoixCouleurGUI>(
        "Couleur des briques", depart, 300, 260, surClic([this](const ClicGUI& clic) {
          if (!choix) return;
          float c[3];
          choix->getCouleur(c, 3);
          dire("couleur " + std::to_string(clic.donnee) + " " + std::to_string(c[0]) + " " +
               std::to_string(c[1]) + " " + std::to_string(c[2]));
          // Closed from its own button: the manager destroys it after the frame, not here.
          gui->fermerDialogue(choix);
          choix = nullptr;
        }),
        "OK", 1, "Annuler", 2));
    const ZoneGUI* arc = choix->arcEnCiel()->zone();
    dire("choix " + std::to_string(arc->x) + " " + std::to_string(arc->y) + " ok " +
         std::to_string(choix->fond()->x + 10) + " " +
         std::to_string(choix->fond()->y + choix->hauteur() - 15));
  }

  explicit Galerie(int W, int H) {
    const int x0 = (W - 600) / 2, y0 = (H - 440) / 2;
    panneau = gui->nouvelleZone();
    panneau->appliquerStyle(gui->stylePanneau);
    panneau->x = static_cast<int16_t>(x0);
    panneau->y = static_cast<int16_t>(y0);
    panneau->largeur = 600;
    panneau->hauteur = 440;
    panneau->setTexte("<b1>Galerie des widgets<b>  <cffdd77>Zarvinel");

    // Left column: the text with every tag, wrapped in its 280-pixel box.
    ajouter<LabelGUI>(x0 + 10, y0 + 30, 280,
                      "<cffdd77>Couleur<cffffff>, <u1>soulign\xe9<u>, <s1>barr\xe9<s>, "
                      "<b1>gras<b>, <i3>pench\xe9<i>, chevrons <(>ok<)>. "
                      "\xc9t\xe9 \xe0 la for\xeat : \xe7"
                      "a, na\xefve, c\x9cur, 12 \x80, "
                      "\xab guillemets \xbb.",
                      nullptr, 0);
    ajouter<BoutonGUI>(x0 + 10, y0 + 150, 130, "Bouton", nullptr, 0);
    boutonChoix = ajouter<BoutonGUI>(x0 + 150, y0 + 150, 140, "Choisir couleur",
                                     surClic([this] { ouvrirChoix(); }), 0);
    ajouter<CheckGUI>(x0 + 10, y0 + 180, 130, "Coch\xe9", true, nullptr, 0);
    ajouter<CheckGUI>(x0 + 150, y0 + 180, 140, "Pas coch\xe9", false, nullptr, 0);
    ajouter<LabelGUI>(x0 + 10, y0 + 210, 120, "Nombre :", nullptr, 0);
    ajouter<IntGUI>(7, 0, 10, x0 + 130, y0 + 210, 160, nullptr, 0);
    ajouter<LabelGUI>(x0 + 10, y0 + 240, 120, "Nom :", nullptr, 0);
    saisie = ajouter<InputGUI>(
        x0 + 130, y0 + 240, 160, "Tapez ici", 12,
        [this](ZoneGUI*, int, int type, int, int) {
          if (type == EV_TOUCHE) dire("texte " + saisie->getTexte());
        },
        0);
    icone = chargerTexture(repertoires->chemin("imgs/boutons/options.png"), TexClamp);
    ajouter<ImageGUI>(x0 + 10, y0 + 275, 32, 32, icone, nullptr, 0);
    ajouter<ImageGUI>(x0 + 50, y0 + 275, 16, 20, gui->styleListe.flecheHaut, nullptr, 0);
    ajouter<ImageGUI>(x0 + 70, y0 + 275, 16, 20, gui->styleListe.flecheBas, nullptr, 0);
    ajouter<LabelGUI>(x0 + 95, y0 + 280, 195,
                      "<i2>Images et fl\xe8"
                      "ches",
                      nullptr, 0);

    // Right column: the list and the colour fields.
    auto* liste = ajouter<ListGUI>(x0 + 310, y0 + 30, 280, 5);
    const char* niveaux[] = {"Premiers pas", "Briques fragiles", "Ressorts",
                             "Bombes",       "Interrupteurs",    "Casse-t\xeates"};
    for (int i = 0; i < 6; ++i) liste->ajouter({niveaux[i], i});
    liste->setSelection(1);
    liste->rafraichir();
    auto* arc = ajouter<ColorGUI>(x0 + 310, y0 + 150, 280, 110, nullptr, 0);
    arc->setArcEnCiel();
    arc->marqueur = ColorGUI::Losange;
    arc->viser(200, 30);
    auto* barre = ajouter<ColorGUI>(x0 + 310, y0 + 270, 280, 20, nullptr, 0);
    const float teinte[4] = {0.2f, 0.5f, 1.0f, 1};
    barre->setTeinte(teinte);
    barre->marqueur = ColorGUI::LigneVerticale;
    barre->viser(170, 10);
    auto* coins = ajouter<ColorGUI>(x0 + 310, y0 + 300, 280, 40, nullptr, 0);
    const float c4[16] = {1, 0.3f, 0.3f, 1, 1, 0.9f, 0.3f, 1, 0.3f, 0.4f, 1, 1, 0.3f, 1, 0.5f, 1};
    coins->setCoins(c4);
    coins->marqueur = ColorGUI::LigneHorizontale;
    coins->viser(140, 20);
    ajouter<LabelGUI>(x0 + 10, y0 + 320, 280,
                      "<c99ccff>Cliquez, tapez, faites d\xe9"
                      "filer la liste.",
                      nullptr, 0);
    ajouter<BoutonGUI>(x0 + 490, y0 + 405, 100, "Fermer", nullptr, 0);
  }
  ~Galerie() {
    if (choix) gui->fermerDialogue(choix);
    gui->detruireFermes();
    widgets.clear();
    panneau.reset();
  }
};

void image(int W, int H) {
  glClearColor(0.06f, 0.07f, 0.10f, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glViewport(0, 0, W, H);
  gui->projection();
  gui->dessiner();
}

}  // namespace

int main(int argc, char** argv) {
  int W = 640, H = 480;
  double duree = 0;
  bool avecChoix = false;
  std::string donnees, capture;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--taille" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &W, &H) != 2) return usage();
    } else if (a == "--donnees" && i + 1 < argc) {
      donnees = argv[++i];
    } else if (a == "--capture" && i + 1 < argc) {
      capture = argv[++i];
    } else if (a == "--duree" && i + 1 < argc) {
      duree = std::atof(argv[++i]);
    } else if (a == "--choix") {
      avecChoix = true;
    } else {
      return usage();
    }
  }
  if (W < 640 || H < 480 || W > 8192 || H > 8192) return usage();
  if (donnees.empty()) donnees = lireRegistre();
  if (donnees.empty() || donnees.back() != '/') donnees += '/';
  char modele[] = "/tmp/zv-galerie-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  // The game's own log lines (texture loading) would mix with ours: kept on standard error.
  journalDetourner([](const std::string& l) { std::fprintf(stderr, "%s\n", l.c_str()); });
  repertoires = new Repertoires(donnees, std::string(modele) + "/");

  options.defauts();
  options.ResX = W;
  options.ResY = H;
  options.Multisample = 1;
  options.Fullscreen = false;
  int code = 1;
  gui = new Gui(W, H);
  if (initGraph() == 0) {
    setVSync(capture.empty() ? 1 : 0);
    chargerImagesGui(*gui);
    {
      Galerie galerie(W, H);
      if (avecChoix) galerie.ouvrirChoix();
      const SDL_Rect& s = [&]() -> const SDL_Rect& {
        static SDL_Rect r;
        r.x = static_cast<Sint16>(galerie.saisie->zone()->x);
        r.y = static_cast<Sint16>(galerie.saisie->zone()->y);
        return r;
      }();
      if (!capture.empty()) {
        for (int k = 0; k < 3; ++k) {
          image(W, H);
          SDL_GL_SwapBuffers();
        }
        image(W, H);
        glFinish();
        std::vector<uint8_t> rgb(static_cast<size_t>(W) * H * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        code = png_simple::ecrirePng(capture, W, H, rgb) ? 0 : 1;
      } else {
        dire("saisie " + std::to_string(s.x) + " " + std::to_string(s.y));
        dire("bouton " + std::to_string(galerie.boutonChoix->zone()->x) + " " +
             std::to_string(galerie.boutonChoix->zone()->y));
        dire("pret");
        const Uint32 fin = duree > 0 ? SDL_GetTicks() + static_cast<Uint32>(duree * 1000) : 0;
        bool fini = false;
        while (!fini && (fin == 0 || SDL_GetTicks() < fin)) {
          SDL_Event e;
          while (SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT) fini = true;
            if (std::getenv("ZV_GALERIE_TRACE"))
              std::fprintf(stderr, "evenement %d sym %d unicode %d\n", e.type,
                           e.type == SDL_KEYDOWN || e.type == SDL_KEYUP ? e.key.keysym.sym : 0,
                           e.type == SDL_KEYDOWN ? e.key.keysym.unicode : 0);
            gui->gererEvenement(e);
          }
          image(W, H);
          SDL_GL_SwapBuffers();
          SDL_Delay(5);
        }
        code = 0;
      }
      gui->detruireFermes();
    }
  }
  delete gui;
  gui = nullptr;
  SDL_Quit();
  journalDetourner({});
  delete repertoires;
  repertoires = nullptr;
  std::error_code e;
  std::filesystem::remove_all(modele, e);
  return code;
}
