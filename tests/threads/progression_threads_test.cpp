// Two games recording wins into one progress file at the same time lose none of them.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "fixtures.h"
#include "levels/progression.h"

namespace {

TEST(ProgressionThreads, DeuxPartiesQuiEcriventEnMemeTempsNePerdentRien) {
  DossierTemporaire d;
  CaptureJournal journal;
  const std::string e = empreinteOctets("niveaux");
  constexpr int Niveaux = 40;
  // Each "game" has its own Progression (its own lock file handle), as two processes would.
  auto partie = [&](const std::string& nom) {
    const Progression p(d / "progression.txt");
    for (int n = 1; n <= Niveaux; ++n) {
      uint32_t ancien = 0;
      EXPECT_TRUE(p.enregistrer(nom, e, n, static_cast<uint32_t>(100 + n), ancien));
    }
  };
  std::thread a(partie, "a.map"), b(partie, "b.map");
  a.join();
  b.join();
  const Progression p(d / "progression.txt");
  for (const char* nom : {"a.map", "b.map"}) {
    const RecordsFichier r = p.lire(nom, e);
    ASSERT_EQ(r.size(), static_cast<size_t>(Niveaux)) << nom;
    for (int n = 1; n <= Niveaux; ++n) EXPECT_EQ(r.at(n), static_cast<uint32_t>(100 + n));
  }
}

}  // namespace
