// The texture cache header reader on arbitrary bytes: never reads outside the file, and what it
// accepts is self-consistent (the compressed bytes lie inside the file, the size is plausible).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/cache_pak.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  // An exact-size copy, so that any read past the end is caught.
  std::vector<uint8_t> fichier(donnees, donnees + taille);
  const std::string rendus[] = {"", "llvmpipe (LLVM 15.0.6, 256 bits)", "R"};
  for (const std::string& rendu : rendus) {
    EntetePak e;
    if (lireEntetePak(fichier.data(), fichier.size(), rendu, e) != LecturePak::Valide) continue;
    if (e.debutDonnees != rendu.size() + 10 || e.debutDonnees + e.tailleDonnees != taille ||
        e.tailleDonnees == 0 || e.largeur < 1 || e.hauteur < 1 || e.largeur > PakCoteMax ||
        e.hauteur > PakCoteMax)
      std::abort();
    // Written back, the header is the file's own.
    const std::vector<uint8_t> entete =
        ecrireEntetePak(rendu, e.largeur, e.hauteur, e.octetsParPixel);
    if (!std::equal(entete.begin(), entete.end(), fichier.begin())) std::abort();
  }
  return 0;
}
