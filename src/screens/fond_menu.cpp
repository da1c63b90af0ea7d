#include "screens/fond_menu.h"

#include "base/journal.h"
#include "game/animation_fond_menu.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/repertoires.h"

namespace {

FondMenu& fond() {
  static FondMenu instance;
  return instance;
}

}  // namespace

void demarrerFondMenu() {
  if (!terrain) return;
  arreterFondMenu();
  LecteurNiveaux lecteur;
  const std::string chemin = repertoires ? repertoires->chemin("mapsoff/logom.map") : "";
  const bool lu = lecteur.ouvrir(chemin) && !lecteur.chargerNiveauSuivant(*terrain);
  lecteur.fermer();
  if (!lu) {
    journal("Fond du menu sans niveau : " + chemin + " illisible");
    terrain->libererGrille();
  }
  fond().demarrer(*terrain);
}

void arreterFondMenu() {
  if (!fond().actif()) return;
  fond().arreter();
  if (terrain) terrain->libererGrille();
}

void suspendreFondMenu(bool suspendre) { fond().suspendre(suspendre); }
void copierFondMenu(InstantaneTerrain& vue) {
  if (terrain) prendreInstantane(*terrain, fond().spectacle(), vue);
}

bool fondMenuActif() { return fond().actif(); }
