#pragma once
// The language screen: the languages of the list file; confirming loads the chosen translation
// and records its code in the options file. There is no cancel: it ends by confirming or by
// closing the window.
#include <string>

// True when the window was closed (the program must end), false after a confirmation.
bool ecranLangue();

// Confirmation with the code of the chosen row: a code that cannot be part of a path, or a
// translation file that does not load, leaves the current language in force (logged, nothing
// saved). True when the language changed.
bool choisirLangue(const std::string& code);
