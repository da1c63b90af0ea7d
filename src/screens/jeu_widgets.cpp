#include "screens/jeu_widgets.h"

// Until the GUI toolkit exists the level shows no widget; only the bomb label's presence
// matters to the play rules (the bomb code needs a running level).
struct WidgetsNiveau::Widgets {
  bool bombes = false;
};

WidgetsNiveau::WidgetsNiveau() : w_(std::make_unique<Widgets>()) {}
WidgetsNiveau::~WidgetsNiveau() = default;
void WidgetsNiveau::commencer() {}
void WidgetsNiveau::lancer() { w_->bombes = true; }
bool WidgetsNiveau::bombesVisibles() const { return w_->bombes; }
void WidgetsNiveau::montrerBombes(int32_t) {}
void WidgetsNiveau::retirerQuitter() {}
void WidgetsNiveau::montrerResultat(GLuint) {}
void WidgetsNiveau::retirerResultat() {}
void WidgetsNiveau::retirerBombes() { w_->bombes = false; }
