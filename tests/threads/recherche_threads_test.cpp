// The search on a worker thread: another thread follows its progress and cancels it; on a
// 255 x 255 level the cancel is honoured within a tenth of a second.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/partie.h"
#include "game/recherche.h"
#include "game/verification.h"
#include "grand_niveau.h"
#include "../unit/grilles_test.h"

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

TEST(RechercheThreads, UneVerificationSurUneCopieDuNiveau) {
  Niveau n;
  dessinerTerrain(n, {"@@@@@@@@@@", "@.......W@", "@@@@@@@@@@"}, 1.5f, 1.5f);
  Verification v;
  ASSERT_TRUE(v.lancer(n));
  EXPECT_FALSE(v.lancer(n)) << "one search at a time";
  // The caller's level changes at once: the search proves the level as it was given.
  n.grille.assign(n.grille.size(), Vide);
  const auto limite = Horloge::now() + std::chrono::seconds(60);
  while (!v.finie() && Horloge::now() < limite)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(v.finie());
  const Resolution r = v.prendre();
  EXPECT_TRUE(r.trouvee);
  EXPECT_EQ(r.fin, FinRecherche::Gagnee);
  EXPECT_EQ(v.progres().etats.load(), r.etats);
  EXPECT_FALSE(v.enCours());
  EXPECT_FALSE(v.annuler()) << "nothing left to cancel";
  // Started again on the emptied level: no win cell, no win.
  ASSERT_TRUE(v.lancer(n));
  EXPECT_EQ(v.prendre().fin, FinRecherche::Epuisee);
}

TEST(RechercheThreads, UneVerificationAnnuleeSurUnGrandNiveau) {
  Verification v;
  ASSERT_TRUE(v.lancer(grandNiveau()));
  const auto limite = Horloge::now() + std::chrono::seconds(60);
  while (v.progres().etats.load() < 1000 && !v.finie() && Horloge::now() < limite) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_FALSE(v.finie());
  const auto demande = Horloge::now();
  EXPECT_TRUE(v.annuler());
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - demande).count();
  EXPECT_LT(ms, 100) << "cancel honoured after " << ms << " ms";
  EXPECT_FALSE(v.enCours());
  EXPECT_EQ(v.prendre().fin, FinRecherche::Annulee);
}

}  // namespace
