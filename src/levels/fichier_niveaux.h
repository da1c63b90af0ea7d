#pragma once
// Level files (".map"): an 11-byte magic "GameZorvik\0", a reserved byte, a big-endian 16-bit
// file-header length N and N payload bytes, then level records to the end of the file. A
// record is a header length L, L header bytes (W, H, start column, start row, bombs, then four
// RGB corner colours when L >= 17; further bytes ignored) and W x H cell codes row by row.
//
// A reader produces Niveau records, the writers take them: LecteurNiveaux reads one level at a
// time (the play screen's way through a file), the whole-file operations below serve the editor
// and the name entry. A level whose width or height is 0 has no cell to play: readers skip it
// with a log line.
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "base/ecriture_atomique.h"
#include "game/niveau.h"

class Terrain;

constexpr char MagieFichier[11] = {'G', 'a', 'm', 'e', 'Z', 'o', 'r', 'v', 'i', 'k', '\0'};
constexpr int TailleMagie = 11;
constexpr int TaillePreambule = 14;        // magic, reserved byte, file-header length
constexpr int LongueurEnteteNiveau = 17;   // what the level writer writes
constexpr int LongueurEnteteMinimale = 5;  // size, start cell and bombs
// The most levels the editor puts in one file. The format has no count, but its readers have
// limits: a thousand levels of 255 x 255 (65 MB) still fit the level tool's 64 MiB input.
constexpr int NiveauxParFichierMax = 1000;

// The file-header codec: a 2-byte big-endian length followed by that many payload bytes.
struct EnteteFichier {
  // Reads the length and skips the payload. A length cut by the end of the file reads as 0.
  static uint16_t lire(std::istream& flux);
  // Writes a zero length (the game writes no payload).
  static void ecrire(std::string& sortie);
};

// Reads the 11 magic bytes; on a mismatch logs "En tête inconnue : " with the bytes read (as
// text up to the first zero byte) and returns false.
bool lireMagie(std::istream& flux);
// The rest of the preamble after the magic: the reserved byte and the file header.
// Logs "Début fichier : header longeur " + N.
void lirePreambule(std::istream& flux);

// What reading the next record found.
enum ResultatLecture {
  FinFichier,   // no further record: nothing changed
  NiveauLu,     // a level: the record holds it
  NiveauCoupe,  // records began but none could be played (cut by the end of the file, or
                // empty): the record holds the header of one whose grid was cut, grid emptied
};

// Reads the next level record of `flux` over `niveau`: the fields a short header does not carry
// keep the values `niveau` had, the grid is replaced. Records without a cell are skipped.
ResultatLecture lireNiveau(std::istream& flux, Niveau& niveau);

// The file being read one level at a time.
class LecteurNiveaux {
 public:
  // Logs "LOAD " + chemin, then opens as ouvrirDepuis. False (and nothing open) when the file
  // cannot be opened or its magic is wrong.
  bool ouvrir(const std::string& chemin);
  // Same, from an already open stream (`nom` is what the log shows): "Chargement de " + nom,
  // the magic and the preamble.
  bool ouvrirDepuis(std::unique_ptr<std::istream> flux, const std::string& nom);
  bool ouvert() const { return flux_ != nullptr; }
  void fermer() { flux_.reset(); }

  // lireNiveau on the open file; FinFichier when nothing is open.
  ResultatLecture lire(Niveau& niveau) { return flux_ ? lireNiveau(*flux_, niveau) : FinFichier; }

  // The next level into the live Terrain, play restarted (Terrain::commencerNiveau); at the
  // end of the file only the play state restarts. False when a level was loaded, true at the
  // end.
  bool chargerNiveauSuivant(Terrain& terrain);

 private:
  std::unique_ptr<std::istream> flux_;
};

// Every level of the file, appended to `niveaux` with the editor's camera (fixed on the start
// cell); returns how many. 0 when the file cannot be opened, has the wrong magic or holds no
// complete level.
int chargerTout(const std::string& chemin, std::vector<Niveau>& niveaux);
int chargerToutDepuis(std::istream& flux, const std::string& nom, std::vector<Niveau>& niveaux);

// The bytes of a whole file holding these levels (levels without a grid, or too large for the
// format, are left out, the latter with a log line).
std::string octetsFichier(const std::vector<Niveau>& niveaux);
// The 245 bytes of a new file: one empty 15 x 15 level, start cell (1, 1), no bombs.
std::string octetsFichierVide();

// Writers: the bytes go to a temporary file beside `chemin`, which then replaces it, so a
// failed write never destroys the old file. Log "Sauvegarde de tout " + chemin, and on failure
// "***** Erreur : écriture impossible de " + chemin. True when the file was written; otherwise
// the failing call's reason.
IssueEcriture sauvegarderTout(const std::string& chemin, const std::vector<Niveau>& niveaux);
IssueEcriture creerFichierVide(const std::string& chemin);

// A colour component 0..1 as a stored byte (truncated toward zero; out-of-range values clamp).
uint8_t octetCouleur(float composante);
