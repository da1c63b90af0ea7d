#pragma once
// The window's title while a file is edited: "Zarvinel - FILE", with " *" while some edits are
// not saved, so that an author sees unsaved work from any other window too (plain ASCII: a window
// manager that reads the old WM_NAME in the C locale shows it as well). Set again only when it
// changes; the plain "Zarvinel" comes back when the editor closes.
#include <string>

std::string titreEditeur(const std::string& chemin, bool modifie);

class TitreEditeur {
 public:
  TitreEditeur() = default;
  ~TitreEditeur();
  TitreEditeur(const TitreEditeur&) = delete;
  TitreEditeur& operator=(const TitreEditeur&) = delete;

  // Logged "Titre : TITLE" each time it changes.
  void mettreAJour(const std::string& chemin, bool modifie);

 private:
  std::string actuel_;
};
