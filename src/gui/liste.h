#pragma once
// A framed list of text items, `nbLignes` rows 20 pixels tall, with scroll arrows on the right.
// A click on a row selects its item (the callback gets EV_CHOIX with the index in x, then the
// raw event); the arrows scroll one row per press and repeat while held; the wheel over the
// rows scrolls three rows a notch. Once a row has the keys (clicked, or given the focus): the
// arrow keys move the selection by one, Page Up/Down by a page, Home/End to the ends, and
// typed letters jump to the first item starting with them (EV_CHOIX each time). Screens read
// selection() and the items' valeur.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/widgets.h"

struct ElementListe {
  ElementListe(std::string t, int32_t v = 0, std::string c = std::string())
      : texte(std::move(t)), valeur(v), cle(std::move(c)) {}
  std::string texte;
  int32_t valeur = 0;  // free for the list's user
  std::string cle;     // what typed letters match (without markup); the text when empty
};

class ListGUI : public ObjHelpGUI {
 public:
  ListGUI(int x, int y, int largeur, int nbLignes);  // no callback: use setRappel
  ~ListGUI() override;

  void ajouter(const ElementListe& element);  // shown after the next rafraichir
  void vider();                               // no items, scrolled to the top, selection 0
  void setSelection(int32_t index) { selection_ = index; }  // no refresh, no notification
  void rafraichir();

  int32_t selection() const { return selection_; }
  int32_t premier() const { return premier_; }
  int32_t nbLignes() const { return nbLignes_; }
  const std::vector<ElementListe>& elements() const { return elements_; }
  // Row i (0 at the top), none outside 0..nbLignes - 1.
  LabelGUI* ligne(int i) const {
    return i >= 0 && i < nbLignes_ ? lignes_[static_cast<size_t>(i)].get() : nullptr;
  }
  ImageGUI* flecheHaut() const { return flecheHaut_.get(); }
  ImageGUI* flecheBas() const { return flecheBas_.get(); }
  ZoneGUI* fond() const { return fond_.get(); }

  void evenement(ZoneGUI* zone, int partie, int type, int x, int y) override;

  // What the wheel and the keys do (also reached through evenement): scroll by `lignes` rows
  // without moving the selection; move the selection to `index` (clamped) and show it; a typed
  // character at `maintenant` ms, added to the letters typed less than a second before.
  void defiler(int32_t lignes);
  void selectionner(int32_t index);
  void taper(char c, uint32_t maintenant);

 private:
  std::vector<std::unique_ptr<LabelGUI>> lignes_;
  std::unique_ptr<ImageGUI> flecheHaut_, flecheBas_;
  int32_t nbLignes_;
  int32_t premier_ = 0, selection_ = 0;
  std::vector<ElementListe> elements_;
  std::string tape_;  // the letters typed so far, and when the last came
  uint32_t dernierCaractere_ = 0;
  std::unique_ptr<ZoneGUI> fond_;
};
