#include "gui/objet.h"

ObjHelpGUI::~ObjHelpGUI() = default;

void ObjHelpGUI::setRappel(RappelGUI rappel, int donnee) {
  rappel_ = std::move(rappel);
  donnee_ = donnee;
}

bool ObjHelpGUI::notifier(ZoneGUI* zone, int type, int x, int y) {
  if (!rappel_) return true;
  const std::weak_ptr<int> vivant = vie_;
  // A copy: the callback may delete this widget, and with it the stored function.
  const RappelGUI rappel = rappel_;
  rappel(zone, donnee_, type, x, y);
  return !vivant.expired();
}

void ObjHelpGUI::evenement(ZoneGUI* zone, int /*partie*/, int type, int x, int y) {
  if (parent_) parent_->evenement(zone, donnee_, type, x, y);
  else notifier(zone, type, x, y);
}
