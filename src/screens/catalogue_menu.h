#pragma once
// The main menu's level list and its name-entry panel (a new level file of the player).
#include <memory>
#include <string>
#include <vector>

#include "gui/liste.h"
#include "gui/saisie.h"
#include "gui/widgets.h"
#include "levels/catalogue.h"
#include "levels/progression.h"

class CatalogueMenu {
 public:
  // `resultat` is the menu's result code: a created file sets it to 2.
  explicit CatalogueMenu(int& resultat) : resultat_(resultat) {}

  // The list at (W - 250, 50), 200 wide, (H - 100) / 20 rows, one row per catalogue entry; a
  // finished file ends with a green star, a file all in gold with two gold ones. The file played
  // last is selected (row 0 when none is known), the list given the keys when no widget has
  // them. Rebuilt from the directories and the progress file on every call.
  ListGUI* construireListe();

  // Click on the menu's "NewMap" choice: opens the name panel (the field takes the keys at
  // once), or closes it when open (its text is lost).
  void basculerSaisieNom();
  // Click on the panel's button (or Enter in its field): creates the named file and sets the
  // result to 2; a name refused or already taken changes nothing but the reason shown under the
  // field, which keeps the keys.
  void validerNom();

  bool saisieOuverte() const { return champ_ != nullptr; }
  std::string nomSaisi() const { return champ_ ? champ_->getTexte() : std::string(); }
  InputGUI* champ() const { return champ_.get(); }
  LabelGUI* raison() const { return raison_.get(); }
  ListGUI* liste() const { return liste_.get(); }

  // The selected entry (none when the catalogue is empty), and what the progress says of it.
  const EntreeCatalogue* selection() const;
  const EtatFichier* etatSelection() const;
  // The medals of every file listed.
  CompteMedailles medailles() const;
  bool selectionModifiable() const;

 private:
  int& resultat_;
  std::vector<EntreeCatalogue> entrees_;
  std::vector<EtatFichier> etats_;  // one per entry
  std::unique_ptr<ListGUI> liste_;
  std::unique_ptr<LabelGUI> invite_;
  std::unique_ptr<InputGUI> champ_;
  std::unique_ptr<LabelGUI> raison_;  // why the last name was refused, under the field
  std::unique_ptr<BoutonGUI> confirmer_;
};
