#include "gui/zone.h"

#include "gui/gui.h"
#include "gui/mise_en_page.h"
#include "gui/objet.h"

// The one manager is the global every widget is made from; once it is gone (the global
// cleared first), a zone has no list to leave.
ZoneGUI::~ZoneGUI() {
  if (gui) gui->oublierZone(this);
}

void ZoneGUI::setPropriete(int32_t code, int32_t v) {
  switch (code) {
    case PROP_X: x = static_cast<int16_t>(v); break;
    case PROP_Y: y = static_cast<int16_t>(v); break;
    case PROP_Z: z = static_cast<uint16_t>(v); break;
    case PROP_LARGEUR: largeur = static_cast<uint16_t>(v); break;
    case PROP_HAUTEUR: hauteur = static_cast<uint16_t>(v); break;
    case PROP_BORDURE_HAUT: bordureHaut = static_cast<uint8_t>(v); break;
    case PROP_BORDURE_BAS: bordureBas = static_cast<uint8_t>(v); break;
    case PROP_BORDURE_GAUCHE: bordureGauche = static_cast<uint8_t>(v); break;
    case PROP_BORDURE_DROITE: bordureDroite = static_cast<uint8_t>(v); break;
    case PROP_TEX_CENTRE: texCentre = static_cast<GLuint>(v); break;
    case PROP_TEX_HAUT: texHaut = static_cast<GLuint>(v); break;
    case PROP_TEX_BAS: texBas = static_cast<GLuint>(v); break;
    case PROP_TEX_DROITE: texDroite = static_cast<GLuint>(v); break;
    case PROP_TEX_GAUCHE: texGauche = static_cast<GLuint>(v); break;
    case PROP_TEX_HAUT_DROITE: texHautDroite = static_cast<GLuint>(v); break;
    case PROP_TEX_BAS_DROITE: texBasDroite = static_cast<GLuint>(v); break;
    case PROP_TEX_HAUT_GAUCHE: texHautGauche = static_cast<GLuint>(v); break;
    case PROP_TEX_BAS_GAUCHE: texBasGauche = static_cast<GLuint>(v); break;
    case PROP_PARTIE: partie = v; break;
    case PROP_VALEUR_X: valeurX = v; break;
    case PROP_VALEUR_Y: valeurY = v; break;
    case PROP_MODE_X: modeX = v; break;
    case PROP_MODE_Y: modeY = v; break;
    default: break;
  }
}

int32_t ZoneGUI::getPropriete(int32_t code) const {
  switch (code) {
    case PROP_X: return x;
    case PROP_Y: return y;
    case PROP_Z: return z;
    case PROP_LARGEUR: return largeur;
    case PROP_HAUTEUR: return hauteur;
    case PROP_BORDURE_HAUT: return bordureHaut;
    case PROP_BORDURE_BAS: return bordureBas;
    case PROP_BORDURE_GAUCHE: return bordureGauche;
    case PROP_BORDURE_DROITE: return bordureDroite;
    case PROP_TEX_CENTRE: return static_cast<int32_t>(texCentre);
    case PROP_TEX_HAUT: return static_cast<int32_t>(texHaut);
    case PROP_TEX_BAS: return static_cast<int32_t>(texBas);
    case PROP_TEX_DROITE: return static_cast<int32_t>(texDroite);
    case PROP_TEX_GAUCHE: return static_cast<int32_t>(texGauche);
    case PROP_TEX_HAUT_DROITE: return static_cast<int32_t>(texHautDroite);
    case PROP_TEX_BAS_DROITE: return static_cast<int32_t>(texBasDroite);
    case PROP_TEX_HAUT_GAUCHE: return static_cast<int32_t>(texHautGauche);
    case PROP_TEX_BAS_GAUCHE: return static_cast<int32_t>(texBasGauche);
    case PROP_PARTIE: return partie;
    case PROP_VALEUR_X: return valeurX;
    case PROP_VALEUR_Y: return valeurY;
    case PROP_MODE_X: return modeX;
    case PROP_MODE_Y: return modeY;
    default: return 0;
  }
}

void ZoneGUI::setProprietaire(int32_t code, ObjHelpGUI* p) {
  if (code == PROP_PROPRIETAIRE) proprietaire_ = p;
}

ObjHelpGUI* ZoneGUI::getProprietaire(int32_t code) const {
  return code == PROP_PROPRIETAIRE ? proprietaire_ : nullptr;
}

void ZoneGUI::setTexte(const std::string& texte) {
  texte_ = texte;
  codes_ = codesTexte(texte);
}

void ZoneGUI::appliquerStyle(const StyleGUI& s) {
  bordureHaut = s.bordureHaut;
  bordureBas = s.bordureBas;
  bordureGauche = s.bordureGauche;
  bordureDroite = s.bordureDroite;
  hauteur = s.hauteur;
  texCentre = s.texCentre;
  texHaut = s.texHaut;
  texBas = s.texBas;
  texDroite = s.texDroite;
  texGauche = s.texGauche;
  texHautDroite = s.texHautDroite;
  texBasDroite = s.texBasDroite;
  texHautGauche = s.texHautGauche;
  texBasGauche = s.texBasGauche;
  modeX = s.modeX;
  modeY = s.modeY;
  valeurX = s.valeurX;
  valeurY = s.valeurY;
  styleTexte = s.styleTexte;
  for (int i = 0; i < 3; ++i) couleurTexte[i] = s.couleurTexte[i];
  melangeSource = s.melangeSource;
  melangeDestination = s.melangeDestination;
}

void ZoneGUI::setMelange(GLenum source, GLenum destination) {
  melangeSource = source;
  melangeDestination = destination;
}

void ZoneGUI::transmettre(int type, int px, int py) {
  if (proprietaire_) proprietaire_->evenement(this, partie, type, px, py);
}
