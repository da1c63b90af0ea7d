// The search on a worker thread: another thread follows its progress and cancels it; on a
// 255 x 255 level the cancel is honoured within a tenth of a second.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/partie.h"
#include "game/recherche.h"
#include "grand_niveau.h"

namespace {

using Horloge = std::chrono::steady_clock;

TEST(RechercheThreads, AnnuleeEnMoinsDUnDixiemeSurUnGrandNiveau) {
  Partie p;
  p.preparer(grandNiveau());
  BornesRecherche b;
  b.pasMax = 100000;
  b.etatsMax = 100000000;
  b.octetsMax = size_t{512} << 20;
  ProgresRecherche progres;
  std::atomic<bool> annuler{false};
  std::atomic<bool> finie{false};
  Horloge::time_point fin;
  Resolution r;
  std::thread fil([&] {
    r = chercherPlusCourt(p, b, &progres, &annuler);
    fin = Horloge::now();
    finie = true;
  });
  // Well into the search (the progress moves while it runs), then the cancel.
  const auto limite = Horloge::now() + std::chrono::seconds(60);
  while (progres.etats.load() < 2000 && !finie.load() && Horloge::now() < limite) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_FALSE(finie.load()) << "the search ended before it could be cancelled";
  ASSERT_GE(progres.etats.load(), 2000u);
  EXPECT_GT(progres.octets.load(), 0u);
  const auto demande = Horloge::now();
  annuler = true;
  fil.join();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(fin - demande).count();
  EXPECT_LT(ms, 100) << "cancel honoured after " << ms << " ms";
  EXPECT_EQ(r.fin, FinRecherche::Annulee);
  EXPECT_FALSE(r.trouvee);
}

}  // namespace
