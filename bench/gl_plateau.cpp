// Milliseconds per frame of the board (a frame without GUI: clear, board, swap), next to an
// empty frame (clear and swap) measured in the same run. Levels: the demonstration level
// (mapsoff/logom.map, else a generated 256 x 202 one) and a full 255 x 255 level; cameras: the
// play camera (eye 15 cells in front of the ball) and the menu's far camera (eye at depth 300
// over the level's middle); reflections off and on; windows of 640 x 480 and 1024 x 768.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" bench/bench_gl_plateau
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/options.h"
#include "platform/repertoires.h"
#include "game/cases.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/dossiers.h"
#include "render/fenetre.h"
#include "render/gl.h"
#include "render/glext.h"
#include "render/image_minimale.h"
#include "render/textures.h"

namespace {

std::string dossierDonnees;
std::string dossierUtilisateur;
int largeurOuverte = 0, hauteurOuverte = 0;
InstantaneTerrain demo, plein;

// A window of this size with every texture; reopened only when the size changes.
void fenetre(int l, int h) {
  if (l == largeurOuverte && h == hauteurOuverte) return;
  if (largeurOuverte) {
    delete glext;
    SDL_Quit();
  }
  options.defauts();
  options.ResX = l;
  options.ResY = h;
  options.Multisample = 1;
  options.Reflets = true;  // the cube map is loaded; each run switches reflections itself
  if (initGraph() != 0) std::abort();
  setVSync(0);
  glext = new GlExt();
  textures = TableTextures();
  chargerImages();
  largeurOuverte = l, hauteurOuverte = h;
}

InstantaneTerrain genere(int W, int H) {
  Terrain t;
  t.largeur = W;
  t.hauteur = H;
  t.grille.assign(static_cast<size_t>(W) * H, Vide);
  uint32_t graine = 12345;
  // Mostly walls of plain bricks in runs, as levels are drawn, with every other kind of cell
  // sprinkled in (1 in 25 of the filled cells).
  const uint8_t autres[] = {Casse,       Blinde,         Ressort,           Bombe,
                            Win,         Lost,           InterrupteurRouge, CouleurRouge,
                            CouleurBleu, InterrupteurUn, CouleurDeux};
  for (int r = 0; r < H; ++r)
    for (int c = 0; c < W; ++c) {
      graine = graine * 1103515245u + 12345u;
      const uint32_t tirage = graine >> 8;
      const bool mur = (r % 6 == 0) || (c % 9 == 0) || tirage % 100 < 20;
      if (!mur) continue;
      t.grille[static_cast<size_t>(r) * W + c] =
          (tirage >> 8) % 25 == 0 ? autres[(tirage >> 13) % 11] : static_cast<uint8_t>(Brique);
    }
  const float coins[4][4] = {
      {1, 0.3f, 0.3f, 1}, {0.3f, 1, 0.3f, 1}, {0.3f, 0.3f, 1, 1}, {1, 1, 1, 1}};
  std::copy(&coins[0][0], &coins[0][0] + 16, &t.couleurs[0][0]);
  t.balle.x = W / 3 + 0.5f;
  t.balle.y = H / 2 + 0.5f;
  InstantaneTerrain s;
  t.prendreInstantane(s);
  return s;
}

void cameraJeu(InstantaneTerrain& t) {
  Camera& k = t.camera;
  k.oeilX = t.balle.x + 1, k.oeilY = t.balle.y - 1, k.oeilZ = -15;
  k.centreX = t.balle.x, k.centreY = t.balle.y, k.centreZ = 0;
}
void cameraMenu(InstantaneTerrain& t) {
  Camera& k = t.camera;
  k.oeilX = t.largeur / 2.0f, k.oeilY = t.hauteur / 2.0f, k.oeilZ = -300;
  k.centreX = k.oeilX, k.centreY = k.oeilY, k.centreZ = 0;
}

void BM_ImageVide(benchmark::State& etat, int l, int h) {
  fenetre(l, h);
  for (auto _ : etat) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
  }
  glFinish();
}

void BM_Plateau(benchmark::State& etat, int l, int h, InstantaneTerrain* niveau, bool loin,
                bool reflets) {
  fenetre(l, h);
  InstantaneTerrain t = *niveau;
  loin ? cameraMenu(t) : cameraJeu(t);
  options.Reflets = reflets;
  uint32_t ticks = 0;
  for (auto _ : etat) {
    dessinerImageMinimale(t, ticks += 16);
    SDL_GL_SwapBuffers();
  }
  glFinish();
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  dossierDonnees = lireRegistre();
  if (dossierDonnees.empty() || dossierDonnees.back() != '/') dossierDonnees += '/';
  char modele[] = "/tmp/zv-bench-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  dossierUtilisateur = std::string(modele) + "/";
  repertoires = new Repertoires(dossierDonnees, dossierUtilisateur);

  {
    Terrain t;
    LecteurNiveaux lecteur;
    if (lecteur.ouvrir(repertoires->chemin("mapsoff/logom.map")) &&
        !lecteur.chargerNiveauSuivant(t)) {
      t.prendreInstantane(demo);
    } else {
      demo = genere(256, 202);
    }
  }
  plein = genere(255, 255);

  const struct { int l, h; } tailles[] = {{640, 480}, {1024, 768}};
  for (const auto& s : tailles) {
    const std::string suffixe = "/" + std::to_string(s.l) + "x" + std::to_string(s.h);
    benchmark::RegisterBenchmark(("image_vide" + suffixe).c_str(), BM_ImageVide, s.l, s.h)
        ->Unit(benchmark::kMillisecond);
    const struct {
      const char* nom;
      InstantaneTerrain* niveau;
    } niveaux[] = {{"demo", &demo}, {"plein255", &plein}};
    for (const auto& n : niveaux)
      for (bool loin : {false, true})
        for (bool reflets : {false, true}) {
          const std::string nom = std::string("plateau_") + n.nom + (loin ? "/menu" : "/jeu") +
                                  (reflets ? "/reflets" : "/sans_reflets") + suffixe;
          benchmark::RegisterBenchmark(nom.c_str(), BM_Plateau, s.l, s.h, n.niveau, loin, reflets)
              ->Unit(benchmark::kMillisecond);
        }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  delete glext;
  SDL_Quit();
  delete repertoires;
  std::filesystem::remove_all(modele);
  return 0;
}
