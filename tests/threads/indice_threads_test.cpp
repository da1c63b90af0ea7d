// The hint's check on its worker: the state each kind of solution file leads to, and a hostile
// file (its last line a billion steps away) refused at once rather than replayed.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>

#include "../unit/grilles_test.h"
#include "fixtures.h"
#include "game/controle_indice.h"

namespace {

// Waits (at most `limite`) for the check's end.
EtatIndice fin(const ControleIndice& c, std::chrono::seconds limite) {
  const auto fin = std::chrono::steady_clock::now() + limite;
  while (c.etat() == EtatIndice::EnCours && std::chrono::steady_clock::now() < fin) SDL_Delay(2);
  return c.etat();
}

TEST(ControleIndice, EtatSelonLeFichier) {
  CaptureJournal journal;
  DossierTemporaire d;
  Niveau niveau;  // held Right, the ball reaches the goal
  dessinerTerrain(niveau, {"@@@@@@@@", "@.....W@", "@@@@@@@@"}, 1.5f, 1.5f);
  struct {
    const char* fichier;
    const char* texte;  // none: no file
    EtatIndice etat;
  } cas[] = {
      {"gagne.txt", "# won\n0 R\n", EtatIndice::Disponible},
      {"absent.txt", nullptr, EtatIndice::Absent},
      {"illisible.txt", "0 Q\n", EtatIndice::Absent},
      {"perd.txt", "0 L\n", EtatIndice::Refuse},
      {"hostile.txt", "0 -\n999999999 -\n", EtatIndice::Refuse},
  };
  for (const auto& c : cas) {
    if (c.texte) ecrireFichierTest(d / c.fichier, c.texte);
    ControleIndice controle;
    EXPECT_EQ(controle.etat(), EtatIndice::Aucun);
    controle.lancer(d / c.fichier, niveau);
    // A replay is bounded to two minutes of play: far less than this even under sanitizers.
    EXPECT_EQ(fin(controle, std::chrono::seconds(20)), c.etat) << c.fichier;
    EXPECT_EQ(controle.solution().empty(), c.etat != EtatIndice::Disponible) << c.fichier;
  }
}

}  // namespace
