#pragma once
// The progress file on disk, as the records need it: a tolerant reader, a lock between games that
// never makes the game wait long, the records waiting in memory while another game holds that
// lock, and the one write that merges them all. The file belongs to the player: a link there is
// never written through and a file that cannot be read is moved aside, never overwritten.
#include <cstdint>
#include <string>
#include <vector>

#include "base/fichiers.h"

// One record line: NAME<TAB>FINGERPRINT<TAB>LEVEL<TAB>STEPS. The file played last is one more
// line, "dernier<TAB>mapsoff/NAME.map" (a game that knows no such line keeps it as it is).
struct LigneProgression {
  std::string nom, empreinte;
  int niveau = 0;
  uint32_t pas = 0;
};

// What the progress file holds, as read.
struct ContenuProgression {
  Lecture lecture = Lecture::Absent;
  // There but no progress file (wrong header, binary, too large, not readable...).
  bool illisible = false;
  std::vector<LigneProgression> lignes;
  // Lines under a right header that hold no record: written back as they were.
  std::vector<std::string> autres;
  // The level file played last (its catalogue name); empty when none is kept.
  std::string dernier;
};

// A file name a record line can hold: 1 to 255 bytes, no tab, line end or NUL.
bool nomStockable(const std::string& nom);

// Reads the progress file (a link followed: reading harms nothing). CR LF line ends are taken as
// LF. A file that is there but cannot be read logs one line and reads as `illisible`.
ContenuProgression lireContenuProgression(const std::string& chemin);

// The best steps of level `niveau` of file `nom`/`empreinte` among `lignes`; 0 when none.
uint32_t meilleurPas(const std::vector<LigneProgression>& lignes, const std::string& nom,
                     const std::string& empreinte, int niveau);

// How long a record waits for another game's lock before it is kept in memory: a few frames'
// worth at most, so that a stuck lock never freezes the play screen.
constexpr int AttenteVerrouMs = 20;
// At the end of the run a short wait is no frame lost.
constexpr int AttenteVerrouFinMs = 2000;

// An advisory lock on a file beside the progress file, held while it lives. The lock file is
// opened without following a link (a link planted there is removed, never its target) and waited
// for at most `attenteMs` milliseconds.
class VerrouProgression {
 public:
  enum class Etat { Tenu, Occupe, Impossible };
  VerrouProgression(const std::string& chemin, int attenteMs);
  ~VerrouProgression();
  VerrouProgression(const VerrouProgression&) = delete;
  VerrouProgression& operator=(const VerrouProgression&) = delete;
  Etat etat() const { return etat_; }

 private:
  int fd_ = -1;
  Etat etat_ = Etat::Impossible;
};

// Records that could not be written yet because another game held the lock, per progress file.
// Kept for the whole run; safe from any thread.
void mettreEnAttente(const std::string& chemin, const LigneProgression& ligne);
std::vector<LigneProgression> lignesEnAttente(const std::string& chemin);
// Forgets the records of `ecrites` (they are on disk now).
void retirerDeLAttente(const std::string& chemin, const std::vector<LigneProgression>& ecrites);
// The file played last, when another game held the lock as it was noted (empty: none waits).
std::string dernierEnAttente(const std::string& chemin);
// Every progress file with records (or the file played last) waiting.
std::vector<std::string> progressionsEnAttente();

// What became of a write of the progress file.
enum class Ecriture {
  Ecrit,      // written, or nothing needed writing
  EnAttente,  // another game holds the lock: the records wait in memory
  Refuse,     // the file cannot be written (read-only, a folder, a pipe...): logged
};
struct ResultatEcriture {
  Ecriture etat = Ecriture::Refuse;
  uint32_t ancien = 0;    // the best steps of the new record's level before it (0: none)
  std::string misDeCote;  // where the file found at the progress path was moved, when it was
};

// Under the lock: the progress file merged with the waiting records and `nouveau` (may be null),
// each level keeping its best time, and `dernier` (may be null) as the file played last,
// written back only when something changed. A link at the path
// is moved aside (its records carried over); a regular file that cannot be read is moved aside
// unless it is read-only; anything else is refused.
ResultatEcriture ecrireProgression(const std::string& chemin, const LigneProgression* nouveau,
                                   int attenteMs = AttenteVerrouMs,
                                   const std::string* dernier = nullptr);

// At the end of the run: every waiting record written, waiting at most `attenteMs` for each
// file's lock; records whose lock is still held go to a progress file of their own beside it
// ("progression.txt.en-attente-DATE", logged); any left are logged one by one with their time.
void ecrireProgressionsEnAttente(int attenteMs);
