// Whether a level being played can still be won, searched on a worker from a copy of its state:
// small levels played step by step as the play screen would look at them, a bound that proves
// nothing, the cancel at the level's end and the search started again when the state changes.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "../unit/grilles_test.h"
#include "base/fichiers.h"
#include "game/impasse.h"
#include "game/solution.h"
#include "game/terrain.h"
#include "grand_niveau.h"
#include "levels/fichier_niveaux.h"

// The thread checker makes every step about ten times slower.
#if defined(__SANITIZE_THREAD__)
#define ZV_SOUS_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ZV_SOUS_TSAN 1
#endif
#endif

namespace {

using Horloge = std::chrono::steady_clock;
#ifdef ZV_SOUS_TSAN
constexpr long DelaiAnnulationMs = 1000;
#else
constexpr long DelaiAnnulationMs = 100;
#endif

const Touches Rien{};
const Touches Gauche{true, false, false};
const Touches Droite{false, true, false};
const Touches Espace{false, false, true};

// From step `pas` on, these keys.
struct Appui {
  long pas;
  Touches touches;
};

// `pas` steps of the level with the keys of `appuis`, looked at after each step as the play
// screen does once a frame; then looked at again (the ball still) until the search has ended.
// Whether the level was proven lost, and at which step.
struct Partie {
  bool prouvee = false;
  uint32_t pasPreuve = 0;
  bool finie = false;
};

Partie jouer(const std::vector<std::string>& dessin, float x, float y, int32_t bombes,
             const std::vector<Appui>& appuis, long pas, GuetImpasse& guet) {
  Terrain t;
  Niveau n;
  dessinerTerrain(n, dessin, x, y);
  n.bombes = bombes;
  t.commencerNiveau(n);
  InstantaneTerrain vue;
  Touches touches;
  size_t prochain = 0;
  Partie partie;
  for (long p = 0; p < pas; ++p) {
    while (prochain < appuis.size() && appuis[prochain].pas <= p)
      touches = appuis[prochain++].touches;
    const EvenementsPas ev = pasRegles(t, touches);
    EXPECT_EQ(ev.resultat, EnCours) << "the level must still run at step " << p;
    t.prendreInstantane(vue);
    if (guet.observer(vue, static_cast<uint32_t>(p + 1))) partie.prouvee = true;
  }
  const auto limite = Horloge::now() + std::chrono::seconds(60);
  while (guet.enCours() && Horloge::now() < limite) {
    if (guet.observer(vue, static_cast<uint32_t>(pas))) partie.prouvee = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  partie.finie = !guet.enCours();
  partie.prouvee = partie.prouvee || guet.prouvee();
  partie.pasPreuve = guet.pasPreuve();
  return partie;
}

TEST(ImpasseThreads, PetitsNiveaux) {
  // A ledge over a pit, the goal to the left; a ball that falls in cannot climb out.
  const std::vector<std::string> fosse = {
      "@@@@@@@@@@",  //
      "@W.......@",  //
      "@@@@@@.@@@",  //
      "@@@@@@.@@@",  //
      "@@@@@@@@@@",
  };
  // A shaft down to a corridor shut by a brick: the one bomb must go off beside it.
  const std::vector<std::string> puits = {
      "@@@@@@@@@@@@",  //
      "@.@@@@@@@@@@",  //
      "@.@@@@@@@@@@",  //
      "@.@@@@@@@@@@",  //
      "@.@@@@@@@@@@",  //
      "@...#....W.@",  //
      "@@@@@@@@@@@@",
  };
  // A red bridge over a pit on the way to the goal; the red switch behind the ball clears it.
  const std::vector<std::string> pont = {
      "@@@@@@@@@@@@",  //
      "@W.......r.@",  //
      "@@@RR@@@@@@@",  //
      "@@@..@@@@@@@",  //
      "@@@@@@@@@@@@",
  };
  struct Cas {
    const char* nom;
    const std::vector<std::string>& dessin;
    float x, y;
    int32_t bombes;
    std::vector<Appui> appuis;
    long pas;
    bool impasse;
  };
  const Cas cas[] = {
      {"stranded in a pit", fosse, 4.5f, 1.5f, 0, {{0, Droite}, {60, Rien}}, 200, true},
      {"beside the pit", fosse, 4.5f, 1.5f, 0, {{0, Droite}, {15, Rien}}, 200, false},
      {"bomb spent in the air", puits, 1.5f, 1.5f, 1, {{0, Espace}, {3, Rien}}, 200, true},
      {"bomb kept for the wall", puits, 1.5f, 1.5f, 1, {{0, Droite}}, 200, false},
      {"switch pressed too early", pont, 6.5f, 1.5f, 0, {{0, Droite}, {60, Rien}}, 200, true},
      {"switch left alone", pont, 6.5f, 1.5f, 0, {{0, Gauche}, {20, Rien}}, 200, false},
  };
  for (const Cas& c : cas) {
    GuetImpasse guet;
    const Partie p = jouer(c.dessin, c.x, c.y, c.bombes, c.appuis, c.pas, guet);
    EXPECT_TRUE(p.finie) << c.nom << ": the search never ended";
    EXPECT_EQ(p.prouvee, c.impasse) << c.nom;
    EXPECT_GE(guet.recherches(), 1) << c.nom;
    if (c.impasse) {
      EXPECT_GT(p.pasPreuve, 0u) << c.nom << ": proven from the start";
    }
  }
}

TEST(ImpasseThreads, UneBorneNeProuveRien) {
  // No win anywhere: within the bounds the search proves it; with too few states it stops
  // first and nothing is said.
  const std::vector<std::string> sansBut = {
      "@@@@@@@@@@@@@@@@@@@@",  //
      "@..................@",  //
      "@@@@@@@@@@@@@@@@@@@@",
  };
  BornesRecherche peu = bornesImpasse();
  peu.etatsMax = 10;
  BornesRecherche court = bornesImpasse();
  court.pasMax = 20;
  struct Cas {
    const char* nom;
    BornesRecherche bornes;
    bool impasse;
  } cas[] = {{"within the bounds", bornesImpasse(), true},
             {"too few states", peu, false},
             {"too few steps", court, false}};
  for (const Cas& c : cas) {
    GuetImpasse guet(c.bornes);
    const Partie p = jouer(sansBut, 1.5f, 1.5f, 0, {}, 10, guet);
    EXPECT_TRUE(p.finie) << c.nom;
    EXPECT_EQ(p.prouvee, c.impasse) << c.nom;
  }
}

TEST(ImpasseThreads, AnnuleeDesQueLeNiveauFinit) {
  // A large level with huge bounds keeps the worker busy; the level's end stops it at once.
  BornesRecherche b = bornesImpasse();
  b.pasMax = 100000;
  b.etatsMax = 100000000;
  b.octetsMax = size_t{512} << 20;
  GuetImpasse guet(b);
  Terrain t;
  t.commencerNiveau(grandNiveau());
  InstantaneTerrain vue;
  t.prendreInstantane(vue);
  EXPECT_FALSE(guet.observer(vue, 1));
  ASSERT_TRUE(guet.enCours());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  // A change while it runs: another search, and the look does not wait for the first to end.
  uint8_t& c = vue.grille[vue.grille.size() / 2];
  c = c == Vide ? static_cast<uint8_t>(Brique) : static_cast<uint8_t>(Vide);
  auto debut = Horloge::now();
  EXPECT_FALSE(guet.observer(vue, 2));
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut).count();
  EXPECT_LT(ms, DelaiAnnulationMs) << "a look waited " << ms << " ms";
  EXPECT_EQ(guet.recherches(), 2);
  ASSERT_TRUE(guet.enCours());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  debut = Horloge::now();
  guet.arreter();
  ms = std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut).count();
  EXPECT_LT(ms, DelaiAnnulationMs) << "cancelled after " << ms << " ms";
  EXPECT_FALSE(guet.enCours());
  EXPECT_FALSE(guet.prouvee());
}

