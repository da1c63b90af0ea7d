#pragma once
// The data directory (read-only game data) and the user directory (options, the player's
// levels), and the one place where data-relative paths become real paths.
#include <string>
#include <vector>

#include "platform/dossiers.h"

struct EntreeRepertoire {
  std::string prefixe;  // data-relative folder, ending with '/', e.g. "imgs/"
  std::string dossier;  // the real folder that replaces it, ending with '/'
};

class Repertoires {
 public:
  // Both directories end with '/'. Creates the user directory with its "conf/" and "mapsusr/"
  // folders (existing ones are fine) and logs each row of the prefix table.
  Repertoires(const std::string& donnees, const std::string& utilisateur);

  // The real path of a data-relative one: the first row whose prefix starts `relatif` replaces
  // that prefix. No match: logs "D" + relatif and returns it unchanged. Safe from any thread.
  std::string chemin(const std::string& relatif) const;

  // The data directory holds the marker of the data version this program reads. On failure an
  // error is shown (afficherErreur) and false is returned.
  bool verifierDonnees() const;

  const std::vector<EntreeRepertoire>& entrees() const { return entrees_; }
  const std::string& dossierDonnees() const { return dossierDonnees_; }

 private:
  std::vector<EntreeRepertoire> entrees_;
  std::string dossierDonnees_;
};

extern Repertoires* repertoires;

// The two data-check messages.
extern const char* const MessageDonneesAbsentes;
extern const char* const MessageDonneesVersion;

// A fatal start-up error: standard error, a desktop dialog when one can be shown (waited for),
// then the log.
void afficherErreur(const std::string& message);
