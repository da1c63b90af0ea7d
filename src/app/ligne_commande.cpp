#include "app/ligne_commande.h"

LigneCommande lireLigneCommande(const std::vector<std::string>& arguments) {
  LigneCommande l;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    const bool suivant = i + 1 < arguments.size();
    if (a == "--dirdata" && suivant)
      l.dossierDonnees = arguments[++i];
    else if (a == "--dirhome" && suivant)
      l.dossierUtilisateur = arguments[++i];
    else if (a == "--default")
      l.parDefaut = true;
    else if (a == "--rebooted")
      l.redemarre = true;
  }
  return l;
}
