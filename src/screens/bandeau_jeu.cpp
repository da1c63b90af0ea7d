#include "screens/bandeau_jeu.h"

#include <algorithm>

#include "gui/gui.h"
#include "gui/widgets.h"
#include "platform/options.h"
#include "screens/jeu_widgets.h"

BandeauJeu::BandeauJeu(int y, const std::string& texte) {
  const int W = gui ? gui->largeur : options.resXSure();
  const int largeur = std::min(W - 20, 600);
  const int x = W / 2 - largeur / 2;
  fond_ = fondSombre(x, y, largeur, 20);
  texte_ = std::make_unique<LabelGUI>(x + 10, y, largeur - 20, texte, nullptr, 0);
}

BandeauJeu::~BandeauJeu() = default;
