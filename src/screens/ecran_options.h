#pragma once
// The options screen: resolution, antialiasing, the display boxes, the fractal background's
// numbers, the sound volumes and the play keys. Confirming saves a changed copy; the window's
// settings take effect through a restart, the volumes and keys at once (no restart when only
// they changed). A save that fails is said in a dialog and the screen stays. Escape is "Ret".

enum ResultatOptions : int {
  OptionsConfirmees = 1,    // "OK": the copy is saved, the program must restart
  OptionsRetour = 2,        // "Ret": nothing written
  OptionsQuitter = 3,       // the window was closed: nothing written
  OptionsEnregistrees = 4,  // "OK" with only volumes or keys changed: saved, no restart
};

int ecranOptions();
