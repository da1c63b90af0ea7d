#pragma once
// Event types a widget's callback receives, and the callback itself.
#include <functional>

class ZoneGUI;

// Raw events of a zone (x, y relative to the zone's top-left corner unless stated).
constexpr int EV_APPUI = 1;    // left button pressed over the zone (it takes the focus)
constexpr int EV_RELACHE = 2;  // released over it after a press there: the click
constexpr int EV_ENTREE = 3;   // the mouse entered it
constexpr int EV_SORTIE = 4;   // the mouse left it
constexpr int EV_REPETE = 5;  // button still held over it: 300 ms after the press, then every 50 ms
constexpr int EV_TOUCHE = 16;  // key pressed, to the focus zone: x = character, y = modifiers
constexpr int EV_TOUCHE_LACHEE = 32;  // key released, to the focus zone: same
constexpr int EV_TOUCHE_NAV = 17;     // a navigation key (arrows up and down, Page Up/Down, Home,
                                      // End) pressed, to the focus zone: x = its SDL key symbol
constexpr int EV_MOLETTE = 64;        // the mouse wheel turned over the zone: x = -1 up, 1 down
constexpr int EV_DESSINE = 256;       // the zone was just drawn; its owner may draw over it
// Notifications the widgets add before passing the raw event on.
constexpr int EV_COCHE = 1001;    // CheckGUI became checked
constexpr int EV_DECOCHE = 1002;  // CheckGUI became unchecked
constexpr int EV_MOINS = 1101;    // IntGUI stepped down
constexpr int EV_PLUS = 1102;     // IntGUI stepped up
constexpr int EV_CHOIX = 1201;    // ListGUI: an item was chosen, x = its index

// fn(zone, donnee, type, x, y): the zone that got the event, the widget's data, the event type
// or notification code, and the position relative to that zone (or the values stated above).
// A plain function or a lambda; it may delete its own widget (the widget stops at once).
using RappelGUI = std::function<void(ZoneGUI* zone, int donnee, int type, int x, int y)>;

// The callback of a button that only acts when clicked: `action` runs on a completed click
// (EV_RELACHE), every other event is ignored. `aussi`, when given, first sees every event (a
// help line following the pointer, say). The action may delete the widget.
inline RappelGUI surClic(std::function<void()> action, RappelGUI aussi = RappelGUI()) {
  return [action = std::move(action), aussi = std::move(aussi)](ZoneGUI* z, int d, int type, int x,
                                                                int y) {
    if (aussi) aussi(z, d, type, x, y);
    if (type == EV_RELACHE && action) action();
  };
}

// A click as surClic's second form sees it: the zone clicked, the widget's data, and where in
// the zone (a colour field, two buttons sharing one action).
struct ClicGUI {
  ZoneGUI* zone;
  int donnee, x, y;
};
inline RappelGUI surClic(std::function<void(const ClicGUI& clic)> action,
                         RappelGUI aussi = RappelGUI()) {
  return [action = std::move(action), aussi = std::move(aussi)](ZoneGUI* z, int d, int type, int x,
                                                                int y) {
    if (aussi) aussi(z, d, type, x, y);
    if (type == EV_RELACHE && action) action(ClicGUI{z, d, x, y});
  };
}
