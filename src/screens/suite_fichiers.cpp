#include "screens/suite_fichiers.h"

#include "levels/progression.h"
#include "levels/reprise.h"
#include "screens/bilan_fichier.h"
#include "screens/jeu.h"

bool jouerDepuisMenu(const std::string& premierFichier, int premierNiveau) {
  std::string fichier = premierFichier;
  for (;;) {
    IssueFichier fin;
    if (jouerFichier(fichier, premierNiveau, &fin)) return true;
    if (!fin.dernierGagne) return false;
    const std::string suivant = fichierOfficielSuivant(listerCatalogue(), fichier);
    const ChoixBilan choix = montrerBilan(fin.etat, !suivant.empty());
    if (choix == ChoixBilan::Fenetre) return true;
    if (choix != ChoixBilan::FichierSuivant || suivant.empty()) return false;
    fichier = suivant;
    premierNiveau = lireEtatFichier(fichier, progressionJoueur()).premierNonGagne();
  }
}
