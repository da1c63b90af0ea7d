#pragma once
// For fuzz targets whose reader takes a path: each input is written to one private file, in
// memory when the system offers /dev/shm, removed when the fuzzer exits. The game's log is
// silenced so the fuzzer's own output stays readable.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "base/journal.h"

namespace fichier_fuzz {

// Plain arrays: they outlive every static destructor, and the exit hook still needs them.
inline char cheminDossier[64];
inline char cheminFichier[128];

inline void nettoyer() {
  std::remove(cheminFichier);
  rmdir(cheminDossier);
}

// Writes the input to the private file named `nom` and returns its path.
inline std::string ecrire(const char* nom, const uint8_t* donnees, size_t taille) {
  if (!cheminDossier[0]) {
    std::snprintf(cheminDossier, sizeof cheminDossier, "/dev/shm/zarvinel-fuzz-XXXXXX");
    if (!mkdtemp(cheminDossier)) {
      std::snprintf(cheminDossier, sizeof cheminDossier, "/tmp/zarvinel-fuzz-XXXXXX");
      if (!mkdtemp(cheminDossier)) std::abort();
    }
    std::snprintf(cheminFichier, sizeof cheminFichier, "%s/%s", cheminDossier, nom);
    journalDetourner([](const std::string&) {});
    std::atexit(nettoyer);
  }
  FILE* f = std::fopen(cheminFichier, "wb");
  if (!f) std::abort();
  std::fwrite(donnees, 1, taille, f);
  std::fclose(f);
  return cheminFichier;
}

}  // namespace fichier_fuzz
