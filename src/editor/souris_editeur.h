#pragma once
// The editor's pointer on the board: a click or a drag paints with the selected tool (the whole
// line between successive points), Shift + drag paints the rectangle between the press and the
// release, Ctrl + click fills the clicked region, the wheel zooms toward the pointer and the
// middle button held pans the view. With the selection tool a drag selects a block of cells, a
// drag that starts inside the block moves it, and while a paste is shown a click places it.
// Nothing of it while a dialog is open or over a widget. Each gesture's changes become one undo
// step, since the screen closes a step only when no button is held.
#include <SDL.h>

#include <optional>
#include <utility>

#include "editor/etat_editeur.h"
#include "game/instantane.h"
#include "game/visee.h"

// The rectangle a Shift + drag would paint now, corners in either order.
struct RectangleCases {
  CaseChoisie debut, fin;
};

class SourisEditeur {
 public:
  // One event, after the GUI manager has routed it. `vue` is the frame's copy of the current
  // level the picking aims at (brought up to date here).
  void evenement(const SDL_Event& e, EtatEditeur& etat, InstantaneTerrain& vue);

  std::optional<RectangleCases> rectangle() const;
  // The block a selection drag covers now (corners in either order).
  std::optional<RectangleCases> selectionEnCours() const;
  // The move a drag inside the block would make now (columns, rows).
  std::optional<std::pair<int, int>> deplacementEnCours() const;
  // Whether the middle button pans the view (no highlight meanwhile).
  bool glisseVue() const { return geste_ == Geste::Vue; }
  // Whether the pointer is in the window (it left: no cell is under it).
  bool dansFenetre() const { return dansFenetre_; }

 private:
  enum class Geste { Aucun, Trait, Rectangle, Rempli, Vue, Selection, Deplacement };
  void appuiSelection(const CaseChoisie& c, EtatEditeur& etat);
  void relacheSelection(EtatEditeur& etat);
  void appui(const SDL_MouseButtonEvent& b, EtatEditeur& etat, InstantaneTerrain& vue);
  void relache(const SDL_MouseButtonEvent& b, EtatEditeur& etat, InstantaneTerrain& vue);
  void mouvement(const SDL_MouseMotionEvent& m, EtatEditeur& etat, InstantaneTerrain& vue);

  Geste geste_ = Geste::Aucun;
  std::optional<CaseChoisie> dernier_;  // the drag's last painted cell
  RectangleCases rectangle_{};
  int x_ = 0, y_ = 0;  // the pointer at the last panning step
  bool dansFenetre_ = true;
};

// The level the frame shows and the picking aims at: the current level, its ball on the start.
// The copy reuses its buffers, so a large level costs one memory copy a frame.
void synchroniserVue(InstantaneTerrain& vue, const Niveau& n);
