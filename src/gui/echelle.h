#pragma once
// The GUI's scale: every layout is made for a 640 x 480 window and drawn `echelle` times larger,
// so that letters and icons keep their size to the eye on a large screen. Pure arithmetic, no
// window.

// The highest factor the options offer; the automatic one has no bound.
constexpr int EchelleChoixMax = 4;

// The largest whole factor at which the 640 x 480 layouts still fit a window of this size (at
// least 1): 1 at 640 x 480 and 1024 x 768, 2 at 1920 x 1080, 4 at 3840 x 2160.
int echelleAutomatique(int largeur, int hauteur);

// The factor for the player's choice `choix` (0: automatic, else 1..EchelleChoixMax). A chosen
// factor larger than what fits the window is lowered to it: a GUI wider or taller than the
// window would leave buttons out of reach (the options' OK among them). Anything out of range
// counts as automatic.
int echelleInterface(int choix, int largeur, int hauteur);

// A window pixel as a GUI unit at factor `echelle` (rounded down, negatives too).
int versInterface(int pixel, int echelle);
