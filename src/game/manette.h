#pragma once
// A gamepad (any SDL joystick) as the player's second hand: the stick or the d-pad rolls the ball
// left and right, the first button drops a bomb while the ball is in play and stands for Enter
// everywhere else (Play in the main menu, start and continue in a level), Start stands for the
// pause key.
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
constexpr int BoutonManetteEntree = 0;         // A, cross: bomb in play, Enter elsewhere
constexpr int BoutonsManetteStart[] = {7, 9};  // Start on the usual layouts

// The held keys a pad sample stands for.
Touches touchesManette(const EtatManette& e);
// Keyboard and pad together: a key held on either counts.
Touches combiner(const Touches& a, const Touches& b);

// What a pad button press stands for in the screens.
enum class BoutonManette { Rien, Entree, Pause };
BoutonManette sensBoutonManette(int bouton);

// The `which` field of a key press made from a pad button (a keyboard's is 0): a screen that
// gives the button another meaning than the key can tell them apart.
constexpr uint8_t ToucheDeManette = 0x80;

// The first button is Enter outside play and the bomb in play. A press that started the level
// or retried it is still held on the first steps: it drops no bomb until it has been released
// once in play. `filtrer` is called once a frame with whether the ball is in play and the
// button's state, and says whether it counts as the bomb.
class BombeManette {
 public:
  bool filtrer(bool enJeu, bool bouton) {
    if (!enJeu) arme_ = false;
    else if (!bouton) arme_ = true;
    return enJeu && arme_ && bouton;
  }

 private:
  bool arme_ = false;
};

// Opens the first joystick if there is one (logs "Manette : " + its name, or nothing); main
// thread. The pad is read by lireManette and closed by fermerManettes.
void ouvrirManettes();
void fermerManettes();
// The open pad's state (all at rest when none).
EtatManette lireManette();
