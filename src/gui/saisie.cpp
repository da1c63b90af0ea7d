#include "gui/saisie.h"

#include "gui/gui.h"

int versWindows1252(uint32_t u) {
  if (u < 32 || u == 127) return -1;  // controls (Backspace is handled before)
  if (u < 128 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  // The 27 characters Windows-1252 places at 0x80..0x9F.
  static const uint16_t speciaux[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  for (int i = 0; i < 32; ++i)
    if (speciaux[i] != 0 && speciaux[i] == u) return 0x80 + i;
  return -1;
}

std::string echapperBalises(const std::string& texte) {
  std::string s;
  s.reserve(texte.size());
  for (char c : texte) {
    if (c == '<') s += "<(>";
    else if (c == '>') s += "<)>";
    else s += c;
  }
  return s;
}

InputGUI::InputGUI(int x, int y, int largeur, const std::string& texteAffiche, int longueurMax,
                   RappelGUI rappel, int donnee)
    : longueurMax_(longueurMax) {
  setRappel(std::move(rappel), donnee);
  zone_ = gui->nouvelleZone();
  zone_->appliquerStyle(gui->styleSaisie);
  zone_->setPropriete(PROP_X, x);
  zone_->setPropriete(PROP_Y, y);
  zone_->setPropriete(PROP_LARGEUR, largeur);
  zone_->setTexte(texteAffiche);
  zone_->setPropriete(PROP_PARTIE, donnee);
  zone_->setProprietaire(PROP_PROPRIETAIRE, this);
}

void InputGUI::evenement(ZoneGUI* zone, int /*partie*/, int type, int x, int y) {
  if (type == EV_TOUCHE) {
    if (x == 8) {
      if (!texte_.empty()) texte_.pop_back();
    } else if (x > 0) {
      const int octet = versWindows1252(static_cast<uint32_t>(x));
      if (octet >= 0 && longueur() < longueurMax_ &&
          (permis_.empty() || permis_.find(static_cast<char>(octet)) != std::string::npos))
        texte_ += static_cast<char>(octet);
    }
    zone_->setTexte(echapperBalises(texte_));
  }
  notifier(zone, type, x, y);
}
