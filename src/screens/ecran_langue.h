#pragma once
// The language screen: the languages of the list file; confirming loads the chosen translation
// and records its code in the options file. There is no cancel: it ends by confirming or by
// closing the window.
// True when the window was closed (the program must end), false after a confirmation.
bool ecranLangue();
