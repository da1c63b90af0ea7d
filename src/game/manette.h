#pragma once
// A gamepad (any SDL joystick) as the player's second hand: the stick or the d-pad rolls the ball
// left and right, the first button drops a bomb and stands for Enter in the screens (Play in the
// main menu, start and continue in a level), Start stands for the pause key.
#include <cstdint>

#include "game/touches.h"

// One sample of the first pad.
struct EtatManette {
  int16_t axeX = 0;     // the stick's horizontal axis, -32768 (left) .. 32767 (right)
  uint8_t chapeau = 0;  // the d-pad as SDL_HAT_* bits (left 8, right 2)
  bool boutonBombe = false;
};

// Past this the stick counts as pushed: a resting stick drifts a little.
constexpr int16_t SeuilManette = 8000;
constexpr int BoutonManetteEntree = 0;         // A, cross: bomb and Enter
constexpr int BoutonsManetteStart[] = {7, 9};  // Start on the usual layouts

// The held keys a pad sample stands for.
Touches touchesManette(const EtatManette& e);
// Keyboard and pad together: a key held on either counts.
Touches combiner(const Touches& a, const Touches& b);

// What a pad button press stands for in the screens.
enum class BoutonManette { Rien, Entree, Pause };
BoutonManette sensBoutonManette(int bouton);

// Opens the first joystick if there is one (logs "Manette : " + its name, or nothing); main
// thread. The pad is read by lireManette and closed by fermerManettes.
void ouvrirManettes();
void fermerManettes();
// The open pad's state (all at rest when none).
EtatManette lireManette();
