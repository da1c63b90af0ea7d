#pragma once
// The desktop's own message box (zenity, kdialog or xmessage), for errors met before the game
// has a window; the in-game dialog widget is DialogueGUI (gui/dialogue.h).
#include <string>
#include <vector>

// Shows `message` in a desktop error dialog and waits until it is closed. Nothing happens when no
// display is set, when ZARVINEL_SANS_DIALOGUE=1 (tests and scripts set it), or when none of
// zenity, kdialog or xmessage is installed. Returns true when a dialog was shown.
bool montrerBoiteMessage(const std::string& message);

// The argument vector that shows `message` with the dialog program at `programme` (its file
// name says which one it is). Empty for an unknown program.
std::vector<std::string> argumentsBoiteMessage(const std::string& programme,
                                               const std::string& message);
