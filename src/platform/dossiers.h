#pragma once
// Where the game's two directories come from on Linux.
#include <stdexcept>
#include <string>

// The per-user data folder (no trailing '/'): $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share when HOME is an absolute path. Throws std::runtime_error
// "Repertoire utilisateur inaccessible" when neither is usable.
std::string dossierSpecial();
std::string dossierSpecial(const char* xdgDataHome, const char* home);

// What the build recorded about the data directory (stands in for an installer's registry value).
struct RegistreDonnees {
  bool present = false;   // false: the build recorded nothing at all
  std::string source;     // the checkout's data/ (the build tree's binary runs from there)
  std::string relatives;  // from the installed bin/ to the installed share/zarvinel
};

// The data directory:
// - no record at all: the text "Registry key don't exist" (the data check then fails unless
//   --dirdata is given);
// - `executable`'s directory + `relatives` holds "zarvinel.dir": that directory (an installed
//   game);
// - else `source` when it is not empty (a game run from its build tree);
// - else nothing usable: throws std::runtime_error "Registry value not REG_SZ", after which
//   start-up uses ".".
std::string lireRegistre(const RegistreDonnees& registre, const std::string& executable);
// The same from the build's record and /proc/self/exe.
std::string lireRegistre();
RegistreDonnees registreCompile();
// The checkout's data/ folder for a program run from the build tree; empty in the installed game,
// which holds no path of the tree it was built in (each program links its own definition).
const char* dossierDonneesSource();

// This program's own executable (from /proc/self/exe); empty when it cannot be read.
std::string cheminExecutable();

// Creates `chemin` and any missing parent directory; failures are silent (a later write fails
// in its own place).
void creerDossier(const std::string& chemin);
