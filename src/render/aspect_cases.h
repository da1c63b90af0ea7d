#pragma once
// How each cell code looks on the board: its shape, its colour and its picture, as the play
// screen, the colour-blind mode and the editor choose them. The cell pass (plateau.cpp) and the
// bricks' arrays (briques_cache.cpp) both draw from this one table, so the two ways a brick
// reaches the screen cannot drift apart.
#include <cstdint>

#include "render/gl.h"

struct TableTextures;

enum class FormeCase : uint8_t {
  Rien,          // nothing drawn: empty, and the codes without meaning
  Boite,         // a unit box
  Ressort,       // the spring's coil
  Sphere,        // the bomb
  Panneau,       // a hint sign lying on the board, of the aspect's size
  Interrupteur,  // the plate (when it has a picture), then the lever
};

enum class TeinteCase : uint8_t {
  Aucune,   // the colour already set stays
  Degrade,  // the level's four-corner gradient at the cell
  Blanc,
  BleuBombe,
  VertBut,      // half transparent
  RougeDanger,  // half transparent
  Levier,       // a switch's lever, by the switch's colour
};

enum class ImageCase : uint8_t {
  Aucune,
  Casse,
  Blinde,
  Ressort,
  Win,
  Lost,
  Un,             // the editor's marker of the grey colour one
  Deux,           // and of the grey colour two
  Couleur,        // a coloured brick's picture, by its colour
  PlaqueCouleur,  // a switch's coloured plate, by its colour
  PanneauBoom,    // the signs' pictures change every half second
  PanneauMove,
};

// What a cell shows under one setting.
struct Apparence {
  TeinteCase teinte = TeinteCase::Aucune;
  ImageCase image = ImageCase::Aucune;
};

struct AspectCase {
  FormeCase forme = FormeCase::Rien;
  Apparence jeu;                               // in play
  Apparence daltonien;                         // in colour-blind mode
  ImageCase imageEditeur = ImageCase::Aucune;  // in the editor, when not Aucune
  bool translucide = false;  // blended over what lies behind it (the cell pass goes back to front)
  bool brique = false;       // an opaque gradient box: the bricks' arrays may draw it
  float largeur = 1, hauteur = 1;  // a sign's size in cells
};

const AspectCase& aspectCase(uint8_t code);

// The colour and picture the settings choose.
Apparence apparenceCase(const AspectCase& aspect, bool editeur, bool daltonien);

// The texture of `image` for cell `code` at `ticks` (ms): 0 for none or a picture not loaded.
GLuint textureCase(ImageCase image, uint8_t code, uint32_t ticks, const TableTextures& textures);

// The fixed colour of `teinte` for cell `code`; null for Aucune and Degrade (the gradient
// depends on the cell's place, the caller works it out).
const float* couleurFixeCase(TeinteCase teinte, uint8_t code);
