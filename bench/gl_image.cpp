// Milliseconds per whole frame at 640 x 480 and at 1280 x 1024 (background, board, glow,
// widgets, swap), next to an empty frame (clear and swap) of the same size measured in the same
// run:
// - play: a shipped level (3-Ressorts, level 1) at its start camera, sky background,
//   reflections, the play screen's widgets;
// - menu: the demonstration level under the menu camera at its start (eye at depth -320) and
//   later (depth -45), with the sky or the fractal background, glow off and on, a menu's worth
//   of buttons over it;
// - editor: a 255 x 255 level (half of its cells bricks) as the editor shows it (editor mode,
//   eye 15 cells away, the 21 tool buttons and the bottom bar), still, then with one cell
//   painted every frame as a drag does, and the picking of one click (a paint event's cost).
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" bench/bench_gl_image (or
// bench/tableau_images.sh for the table of medians and ratios)
// With ZARVINEL_BENCH_AVANT=1 the frames are drawn as before the speed-ups (every brick vertex by
// vertex, one texture per brick colour, the glow over the whole window), for comparison.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/etat.h"
#include "game/cases.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "gui/chargement.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "levels/fichier_niveaux.h"
#include "platform/dossiers.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "render/briques_cache.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/image.h"
#include "render/plateau.h"
#include "render/shaders.h"
#include "render/textures.h"

namespace {

InstantaneTerrain demo, jeu;

// The window with what these options need; reopened for each configuration.
struct Config {
  int largeur = 640, hauteur = 480;
  bool fondShader = false;
  bool bloom = false;
  bool operator==(const Config& o) const {
    return largeur == o.largeur && hauteur == o.hauteur && fondShader == o.fondShader &&
           bloom == o.bloom;
  }
};
bool ouverte = false;
Config courante;

void fermer() {
  if (!ouverte) return;
  shaders->libererShaders();
  delete shaders;
  shaders = nullptr;
  delete gui;
  gui = nullptr;
  delete glext;
  glext = nullptr;
  SDL_Quit();
  ouverte = false;
}

void ouvrir(const Config& c) {
  if (ouverte && c == courante) return;
  fermer();
  options.defauts();
  options.ResX = c.largeur;
  options.ResY = c.hauteur;
  options.Multisample = 1;
  options.Reflets = true;
  options.Fond = true;
  options.FondShader = c.fondShader;
  options.Bloom = c.bloom;
  gui = new Gui(c.largeur, c.hauteur);
  if (initGraph() != 0) std::abort();
  setVSync(0);
  glext = new GlExt();
  textures = TableTextures();
  chargerImagesGui(*gui);
  chargerImages();
  shaders = new Shaders();
  shaders->preparerShaders();
  const char* avant = std::getenv("ZARVINEL_BENCH_AVANT");
  if (avant && *avant && std::string(avant) != "0") {
    activerBriquesCache(false);
    textures.texCouleurAtlas = 0;
    textures.texHalo = textures.texHaloAlpha = 0;
  }
  ouverte = true;
  courante = c;
}

void image(const InstantaneTerrain& t, uint32_t ticks) {
  dessinerImage(t, ticks);
  gui->projection();
  gui->dessiner();
  SDL_GL_SwapBuffers();
}

void BM_ImageVide(benchmark::State& etat, Config c) {
  ouvrir(c);
  for (auto _ : etat) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
  }
  glFinish();
}

void BM_Jeu(benchmark::State& etat, Config c) {
  ouvrir(c);
  BoutonGUI quitter(c.largeur - 50, 0, 50, "Quit", nullptr, 0);
  LabelGUI bombes(0, 0, 100, "Bombs: 3", nullptr, 0);
  uint32_t ticks = 0;
  for (auto _ : etat) image(jeu, ticks += 16);
  glFinish();
}

void BM_Menu(benchmark::State& etat, float oeilZ, Config c) {
  ouvrir(c);
  InstantaneTerrain t = demo;
  Camera& k = t.camera;
  k.oeilX = k.centreX = t.largeur / 2.0f;
  k.oeilY = k.centreY = t.hauteur / 2.0f;
  k.oeilZ = oeilZ;
  k.centreZ = 0;
  if (oeilZ > -100) {  // later: the camera close over one part of the name
    k.oeilX = k.centreX = t.largeur * 0.4f;
    k.oeilY = k.centreY = t.hauteur * 0.55f;
  }
  std::vector<std::unique_ptr<BoutonGUI>> boutons;
  for (int i = 0; i < 6; ++i)
    boutons.push_back(std::make_unique<BoutonGUI>(c.largeur / 2 - 100, c.hauteur / 2 - 90 + 30 * i,
                                                  200, "Menu", nullptr, 0));
  uint32_t ticks = 0;
  for (auto _ : etat) image(t, ticks += 16);
  glFinish();
}

