#pragma once
// A one-line text entry. It takes the keys once clicked (the focus follows the last press).
// Typed characters are kept as Windows-1252 bytes, the encoding the font draws; Backspace
// removes the last one. The callback receives every event, EV_TOUCHE with the character in x,
// and decides itself what Enter or Escape mean.
#include <cstdint>
#include <memory>
#include <string>

#include "gui/objet.h"
#include "gui/zone.h"

class InputGUI : public ObjHelpGUI {
 public:
  // Shows `texteAffiche` until the first key; the text itself starts empty.
  InputGUI(int x, int y, int largeur, const std::string& texteAffiche, int longueurMax,
           RappelGUI rappel, int donnee);

  int longueur() const { return static_cast<int>(texte_.size()); }
  std::string getTexte() const { return texte_; }
  // Characters accepted (bytes); empty = every printable character.
  void setCaracteresPermis(const std::string& permis) { permis_ = permis; }
  ZoneGUI* zone() const { return zone_.get(); }

  void evenement(ZoneGUI* zone, int partie, int type, int x, int y) override;

 private:
  int longueurMax_;
  std::string texte_;
  std::string permis_;
  std::unique_ptr<ZoneGUI> zone_;
};

// The Windows-1252 byte of a typed character (SDL's UCS-2 code), or -1 when the encoding has
// none (controls, characters beyond it).
int versWindows1252(uint32_t unicode);

// `texte` with '<' and '>' written as the markup that draws them.
std::string echapperBalises(const std::string& texte);
