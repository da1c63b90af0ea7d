#pragma once
#include <string>
#include <vector>

// Shows `message` in a desktop error dialog and waits until it is closed. Nothing happens when no
// display is set, when ZARVINEL_SANS_DIALOGUE=1 (tests and scripts set it), or when none of
// zenity, kdialog or xmessage is installed. Returns true when a dialog was shown.
bool montrerDialogueErreur(const std::string& message);

// The argument vector that shows `message` with the dialog program at `programme` (its file
// name says which one it is). Empty for an unknown program.
std::vector<std::string> argumentsDialogue(const std::string& programme, const std::string& message);
