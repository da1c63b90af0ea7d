#pragma once
// The pause panel of the play screen: a dark backing, its title and one button per choice
// (Continue, Restart the level, Back to the menu, and "Show me" when the level has a hint).
// Each button carries what it does. Main thread only; the panel goes with the object.
#include <functional>
#include <memory>

class PanneauPause {
 public:
  struct Actions {
    std::function<void()> continuer, recommencer, menu;
    std::function<void()> indice;  // empty: no hint button
  };
  explicit PanneauPause(Actions actions);
  ~PanneauPause();
  PanneauPause(const PanneauPause&) = delete;
  PanneauPause& operator=(const PanneauPause&) = delete;

 private:
  struct Widgets;
  std::unique_ptr<Widgets> w_;
};
