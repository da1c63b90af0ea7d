#pragma once
// The rules of play apart from what shows them: the state a step changes (the grid, the ball and
// its jump, the bombs, the blast timer, the rolling-sound flags, the last result) and the step
// itself, the held keys in and the step's events out (its sounds, a blast, a switch pressed,
// the result). No lock, no camera, no particles, no rand(): the live level (game/terrain.h)
// reacts to the events with those, and the level search and the replays step this state alone.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/requetes_sons.h"
#include "game/balle.h"
#include "game/cases.h"
#include "game/touches.h"

// Result of one physics step.
enum ResultatEtape : int { EnCours = 0, Gagne = 1, Perdu = 2 };

struct EtatRegles {
  int32_t largeur = 0;
  int32_t hauteur = 0;
  std::vector<uint8_t> grille;  // largeur x hauteur bytes, row by row; empty = no level
  Balle balle;
  int32_t bombes = 0;
  uint8_t minuteurExplosion = 0;  // 100 after a blast, lowered by each step; 0: a bomb may go
  bool rouleEnCours = false;      // the rolling loop was asked for and not yet stopped
  bool chocJoue = false;          // the bump already sounded for the current fall
  int resultat = EnCours;         // what the last step returned

  bool aGrille() const { return !grille.empty(); }
  // The code at column c, row r; Vide outside the grid.
  uint8_t lireCase(int c, int r) const {
    if (c < 0 || r < 0 || c >= largeur || r >= hauteur) return Vide;
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(largeur) + static_cast<size_t>(c);
    return i < grille.size() ? grille[i] : static_cast<uint8_t>(Vide);
  }
};

// The sounds one step asks for, in the order it asks. The step only fills the list; whoever
// runs it queues the list once the step is done (or drops it: the searches are silent).
struct SonsEtape {
  // Spring, fall, two walls, rolling, blast, switch, bomb: never more in one step.
  static constexpr int Capacite = 8;
  std::array<RequeteSon, Capacite> requetes{};
  int nombre = 0;

  void ajouter(int32_t type, int canal, int effet, int boucles) {
    if (nombre >= Capacite) return;
    requetes[static_cast<size_t>(nombre++)] = RequeteSon{type, canal, boucles, effet};
  }
  void jouer(int effet) { ajouter(RequeteJouer, -1, effet, 0); }
  void jouerEnBoucle(int canal, int effet) { ajouter(RequeteJouer, canal, effet, -1); }
  void arreter(int canal) { ajouter(RequeteArreter, canal, -1, 0); }
  // Queues the list in its order; nothing without a queue.
  void envoyer(RequetesSons* file) const;
};

// What one step did that something outside the rules may show.
struct EvenementsPas {
  bool joue = false;  // a step ran (false without a playable grid: nothing else is set)
  // The ball where the step began, inside the grid: what the camera follows, and the centre of
  // a blast's burst.
  float departX = 0.0f, departY = 0.0f;
  bool explosion = false;                      // a bomb went off...
  float explosionX = 0.0f, explosionY = 0.0f;  // ...here (its 3 x 3 cells around this point)
  uint8_t interrupteur = 0;                    // the switch pressed (its code), 0 for none
  int resultat = EnCours;
  SonsEtape sons;
};

// One fixed 10 ms step of the rules with `touches` held. Does nothing without a playable grid
// (and returns `joue` false, result EnCours).
EvenementsPas pasRegles(EtatRegles& etat, const Touches& touches);
