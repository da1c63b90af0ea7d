#pragma once
// Medals: a level shipped with a hint has three target times, taken from that hint's recorded
// route ("# won at step S" on its first line): gold for winning as fast as the route does, silver
// within half as long again, bronze for any win. A level of the player's own has none. Times are
// physics steps of 10 ms, counted as the play screen counts them: the route's win at step S
// (counted from 0) shows S + 1 steps.
#include <cstdint>
#include <string>

enum class Medaille { Aucune, Bronze, Argent, Or };

struct Objectifs {
  uint32_t pasOr = 0;  // 0: the level has no targets
  bool existent() const { return pasOr > 0; }
  // One and a half times gold, rounded down to a whole step.
  uint32_t pasArgent() const { return pasOr + pasOr / 2; }
};

// How a level was won: only a win by the player's own play earns a medal.
enum class FaconVictoire { Jeu, Code, Indice };

// The medal of a win in `pas` steps.
Medaille medaillePour(uint32_t pas, const Objectifs& objectifs,
                      FaconVictoire facon = FaconVictoire::Jeu);
// The next medal above `m` that the level offers (Aucune past gold, or without targets).
Medaille medailleSuivante(Medaille m, const Objectifs& objectifs);
// The most steps that still earn `m` (0 for bronze and none: any win).
uint32_t pasMaximum(Medaille m, const Objectifs& objectifs);

// The targets a hint's text gives: its first line "# won at step S". None otherwise.
Objectifs lireObjectifs(const std::string& texteIndice);
// The targets of level `numero` of the level file at `cheminFichier`: only a shipped file has
// them, from "mapsoff/solutions/NAME-N.txt" through `repertoires`.
Objectifs objectifsNiveau(const std::string& cheminFichier, int numero);

// "or", "argent", "bronze", "aucune": the log's words.
const char* motMedaille(Medaille m);
// The translation keys of a medal's name ("MedailleOr"...; "MedailleAucune").
const char* cleMedaille(Medaille m);
// The colour tag a medal's name is written in.
const char* couleurMedaille(Medaille m);

// Medals counted over levels: how many of each, of how many levels with targets.
struct CompteMedailles {
  int ors = 0, argents = 0, bronzes = 0, sur = 0;
  void ajouter(Medaille m, bool avecObjectifs);
};
