// The language file reader on arbitrary contents: never a crash, texts within their limits,
// and lookups after it behave.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/traducteur.h"
#include "fichier_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string chemin = fichier_fuzz::ecrire("xx.txt", donnees, taille);

  Traducteur t;
  t.charger(chemin);
  if (t.nom().size() > 1022) std::abort();
  const size_t n = t.taille();
  for (const char* cle : {"Play", "Quit", "OK", ""}) t.traduire(cle);
  // A second lookup of a missing key adds nothing more.
  const size_t apres = t.taille();
  t.traduire("cle-absente-du-fichier");
  t.traduire("cle-absente-du-fichier");
  if (apres < n || t.taille() > apres + 1) std::abort();
  return 0;
}
