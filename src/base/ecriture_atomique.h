#pragma once
// Writing a file without ever leaving it half written, and cleaning up after a killed save.
#include <cstdint>
#include <string>
#include <string_view>

// Replaces the file at `chemin` by `octets` without ever leaving it half written: the bytes go
// to a new temporary file of the same folder (created exclusively, with a name of its own, so
// that two saves at once never share it and a leftover link is never followed), take the old
// file's permissions (else 0644), are flushed to the disk, then renamed over the target. A
// symlink is followed: the file it points to is replaced and the link kept. An existing target
// that is not a regular file, or that is read-only (no write permission bit, or not writable by
// this user), is refused. On failure the old file is untouched, the temporary removed, and the
// result holds the reason of the call that failed (EACCES for a read-only file, EISDIR for a
// folder).
//
// With LienCible::Remplacer (the game's own files, such as the editor's recovery copy), a symlink
// at `chemin` is never followed: the link itself is replaced by the new file, so that a link
// planted there cannot make the game overwrite the file it points to.
enum class LienCible { Suivre, Remplacer };

// How a write went: true when written; otherwise the errno value of the call that failed,
// carried back as it was taken (logging on the way cannot change it).
struct IssueEcriture {
  int erreur = 0;
  explicit operator bool() const { return erreur == 0; }
};

IssueEcriture remplacerFichier(const std::string& chemin, std::string_view octets,
                               LienCible lien = LienCible::Suivre);

// Whether `nom` is one of remplacerFichier's temporary names: a non-empty name, then ".tmp."
// and six letters or digits.
bool nomTemporaire(const std::string& nom);
// Removes the temporary files a killed save left in `dossier`: names of nomTemporaire, regular
// files (links and anything else are left alone), last changed at least `ageMinimal` seconds
// before `maintenant` (a save running now in another game is younger). Logs each removal;
// returns how many went.
int supprimerTemporairesPerimes(const std::string& dossier, int64_t maintenant,
                                int64_t ageMinimal = 60);
// The same in `dossier` and every folder under it (links to folders are not followed, so the walk
// stays inside the tree), for the trees the game writes into at any depth (texture caches).
int supprimerTemporairesPerimesArbre(const std::string& dossier, int64_t maintenant,
                                     int64_t ageMinimal = 60);
