#pragma once
// The tooltips of the editor's tool and command buttons, in the current language: the cell's
// name (with the Shift and Ctrl gestures for the cell tools), what a command does.
class BoutonGUI;
class EtatEditeur;

// Sets them on the buttons of `etat` (once, after it is built).
void poserInfobulles(EtatEditeur& etat);
// The test-play and Check buttons, which the screen owns beside the state.
void poserInfobullesEssais(BoutonGUI* essai, BoutonGUI* verification);
