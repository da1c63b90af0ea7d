// Files shared with other processes: saves racing each other, and named pipes where the game
// expects a file. Threads stand in for the other processes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "base/traducteur.h"
#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "fixtures.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/options.h"

namespace {

// Two saves of one file at once (two game windows, the editor and a tool): whatever the order,
// the file always holds one whole version, and a reader never sees anything else.
TEST(RemplacerFichierThreads, DeuxSauvegardesEnMemeTemps) {
  DossierTemporaire d;
  const std::string chemin = d / "niveaux.map";
  // Different sizes: a mix of the two, or a cut one, cannot pass for either.
  const std::string a(6000, 'a'), b(700, 'b');
  ASSERT_TRUE(remplacerFichier(chemin, a));
  std::atomic<bool> fini{false};
  std::atomic<int> mauvais{0};
  std::thread lecteur([&] {
    while (!fini) {
      const std::string lu = lireFichierTest(chemin);
      if (lu != a && lu != b) ++mauvais;
    }
  });
  auto ecrire = [&](const std::string& contenu, std::atomic<int>& echecs) {
    for (int i = 0; i < 300; ++i)
      if (!remplacerFichier(chemin, contenu)) ++echecs;
  };
  std::atomic<int> echecsA{0}, echecsB{0};
  std::thread ta(ecrire, std::cref(a), std::ref(echecsA));
  std::thread tb(ecrire, std::cref(b), std::ref(echecsB));
  ta.join();
  tb.join();
  fini = true;
  lecteur.join();
  EXPECT_EQ(echecsA + echecsB, 0);
  EXPECT_EQ(mauvais, 0);
  const std::string fin = lireFichierTest(chemin);
  EXPECT_TRUE(fin == a || fin == b);
  // No temporary file stays behind.
  EXPECT_EQ(listerFichiers(d.chemin(), "")->size(), 3u);  // ".", "..", niveaux.map
}

// Runs `lire` on another thread. A reader still blocked in open() after a few seconds is
// released by opening the pipe's other end (the test then fails instead of hanging).
bool finitSansBloquer(const std::string& tube, const std::function<void()>& lire) {
  auto fait = std::async(std::launch::async, lire);
  if (fait.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
    fait.get();
    return true;
  }
  const int fd = open(tube.c_str(), O_WRONLY | O_NONBLOCK);
  if (fd >= 0) close(fd);
  fait.get();
  return false;
}

// A named pipe where a file is expected (made by a hostile or careless program): every reader
// refuses it at once instead of waiting in open() for a writer that never comes.
TEST(FichiersSpeciaux, TubeNommeJamaisAttendu) {
  DossierTemporaire d;
  const std::string tube = d / "tube";
  ASSERT_EQ(mkfifo(tube.c_str(), 0644), 0);
  CaptureJournal capture;
  const struct {
    const char* nom;
    std::function<void()> lire;
  } lecteurs[] = {
      {"fichierExiste", [&] { EXPECT_FALSE(fichierExiste(tube)); }},
      {"fichierModifiable", [&] { EXPECT_FALSE(fichierModifiable(tube)); }},
      {"lireFichier", [&] { EXPECT_EQ(lireFichier(tube), ""); }},
      {"options",
       [&] {
         Options o;
         o.chargerDepuis(tube);
         EXPECT_EQ(o, Options());
       }},
      {"langue",
       [&] {
         Traducteur t;
         t.charger(tube);
         EXPECT_EQ(t.taille(), 0u);
       }},
      {"niveau",
       [&] {
         LecteurNiveaux l;
         EXPECT_FALSE(l.ouvrir(tube));
       }},
      {"tous les niveaux",
       [&] {
         std::vector<Niveau> n;
         EXPECT_EQ(chargerTout(tube, n), 0);
       }},
  };
  for (const auto& l : lecteurs) EXPECT_TRUE(finitSansBloquer(tube, l.lire)) << l.nom;
  EXPECT_TRUE(capture.contient("Fichier ignoré : " + tube + " (pas un fichier ordinaire)"));
}

}  // namespace
