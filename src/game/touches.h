#pragma once
// The three keys the physics step reads, as held at the moment of one step. The game fills it
// from SDL's keyboard state; tests and the level tools fill it from a script.
struct Touches {
  bool gauche = false;  // left arrow
  bool droite = false;  // right arrow
  bool espace = false;  // space bar
};

// The keyboard state SDL keeps (updated by the main thread's event polling).
Touches lireClavier();
