#pragma once
// The main menu's level chooser: for the file selected in the catalogue, one button per level
// the player may start at (every won one with its best time and medal, plus the first not yet
// won). A click chooses that level; the menu reads the choice and plays the file from it.
// Rebuilt when the selection changes. Main thread only.
#include <memory>
#include <string>
#include <vector>

#include "gui/widgets.h"

class ChoixNiveau {
 public:
  // The chooser for the file at `chemin` (empty: none), shown or hidden. Does nothing when
  // already so. Logs "Choix niveau N" (+ " gagné " + best seconds) for each button made, then
  // "Choix niveau N médaille M" for a won level with targets.
  void suivre(const std::string& chemin, bool visible);
  // The level last clicked (0: none yet).
  int choisi() const { return choisi_; }

 private:
  int choisi_ = 0;
  std::string chemin_;
  bool visible_ = false;
  std::unique_ptr<ImageGUI> fond_;
  std::unique_ptr<LabelGUI> titre_;
  std::vector<std::unique_ptr<BoutonGUI>> boutons_;
};
