// The search that proves a level, on a 255 x 255 level without a win under the editor's
// bounds: how long until a bound stops it, how many states, how many bytes at most. The
// process's peak memory: run under /usr/bin/time -f %M.
#include <benchmark/benchmark.h>

#include "game/partie.h"
#include "game/recherche.h"
#include "grand_niveau.h"

namespace {

void BM_RechercheGrandNiveau(benchmark::State& etat) {
  const Niveau n = grandNiveau(255, static_cast<int32_t>(etat.range(0)));
  Resolution r;
  for (auto _ : etat) {
    Partie p;
    p.preparer(n);
    r = chercherPlusCourt(p, bornesVerification());
    benchmark::DoNotOptimize(r);
  }
  etat.counters["etats"] = static_cast<double>(r.etats);
  etat.counters["octets_pic_MiB"] = static_cast<double>(r.octetsPic) / (1 << 20);
  etat.counters["fin"] = static_cast<double>(r.fin);
}
BENCHMARK(BM_RechercheGrandNiveau)->Arg(0)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
