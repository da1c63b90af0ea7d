#pragma once
// Reading the game's files safely: directory listings, existence and access checks, whole-file
// reads that never block on a pipe nor swallow an endless file, and their log words.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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

// Most that lireFichier reads: more is no text file of this game.
constexpr size_t LireFichierMax = 16u << 20;

// The whole content of a regular file, or an empty text when it cannot be read or holds more
// than LireFichierMax bytes.
std::string lireFichier(const std::string& chemin);
