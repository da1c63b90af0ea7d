#pragma once
// A rectangle showing a colour field with a cursor; a click (or holding the button and moving)
// moves the cursor and picks the colour under it. Modes: 0 four-corner gradient, 1 rainbow
// (saturated hues on top, grey at the bottom), 2 lightness bar of one colour (black, the
// colour, white from left to right). Give it a mode with one of the setters before it is shown.
#include <memory>

#include "gui/objet.h"
#include "gui/zone.h"

class ColorGUI : public ObjHelpGUI {
 public:
  enum Marqueur : uint8_t { SansMarque = 0, LigneVerticale = 1, LigneHorizontale = 2, Losange = 3 };

  ColorGUI(int x, int y, int largeur, int hauteur, RappelGUI rappel, int donnee);

  void setCoins(const float coins[16]);  // mode 0: corners c0..c3, four RGBA each
  void setUniforme(const float c[4]);    // mode 0 with four equal corners
  void setArcEnCiel();                   // mode 1
  void setTeinte(const float c[4]);      // mode 2 around c
  // Moves the cursor (pixels from the widget's corner, kept inside it) and picks the colour.
  void viser(float x, float y);
  // Moves the cursor to where the current mode shows this colour (components taken in 0..1).
  void placerSur(const float rgb[3]);

  const float* couleur() const { return couleur_; }  // RGBA of the picked colour
  float curseurX() const { return curseurX_; }
  float curseurY() const { return curseurY_; }
  uint8_t mode() const { return mode_; }
  uint8_t marqueur = SansMarque;
  void* utilisateur = nullptr;  // free for the widget's user
  ZoneGUI* zone() const { return zone_.get(); }

  void evenement(ZoneGUI* zone, int partie, int type, int x, int y) override;

 private:
  void calculer();
  void dessinerChamp();

  float curseurX_ = 0, curseurY_ = 0;
  uint8_t mode_ = 0;
  float coins_[4][4] = {};
  float couleur_[4] = {0, 0, 0, 1};
  std::unique_ptr<ZoneGUI> zone_;
};

// The colour a mode shows at (u, v) in 0..1 of the field; `rgba` keeps its alpha in modes 1, 2.
void couleurArcEnCiel(float u, float v, float rgba[4]);
void couleurTeinte(float u, const float base[4], float rgba[4]);
