#pragma once
// The player's progress: for each level file, which levels were won and the best time of each
// (in physics steps of 10 ms). One text file in the user directory, "conf/progression.txt":
//
//   Zarvinel progression 1
//   NAME<TAB>FINGERPRINT<TAB>LEVEL<TAB>STEPS        one line per level won (levels count from 1)
//   dernier<TAB>mapsoff/NAME.map                      the level file played last
//
// A level's medal is not stored: it follows from its best time and the level's targets
// (levels/medailles.h), so files written before medals existed give theirs too.
// A file is known by its name (no folder) and the fingerprint of its bytes together, so a file
// edited since, or another file of the same name, inherits no record. Lines of other files and
// other fingerprints are kept untouched. A damaged progress file reads as what its sound lines
// hold (or nothing): never a crash. Each record is a read, merge and atomic replace under a lock
// file, so two games writing at once lose nothing; a lock held too long keeps the record in
// memory until a later write (levels/fichier_progression.h). A file that cannot be read, or a
// link, is moved aside before a new file is started: never overwritten nor written through.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "levels/medailles.h"

constexpr const char* FichierProgression = "conf/progression.txt";

// The fingerprint of a level file's bytes (64-bit FNV-1a, 16 hex digits).
std::string empreinteOctets(const std::string& octets);
// The fingerprint of the file at `chemin`; empty when it cannot be read.
std::string empreinteFichier(const std::string& chemin);

// The records of one file: level number -> best steps. A level listed was won.
using RecordsFichier = std::map<int, uint32_t>;

// What became of a win's record.
enum class Enregistrement {
  Ecrit,      // on disk (or the best already was)
  EnAttente,  // another game holds the progress file's lock: kept in memory, written later
  Refuse,     // not kept: the progress file cannot be written, or the record cannot be stored
};
struct ResultatEnregistrement {
  Enregistrement etat = Enregistrement::Refuse;
  uint32_t ancien = 0;    // the best before (0: none)
  std::string misDeCote;  // where an unreadable progress file (or a link) was moved, if it was
};

class Progression {
 public:
  explicit Progression(std::string chemin) : chemin_(std::move(chemin)) {}

  // The records of file `nom` with fingerprint `empreinte`, as the progress file holds them now.
  RecordsFichier lire(const std::string& nom, const std::string& empreinte) const;
  // A win of level `niveau` in `pas` steps: kept when it is the first or better than the best.
  // Never waits long for another game's lock.
  ResultatEnregistrement enregistrer(const std::string& nom, const std::string& empreinte,
                                     int niveau, uint32_t pas) const;
  // The same; `ancien` receives the best before (0: none). False when the record was not kept.
  bool enregistrer(const std::string& nom, const std::string& empreinte, int niveau, uint32_t pas,
                   uint32_t& ancien) const;
  // Writes the records waiting in memory for this file, if the lock can be had at once. True
  // when none waits any more.
  bool reessayer() const;

  // The level file played last, by its catalogue name (levels/reprise.h); empty when none.
  std::string dernierFichier() const;
  // Notes `identite` as the file played last. False when it could not be kept.
  bool noterDernierFichier(const std::string& identite) const;

 private:
  std::string chemin_;
};

// The progress file of the global `repertoires` (its path as given when there is none).
Progression progressionJoueur();

// How many playable levels the bytes of a level file hold, by the reader's rules, silently.
int compterNiveaux(const std::string& octets);

// What the progress says of one level file as it is now on disk.
struct EtatFichier {
  std::string nom;        // the file name, no folder
  std::string empreinte;  // empty when the file cannot be read
  int total = 0;          // its playable levels
  RecordsFichier records;
  std::map<int, Objectifs> objectifs;  // the levels that have targets
  // Every level of a file that has some was won.
  bool termine() const;
  // Every level has targets and its best time earns gold.
  bool toutEnOr() const;
  // Level n's targets (none when it has none) and the medal its best time earns.
  Objectifs objectifsNiveau(int n) const;
  Medaille medaille(int n) const;
  // Where Play starts: the first level not won, or 1 when every one was (or none is known).
  int premierNonGagne() const;
  // The levels the player may start at: every won one, plus the first not won (none past the
  // end), in order.
  std::vector<int> atteints() const;
};
EtatFichier lireEtatFichier(const std::string& chemin, const Progression& progression);

// Steps as seconds with two decimals, e.g. 1234 -> "12.34".
std::string texteSecondes(uint32_t pas);
