#pragma once
// The level files the main menu offers: the shipped ones ("mapsoff/", data directory), then the
// player's own ("mapsusr/", user directory), and the rules for naming a new file of the player.
// No widget here: the menu turns the entries into rows of its list.
#include <functional>
#include <string>
#include <vector>

struct EntreeCatalogue {
  std::string chemin;       // the file's full path
  bool modifiable = false;  // a player's file that opens for reading and writing
  std::string texte;        // the list row: colour tag, then the name less ".map"
  std::string nom;          // the file name less ".map", as it is (what typed letters match)
};

// Row colours: shipped and read-only files warm yellow, editable files light blue.
extern const char* const CouleurNiveauFige;
extern const char* const CouleurNiveauModifiable;

// The demonstration level behind the menus, never offered in the shipped directory.
extern const char* const NiveauDemonstration;

// Longest file name shown in full in a row; longer ones are cut and end with "..".
constexpr size_t LongueurNomAffiche = 24;

// Every ".map" regular file of both directories: shipped first, each group sorted by the bytes
// of the names with runs of digits compared as numbers (avantOrdreNaturel), "logom.map" skipped
// among the shipped ones. A directory that cannot be read contributes nothing. `modifiable`
// decides which player's files may be edited (the default, as the editor decides: one that
// opens for reading and writing and, links resolved, lies in the player's directory). Logs
// "Liste fichier " d, "Nb fichiers " n and, when
// sorting, "Tri fichiers" then "ok", for d = 0 (shipped) and 1 (player's).
std::vector<EntreeCatalogue> listerCatalogue(
    const std::string& dossierOfficiel, const std::string& dossierUtilisateur,
    const std::function<bool(const std::string&)>& modifiable = {});
// The same with the directories of the global `repertoires`.
std::vector<EntreeCatalogue> listerCatalogue();

// The row text of a file name: the colour tag, the name without its last four characters, with
// markup characters shown as themselves and a very long name cut.
std::string texteLigneCatalogue(const std::string& nomFichier, bool modifiable);

// The title a level file shows in the player's language: the translation of "Titre_" + `nom`
// (the file name less ".map") for the shipped files, the name itself otherwise or without a
// language loaded. The file keeps its name on disk.
std::string titreFichier(const std::string& nom);

// The full path of the player's level file `nom`: "mapsusr/" + nom + ".map" through
// `repertoires`.
std::string cheminNiveauUtilisateur(const std::string& nom);

// What the name field accepts, and how many characters it takes.
extern const char* const CaracteresNomNiveau;
constexpr int LongueurMaxSaisieNom = 26;

// A new file's name is taken when it has 4 to 49 characters, all of them from
// CaracteresNomNiveau (the field lets no other through; a name is part of a path).
bool nomNiveauAcceptable(const std::string& nom);

// What came of asking for a new file of the player, with the reason of a refusal: the name panel
// says it under the field.
enum class CreationNiveau {
  Cree,               // the new empty file exists
  TropCourt,          // fewer than 4 characters
  TropLong,           // more than 49
  CaractereInterdit,  // a character outside CaracteresNomNiveau
  PrisParJoueur,      // one of the player's files (or a folder) has that name: left untouched
  PrisParJeu,         // a shipped file has that name: the catalogue would show it twice
  Echec,              // it could not be written (logged by the writer)
};

// Why `nom` cannot be a new file's name (Cree when nothing stands in the way): the length and
// characters, then the player's directory, then the shipped one (`dossierOfficiel`).
CreationNiveau verifierNomNiveau(const std::string& nom, const std::string& cheminUtilisateur,
                                 const std::string& dossierOfficiel);

// Creates the player's new empty level file `nom` (the 245-byte file of one empty level).
CreationNiveau creerNiveauUtilisateur(const std::string& nom);

// The translation key of the sentence that says the result ("" for Cree).
const char* cleCreationNiveau(CreationNiveau resultat);
