// Entry point: start-up, the main loop and shutdown, in their fixed order.
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/demarrage.h"
#include "app/pages_aide.h"
#include "base/etat.h"
#include "base/journal.h"
#include "app/ligne_commande.h"
#include "platform/memoire.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "base/traducteur.h"
#include "game/manette.h"
#include "game/terrain.h"
#include "platform/dossiers.h"
#include "levels/fichier_progression.h"
#include "gui/chargement.h"
#include "gui/widgets.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/image.h"
#include "render/shaders.h"
#include "render/textures.h"
#include "screens/boucle_ecran.h"
#include "screens/cadence.h"
#include "screens/ecran_langue.h"
#include "screens/ecran_options.h"
#include "screens/fond_menu.h"
#include "screens/jeu.h"
#include "screens/jeu_widgets.h"
#include "screens/menu_principal.h"
#include "screens/suite_fichiers.h"
#include "editor/editeur.h"
#include "sound/sons.h"

static_assert(LienCredits == MenuLienCredits && LienManuel == MenuLienManuel,
              "the menu's two links are the two help pages");

namespace {

// A service owned here and published through its global pointer. On its way out it logs its
// shutdown line (when it has one), runs its last step (when it has one), clears the pointer and
// only then frees the object.
template <class T>
class Service {
 public:
  Service(T*& global, const char* ligneFin, std::function<void(T&)> dernierPas = nullptr)
      : global_(global), ligneFin_(ligneFin), dernierPas_(std::move(dernierPas)) {}
  Service(const Service&) = delete;
  Service& operator=(const Service&) = delete;
  ~Service() {
    if (ligneFin_) journal(ligneFin_);
    if (objet_ && dernierPas_) dernierPas_(*objet_);
    global_ = nullptr;
    objet_.reset();
  }

  // Makes the service and publishes it.
  template <class... A>
  T& installer(A&&... arguments) {
    objet_ = std::make_unique<T>(std::forward<A>(arguments)...);
    global_ = objet_.get();
    return *objet_;
  }
  // Takes over a service made elsewhere and publishes it.
  void adopter(std::unique_ptr<T> objet) {
    objet_ = std::move(objet);
    global_ = objet_.get();
  }

 private:
  T*& global_;
  const char* ligneFin_;
  std::function<void(T&)> dernierPas_;
  std::unique_ptr<T> objet_;
};

// A shutdown step with nothing to free: it runs when its place in Services comes.
class PasDArret {
 public:
  explicit PasDArret(std::function<void()> pas) : pas_(std::move(pas)) {}
  PasDArret(const PasDArret&) = delete;
  PasDArret& operator=(const PasDArret&) = delete;
  ~PasDArret() { pas_(); }

 private:
  std::function<void()> pas_;
};

// The global services, owned here; the global pointers stay for the code that reads them.
// Members go in the reverse of the order they are declared in: that order is the shutdown's,
// and it holds whether the main loop ended or start-up gave up half way (a failed window still
// reaches SDL_Quit and frees what was made). Each member is declared before what uses it until
// the end: the window and SDL first (the GUI's and the shaders' GL objects are freed while the
// context lives), then the folders, then the services the screens use, the menu background's
// thread after the level it animates.
struct Services {
  PasDArret sdl{[] {
    journal("Termine SDL");
    SDL_Quit();
    journal("Termine");
  }};
  PasDArret ciel{abandonnerCielEnAvance};
  PasDArret manettes{fermerManettes};
  Service<Repertoires> repertoires{::repertoires, nullptr};
  Service<GlExt> glext{::glext, "Termine glext"};
  Service<Traducteur> traducteur{::traducteur, "Termine trans"};
  // The core's view of the sound queue goes with the sounds.
  Service<Sons> sons{::sons, "Termine sons", [](Sons&) { requetesSons = nullptr; }};
  Service<Gui> gui{::gui, "Termine gui"};
  Service<Terrain> terrain{::terrain, "Termine ter"};
  PasDArret fondMenu{[] {
    journal("Termine fondmenu");
    arreterFondMenu();
  }};
  Service<Shaders> shaders{::shaders, "Termine shader", [](Shaders& s) { s.libererShaders(); }};
  std::unique_ptr<ImageGUI> fondIPS;
  Service<LabelGUI> labelIPS{::labelIPS, nullptr};
};

}  // namespace

