#pragma once
// The editor's keys: Escape, F5 and Shift+F5, Ctrl+Z / Y / Shift+Z / S / D, the selected block's
// Ctrl+C / X / V and Delete, and the keys that pick a tool: "0" to "9" (main keys or keypad:
// where the main row needs Shift for digits) the tools of those codes (0 erases), "a" to "j" the
// tools 10 to 19, "p" the ball's start, "s" the selection. Ctrl and Alt combinations are not tool
// keys. The view's keys (arrows, Home) are the screen's.
#include <SDL.h>

#include <string>

class EssaiEditeur;
class EtatEditeur;

// One event of the editor's screen; true when it was one of its keys (and acted on).
bool toucheEditeur(const SDL_Event& e, EtatEditeur& etat, EssaiEditeur& essai);

// The tool of a key, or -1.
int outilPourTouche(SDLKey touche);
// The key's name as the log gives it ("4", "a", "p", "pavé 4").
std::string nomToucheOutil(SDLKey touche);
