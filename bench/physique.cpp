// The physics step and the automaton on the largest level the format allows (255 x 255).
// The step's budget is 10 ms; it should take a few microseconds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "base/journal.h"
#include "game/animation_fond_menu.h"
#include "game/spectacle.h"
#include "game/terrain.h"

namespace {

constexpr int Cote = 255;

// A 255 x 255 level: a floor on the bottom row, the ball resting on it, and every slot of the
// particle ring alive for the whole run.
void preparer(Terrain& t, Spectacle& sp) {
  journalDetourner([](const std::string&) {});
  t.largeur = t.hauteur = Cote;
  t.grille.assign(static_cast<size_t>(Cote) * Cote, Vide);
  for (int c = 0; c < Cote; ++c) t.grille[static_cast<size_t>(Cote - 1) * Cote + c] = Blinde;
  t.balle.x = 100.5f;
  t.balle.y = Cote - 1.5f;
  sp.allouerParticules(ParticulesParNiveau);
  Particule p;
  for (int i = 0; i < ParticulesParNiveau; ++i) {
    p.initialiser(10.0f + i % 50, 10.0f, 0.0f, 0.01f, 0.0f, 0.001f, 0.2f);
    p.vie = 1 << 30;
    sp.ajouterParticule(p);
  }
}

// Rolling on the ground, turning every 200 steps, 1000 particles alive.
void BM_AvancerRoule(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  long pas = 0;
  for (auto _ : state) {
    const bool droite = (pas++ / 200) % 2 == 0;
    benchmark::DoNotOptimize(avancer(t, sp, Touches{!droite, droite, false}, nullptr));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AvancerRoule);

// The same rolling through the rule step alone, as the searches run it: no lock, no camera, no
// particles.
void BM_ReglesRoule(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  EtatRegles& regles = t;
  long pas = 0;
  for (auto _ : state) {
    const bool droite = (pas++ / 200) % 2 == 0;
    benchmark::DoNotOptimize(pasRegles(regles, Touches{!droite, droite, false}).resultat);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReglesRoule);

// The worst step: the ball starts on a switch whose colour fills half the grid, so the step
// clears 32 000 bricks. The grid is restored between steps, outside the timing.
void BM_AvancerInterrupteur(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  for (size_t i = 0; i < static_cast<size_t>(Cote) * (Cote - 1); i += 2) t.grille[i] = CouleurRouge;
  const int c = 100, r = Cote - 2;
  t.grille[static_cast<size_t>(r) * Cote + c] = InterrupteurRouge;
  const std::vector<uint8_t> modele = t.grille;
  for (auto _ : state) {
    benchmark::DoNotOptimize(avancer(t, sp, Touches{}, nullptr));
    state.PauseTiming();
    t.grille = modele;
    t.balle.x = c + 0.5f;
    t.balle.y = r + 0.5f;
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AvancerInterrupteur);

// A blast every step (200 new particles, a 3 x 3 clearing).
void BM_AvancerExplosion(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  for (auto _ : state) {
    t.bombes = 1;
    t.minuteurExplosion = 0;
    benchmark::DoNotOptimize(avancer(t, sp, Touches{false, false, true}, nullptr));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AvancerExplosion);

void BM_EtapeVie(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  std::srand(1);
  for (uint8_t& cellule : t.grille) cellule = std::rand() % 3 == 0 ? Brique : Vide;
  TamponsVie tampons;
  for (auto _ : state) etapeVie(t, tampons);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EtapeVie);

// What a frame copies under the lock: the grid and the whole particle ring.
void BM_Instantane(benchmark::State& state) {
  Terrain t;
  Spectacle sp;
  preparer(t, sp);
  InstantaneTerrain copie;
  for (auto _ : state) {
    prendreInstantane(t, sp, copie);
    benchmark::DoNotOptimize(copie.grille.data());
  }
}
BENCHMARK(BM_Instantane);

}  // namespace

BENCHMARK_MAIN();
