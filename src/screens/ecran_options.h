#pragma once
// The options screen: resolution, antialiasing, the display boxes and the fractal background's
// numbers. It never changes the running options: confirming saves a changed copy and asks for
// a restart.

enum ResultatOptions : int {
  OptionsConfirmees = 1,  // "OK": the copy is saved, the program must restart
  OptionsRetour = 2,      // "Ret": nothing written
  OptionsQuitter = 3,     // the window was closed: nothing written
};

int ecranOptions();
