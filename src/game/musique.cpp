#include "game/musique.h"

#include <cstdlib>
#include <vector>

#include "base/journal.h"
#include "base/fichiers.h"

std::string choisirMusique(const std::string& dossier, const std::string& extension,
                           const std::string& prefixe) {
  std::vector<std::string> pistes;
  if (const auto noms = listerFichiers(dossier, extension)) {
    for (const std::string& nom : *noms) {
      if (nom == "." || nom == ".." || nom.size() < extension.size()) continue;
      pistes.push_back(prefixe + nom);
      journal(pistes.back());
    }
  }
  if (pistes.empty()) {
    journal("Aucune musique " + extension + " dans " + dossier);
    return "";
  }
  const int n = static_cast<int>(pistes.size());
  const int i = std::rand() % n;
  journal(std::to_string(i) + "/" + std::to_string(n));
  return pistes[static_cast<size_t>(i)];
}
