// Draws one level of a level file as the play screen first shows it and writes a PNG.
//
//   zv-gl-capture [--niveau N] [--taille LxH] [--reflets] [--fond] [--daltonien] [--editeur]
//                 [--camera OX,OY,OZ,CX,CY,CZ] [--donnees DIR] FICHIER.map SORTIE.png
//
// The camera is the level-start one: eye over the level's centre (W / 2, H / 2, integer halves)
// at the depth of its larger side, looking at the ball; --camera gives the eye and the point
// looked at instead (to follow a camera path, such as the menu's, one still at a time). The
// options not named stay at their factory values (no reflections, no background). The user
// directory is a temporary one, so a capture never touches the player's options or levels.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/etat.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/dossiers.h"
#include "gui/chargement.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/image_minimale.h"
#include "render/textures.h"

#include "png_simple.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: zv-gl-capture [--niveau N] [--taille LxH] [--reflets] [--fond] "
               "[--daltonien] [--editeur] [--camera OX,OY,OZ,CX,CY,CZ] [--donnees DIR] "
               "FICHIER.map SORTIE.png\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int niveau = 1, largeur = 640, hauteur = 480;
  bool reflets = false, fond = false, daltonien = false, editeur = false, cameraDonnee = false;
  float regard[6] = {0, 0, 0, 0, 0, 0};
  std::string donnees, entree, sortie;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--niveau" && i + 1 < argc) {
      niveau = std::atoi(argv[++i]);
    } else if (a == "--taille" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &largeur, &hauteur) != 2) return usage();
    } else if (a == "--camera" && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%f,%f,%f,%f,%f,%f", &regard[0], &regard[1], &regard[2],
                      &regard[3], &regard[4], &regard[5]) != 6)
        return usage();
      cameraDonnee = true;
    } else if (a == "--donnees" && i + 1 < argc) {
      donnees = argv[++i];
    } else if (a == "--reflets") {
      reflets = true;
    } else if (a == "--fond") {
      fond = true;
    } else if (a == "--daltonien") {
      daltonien = true;
    } else if (a == "--editeur") {
      editeur = true;
    } else if (!a.empty() && a[0] == '-') {
      return usage();
    } else if (entree.empty()) {
      entree = a;
    } else if (sortie.empty()) {
      sortie = a;
    } else {
      return usage();
    }
  }
  if (entree.empty() || sortie.empty() || niveau < 1 || largeur < 16 || hauteur < 16 ||
      largeur > 8192 || hauteur > 8192)
    return usage();
  if (donnees.empty()) donnees = lireRegistre();
  if (donnees.empty() || donnees.back() != '/') donnees += '/';

  char modele[] = "/tmp/zv-capture-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  const std::string utilisateur = std::string(modele) + "/";
  repertoires = new Repertoires(donnees, utilisateur);

  options.defauts();
  options.ResX = largeur;
  options.ResY = hauteur;
  options.Multisample = 1;
  options.VSync = false;
  options.Reflets = reflets;
  options.Fond = fond;
  options.FondShader = false;
  options.Bloom = false;
  options.ModeDaltonien = daltonien;
  modeEditeur = editeur;

  int code = 1;
  if (initGraph() == 0) {
    glext = new GlExt();
    filtrerCapacites(options, *glext);
    terrain = new Terrain();
    // The GUI's font and frames, as the game loads them, so that the log reads the same.
    gui = new Gui(largeur, hauteur);
    chargerImagesGui(*gui);
    chargerImages();
    LecteurNiveaux lecteur;
    bool charge = lecteur.ouvrir(entree);
    for (int n = 0; charge && n < niveau; ++n) charge = !lecteur.chargerNiveauSuivant(*terrain);
    if (!charge || !terrain->aGrille()) {
      std::fprintf(stderr, "zv-gl-capture: no level %d in %s\n", niveau, entree.c_str());
    } else {
      Camera k =
          cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x, terrain->balle.y);
      if (cameraDonnee) {
        k.oeilX = regard[0], k.oeilY = regard[1], k.oeilZ = regard[2];
        k.centreX = regard[3], k.centreY = regard[4], k.centreZ = regard[5];
      }
      Spectacle spectacle;
      spectacle.poserCamera(k);
      InstantaneTerrain vue;
      prendreInstantane(*terrain, spectacle, vue);
      glViewport(0, 0, largeur, hauteur);
      dessinerImageMinimale(vue, 0);
      glFinish();
      std::vector<uint8_t> rgb(static_cast<size_t>(largeur) * hauteur * 3);
      glPixelStorei(GL_PACK_ALIGNMENT, 1);
      glReadBuffer(GL_BACK);
      glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
      if (png_simple::ecrirePng(sortie, largeur, hauteur, rgb)) {
        code = 0;
      } else {
        std::fprintf(stderr, "zv-gl-capture: cannot write %s\n", sortie.c_str());
      }
    }
    delete terrain;
    terrain = nullptr;
    delete gui;
    gui = nullptr;
    delete glext;
    glext = nullptr;
  }
  SDL_Quit();
  delete repertoires;
  repertoires = nullptr;
  std::error_code e;
  std::filesystem::remove_all(modele, e);
  return code;
}
