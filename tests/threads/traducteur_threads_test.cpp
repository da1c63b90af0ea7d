#include <gtest/gtest.h>

#include <thread>

#include "base/traducteur.h"
#include "fixtures.h"

// The action thread looks up the bomb label's key while the main thread builds its widgets:
// both may add missing keys to the table at the same time.
TEST(TraducteurThreads, DeuxFilsCherchentEnMemeTemps) {
  DossierTemporaire d;
  ecrireFichierTest(d / "fr.txt", "Français\nBombes=Bombes : \nPlay=Jouer\n");
  Traducteur t;
  {
    CaptureJournal capture;
    t.charger(d / "fr.txt");
  }
  std::thread action([&] {
    for (int i = 0; i < 2000; ++i) {
      EXPECT_EQ(t.traduire("Bombes"), "Bombes : ");
      t.traduire("action" + std::to_string(i % 50));
    }
  });
  for (int i = 0; i < 2000; ++i) {
    EXPECT_EQ(t.traduire("Play"), "Jouer");
    t.traduire("principal" + std::to_string(i % 50));
  }
  action.join();
  EXPECT_EQ(t.taille(), 3u + 50u + 50u);
}
