// Milliseconds per frame of the GUI pass for a screen as loaded as the options screen (about
// 40 widgets with their texts: labels, check boxes, integers, buttons, a list, a text entry),
// next to an empty frame (clear and swap) measured in the same run, at 640 x 480.
// "gui_seul" is the pass without the swap, finished with glFinish. The counter cpu_processus_ms
// is the CPU time of all the process's threads per frame (Mesa's software renderer draws on
// threads of its own), the figure to compare on a busy machine.
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" bench/bench_gl_gui
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/journal.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "gui/chargement.h"
#include "gui/entier.h"
#include "gui/liste.h"
#include "gui/saisie.h"
#include "gui/widgets.h"
#include "platform/dossiers.h"
#include "render/fenetre.h"
#include "render/gl.h"

namespace {

// CPU time of the whole process (the driver's rasterizer threads included), in milliseconds:
// on a shared machine the wall time waits for other programs, this does not.
double cpuProcessus() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
void compterCpu(benchmark::State& etat, double debut) {
  etat.counters["cpu_processus_ms"] =
      benchmark::Counter((cpuProcessus() - debut) / static_cast<double>(etat.iterations()));
}

std::vector<std::unique_ptr<ObjHelpGUI>> ecran;
std::unique_ptr<ZoneGUI> fond;

void construireEcran() {
  fond = gui->nouvelleZone();
  fond->appliquerStyle(gui->stylePanneau);
  fond->x = 10, fond->y = 10, fond->largeur = 620, fond->hauteur = 460;
  fond->setTexte(
      "<b1>Options<b> <c99ccff>(red\xe9marrage n\xe9"
      "cessaire)");
  const char* cases[] = {
      "Plein \xe9"
      "cran",
      "Synchronisation verticale",
      "Fond anim\xe9",
      "Reflets",
      "Lueur",
      "Mode daltonien",
      "Afficher les images/s",
      "Fond en 3D",
      "Musique",
      "Effets sonores",
      "Particules",
      "Ombres"};
  for (int i = 0; i < 12; ++i)
    ecran.push_back(std::make_unique<CheckGUI>(20 + (i % 2) * 300, 40 + (i / 2) * 25, 280, cases[i],
                                               i % 3 == 0, nullptr, i));
  const char* entiers[] = {"Taille du fond",
                           "Divisions",
                           "It\xe9rations",
                           "Volume musique",
                           "Volume effets",
                           "Multi\xe9"
                           "chantillonnage"};
  for (int i = 0; i < 6; ++i) {
    ecran.push_back(std::make_unique<LabelGUI>(20, 200 + i * 25, 150, entiers[i], nullptr, 0));
    ecran.push_back(std::make_unique<IntGUI>(i + 1, 0, 10, 180, 200 + i * 25, 110, nullptr, i));
  }
  auto liste = std::make_unique<ListGUI>(320, 200, 290, 5);
  const char* modes[] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024", "1920 x 1080"};
  for (int i = 0; i < 5; ++i) liste->ajouter({modes[i], i});
  liste->setSelection(2);
  liste->rafraichir();
  ecran.push_back(std::move(liste));
  ecran.push_back(std::make_unique<LabelGUI>(320, 320, 100, "Langue :", nullptr, 0));
  ecran.push_back(std::make_unique<InputGUI>(420, 320, 190,
                                             "fran\xe7"
                                             "ais",
                                             20, nullptr, 0));
  const char* boutons[] = {"Appliquer", "Annuler",
                           "Par d\xe9"
                           "faut",
                           "Retour"};
  for (int i = 0; i < 4; ++i)
    ecran.push_back(std::make_unique<BoutonGUI>(20 + i * 150, 430, 140, boutons[i], nullptr, i));
  const char* aides[] = {"Résolution", "Affichage", "Son",    "Effets",
                         "Langue",     "Clavier",   "Souris", "Avancé"};
  for (int i = 0; i < 8; ++i)
    ecran.push_back(std::make_unique<LabelGUI>(20 + i * 75, 395, 70,
                                               std::string("<c99ccff>") + aides[i], nullptr, 0));
  ecran.push_back(std::make_unique<LabelGUI>(20, 370, 590,
                                             "<cffdd77>Astuce :<cffffff> les options marqu\xe9"
                                             "es d'une <u1>\xe9toile<u> demandent un "
                                             "red\xe9marrage du jeu.",
                                             nullptr, 0));
}

void BM_ImageVide(benchmark::State& etat) {
  const double debut = cpuProcessus();
  for (auto _ : etat) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
  }
  glFinish();
  compterCpu(etat, debut);
}

void BM_ImageGui(benchmark::State& etat) {
  const double debut = cpuProcessus();
  for (auto _ : etat) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gui->projection();
    gui->dessiner();
    SDL_GL_SwapBuffers();
  }
  glFinish();
  compterCpu(etat, debut);
}

// The same pass without the 620 x 460 translucent panel behind the widgets: what the widgets
// themselves cost, apart from filling most of the window once.
void BM_SansPanneau(benchmark::State& etat) {
  const int16_t x = fond->x;
  fond->x = 20000;  // off screen: nothing to fill
  const double debut = cpuProcessus();
  for (auto _ : etat) {
    gui->projection();
    gui->dessiner();
    glFinish();
  }
  compterCpu(etat, debut);
  fond->x = x;
}

void BM_GuiSeul(benchmark::State& etat) {
  const double debut = cpuProcessus();
  for (auto _ : etat) {
    gui->projection();
    gui->dessiner();
    glFinish();
  }
  compterCpu(etat, debut);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string donnees = lireRegistre();
  if (donnees.empty() || donnees.back() != '/') donnees += '/';
  char modele[] = "/tmp/zv-bench-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  journalDetourner([](const std::string&) {});
  repertoires = new Repertoires(donnees, std::string(modele) + "/");
  options.defauts();
  options.ResX = 640;
  options.ResY = 480;
  options.Multisample = 1;
  gui = new Gui(640, 480);
  if (initGraph() != 0) return 1;
  setVSync(0);
  chargerImagesGui(*gui);
  construireEcran();
  // The driver compiles its state variants during the first frames: not part of the cost.
  for (int i = 0; i < 30; ++i) {
    gui->projection();
    gui->dessiner();
    SDL_GL_SwapBuffers();
  }
  glFinish();
  int zones = 0;
  for (const ZoneGUI* z : gui->zones()) zones += z != nullptr;
  std::fprintf(stderr, "%zu widgets, %d zones\n", ecran.size(), zones);

  benchmark::RegisterBenchmark("image_vide/640x480", BM_ImageVide)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("image_gui/640x480", BM_ImageGui)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("gui_seul/640x480", BM_GuiSeul)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("gui_sans_panneau/640x480", BM_SansPanneau)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ecran.clear();
  fond.reset();
  delete gui;
  gui = nullptr;
  SDL_Quit();
  delete repertoires;
  std::filesystem::remove_all(modele);
  return 0;
}
