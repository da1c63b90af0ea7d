#pragma once
// An integer between limits, shown between a "-" and a "+" button; holding a button repeats
// the step (300 ms, then every 50 ms). The callback gets EV_MOINS / EV_PLUS on each step, then
// the raw event of the button (part codes: 0 "-", 1 "+", 2 the value).
#include <cstdint>
#include <memory>

#include "gui/widgets.h"

class IntGUI : public ObjHelpGUI {
 public:
  // The value is kept as given, even outside min..max, until the first change.
  IntGUI(int32_t valeur, int32_t min, int32_t max, int x, int y, int largeur, RappelGUI rappel,
         int donnee);

  int32_t valeur() const { return valeur_; }
  int32_t min() const { return min_; }
  int32_t max() const { return max_; }
  void setValeur(int32_t v);  // clamped: above max gives max, then below min gives min
  void setMax(int32_t v);     // a value above the new maximum comes down to it (or to min)
  void rafraichir();          // shows the value

  BoutonGUI* moins() const { return moins_.get(); }
  BoutonGUI* plus() const { return plus_.get(); }
  BoutonGUI* affichage() const { return affichage_.get(); }

  void evenement(ZoneGUI* zone, int partie, int type, int x, int y) override;

 private:
  int32_t valeur_, min_, max_;
  std::unique_ptr<BoutonGUI> affichage_, plus_, moins_;
};
