// zv-niveau: a level file to its readable text form and back.
//   zv-niveau text FILE.map > FILE.txt
//   zv-niveau map FILE.txt FILE.map
// The text form is described in tools/README-levels.md.
#include <cstdio>
#include <cstring>
#include <string>

#include "entree_outil.h"
#include "ouverture_outil.h"
#include "base/ecriture_atomique.h"
#include "levels/fichier_brut.h"
#include "levels/fichier_niveaux.h"
#include "levels/texte_niveaux.h"

namespace {

const char* const Aide =
    "usage: zv-niveau text FILE.map          print the level file as text\n"
    "       zv-niveau map FILE.txt FILE.map  write the level file described by the text\n"
    "                                        (FILE.txt may be - for standard input)\n"
    "\n"
    "Text form: one block per level.\n"
    "  level N                 starts a level (N is informative)\n"
    "  size W H                grid width and height, 0..255\n"
    "  start C R               the ball's start cell (column, row)\n"
    "  bombs N                 bombs held at the start\n"
    "  colours r g b  r g b  r g b  r g b\n"
    "                          corner colours 0..3 (0..255 each); without this line the\n"
    "                          level has the short 5-byte header and grey corners\n"
    "  extra hh hh ...         further header bytes, kept but unused by the game\n"
    "  short-header hh ...     instead of size/start/bombs: a header of 0..4 raw bytes\n"
    "                          (the grid then keeps the previous level's size)\n"
    "  grid                    followed by H rows of W cells, then a line \"end\"\n"
    "Before the first level: \"reserved hh\" (the reserved byte when not 0) and\n"
    "\"file-header hh hh ...\" (the file-header payload). After the last level:\n"
    "\"trailing hh hh ...\" (bytes of an incomplete last record).\n"
    "Lines starting with # and blank lines outside grids are ignored.\n"
    "\n"
    "Cells: . empty  # brick  W win  X lost  % fragile  @ armoured  ^ spring  o bomb\n"
    "       r y g b u d  switch of colour red, yellow, green, blue, grey-one, grey-two\n"
    "       R Y G B U D  brick of that colour\n"
    "       * boom sign (254)  > move sign (255)  {hh} any other cell code, in hex\n";

// The largest level file holds a few hundred levels of at most 255 x 255 cells; its text is
// about twice as large. More than this is no level file.
constexpr size_t EntreeMax = 64u << 20;

}  // namespace

int main(int argc, char** argv) {
  // The game's log lines (file saving) go to standard error: standard output carries the text.
  if (ouvrirOutil(argc, argv, Aide)) return 0;
  if (argc == 3 && std::strcmp(argv[1], "text") == 0) {
    std::string octets;
    if (!lireEntreeOutil("zv-niveau", argv[2], EntreeMax, octets)) return 1;
    FichierBrut fichier;
    std::string erreur;
    if (!analyserFichierBrut(octets, fichier, erreur)) {
      std::fprintf(stderr, "zv-niveau: %s: %s\n", argv[2], erreur.c_str());
      return 1;
    }
    const std::string texte = texteDepuisFichier(fichier);
    std::fwrite(texte.data(), 1, texte.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (argc == 4 && std::strcmp(argv[1], "map") == 0) {
    std::string texte;
    if (!lireEntreeOutil("zv-niveau", argv[2], EntreeMax, texte)) return 1;
    FichierBrut fichier;
    std::string erreur;
    if (!fichierDepuisTexte(texte, fichier, erreur)) {
      std::fprintf(stderr, "zv-niveau: %s: %s\n", argv[2], erreur.c_str());
      return 1;
    }
    const std::string octets = octetsFichierBrut(fichier);
    if (!remplacerFichier(argv[3], octets)) {
      std::fprintf(stderr, "zv-niveau: cannot write %s\n", argv[3]);
      return 1;
    }
    return 0;
  }
  std::fputs(Aide, stderr);
  return 2;
}
