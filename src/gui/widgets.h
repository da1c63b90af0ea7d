#pragma once
// The simple widgets: a push button, a label, a picture, and a check box made of a small button
// and a label. Each owns its zone(s) and deletes them with itself. Positions are screen pixels
// of the top-left corner; the callback may be empty. Change a widget's text with
// zone()->setTexte(...), move it with zone()->setPropriete(PROP_X, ...).
//
// Every mouse event of the widget reaches its callback (EV_ENTREE, EV_SORTIE, EV_APPUI,
// EV_REPETE, EV_RELACHE = the click, EV_DESSINE); screens act on the click through surClic
// (gui/evenements.h).
#include <memory>
#include <string>

#include "gui/objet.h"
#include "gui/style.h"
#include "gui/zone.h"

// A widget drawn as one zone of the manager, styled from one of its styles.
class WidgetZoneGUI : public ObjHelpGUI {
 public:
  ZoneGUI* zone() const { return zone_.get(); }

 protected:
  WidgetZoneGUI(const StyleGUI& style, int x, int y, int largeur, const std::string& texte,
                RappelGUI rappel, int donnee);

 private:
  std::unique_ptr<ZoneGUI> zone_;
};

// Framed button (the manager's styleBouton: 20 pixels tall, 2-pixel frame, white text).
class BoutonGUI : public WidgetZoneGUI {
 public:
  BoutonGUI(int x, int y, int largeur, const std::string& texte, RappelGUI rappel, int donnee);
};

// Text without frame (styleLabel, 20 pixels tall); clickable like a button.
class LabelGUI : public WidgetZoneGUI {
 public:
  LabelGUI(int x, int y, int largeur, const std::string& texte, RappelGUI rappel, int donnee);
};

// A texture drawn once over the whole rectangle (styleImage).
class ImageGUI : public WidgetZoneGUI {
 public:
  ImageGUI(int x, int y, int largeur, int hauteur, GLuint texture, RappelGUI rappel, int donnee);
};

// A 19-pixel box showing "X" when checked, and its text 22 pixels to the right. A click on
// either toggles it: the callback gets EV_COCHE or EV_DECOCHE, then EV_RELACHE.
class CheckGUI : public ObjHelpGUI {
 public:
  CheckGUI(int x, int y, int largeur, const std::string& texte, bool coche, RappelGUI rappel,
           int donnee);
  void cocher();    // no callback
  void decocher();  // no callback
  bool coche() const { return coche_; }
  BoutonGUI* boite() const { return boite_.get(); }
  LabelGUI* label() const { return label_.get(); }
  void evenement(ZoneGUI* zone, int partie, int type, int x, int y) override;

 private:
  bool coche_ = false;
  std::unique_ptr<BoutonGUI> boite_;
  std::unique_ptr<LabelGUI> label_;
};
