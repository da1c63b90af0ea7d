#pragma once
// The files around an edited level file, without window or widgets: which files may be edited,
// the recovery copy, the player's write protection, the signature that tells whether another
// program wrote the file, and a free name beside it.
#include <cstdint>
#include <string>
#include <vector>

#include "game/niveau.h"

// Only the player's own files may be edited: true when `chemin` lies in `dossierUtilisateur`
// (the resolved "mapsusr/"), after resolving ".." and links.
bool fichierModifiable(const std::string& chemin, const std::string& dossierUtilisateur);

// The recovery copy of an edited file: beside it, with a name the catalogue does not list
// (it lists only ".map" names).
std::string cheminRecuperation(const std::string& chemin);
// Writes the levels there (the atomic writer); true when written. The copy is the game's own
// file: a symlink in its place is replaced, never followed.
bool ecrireRecuperation(const std::string& chemin, const std::vector<Niveau>& niveaux);
// Reads the copy's levels into `niveaux` (replacing them only when it holds at least one).
bool lireRecuperation(const std::string& chemin, std::vector<Niveau>& niveaux);
// A regular file (not a link) at the recovery path.
bool recuperationExiste(const std::string& chemin);
void supprimerRecuperation(const std::string& chemin);

// Whether the player has write-protected the file (no owner write permission). The atomic writer
// replaces the file through a rename, which such a protection would not stop (nor would it stop
// root): the editor honours it itself.
bool fichierProtege(const std::string& chemin);

// What the editor knows of a file on disk, to tell whether another program (or another game)
// wrote it since: its size, its change time and a hash of all its bytes (read in blocks, so no
// file is too large for it).
struct SignatureFichier {
  bool lisible = false;
  uint64_t taille = 0;
  int64_t modifieNs = 0;
  uint64_t empreinte = 0;
  bool operator==(const SignatureFichier& o) const {
    return lisible == o.lisible && taille == o.taille && modifieNs == o.modifieNs &&
           empreinte == o.empreinte;
  }
  bool operator!=(const SignatureFichier& o) const { return !(*this == o); }
};
SignatureFichier signatureFichier(const std::string& chemin);

// A free ".map" path in `dossier` for the levels of `chemin`: its name, "-2", "-3"... (the first
// name nothing takes, links included); empty when a hundred are taken.
std::string cheminLibre(const std::string& dossier, const std::string& chemin);
