#pragma once
// The three keys the physics step reads, as held at the moment of one step. The game fills it
// from SDL's keyboard state; tests and the level tools fill it from a script.
#include <cstdint>

struct Touches {
  bool gauche = false;  // left arrow
  bool droite = false;  // right arrow
  bool espace = false;  // space bar
};

class Options;

// What the player may bind a key to (the options screen, "Touche..." keys of the options file;
// one key per action, platform/touches_options.h).
// Apercu: held, the whole level in view and the physics paused.
enum class ActionJeu { Gauche, Droite, Bombe, Recommencer, Pause, Indice, Apercu };
constexpr int NombreActionsJeu = 7;

// The options key and the default key symbol (SDLK_*) of an action.
const char* cleOptionTouche(ActionJeu action);
int32_t toucheParDefaut(ActionJeu action);

// The key symbol bound to `action` in `o`; a stored value that is no key symbol (hand-edited)
// gives the default, so the keyboard state is never read out of its bounds.
int32_t toucheDe(ActionJeu action, const Options& o);
// The same with the global options.
int32_t toucheDe(ActionJeu action);
// Whether the pressed key `symbole` is the one bound to `action` (global options).
bool estTouche(int32_t symbole, ActionJeu action);

// The keyboard state SDL keeps (updated by the main thread's event polling), read through the
// keys the options bind to left, right and bomb.
Touches lireClavier();
// The same from a given state array of `taille` entries (tests).
Touches lireClavier(const uint8_t* etat, int taille, const Options& o);
