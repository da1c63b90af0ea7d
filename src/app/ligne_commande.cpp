#include "app/ligne_commande.h"

LigneCommande lireLigneCommande(const std::vector<std::string>& arguments) {
  LigneCommande l;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    const bool suivant = i + 1 < arguments.size();
    if (a == "--dirdata" && suivant) l.dossierDonnees = arguments[++i];
    else if (a == "--dirhome" && suivant) l.dossierUtilisateur = arguments[++i];
    else if (a == "--default") l.parDefaut = true;
    else if (a == "--rebooted") l.redemarre = true;
    else if (a == "--help") l.aide = true;
    else if (a == "--version") l.version = true;
  }
  return l;
}

#ifndef ZARVINEL_VERSION
#define ZARVINEL_VERSION "?"
#endif

std::string texteAide() {
  return "Usage: zarvinel [--dirdata DIR] [--dirhome DIR] [--default] [--help] [--version]\n"
         "  --dirdata DIR  game data directory (holding zarvinel.dir)\n"
         "  --dirhome DIR  user directory: options file and your own levels\n"
         "  --default      ignore the options file, start with the default options\n"
         "  --rebooted     passed by the game to itself when it restarts\n"
         "  --help         print this help and exit\n"
         "  --version      print the version and exit\n";
}

std::string texteVersion() { return std::string("zarvinel ") + ZARVINEL_VERSION + "\n"; }
