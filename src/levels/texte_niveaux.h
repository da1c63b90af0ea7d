#pragma once
// The readable text form of a level file (see tools/README-levels.md): one block per level with
// its header lines and its grid drawn one character per cell. texteDepuisFichier writes the
// canonical text; fichierDepuisTexte reads it back (comments and blank lines outside grids are
// allowed and dropped), so file -> text -> file and canonical text -> file -> text are exact.
#include <cstdint>
#include <string>

#include "levels/fichier_brut.h"

std::string texteDepuisFichier(const FichierBrut& fichier);
// False with "line N: reason" in `erreur` when the text cannot be read.
bool fichierDepuisTexte(const std::string& texte, FichierBrut& sortie, std::string& erreur);

// The grid character of a cell code, 0 when the code is written as an escape "{hh}".
char caractereDeCase(uint8_t code);
// The cell code of a grid character, -1 for a character that is not in the legend.
int caseDeCaractere(char c);
