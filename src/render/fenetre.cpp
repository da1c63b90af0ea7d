#include "render/fenetre.h"

#include <GL/glx.h>
#include <SDL.h>
#include <algorithm>
#include <string>

#include "base/journal.h"
#include "base/fichiers.h"
#include "platform/choix_options.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "render/gl.h"
#include "render/etat_gl.h"
#include "render/glext.h"

namespace {

// Every SDL error met here goes to the log behind its prefix, then is cleared so that later
// checks see only new errors.
void journaliserErreurSDL(const char* prefixe) {
  const char* e = SDL_GetError();
  if (e && *e) {
    journal(std::string(prefixe) + e);
    SDL_ClearError();
  }
}

void chargerIcone() {
  if (!repertoires) return;
  const std::string chemin = repertoires->chemin("imgs/icon.bmp");
  // SDL opens the path itself: a named pipe there would block the start-up for ever.
  const Lecture nature = natureFichier(chemin);
  if (nature != Lecture::Lu && nature != Lecture::Absent) {
    journal(ligneFichierIgnore(chemin, nature));
    return;
  }
  SDL_RWops* flux = SDL_RWFromFile(chemin.c_str(), "rb");
  SDL_Surface* icone = flux ? SDL_LoadBMP_RW(flux, 1) : nullptr;
  if (icone) {
    SDL_WM_SetIcon(icone, nullptr);
    SDL_FreeSurface(icone);
  } else {
    journaliserErreurSDL("SDL_Error icone ");
  }
}

// The desktop's size, read once before the first window replaces it as SDL's "current" mode;
// 0 when the display does not say.
int largeurBureau = 0, hauteurBureau = 0;

// A window never larger than this, whatever the display offers.
constexpr int FenetreMax = 8192;
// SDL refuses a larger window outright ("Window is too large.").
constexpr int LimiteSDL = 16384;

}  // namespace

bool essayerModeVideo() {
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  if (options.Multisample <= 1) {
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
  } else {
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, options.Multisample);
  }
  journaliserErreurSDL("SDL_Error avant SDL_SetVideoMode ");
  if (options.ResX < 1 || options.ResY < 1) {
    journal("Taille de fenetre invalide : " + std::to_string(options.ResX) + "x" +
            std::to_string(options.ResY));
    return true;
  }
  // A window larger than the screen shows nothing more and costs its whole size in the driver
  // and in the textures made from it (in full screen SDL would scale a larger picture down to
  // the screen). A size beyond what SDL accepts at all still goes to it: its refusal is logged
  // and the defaults follow.
  int largeur = options.ResX, hauteur = options.ResY;
  if (largeur <= LimiteSDL && hauteur <= LimiteSDL) {
    largeur =
        std::min(largeur, largeurBureau > 0 ? std::min(largeurBureau, FenetreMax) : FenetreMax);
    hauteur =
        std::min(hauteur, hauteurBureau > 0 ? std::min(hauteurBureau, FenetreMax) : FenetreMax);
  }
  Uint32 drapeaux = SDL_HWSURFACE | SDL_OPENGL | SDL_DOUBLEBUF;
  // A window the player may resize: the views and the GUI follow (suivreTailleFenetre).
  drapeaux |= options.Fullscreen ? SDL_FULLSCREEN : SDL_RESIZABLE;
  SDL_Surface* ecran = SDL_SetVideoMode(largeur, hauteur, options.BPP, drapeaux);
  journaliserErreurSDL("SDL_Error apres SDL_SetVideoMode ");
  oublierEtatGL();  // a new context: nothing of the old one's state holds
  if (!ecran) return true;
  // Everything sized from the window (viewport, GUI, bloom and background textures) follows the
  // window actually opened.
  if (ecran->w != options.ResX || ecran->h != options.ResY) {
    journal("Fenetre ouverte en " + std::to_string(ecran->w) + "x" + std::to_string(ecran->h) +
            " au lieu de " + std::to_string(options.ResX) + "x" + std::to_string(options.ResY));
    options.ResX = ecran->w;
    options.ResY = ecran->h;
  }
  return false;
}

void tailleBureau(int& largeur, int& hauteur) {
  largeur = largeurBureau;
  hauteur = hauteurBureau;
}

