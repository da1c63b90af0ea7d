#pragma once
// The game's command line.
#include <optional>
#include <string>
#include <vector>

struct LigneCommande {
  std::optional<std::string> dossierDonnees;      // "--dirdata DIR"
  std::optional<std::string> dossierUtilisateur;  // "--dirhome DIR"
  bool parDefaut = false;                         // "--default": the options file is not read
  bool redemarre = false;                         // "--rebooted": started by a restart
  bool aide = false;                              // "--help": print the usage and exit
  bool version = false;                           // "--version": print the version and exit
  // "--window WxH": this run's window size, whatever the options file says (0: none given).
  int largeurFenetre = 0, hauteurFenetre = 0;
};

// Scans the arguments after the program's name. Options are compared over their whole length;
// "--dirdata" and "--dirhome" take the next argument whatever it is (so "--dirdata --default"
// names a data directory "--default"), and are ignored when they are last. "--window" takes the
// next argument too; a size that is not two numbers 1..16384 joined by 'x' is ignored. Anything
// else is ignored.
LigneCommande lireLigneCommande(const std::vector<std::string>& arguments);

// The text "--help" prints: the command line, one line per option.
std::string texteAide();
// The text "--version" prints.
std::string texteVersion();
