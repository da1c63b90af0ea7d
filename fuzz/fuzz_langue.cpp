// The language file reader on arbitrary contents: never a crash, texts within their limits,
// and lookups after it behave.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/journal.h"
#include "app/traducteur.h"

namespace {

// A private folder, in memory when the system offers one (every input is a file write), removed
// when the fuzzer exits. Plain arrays: they outlive every static destructor.
char cheminDossier[64];
char cheminFichier[96];

void nettoyer() {
  std::remove(cheminFichier);
  rmdir(cheminDossier);
}

const char* fichier() {
  if (!cheminDossier[0]) {
    std::snprintf(cheminDossier, sizeof cheminDossier, "/dev/shm/zarvinel-fuzz-langue-XXXXXX");
    if (!mkdtemp(cheminDossier)) {
      std::snprintf(cheminDossier, sizeof cheminDossier, "/tmp/zarvinel-fuzz-langue-XXXXXX");
      if (!mkdtemp(cheminDossier)) std::abort();
    }
    std::snprintf(cheminFichier, sizeof cheminFichier, "%s/xx.txt", cheminDossier);
    journalDetourner([](const std::string&) {});
    std::atexit(nettoyer);
  }
  return cheminFichier;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string chemin = fichier();
  FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(donnees, 1, taille, f);
  std::fclose(f);

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
