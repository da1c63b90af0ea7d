#pragma once
// What the options screen shows for an Options record, and what its confirmation writes back:
// the widgets only display these values and hand them back.
#include <string>
#include <vector>

#include "platform/options.h"

struct ModeEcran {
  int largeur = 0;
  int hauteur = 0;
  bool operator==(const ModeEcran& m) const { return largeur == m.largeur && hauteur == m.hauteur; }
};

// The screen's values, one per widget.
struct ChoixOptions {
  std::vector<ModeEcran> modes;  // resolution rows ("%i x %i")
  int ligneResolution = 0;       // selected row; meaningless when `modes` is empty
  int ligneAntialias = 0;        // row i stands for 2^i samples (0 "OFF", 1 "2", ... 4 "16")
  bool pleinEcran = false, vsync = false, afficheIPS = false, daltonien = false;
  bool menuTrenteImages = false;
  bool avecCubeMap = false;  // the Reflets and Fond boxes exist
  bool reflets = false, fond = false;
  bool avecShaders = false;  // the FondShader box and the three numbers exist
  bool fondShader = false;
  int nettete = 0;     // 11 - FondShaderTaille, 1..10
  int vitesse = 0;     // 5 - FondShaderDiv, 1..4
  int iterations = 0;  // FondShaderIter, 8..60
  int echelle = 0;     // EchelleInterface: 0 automatic, 1..NbEchelles - 1
};

constexpr int NbLignesAntialias = 5;
// "OFF", "2", "4", "8", "16".
std::string texteLigneAntialias(int ligne);
std::string texteMode(const ModeEcran& m);  // "800 x 600"
// The GUI scale's choices: automatic, then the factors 1 to 4 (a click moves to the next).
constexpr int NbEchelles = 5;
int echelleSuivante(int echelle);

// The window of a first start (no options file) on a desktop of this size: two thirds of it
// across and down, so the desktop's shape, never under 640 x 480 nor over the desktop. 640 x 480
// when the desktop's size is unknown (0).
ModeEcran tailleFenetreInitiale(int largeurBureau, int hauteurBureau);

// The sizes the options offer: the display's modes, then the common window sizes that fit the
// desktop (any when its size is unknown), widest first and each once.
std::vector<ModeEcran> modesProposes(const std::vector<ModeEcran>& modesSDL, int largeurBureau,
                                     int hauteurBureau);

// The values the screen opens with. `modesSDL` are the display modes as SDL lists them; those
// narrower than 640 or lower than 480 are not offered, and a mode listed twice once. When the
// current ResX x ResY is not among them (a window of its own size) it is offered first and
// selected, so that confirming other changes keeps the window's size. With no listed mode the
// resolution stays as it is. A Multisample below 1 counts as 1; one that is no power of two up
// to 16 selects the first row.
ChoixOptions choixDepuisOptions(const Options& o, const std::vector<ModeEcran>& modesSDL,
                                bool cubeMapDisponible, bool shaderDisponible);

// The copy that confirmation saves: `o` with the screen's values; options the screen does not
// show (BPP, Bloom, BloomPart, Langue, and the hidden rows) are kept.
Options optionsDepuisChoix(const Options& o, const ChoixOptions& c);

// Whether the saved copy `apres` needs the restart to take effect: true when anything but the
// sound volumes, the play keys and the menus' frame cap (which apply at once) differs from the
// running `avant`.
bool redemarrageNecessaire(const Options& avant, const Options& apres);
