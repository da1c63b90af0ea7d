#pragma once
// Continuing where the player left off: which catalogue file was played last (kept in the
// progress file by a name that survives a moved data directory), where Play starts in a file,
// and which shipped file follows a finished one.
#include <string>
#include <vector>

#include "levels/catalogue.h"

// Whether `chemin` is a shipped level file (in the resolved "mapsoff/" directory).
bool estFichierOfficiel(const std::string& chemin);
// A level file's name in the progress file: "mapsoff/NAME.map" or "mapsusr/NAME.map"; empty for
// a path in neither directory.
std::string identiteCatalogue(const std::string& chemin);
// The index among `entrees` of the file named `identite`; -1 when none is.
int indiceCatalogue(const std::vector<EntreeCatalogue>& entrees, const std::string& identite);
// The shipped file after `chemin` in catalogue order; empty after the last one, or when `chemin`
// is no shipped file.
std::string fichierOfficielSuivant(const std::vector<EntreeCatalogue>& entrees,
                                   const std::string& chemin);
