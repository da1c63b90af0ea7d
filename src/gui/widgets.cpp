#include "gui/widgets.h"

#include "gui/gui.h"

WidgetZoneGUI::WidgetZoneGUI(const StyleGUI& style, int x, int y, int largeur,
                             const std::string& texte, RappelGUI rappel, int donnee) {
  setRappel(std::move(rappel), donnee);
  zone_ = gui->nouvelleZone();
  zone_->appliquerStyle(style);
  zone_->setPropriete(PROP_X, x);
  zone_->setPropriete(PROP_Y, y);
  zone_->setPropriete(PROP_LARGEUR, largeur);
  zone_->setTexte(texte);
  zone_->setPropriete(PROP_PARTIE, donnee);
  zone_->setProprietaire(PROP_PROPRIETAIRE, this);
}

BoutonGUI::BoutonGUI(int x, int y, int largeur, const std::string& texte, RappelGUI rappel,
                     int donnee)
    : WidgetZoneGUI(gui->styleBouton, x, y, largeur, texte, std::move(rappel), donnee) {}

LabelGUI::LabelGUI(int x, int y, int largeur, const std::string& texte, RappelGUI rappel,
                   int donnee)
    : WidgetZoneGUI(gui->styleLabel, x, y, largeur, texte, std::move(rappel), donnee) {}

ImageGUI::ImageGUI(int x, int y, int largeur, int hauteur, GLuint texture, RappelGUI rappel,
                   int donnee)
    : WidgetZoneGUI(gui->styleImage, x, y, largeur, "", std::move(rappel), donnee) {
  zone()->setPropriete(PROP_HAUTEUR, hauteur);
  zone()->texCentre = texture;
}

CheckGUI::CheckGUI(int x, int y, int largeur, const std::string& texte, bool coche,
                   RappelGUI rappel, int donnee) {
  setRappel(std::move(rappel), donnee);
  boite_ = std::make_unique<BoutonGUI>(x, y, 19, "", nullptr, donnee);
  boite_->setParent(this);
  label_ = std::make_unique<LabelGUI>(x + 22, y, largeur - 22, texte, nullptr, donnee);
  label_->setParent(this);
  if (coche) cocher();
  else decocher();
}

void CheckGUI::cocher() {
  // The space centres the mark in the 19-pixel box (its text starts 2 pixels inside).
  boite_->zone()->setTexte(" X");
  coche_ = true;
}

void CheckGUI::decocher() {
  boite_->zone()->setTexte("");
  coche_ = false;
}

void CheckGUI::evenement(ZoneGUI* zone, int /*partie*/, int type, int x, int y) {
  if (type == EV_RELACHE) {
    if (!coche_) {
      cocher();
      if (!notifier(zone, EV_COCHE, x, y)) return;
    } else {
      decocher();
      if (!notifier(zone, EV_DECOCHE, x, y)) return;
    }
  }
  notifier(zone, type, x, y);
}
