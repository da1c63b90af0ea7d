#pragma once
// The widgets of one level on the play screen: the start hint and the quit button while the
// level waits, the bomb label once it runs, the info line (file, level, time) throughout, the
// result picture with its backdrop, the key hint and the time line once a result is there. The
// labels over the board sit on a dark backing so that bright bricks never hide them. Each is
// destroyed with the level. Main thread only.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "levels/medailles.h"
#include "gui/evenements.h"
#include "render/gl.h"

class ImageGUI;

// A translucent dark rectangle (created once) that keeps the text over it readable whatever the
// board shows behind.
GLuint textureSombre();
std::unique_ptr<ImageGUI> fondSombre(int x, int y, int largeur, int hauteur);

class WidgetsNiveau {
 public:
  WidgetsNiveau();
  ~WidgetsNiveau();
  WidgetsNiveau(const WidgetsNiveau&) = delete;
  WidgetsNiveau& operator=(const WidgetsNiveau&) = delete;

  // What the quit button does instead of giving the level up at once (the play screen asks
  // first). Set before commencer().
  void quandQuitter(std::function<void()> action);
  // The quit button gives the level up: lost, and the action thread stops at its next step.
  static void abandonner();
  // Start hint (Enter starts) in the free band at the bottom, and the quit button (the level
  // counts as lost).
  void commencer();
  // The info line at the top.
  void montrerInfos(const std::string& texte);
  // While the level waits: its medal targets and the player's best, under the info line.
  void montrerObjectifs(const std::string& texte);
  // The level starts over while it runs: the result goes, the quit button comes back.
  void recommencer();
  // The level starts: the start button goes, the (empty) bomb label comes.
  void lancer();
  bool bombesVisibles() const;
  // The bomb label shows the translation of "Bomb" and `bombes` (from the frame copy).
  void montrerBombes(int32_t bombes);
  void retirerQuitter();
  // Backdrop, the result picture (added over it), the key hint (Enter to retry, Escape for the
  // menu, when `rejouable`; else Enter to continue) and the time line (none when empty).
  void montrerResultat(GLuint texture, bool rejouable, const std::string& temps);
  // Under the time line: the medal earned, its disc, and the next one to reach.
  void montrerMedaille(Medaille medaille, const std::string& texte);
  // Everything but the bomb label.
  void retirerResultat();
  // Only once the action thread has ended: it is the last thing the level shows.
  void retirerBombes();

 private:
  RappelGUI rappelQuitter();
  struct Widgets;
  std::unique_ptr<Widgets> w_;
};
