#include "app/ligne_commande.h"

#include <cstdlib>

namespace {

// "640x480": both numbers, digits only, 1..16384 (SDL's largest window).
bool lireTaille(const std::string& texte, int& largeur, int& hauteur) {
  const size_t x = texte.find('x');
  if (x == std::string::npos || x == 0 || x + 1 >= texte.size() || x > 5 || texte.size() - x > 6)
    return false;
  for (size_t i = 0; i < texte.size(); ++i)
    if (i != x && (texte[i] < '0' || texte[i] > '9')) return false;
  const int l = std::atoi(texte.substr(0, x).c_str()), h = std::atoi(texte.substr(x + 1).c_str());
  if (l < 1 || h < 1 || l > 16384 || h > 16384) return false;
  largeur = l;
  hauteur = h;
  return true;
}

}  // namespace

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
    else if (a == "--window" && suivant)
      lireTaille(arguments[++i], l.largeurFenetre, l.hauteurFenetre);
  }
  return l;
}

#ifndef ZARVINEL_VERSION
#define ZARVINEL_VERSION "?"
#endif

std::string texteAide() {
  return "Usage: zarvinel [--dirdata DIR] [--dirhome DIR] [--default] [--window WxH] [--help]\n"
         "                [--version]\n"
         "  --dirdata DIR  game data directory (holding zarvinel.dir)\n"
         "  --dirhome DIR  user directory: options file and your own levels\n"
         "  --default      ignore the options file, start with the default options\n"
         "  --window WxH   open a window W x H pixels, whatever the options say\n"
         "  --rebooted     passed by the game to itself when it restarts\n"
         "  --help         print this help and exit\n"
         "  --version      print the version and exit\n";
}

std::string texteVersion() { return std::string("zarvinel ") + ZARVINEL_VERSION + "\n"; }