TEST(ImpasseThreads, RelanceeQuandLEtatChange) {
  const std::vector<std::string> dessin = {
      "@@@@@@@@@@@@",  //
      "@....%....W@",  //
      "@@@@@@@@@@@@",
  };
  GuetImpasse guet;
  Terrain t;
  Niveau n;
  dessinerTerrain(n, dessin, 1.5f, 1.5f);
  n.bombes = 1;
  t.commencerNiveau(n);
  InstantaneTerrain vue;
  t.prendreInstantane(vue);
  uint32_t pas = 1;
  guet.observer(vue, pas);
  EXPECT_EQ(guet.recherches(), 1) << "the level starts: a first search";
  guet.observer(vue, pas);
  EXPECT_EQ(guet.recherches(), 1) << "nothing changed";
  // The ball rolling does not start it again; at rest elsewhere, it does; at rest where the
  // search started, not again.
  InstantaneTerrain roule = vue;
  roule.balle.x += 0.5f;
  guet.observer(roule, ++pas);
  EXPECT_EQ(guet.recherches(), 1) << "rolling";
  guet.observer(roule, ++pas);
  EXPECT_EQ(guet.recherches(), 2) << "at rest elsewhere";
  guet.observer(roule, ++pas);
  EXPECT_EQ(guet.recherches(), 2) << "still at rest there";
  // A bomb spent, a brick broken.
  InstantaneTerrain change = roule;
  change.bombes = 0;
  guet.observer(change, ++pas);
  EXPECT_EQ(guet.recherches(), 3) << "a bomb spent";
  change.grille[static_cast<size_t>(1 * change.largeur + 5)] = Vide;
  guet.observer(change, ++pas);
  EXPECT_EQ(guet.recherches(), 4) << "a brick broken";
  guet.arreter();
  guet.observer(change, ++pas);
  EXPECT_EQ(guet.recherches(), 5) << "a level started over searches again";
  guet.arreter();
}

}  // namespace

