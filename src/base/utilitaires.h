#pragma once
// Small stateless helpers shared across the game: number and boolean texts, directory listing,
// whole-file reading, the safe file writer, and two vector operations.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes `valeur` in `base` (2..36, digits then upper-case letters) into `tampon`, never using
// more than `capacite` bytes including the terminator. Returns 0 when every digit fitted, the
// part of the absolute value that did not fit when the most significant digits were cut off
// (capped at INT32_MAX), -1 for a bad base ("!" or "[ERR]" written), -2 for a null buffer or a
// capacity below 1 (nothing written). A capacity of 1 leaves room for the terminator alone.
int entierVersTexte(int32_t valeur, char* tampon, int base, int capacite);

// "1" or "0"; the buffer needs 2 bytes.
void boolVersTexte(bool valeur, char* tampon);

// Exactly "1" is true, exactly "0" is false, anything else (or a null text) is `defaut`.
bool texteVersBool(const char* texte, bool defaut);

// Reads a decimal integer the way atoi does (leading blanks, optional sign, digits up to the
// first other character, no digit gives 0) but saturates at the int32 limits instead of
// overflowing. A null text gives 0.
int32_t texteVersEntier(const char* texte);

// True when `suffixe` is null; false when `texte` is null; else whether texte ends with suffixe
// (case-sensitive).
bool finitPar(const char* texte, const char* suffixe);

// Number of entries of `dossier` whose name ends with `suffixe`; 0 when it cannot be opened.
int compterFichiers(const std::string& dossier, const std::string& suffixe);

// Names (not paths) of the entries of `dossier` ending with `suffixe`, in the order the system
// returns them; nullopt when the directory cannot be opened.
std::optional<std::vector<std::string>> listerFichiers(const std::string& dossier,
                                                       const std::string& suffixe);

// A regular file that can be opened for reading.
bool fichierExiste(const std::string& chemin);
// A regular file that can be opened for reading and writing without truncating it.
bool fichierModifiable(const std::string& chemin);
// Whether `chemin` lies inside `dossier` once both are resolved (".." and links): a link in the
// player's folder to a file elsewhere is not in it.
bool cheminDansDossier(const std::string& chemin, const std::string& dossier);

// What became of a whole-file read.
enum class Lecture {
  Lu,            // the whole content was read
  Absent,        // nothing at that path
  PasOrdinaire,  // a directory, a named pipe, a device...: never opened for reading
  TropGrand,     // larger than the reader's limit: nothing is kept
  Illisible,     // no permission, or a read error
};
// A short text for log lines ("absent", "pas un fichier ordinaire", ...).
const char* texteLecture(Lecture l);
// The one log line for a file that is there but not read: "Fichier ignoré : PATH (REASON)".
std::string ligneFichierIgnore(const std::string& chemin, Lecture l);

// Reads the whole regular file at `chemin` (symlinks followed) into `contenu`, at most `maximum`
// bytes. The file is opened without blocking and checked before any read, so a named pipe or a
// device at that path can neither hang the game nor feed it forever. On any result but Lu,
// `contenu` is empty. With `debutSeulement`, a longer file gives its first `maximum` bytes (Lu).
Lecture lireFichierOrdinaire(const std::string& chemin, size_t maximum, std::string& contenu,
                             bool debutSeulement = false);

// Where a library opens the file itself (images, sounds, the icon): Lu for a regular file,
// Absent when nothing is there, PasOrdinaire for anything else. Checked before handing the path
// on, so that no library is left blocked in open() on a named pipe.
Lecture natureFichier(const std::string& chemin);

// A language code names a file of the data's "lang/" folder: letters, digits, '_' and '-' only
// (and at least one of them), so that no code can reach a file outside that folder.
bool codeLangueValide(const std::string& code);

// Replaces every occurrence of `cherche` (left to right, never rescanning a replacement).
// An empty `cherche` leaves the text unchanged.
std::string remplacerTout(const std::string& texte, const std::string& cherche,
                          const std::string& remplacement);

// CR LF and lone CR become LF, then LF becomes `fin` when `fin` is not LF.
std::string normaliserFinsDeLigne(const std::string& texte, const std::string& fin);

// Most that lireFichier reads: more is no text file of this game.
constexpr size_t LireFichierMax = 16u << 20;

// The whole content of a regular file, or an empty text when it cannot be read or holds more
// than LireFichierMax bytes.
std::string lireFichier(const std::string& chemin);

// Replaces the file at `chemin` by `octets` without ever leaving it half written: the bytes go
// to a new temporary file of the same folder (created exclusively, with a name of its own, so
// that two saves at once never share it and a leftover link is never followed), take the old
// file's permissions (else 0644), are flushed to the disk, then renamed over the target. A
// symlink is followed: the file it points to is replaced and the link kept. An existing target
// that is not a regular file, or that is read-only (no write permission bit, or not writable by
// this user), is refused. On failure the old file is untouched, the temporary removed, errno
// holds the reason of the call that failed (EACCES for a read-only file, EISDIR for a folder),
// and the result false.
//
// With LienCible::Remplacer (the game's own files, such as the editor's recovery copy), a symlink
// at `chemin` is never followed: the link itself is replaced by the new file, so that a link
// planted there cannot make the game overwrite the file it points to.
enum class LienCible { Suivre, Remplacer };
bool remplacerFichier(const std::string& chemin, std::string_view octets,
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

// Bilinear blend of four RGBA corner colours:
// out = v*(u*c0 + (1-u)*c1) + (1-v)*(u*c2 + (1-u)*c3).
void interpolerCouleur(float u, float v, const float c0[4], const float c1[4], const float c2[4],
                       const float c3[4], float out[4]);

// The one value of pi the game uses (the physics in double, the meshes as float).
constexpr double Pi = 3.14159265358979323846;

// Scales a 3-vector to length 1. A zero vector is left as it is (no division by zero).
void normaliser(float v[3]);
