#pragma once
// What the play screen knows of the file being played beyond the level: its name, the level's
// number among how many, and the player's records (read when the file starts, written at each
// win). Gives the texts of the info line and of the result's time line.
#include <cstdint>
#include <string>

#include "levels/progression.h"

class SuiviPartie {
 public:
  // `fichier`: the level file's path. Counts its levels and reads its records.
  explicit SuiviPartie(const std::string& fichier);

  void niveau(int numero) { numero_ = numero; }
  int numero() const { return numero_; }
  int total() const { return total_; }
  // The editor's levels in memory may outnumber the saved file's.
  void fixerTotal(int total) { total_ = total; }
  const std::string& nom() const { return nom_; }

  // "NAME   Level N / M   12.34 s" (the running time from the step count).
  std::string texteInfos(uint32_t pas) const;
  // The current level won in `pas` steps: recorded; returns "Time: 12.34 s   Best: 11.00 s",
  // then "New best!", or that the best could not be kept, or that an unreadable progress file
  // was moved aside.
  std::string victoire(uint32_t pas);

 private:
  std::string nom_, empreinte_;
  int numero_ = 1;
  int total_ = 0;
  RecordsFichier records_;
};