namespace {

// Under a sanitizer, several times slower, a few files show the same.
#if defined(ZV_SOUS_TSAN) || defined(__SANITIZE_ADDRESS__)
#define ZV_PEU_DE_FICHIERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZV_PEU_DE_FICHIERS 1
#endif
#endif
#ifdef ZV_PEU_DE_FICHIERS
const char* const FichiersLivres[] = {"1-Premiers-pas", "4-Bombes", "5-Interrupteurs"};
#else
const char* const FichiersLivres[] = {"1-Premiers-pas", "2-Briques-fragiles", "3-Ressorts",
                                      "4-Bombes",       "5-Interrupteurs",    "6-Melanges",
                                      "7-Casse-tetes",  "8-Grand-final",      "9-Reflexion",
                                      "10-Sommets",     "11-Descentes",       "12-Abimes"};
#endif

// The shipped files' recorded solutions win: every state on their way can still be won, so the
// search, followed as in play and let finish each time, must never say otherwise.
TEST(ImpasseThreads, JamaisSurLeCheminDUneSolution) {
  const std::string donnees = std::string(ZARVINEL_SOURCE_DIR) + "/data/mapsoff/";
  int niveaux = 0, recherches = 0;
  for (const char* nom : FichiersLivres) {
    LecteurNiveaux lecteur;
    ASSERT_TRUE(lecteur.ouvrir(donnees + nom + ".map")) << nom;
    Terrain t;
    for (int numero = 1; !lecteur.chargerNiveauSuivant(t); ++numero) {
      std::string texte;
      const std::string chemin =
          donnees + "solutions/" + nom + "-" + std::to_string(numero) + ".txt";
      Solution s;
      if (lireFichierOrdinaire(chemin, 1u << 20, texte) != Lecture::Lu || !lireSolution(texte, s))
        continue;
      ++niveaux;
      GuetImpasse guet;
      InstantaneTerrain vue;
      int r = EnCours;
      for (uint32_t pas = 0; pas < 20000 && r == EnCours; ++pas) {
        r = pasRegles(t, touchesAuPas(s, pas)).resultat;
        t.prendreInstantane(vue);
        EXPECT_FALSE(guet.observer(vue, pas + 1)) << nom << " " << numero << " step " << pas;
        // Each search runs to its end before the route goes on.
        const auto limite = Horloge::now() + std::chrono::seconds(60);
        while (guet.enCours() && Horloge::now() < limite) {
          EXPECT_FALSE(guet.observer(vue, pas + 1)) << nom << " " << numero << " step " << pas;
          std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
      }
      EXPECT_EQ(r, Gagne) << nom << " " << numero;
      recherches += guet.recherches();
    }
  }
  EXPECT_GE(niveaux, 20);
  EXPECT_GT(recherches, niveaux);
}

}  // namespace
