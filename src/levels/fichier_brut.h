#pragma once
// A level file taken apart byte for byte, with nothing interpreted away: the reserved byte,
// the file-header payload, each record's header bytes whatever their number, the grids, and
// any trailing bytes that form no complete record. Putting it back together gives the same
// bytes. The level tool converts between this and the text form.
#include <cstdint>
#include <string>
#include <vector>

struct NiveauBrut {
  std::vector<uint8_t> entete;  // the L header bytes
  // The grid's size as the game reads it: from the header when L >= 5, otherwise carried
  // over from the last level that set it (15 x 15 before any).
  int32_t largeur = 0;
  int32_t hauteur = 0;
  std::vector<uint8_t> grille;  // largeur x hauteur cell codes, row by row
};

struct FichierBrut {
  uint8_t reserve = 0;
  std::vector<uint8_t> enteteFichier;  // the file-header payload
  std::vector<NiveauBrut> niveaux;
  std::vector<uint8_t> reste;  // an incomplete last record, kept as it is
};

// False with a reason when the bytes are not a level file (wrong magic, cut inside the
// preamble or the file header).
bool analyserFichierBrut(const std::string& octets, FichierBrut& sortie, std::string& erreur);
std::string octetsFichierBrut(const FichierBrut& fichier);

// The grid size that follows a record, given the size before it (the rule of the reader).
void tailleApresEntete(const std::vector<uint8_t>& entete, int32_t& largeur, int32_t& hauteur);
