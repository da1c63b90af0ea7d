#pragma once
// A rectangle of the screen owned by the GUI manager: drawn every frame (a nine-piece frame
// and a marked-up text) and hit-tested against the mouse. Its events go to its owner widget.
// Zones are made only by the manager's nouvelleZone (the global `gui`'s) and deleted by the
// widget that asked for them.
#include <cstdint>
#include <string>
#include <vector>

#include "gui/evenements.h"
#include "gui/police.h"
#include "gui/style.h"

class Gui;
class ObjHelpGUI;

// Property codes of setPropriete / getPropriete.
enum ProprieteZone : int32_t {
  PROP_X = 1,
  PROP_Y = 2,
  PROP_Z = 3,
  PROP_LARGEUR = 8,
  PROP_HAUTEUR = 9,
  PROP_BORDURE_HAUT = 0x11,
  PROP_BORDURE_BAS = 0x12,
  PROP_BORDURE_GAUCHE = 0x13,
  PROP_BORDURE_DROITE = 0x14,
  PROP_TEX_CENTRE = 0x20,
  PROP_TEX_HAUT,
  PROP_TEX_BAS,
  PROP_TEX_DROITE,
  PROP_TEX_GAUCHE,
  PROP_TEX_HAUT_DROITE,
  PROP_TEX_BAS_DROITE,
  PROP_TEX_HAUT_GAUCHE,
  PROP_TEX_BAS_GAUCHE,
  PROP_PARTIE = 0x30,
  PROP_PROPRIETAIRE = 0x31,
  PROP_VALEUR_X = 0x60,
  PROP_VALEUR_Y = 0x61,
  PROP_MODE_X = 0x62,
  PROP_MODE_Y = 0x63
};

class ZoneGUI {
 public:
  ~ZoneGUI();  // empties its slot in the manager; the hover or the focus, if it held one
  ZoneGUI(const ZoneGUI&) = delete;
  ZoneGUI& operator=(const ZoneGUI&) = delete;

  // Integer properties by code (see ProprieteZone); unknown codes are ignored / give 0.
  void setPropriete(int32_t code, int32_t valeur);
  int32_t getPropriete(int32_t code) const;
  // The owner (code '1' = PROP_PROPRIETAIRE only).
  void setProprietaire(int32_t code, ObjHelpGUI* proprietaire);
  ObjHelpGUI* getProprietaire(int32_t code) const;

  // The text, markup included (bytes; accented letters as Windows-1252).
  void setTexte(const std::string& texte);
  const std::string& texte() const { return texte_; }
  const std::vector<int32_t>& codes() const { return codes_; }

  // The short text the manager shows near the pointer once it rests on the zone (empty: none).
  void setInfobulle(std::string texte) { infobulle_ = std::move(texte); }
  const std::string& infobulle() const { return infobulle_; }

  // Takes the style's borders, height, frame, repetition, text style, colour and blending;
  // keeps position, width, depth, text, part code and owner.
  void appliquerStyle(const StyleGUI& style);
  void setMelange(GLenum source, GLenum destination);

  // Passes an event to the owner, with this zone's part code. Nothing without owner.
  void transmettre(int type, int x, int y);

  // Draws the frame pieces, then the text in the box inside the borders, then sends
  // EV_DESSINE (needs the GL context). The manager draws all zones in batches instead.
  void dessiner();

  // Whether the point (screen pixels) lies in the rectangle, right and bottom edges included.
  bool contient(int px, int py) const {
    return px >= x && px <= x + largeur && py >= y && py <= y + hauteur;
  }

  int16_t x = 0, y = 0;
  uint16_t z = 0;  // depth: higher is drawn in front and wins hit tests; 0 is never hit
  uint16_t largeur = 0, hauteur = 0;
  uint8_t bordureHaut = 0, bordureBas = 0, bordureGauche = 0, bordureDroite = 0;
  GLuint texCentre = 0, texHaut = 0, texBas = 0, texDroite = 0, texGauche = 0, texHautDroite = 0,
         texBasDroite = 0, texHautGauche = 0, texBasGauche = 0;
  int32_t modeX = 0, modeY = 0, valeurX = 0, valeurY = 0;
  StyleTexte styleTexte;
  float couleurTexte[3] = {0, 0, 0};
  GLenum melangeSource = GL_SRC_ALPHA, melangeDestination = GL_ONE_MINUS_SRC_ALPHA;
  int32_t partie = 0;  // code passed to the owner with every event

 private:
  friend class Gui;
  ZoneGUI() = default;

  ObjHelpGUI* proprietaire_ = nullptr;
  std::string texte_;
  std::vector<int32_t> codes_;
  std::string infobulle_;
};
