// The options reader on arbitrary file contents: never a crash, and whatever it reads is
// written back and read again to the same record.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/journal.h"
#include "app/options.h"

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
    std::snprintf(cheminDossier, sizeof cheminDossier, "/dev/shm/zarvinel-fuzz-options-XXXXXX");
    if (!mkdtemp(cheminDossier)) {
      std::snprintf(cheminDossier, sizeof cheminDossier, "/tmp/zarvinel-fuzz-options-XXXXXX");
      if (!mkdtemp(cheminDossier)) std::abort();
    }
    std::snprintf(cheminFichier, sizeof cheminFichier, "%s/options.conf", cheminDossier);
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

  Options lu;
  lu.chargerDepuis(chemin);
  // Used values are always safe, whatever the file said.
  if (lu.resXSure() < 1 || lu.resYSure() < 1 || lu.fondShaderTailleSure() < 1 ||
      lu.fondShaderDivSure() < 1)
    std::abort();

  lu.sauvegarderVers(chemin);
  Options relu;
  relu.chargerDepuis(chemin);
  // A line end inside the language code is cut when writing; everything else comes back.
  Options attendu = lu;
  attendu.Langue = attendu.Langue.substr(0, attendu.Langue.find_first_of("\r\n"));
  if (relu != attendu) std::abort();
  return 0;
}
