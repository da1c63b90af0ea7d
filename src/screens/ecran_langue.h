#pragma once
// The language screen: the languages of the list file, the one in force selected; confirming
// loads the chosen translation and records its code in the options file (that key alone).
// Escape goes back without a change.
// True when the window was closed (the program must end), false otherwise.
bool ecranLangue();
