#pragma once
// The widgets of one level on the play screen: the start hint and the quit button while the
// level waits, the bomb label once it runs, the result picture with its backdrop and the Enter
// hint once a result is there. Each is destroyed with the level. Main thread only.
#include <cstdint>
#include <memory>

#include "render/gl.h"

class WidgetsNiveau {
 public:
  WidgetsNiveau();
  ~WidgetsNiveau();
  WidgetsNiveau(const WidgetsNiveau&) = delete;
  WidgetsNiveau& operator=(const WidgetsNiveau&) = delete;

  // Start button (a hint: Enter starts) and quit button (the level counts as lost).
  void commencer();
  // The level starts: the start button goes, the (empty) bomb label comes.
  void lancer();
  bool bombesVisibles() const;
  // The bomb label shows the translation of "Bomb" and `bombes` (from the frame copy).
  void montrerBombes(int32_t bombes);
  void retirerQuitter();
  // Backdrop, the result picture (added over it) and the Enter hint.
  void montrerResultat(GLuint texture);
  // Everything but the bomb label.
  void retirerResultat();
  // Only once the action thread has ended: it is the last thing the level shows.
  void retirerBombes();

 private:
  struct Widgets;
  std::unique_ptr<Widgets> w_;
};