bool suivreTailleFenetre(int largeur, int hauteur) {
  if (largeur < 1 || hauteur < 1 || largeur > FenetreMax || hauteur > FenetreMax) {
    journal("Fenetre : taille " + std::to_string(largeur) + "x" + std::to_string(hauteur) +
            " ignoree");
    return false;
  }
  if (largeur == options.ResX && hauteur == options.ResY) return true;
  // The SDL 1.2 layer keeps the window's size of its own (the mouse is kept within it): the
  // mode is set again at the new size, on the same window and OpenGL context.
  const int avantX = options.ResX, avantY = options.ResY;
  options.ResX = largeur;
  options.ResY = hauteur;
  if (essayerModeVideo()) {
    journal("Fenetre : taille " + std::to_string(largeur) + "x" + std::to_string(hauteur) +
            " refusee");
    options.ResX = avantX;
    options.ResY = avantY;
    essayerModeVideo();
    glViewport(0, 0, options.ResX, options.ResY);
    return false;
  }
  glViewport(0, 0, options.ResX, options.ResY);
  journal("Fenetre redimensionnee : " + std::to_string(options.ResX) + "x" +
          std::to_string(options.ResY));
  return true;
}

int initGraph(bool tailleDuBureau) {
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) == -1) {
    // No sound device must not keep the game from starting: the sound system then stays silent.
    journaliserErreurSDL("SDL_Error SDL_Init ");
    // (Over SDL2, this second call can report success even when video cannot start; the
    // video-mode attempts below then fail and say so.)
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) == -1) {
      journaliserErreurSDL("SDL_Error SDL_Init ");
      return 1;
    }
  }
  journaliserErreurSDL("SDL_Error apres SDL_Init ");
  if (const SDL_VideoInfo* info = SDL_GetVideoInfo()) {
    largeurBureau = info->current_w;
    hauteurBureau = info->current_h;
  }
  if (tailleDuBureau && largeurBureau > 0 && hauteurBureau > 0) {
    const ModeEcran m = tailleFenetreInitiale(largeurBureau, hauteurBureau);
    options.ResX = m.largeur;
    options.ResY = m.hauteur;
    journal("Fenetre adaptee au bureau : " + std::to_string(m.largeur) + "x" +
            std::to_string(m.hauteur) + " (bureau " + std::to_string(largeurBureau) + "x" +
            std::to_string(hauteurBureau) + ")");
  }

  if (essayerModeVideo()) {
    journal("Impossible de creer la fenetre : essai avec les options par defaut.");
    options.defauts();
    if (essayerModeVideo()) {
      journal(
          "Impossible de creer la fenetre : impossible d'utiliser OpenGL reinstaller les "
          "pilotes de la cartes graphiques peut resoudre le probleme.");
      return 1;
    }
  }

  SDL_WM_SetCaption("Zarvinel", nullptr);
  chargerIcone();
  SDL_EnableUNICODE(1);
  glViewport(0, 0, options.ResX, options.ResY);
  return 0;
}

int setVSync(int intervalle) {
  // The procedure lookup answers for any name, and calling a swap-control function that the
  // context does not advertise can end the program with an X error: ask GLX first.
  Display* affichage = glXGetCurrentDisplay();
  if (!affichage || !glXGetCurrentContext() || intervalle < 0) return 0;
  const char* extensions = glXQueryExtensionsString(affichage, DefaultScreen(affichage));
  // EXT sets the interval of this very drawable, 0 included, and can be read back.
  const GLXDrawable dessin = glXGetCurrentDrawable();
  if (dessin && contientExtension(extensions, "GLX_EXT_swap_control")) {
    using Fonction = void (*)(Display*, GLXDrawable, int);
    auto f = reinterpret_cast<Fonction>(SDL_GL_GetProcAddress("glXSwapIntervalEXT"));
    if (f) {
      f(affichage, dessin, intervalle);
      unsigned int lu = 0;
      glXQueryDrawable(affichage, dessin, GLX_SWAP_INTERVAL_EXT, &lu);
      return static_cast<int>(lu) == intervalle ? intervalle : 0;
    }
  }
  if (contientExtension(extensions, "GLX_MESA_swap_control")) {
    using Fonction = int (*)(unsigned int);
    auto f = reinterpret_cast<Fonction>(SDL_GL_GetProcAddress("glXSwapIntervalMESA"));
    if (!f) return 0;
    return f(static_cast<unsigned int>(intervalle)) == 0 ? intervalle : 0;
  }
  if (contientExtension(extensions, "GLX_SGI_swap_control")) {
    using Fonction = int (*)(int);
    auto f = reinterpret_cast<Fonction>(SDL_GL_GetProcAddress("glXSwapIntervalSGI"));
    if (!f || intervalle < 1) return 0;  // SGI's interval cannot be 0
    return f(intervalle) == 0 ? intervalle : 0;
  }
  return 0;
}
