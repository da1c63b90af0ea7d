#include "platform/langues.h"

#include <algorithm>
#include <fstream>

#include "base/journal.h"
#include "base/traducteur.h"
#include "base/fichiers.h"
#include "base/texte.h"
#include "platform/options.h"
#include "platform/repertoires.h"

const char* const FichierListeLangues = "lang/liste.txt";

namespace {

constexpr size_t ChampMax = 254;

void oterRetourChariot(std::string& ligne) {
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
}

}  // namespace

std::vector<std::string> lireListeLangues(const std::string& chemin) {
  std::vector<std::string> noms;
  std::ifstream f(chemin, std::ios::binary);
  std::string ligne;
  while (std::getline(f, ligne)) {
    oterRetourChariot(ligne);
    const size_t barre = ligne.find('|');
    if (barre == std::string::npos) continue;
    std::string nom = ligne.substr(barre + 1);
    if (!nom.empty()) nom.pop_back();  // the closing "|"
    noms.push_back(nom.substr(0, ChampMax));
  }
  return noms;
}

std::vector<LangueListee> lireLanguesDisponibles(const std::string& chemin) {
  std::vector<LangueListee> langues;
  std::ifstream f(chemin, std::ios::binary);
  std::string ligne;
  while (std::getline(f, ligne)) {
    oterRetourChariot(ligne);
    const size_t barre = ligne.find('|');
    // A line with no code is no language (a blank line, a stray note): the menu's reader skips
    // it too, so both show the same names.
    if (barre == std::string::npos || barre == 0) continue;
    LangueListee l;
    l.code = ligne.substr(0, std::min(barre, ChampMax));
    const size_t fin = ligne.find('|', barre + 1);
    l.nom = ligne.substr(
        barre + 1,
        std::min(fin == std::string::npos ? std::string::npos : fin - barre - 1, ChampMax));
    langues.push_back(std::move(l));
  }
  return langues;
}

bool choisirLangue(const std::string& code) {
  if (!codeLangueValide(code)) {
    journal("Code de langue refuse : " + code);
    return false;
  }
  const std::string chemin = repertoires->chemin("lang/" + code + ".txt");
  if (!fichierExiste(chemin)) {
    journal("Fichier de langue illisible : " + chemin);
    return false;
  }
  traducteur->charger(chemin);
  if (traducteur->nom().empty() && traducteur->taille() == 0) {
    // Read but empty: the language in force comes back.
    journal("Fichier de langue vide : " + chemin);
    traducteur->charger(repertoires->chemin("lang/" + options.Langue + ".txt"));
    return false;
  }
  options.Langue = code;
  // Only the language: the running record may hold values that are not the player's (start-up
  // lowered them, or "--default" ignored the file).
  options.sauvegarderCles({"Langue"});
  return true;
}
