#pragma once
// The two pages the main menu links to: the player's manual and the credits and licences page,
// HTML files of the data directory opened in the desktop's browser.
#include <string>

// Menu results of the two links.
constexpr int LienCredits = 252;
constexpr int LienManuel = 253;

// The page of link `lien` for the language code `langue` ("fr", "en", "de", "es"): the file of
// that language when the data directory has it, else the English one. Empty for another link.
std::string cheminPageAide(int lien, const std::string& langue);

// Logs which page the browser is started for, opens it (ouvrirDocument) and logs "ok !".
// Returns ouvrirDocument's result (0 started, -1 not).
int ouvrirPageAide(int lien, const std::string& langue);
