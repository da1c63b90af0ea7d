#pragma once
// A form panel centred on the screen (the manager's stylePanneau, its text is the title), with a
// row of buttons along the bottom (left to right) and rows of "label | value widget" stacked
// upward from the buttons (the first row added is the lowest). Deleting it deletes its widgets.
// Opened with gui->ouvrirDialogue and closed with gui->fermerDialogue (gui/gui.h): the manager
// owns it until the frame after it closes. The callbacks given to its buttons and rows run only
// while it is the manager's front dialog: from its closing, or while another dialog lies over
// it, they do nothing. (A panel the manager never held acts like any widget: its owner deletes
// it, never from one of its callbacks.)
#include <memory>
#include <string>
#include <vector>

#include "gui/couleur.h"
#include "gui/entier.h"
#include "gui/widgets.h"

class DialogueGUI {
 public:
  DialogueGUI(int largeur, int hauteur);
  DialogueGUI() : DialogueGUI(300, 60) {}
  virtual ~DialogueGUI();
  DialogueGUI(const DialogueGUI&) = delete;
  DialogueGUI& operator=(const DialogueGUI&) = delete;

  void setRatio(float f) { ratio_ = f; }  // share of the width given to each column (0.5)
  void monter(int n) { yLigne_ -= n; }    // extra space above the last row
  void setTitre(const std::string& texte);

  // An 80-pixel button at the bottom, right of the previous one.
  BoutonGUI* ajouterBouton(const std::string& texte, RappelGUI rappel, int donnee);
  // Rows: a label on the left (none when the text starts with a line feed), a widget on the right.
  IntGUI* ajouterEntier(const std::string& texte, int32_t valeur, int32_t min, int32_t max);
  BoutonGUI* ajouterBoutonLigne(const std::string& texte, const std::string& texteBouton,
                                RappelGUI rappel, int donnee);
  // Mode 0: `valeur` holds the 16 corner floats; mode 1: rainbow; other modes set nothing.
  ColorGUI* ajouterCouleur(const std::string& texte, int hauteur, int mode, const float* valeur,
                           RappelGUI rappel, int donnee);
  // A label across the whole panel.
  LabelGUI* ajouterTexte(const std::string& texte);

  ZoneGUI* fond() const { return fond_.get(); }
  int largeur() const { return largeur_; }
  int hauteur() const { return hauteur_; }

 private:
  int colonne() const { return static_cast<int>(static_cast<float>(largeur_) * ratio_); }
  void etiquette(const std::string& texte, int hauteurLigne);
  // `rappel`, run only while this dialog's buttons act (Gui::dialogueActif).
  RappelGUI devant(RappelGUI rappel);

  std::unique_ptr<ZoneGUI> fond_;
  std::vector<std::unique_ptr<ObjHelpGUI>> boutons_;
  std::vector<std::unique_ptr<ObjHelpGUI>> elements_;
  int xBouton_, yLigne_;
  int largeur_, hauteur_;
  float ratio_ = 0.5f;
};

// The colour chooser of the level editor: a rainbow, a lightness bar of the hue picked there and
// a swatch of the result, above two buttons that both call `rappel` (with their own data). A
// dialog like any other: the owner opens it with the manager, reads the colour with getCouleur,
// then closes it.
class ChoixCouleurGUI : public DialogueGUI {
 public:
  ChoixCouleurGUI(const std::string& titre, const float* couleurInitiale, int largeur, int hauteur,
                  RappelGUI rappel, const std::string& texteBouton1, int donnee1,
                  const std::string& texteBouton2, int donnee2);
  ChoixCouleurGUI(const ChoixCouleurGUI&) = delete;
  ChoixCouleurGUI& operator=(const ChoixCouleurGUI&) = delete;

  // out[0..2] = the swatch's RGB, out[3] = 1 when n > 3; only the first n values are written.
  void getCouleur(float* out, int n) const;

  ColorGUI* arcEnCiel() const { return arcEnCiel_; }
  ColorGUI* barre() const { return barre_; }
  ColorGUI* apercu() const { return apercu_; }

 private:
  static void relierCouleurs(ZoneGUI* zone, int donnee, int type, int x, int y);

  ColorGUI* arcEnCiel_ = nullptr;
  ColorGUI* barre_ = nullptr;
  ColorGUI* apercu_ = nullptr;
};