// The largest level in the editor: bricks of the four opaque kinds on every other cell.
InstantaneTerrain niveauEditeur() {
  InstantaneTerrain t;
  t.largeur = t.hauteur = 255;
  t.grille.assign(255 * 255, Vide);
  const uint8_t codes[4] = {Brique, Casse, Blinde, CouleurUn};
  for (size_t i = 0; i < t.grille.size(); ++i)
    if ((i / 255 + i % 255) % 2 == 0) t.grille[i] = codes[(i / 7) % 4];
  Camera& k = t.camera;
  k.suivre = false;
  k.oeilX = k.centreX = 127.5f;
  k.oeilY = k.centreY = 127.5f;
  k.oeilZ = -15;
  t.balle.x = t.balle.y = 127.5f;
  return t;
}

// peindre: 0 still, 1 one cell changed every frame (the drag of a brick tool).
void BM_Editeur(benchmark::State& etat, int peindre, Config c) {
  ouvrir(c);
  modeEditeur = true;
  InstantaneTerrain t = niveauEditeur();
  std::vector<std::unique_ptr<ImageGUI>> boutons;
  for (int i = 0; i < 20; ++i)
    boutons.push_back(
        std::make_unique<ImageGUI>(1 + 32 * i, 1, 32, 32, textures.texBoutonsEdit[i], nullptr, i));
  boutons.push_back(std::make_unique<ImageGUI>(c.largeur - 33, 33, 32, 32,
                                               textures.texBoutonsEdit[255], nullptr, 255));
  for (int i = 0; i < 5; ++i)
    boutons.push_back(std::make_unique<ImageGUI>(1 + 32 * i, c.hauteur - 33, 32, 32,
                                                 textures.texPlus, nullptr, 0));
  uint32_t ticks = 0;
  size_t cellule = 127 * 255 + 100;
  for (auto _ : etat) {
    if (peindre) {
      t.grille[cellule] = t.grille[cellule] == Brique ? Vide : Brique;
      cellule = cellule + 1 < 127 * 255 + 155 ? cellule + 1 : 127 * 255 + 100;
    }
    image(t, ticks += 16);
  }
  glFinish();
  modeEditeur = false;
}

void BM_ChoisirCase(benchmark::State& etat) {
  ouvrir(Config{});
  InstantaneTerrain t = niveauEditeur();
  image(t, 16);
  int touches = 0;
  for (auto _ : etat) touches += choisirCase(t, gui->ratio, 320, 240).has_value();
  benchmark::DoNotOptimize(touches);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string donnees = lireRegistre();
  if (donnees.empty() || donnees.back() != '/') donnees += '/';
  char modele[] = "/tmp/zv-bench-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  repertoires = new Repertoires(donnees, std::string(modele) + "/");
  {
    Terrain t;
    LecteurNiveaux lecteur;
    if (!lecteur.ouvrir(repertoires->chemin("mapsoff/logom.map")) ||
        lecteur.chargerNiveauSuivant(t))
      return 1;
    t.prendreInstantane(demo);
    LecteurNiveaux l2;
    if (!l2.ouvrir(repertoires->chemin("mapsoff/3-Ressorts.map")) || l2.chargerNiveauSuivant(t))
      return 1;
    Spectacle sp;
    Camera k = cameraDepart(t.largeur, t.hauteur, t.balle.x, t.balle.y);
    k.oeilZ = k.profondeurOeil;  // as it settles once the ball moves
    sp.poserCamera(k);
    prendreInstantane(t, sp, jeu);
  }
  for (const auto& [l, h] : {std::pair{640, 480}, std::pair{1280, 1024}}) {
    const std::string taille = std::to_string(l) + "x" + std::to_string(h) + "/";
    const Config base{l, h, false, false};
    benchmark::RegisterBenchmark((taille + "image_vide").c_str(), BM_ImageVide, base)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((taille + "jeu/ciel/reflets/gui").c_str(), BM_Jeu, base)
        ->Unit(benchmark::kMillisecond);
    for (float z : {-320.0f, -45.0f})
      for (bool fractal : {false, true})
        for (bool bloom : {false, true}) {
          const std::string nom = taille + "menu/" + (z < -100 ? "depart_z320" : "plus_tard_z45") +
                                  (fractal ? "/fractale" : "/ciel") +
                                  (bloom ? "/halo" : "/sans_halo");
          benchmark::RegisterBenchmark(nom.c_str(), BM_Menu, z, Config{l, h, fractal, bloom})
              ->Unit(benchmark::kMillisecond);
        }
    benchmark::RegisterBenchmark((taille + "editeur/255x255/immobile").c_str(), BM_Editeur, 0, base)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((taille + "editeur/255x255/une_case_par_image").c_str(),
                                 BM_Editeur, 1, base)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("editeur/255x255/choisirCase", BM_ChoisirCase)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fermer();
  delete repertoires;
  std::filesystem::remove_all(modele);
  return 0;
}
