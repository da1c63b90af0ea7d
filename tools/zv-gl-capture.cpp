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
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/dossiers.h"
#include "gui/textures_gui.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/image_minimale.h"
#include "render/textures.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: zv-gl-capture [--niveau N] [--taille LxH] [--reflets] [--fond] "
               "[--daltonien] [--editeur] [--camera OX,OY,OZ,CX,CY,CZ] [--donnees DIR] "
               "FICHIER.map SORTIE.png\n");
  return 2;
}

// PNG with stored (uncompressed) deflate blocks: no library needed, any viewer reads it.
uint32_t crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool prete = false;
  if (!prete) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    prete = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void ajouter32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 3; i >= 0; --i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

void bloc(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& donnees) {
  ajouter32(png, static_cast<uint32_t>(donnees.size()));
  std::vector<uint8_t> corps(type, type + 4);
  corps.insert(corps.end(), donnees.begin(), donnees.end());
  png.insert(png.end(), corps.begin(), corps.end());
  ajouter32(png, crc32(corps.data(), corps.size()));
}

// `rgb`: rows bottom-up as glReadPixels gives them.
bool ecrirePng(const std::string& chemin, int l, int h, const std::vector<uint8_t>& rgb) {
  std::vector<uint8_t> brut;
  for (int y = h - 1; y >= 0; --y) {
    brut.push_back(0);  // no filter
    brut.insert(brut.end(), rgb.begin() + static_cast<size_t>(y) * l * 3,
                rgb.begin() + static_cast<size_t>(y + 1) * l * 3);
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t o : brut) a = (a + o) % 65521, b = (b + a) % 65521;
  for (size_t i = 0; i < brut.size() || i == 0; i += 65535) {
    const size_t n = std::min<size_t>(65535, brut.size() - i);
    z.push_back(i + n >= brut.size() ? 1 : 0);
    z.push_back(n & 0xFF), z.push_back(n >> 8);
    z.push_back(~n & 0xFF), z.push_back((~n >> 8) & 0xFF);
    z.insert(z.end(), brut.begin() + i, brut.begin() + i + n);
  }
  ajouter32(z, (b << 16) | a);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  ajouter32(ihdr, static_cast<uint32_t>(l));
  ajouter32(ihdr, static_cast<uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  bloc(png, "IHDR", ihdr);
  bloc(png, "IDAT", z);
  bloc(png, "IEND", {});
  FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return (std::fclose(f) == 0) && ok;
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
    chargerTexturesGui();  // as the game loads them, so that the log reads the same
    chargerImages();
    LecteurNiveaux lecteur;
    bool charge = lecteur.ouvrir(entree);
    for (int n = 0; charge && n < niveau; ++n) charge = !lecteur.chargerNiveauSuivant(*terrain);
    if (!charge || !terrain->aGrille()) {
      std::fprintf(stderr, "zv-gl-capture: no level %d in %s\n", niveau, entree.c_str());
    } else {
      terrain->camera =
          cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x, terrain->balle.y);
      if (cameraDonnee) {
        Camera& k = terrain->camera;
        k.oeilX = regard[0], k.oeilY = regard[1], k.oeilZ = regard[2];
        k.centreX = regard[3], k.centreY = regard[4], k.centreZ = regard[5];
      }
      InstantaneTerrain vue;
      terrain->prendreInstantane(vue);
      glViewport(0, 0, largeur, hauteur);
      dessinerImageMinimale(vue, 0);
      glFinish();
      std::vector<uint8_t> rgb(static_cast<size_t>(largeur) * hauteur * 3);
      glPixelStorei(GL_PACK_ALIGNMENT, 1);
      glReadBuffer(GL_BACK);
      glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
      if (ecrirePng(sortie, largeur, hauteur, rgb)) {
        code = 0;
      } else {
        std::fprintf(stderr, "zv-gl-capture: cannot write %s\n", sortie.c_str());
      }
    }
    delete terrain;
    terrain = nullptr;
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
