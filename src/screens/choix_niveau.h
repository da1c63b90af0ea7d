#pragma once
// The main menu's level chooser: for the file selected in the catalogue, one button per level
// the player may start at (every won one with its best time, plus the first not yet won). A
// click plays the file from that level. Rebuilt when the selection changes. Main thread only.
#include <memory>
#include <string>
#include <vector>

#include "gui/widgets.h"

class ChoixNiveau {
 public:
  // A click sets `resultat` to MenuJouer and `premier` to the level chosen.
  ChoixNiveau(int& resultat, int& premier) : resultat_(resultat), premier_(premier) {}

  // The chooser for the file at `chemin` (empty: none), shown or hidden. Does nothing when
  // already so. Logs "Choix niveau N" (+ " gagné " + best seconds) for each button made.
  void suivre(const std::string& chemin, bool visible);

 private:
  int& resultat_;
  int& premier_;
  std::string chemin_;
  bool visible_ = false;
  std::unique_ptr<ImageGUI> fond_;
  std::unique_ptr<LabelGUI> titre_;
  std::vector<std::unique_ptr<BoutonGUI>> boutons_;
};
