#pragma once
// The texts of the current language, looked up by key. Lookups may come from the main thread
// and the action thread at once: a lock guards the table.
#include <map>
#include <mutex>
#include <string>

class Traducteur {
 public:
  // Replaces the contents with the language file at `chemin`: line 1 is the language's name,
  // then "key=translation" lines. A missing file leaves everything empty.
  void charger(const std::string& chemin);

  // The translation of `cle`; a key the file lacks is added with an empty translation and the
  // empty text is returned.
  std::string traduire(const std::string& cle);

  // The language's own name (line 1 of the loaded file), empty before the first load.
  std::string nom() const;

  // How many keys the table holds (loaded ones and those looked up without a translation).
  size_t taille() const;

 private:
  mutable std::mutex verrou_;
  std::map<std::string, std::string> textes_;
  std::string nom_;
};

extern Traducteur* traducteur;
