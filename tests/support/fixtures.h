#pragma once
// Small helpers shared by the test suites: a temporary directory that cleans itself up,
// file writing/reading, a capture of the game's log, and environment variables put back.
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class DossierTemporaire {
 public:
  DossierTemporaire();
  ~DossierTemporaire();
  DossierTemporaire(const DossierTemporaire&) = delete;
  DossierTemporaire& operator=(const DossierTemporaire&) = delete;
  // The directory's path, ending with '/'.
  const std::string& chemin() const { return chemin_; }
  std::string operator/(const std::string& nom) const { return chemin_ + nom; }

 private:
  std::string chemin_;
};

void ecrireFichierTest(const std::string& chemin, const std::string& contenu);
std::string lireFichierTest(const std::string& chemin);
bool existeTest(const std::string& chemin);

// Collects the log lines written while it exists.
class CaptureJournal {
 public:
  CaptureJournal();
  ~CaptureJournal();
  const std::vector<std::string>& lignes() const { return lignes_; }
  bool contient(const std::string& ligne) const;

 private:
  std::vector<std::string> lignes_;
};

// Notes the named environment variables and puts each back as it was (set or unset) when it goes.
class EnvironnementSauve {
 public:
  explicit EnvironnementSauve(std::initializer_list<const char*> noms);
  ~EnvironnementSauve();
  EnvironnementSauve(const EnvironnementSauve&) = delete;
  EnvironnementSauve& operator=(const EnvironnementSauve&) = delete;

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> anciens_;
};
