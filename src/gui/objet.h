#pragma once
// The base of every widget: a callback with its data, and an optional composite parent that
// receives the widget's events instead of the callback.
#include <memory>

#include "gui/evenements.h"

class ObjHelpGUI {
 public:
  ObjHelpGUI() = default;
  virtual ~ObjHelpGUI();
  ObjHelpGUI(const ObjHelpGUI&) = delete;
  ObjHelpGUI& operator=(const ObjHelpGUI&) = delete;

  void setRappel(RappelGUI rappel, int donnee);
  void setParent(ObjHelpGUI* parent) { parent_ = parent; }
  int donnee() const { return donnee_; }

  // Calls the callback, if any, with this widget's data. Returns false when the callback
  // deleted the widget: the caller must then return without touching it.
  bool notifier(ZoneGUI* zone, int type, int x, int y);

  // An event of one of the widget's zones or children (`partie`: its part code). The base passes
  // it to the parent (with this widget's data as part code) or else to the callback.
  virtual void evenement(ZoneGUI* zone, int partie, int type, int x, int y);

 protected:
  // Watches this widget's life across a call that may delete it.
  std::weak_ptr<int> temoin() const { return vie_; }

 private:
  RappelGUI rappel_;
  int donnee_ = 0;
  ObjHelpGUI* parent_ = nullptr;
  std::shared_ptr<int> vie_ = std::make_shared<int>(0);
};
