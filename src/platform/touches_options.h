#pragma once
// The play keys of the options file ("Touche..." keys, SDL key symbols) and the rules that keep
// one key to one action. Actions go by index in the order of ActionJeu (game/touches.h): left,
// right, bomb, restart, pause, hint, peek.
#include <cstdint>
#include <string>
#include <vector>

class Options;

constexpr int NombreTouchesJeu = 7;
constexpr int ToucheJeuRecommencer = 3;
constexpr int ToucheJeuPause = 4;

// The options key of an action ("ToucheGauche" ...) and its field.
const char* cleToucheJeu(int action);
int32_t& toucheJeu(Options& o, int action);
int32_t toucheJeu(const Options& o, int action);
int32_t toucheJeuParDefaut(int action);
// Whether `symbole` is an SDL key symbol at all (a hand-edited file may hold anything).
bool estSymboleTouche(int32_t symbole);

// Enter for every action; Escape but for the pause; Backspace but for restart.
bool toucheReservee(int action, int32_t symbole);

enum class VerdictTouche {
  Libre,     // the action may take it
  Reservee,  // never this action's: Enter, or a key the screens keep for another action
  Prise      // another action holds it
};
// Whether `action` may take `symbole` beside the keys `touches` of every action. Enter starts
// and ends the levels: no action takes it. Escape always opens the pause panel (and cancels a
// key capture) and Backspace always restarts: only those actions take them. A key another
// action holds is taken; `autre` (when given) receives that action.
VerdictTouche jugerTouche(const int32_t (&touches)[NombreTouchesJeu], int action, int32_t symbole,
                          int* autre = nullptr);

// Makes the play keys of `o` one per action, as the options screen would have: a key that is no
// key symbol, reserved, or held by an earlier action goes back to its default; when that
// default is held as well, every play key goes back to its default. Returns the log lines, one
// per change (none for a sound file).
std::vector<std::string> reparerTouches(Options& o);