int main(int argc, char** argv) {
  reglerAllocateur();
  // 1. Our own path, for the restart: argv[0] may be a bare name found along PATH.
  std::string programme = cheminExecutable();
  if (programme.empty() && argc > 0) programme = argv[0];
  std::srand(static_cast<unsigned>(std::time(nullptr)));

  // 2 to 8. Directories, command line, data check.
  const LigneCommande ligne =
      lireLigneCommande(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
  // Answered before anything is logged or opened.
  if (ligne.aide || ligne.version) {
    std::fputs((ligne.aide ? texteAide() : texteVersion()).c_str(), stdout);
    return 0;
  }
  std::unique_ptr<Repertoires> repertoiresPrepares = preparerRepertoires(ligne);
  if (!repertoiresPrepares) return -1;
  auto services = std::make_unique<Services>();
  services->repertoires.adopter(std::move(repertoiresPrepares));

  // 9. Options.
  const bool fichierOptionsLu = !ligne.parDefaut && options.charger();
  if (ligne.largeurFenetre > 0) {
    options.ResX = ligne.largeurFenetre;
    options.ResY = ligne.hauteurFenetre;
  }
  prechargerCiel();  // decoded while the window opens

  // 10. The GUI manager, at the size the options ask for.
  journal("Init GUI");
  services->gui.installer(options.ResX, options.ResY);

  // 11. Window and OpenGL context.
  journal("Init Graph");
  // The SDL 1.2 layer over SDL2 draws OpenGL into an image of its own that it scales to the
  // window; switching full screen live (Alt+Enter) leaves that image at the wrong scale. Without
  // it a full-screen window is a real video mode, as SDL 1.2 made it. The player may still ask
  // for the scaling through the environment.
  setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
  // A first start fits the window to the desktop; an options file or "--window" says its size.
  const int graph = initGraph(!fichierOptionsLu && ligne.largeurFenetre == 0);
  if (graph != 0) return graph;

  // A gamepad, if one is plugged in, once SDL is up.
  ouvrirManettes();

  // 12. The GUI manager takes the window's size (the window may have fallen back to the
  // factory defaults).
  journal("Resize GUI");
  gui->setChoixEchelle(options.EchelleInterface);
  gui->redimensionner(options.ResX, options.ResY);
  journal("ok");

  // 13, 14.
  journal("Chargement du système de map");
  services->terrain.installer();
  journal("Chargement du système son");
  services->sons.installer();
  requetesSons = sons;
  sons->reglerVolumes(options.volumeMusiqueMixer(), options.volumeEffetsMixer());

  // 15, 16.
  journal("Chargement du traducteur");
  services->traducteur.installer();
  journal("Récupération des capacités graphiques");
  services->glext.installer();

  // 17, 18.
  journal("Filtrage des options par rapport aux capacités graphiques");
  filtrerCapacites(options, *glext);
  journal("ok");
  if (!glext->shaderDisponible()) {
    options.FondShader = false;
    options.Bloom = false;
  }

  // 19.
  {
    char adresse[32];
    std::snprintf(adresse, sizeof adresse, "%p", static_cast<void*>(gui));
    journal(std::string("Pointeur vers GUI : ") + adresse);
  }
  // 20, 21. Textures (the GUI's font and frames first) and shader programs.
  chargerImagesGui(*gui);
  chargerImages();
  services->shaders.installer();
  shaders->preparerShaders();
  // 22. The frame-rate label, which the screen loop rewrites every second.
  // On a dark backing: the number stays readable over bright bricks.
  if (options.AfficheIPS) {
    services->fondIPS = fondSombre(0, 32, 44, 20);
    services->labelIPS.installer(0, 32, 80, "", nullptr, 0);
  }

  // 23. Language file.
  traducteur->charger(repertoires->chemin("lang/" + options.Langue + ".txt"));

  // 24. Menu background.
  demarrerFondMenu();

  // 25. Vertical sync.
  const int vsync = setVSync(options.VSync ? 1 : 0);
  journal("[VSYNC] actif=" + std::to_string(vsync));
  // Whether the swap really waits for the display: a few empty frames timed (none when the
  // interval is off).
  if (vsync > 0) {
    mesurerCadence([] {
      glClear(GL_COLOR_BUFFER_BIT);
      SDL_GL_SwapBuffers();
    });
  } else {
    journal("Cadence : minuterie");
  }

  // 26. Main loop: the menu, then what it asked for, until something ends the program.
  std::string fichier;
  bool quitter = false;
  bool redemarrage = false;
  modeEditeur = false;
  while (!quitter) {
    // What start-up or the last screen freed (decoded pictures, a level, a dialog) goes back to
    // the system before the menu: the allocator keeps up to megabytes otherwise (memoire.cpp).
    rendreMemoireLibre();
    int premierNiveau = 1;
    const int resultat = menuPrincipal(fichier, premierNiveau);
    switch (resultat) {
      case MenuQuitter:  // Quit, or the window was closed
        quitter = true;
        break;
      case MenuJouer:  // play the chosen level file
        arreterFondMenu();
        journal("Demarre jeu");
        quitter = jouerDepuisMenu(fichier, premierNiveau);
        // Closing the window ends the program: no demonstration level to load and fly first.
        if (!quitter) demarrerFondMenu();
        break;
      case MenuNouveau:  // a new level file was created
      case MenuEditer:   // edit a level file
        arreterFondMenu();
        modeEditeur = true;
        journal("Demarre l'editeur");
        quitter = editeur(fichier);
        modeEditeur = false;
        if (!quitter) demarrerFondMenu();
        break;
      case LienCredits:
      case LienManuel:
        ouvrirPageAide(resultat, options.Langue);
        if (options.Fullscreen) quitter = true;
        break;
      case MenuOptions: {
        const int r = ecranOptions();
        if (r == OptionsQuitter) quitter = true;
        if (r == OptionsConfirmees) redemarrage = quitter = true;
        journal("Menu options retour");
        break;
      }
      case MenuLangue: quitter = ecranLangue(); break;
      default: break;
    }
  }

  // Shutdown, in this order. Records that waited for another game's lock get a last chance.
  ecrireProgressionsEnAttente(AttenteVerrouFinMs);
  services.reset();
  if (redemarrage) {
    journal("Redemarge demande");
    journal("resultat = " + std::to_string(redemarrer(programme, ligne)));
  }
  journal("Fin OK");
  return 0;
}
