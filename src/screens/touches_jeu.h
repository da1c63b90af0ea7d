#pragma once
// The play screen's command keys besides the three the ball obeys. One place to ask, so that a
// key map can replace the fixed keys without touching the screen.
#include <SDL.h>

#include <string>

#include "game/touches.h"

// The current level back to its start at once: the bound key (R unless rebound), or Backspace.
bool estToucheRecommencer(SDLKey touche);
// The pause panel opens and closes: the bound key (Escape unless rebound), or Escape.
bool estTouchePause(SDLKey touche);
// Enter, of either keyboard part.
bool estToucheEntree(SDLKey touche);
// The hint, once offered: the bound key (H unless rebound).
bool estToucheIndice(SDLKey touche);
// A hint button's text followed by its key: "Show me (H)".
std::string avecToucheIndice(const std::string& texte);
// The peek: the bound key (Tab unless rebound), pressed, and whether it is still held.
bool estToucheApercu(SDLKey touche);
bool toucheApercuTenue();
// The name of the key bound to `action` as the keyboard shows it ("R", "Tab"), tags escaped.
std::string nomToucheJeu(ActionJeu action);
// A button's text followed by the restart key: "Restart the level (R)".
std::string avecToucheRecommencer(const std::string& texte);
