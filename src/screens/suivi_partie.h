#pragma once
// What the play screen knows of the file being played beyond the level: its name, the level's
// number among how many, the player's records and the levels' medal targets (read when the file
// starts, written at each win). Gives the texts of the info line, of the start view's targets and
// of the result's time and medal lines.
#include <cstdint>
#include <string>

#include "levels/medailles.h"
#include "levels/progression.h"

class SuiviPartie {
 public:
  // `fichier`: the level file's path. Counts its levels, reads its records and targets.
  explicit SuiviPartie(const std::string& fichier);

  void niveau(int numero) { numero_ = numero; }
  int numero() const { return numero_; }
  int total() const { return total_; }
  // The editor's levels in memory may outnumber the saved file's.
  void fixerTotal(int total) { total_ = total; }
  const std::string& nom() const { return nom_; }
  const std::string& chemin() const { return chemin_; }

  // "NAME   Level N / M   12.34 s" (the running time from the step count).
  std::string texteInfos(uint32_t pas) const;
  // The current level won in `pas` steps: recorded; returns "Time: 12.34 s   Best: 11.00 s",
  // then "New best!", or that the best could not be kept, or that an unreadable progress file
  // was moved aside. Logs the medal it earns ("Médaille : or"...).
  std::string victoire(uint32_t pas);
  // A win that earns nothing (the win code): logs "Médaille : aucune".
  void victoireSansMedaille();

  // The current level's targets (none for a level of the player's own).
  Objectifs objectifs() const;
  // The medal the current level's best time earns (none before a win).
  Medaille meilleureMedaille() const;
  // The medal of the last win (victoire); none after a win that earned nothing.
  Medaille derniereMedaille() const { return derniereMedaille_; }
  // The start view's line: "Targets: Gold 1.67 s   Silver 2.50 s   Bronze any win   Best: ...";
  // the best time alone for a level without targets.
  std::string texteObjectifs() const;
  // The result's medal line: "Medal: Silver   Next: Gold in 1.67 s"; empty without targets.
  std::string texteMedaille() const;
  // The file's state now (records as this run left them).
  EtatFichier etat() const;

 private:
  std::string chemin_, nom_, empreinte_;
  int numero_ = 1;
  int total_ = 0;
  RecordsFichier records_;
  std::map<int, Objectifs> objectifs_;
  Medaille derniereMedaille_ = Medaille::Aucune;
};

// "<colour>Gold" in the medal's colour, then white again.
std::string texteNomMedaille(Medaille m);
