#pragma once
// One line of text across the play screen, on a dark backing so that bright bricks never hide
// it: what the play screen says over the board (no way to win from here, leave this level?).
// The line goes with the object. Main thread only.
#include <memory>
#include <string>

class ImageGUI;
class LabelGUI;

class BandeauJeu {
 public:
  // Centred, its top `y` pixels from the window's top.
  BandeauJeu(int y, const std::string& texte);
  ~BandeauJeu();
  BandeauJeu(const BandeauJeu&) = delete;
  BandeauJeu& operator=(const BandeauJeu&) = delete;

 private:
  std::unique_ptr<ImageGUI> fond_;
  std::unique_ptr<LabelGUI> texte_;
};
