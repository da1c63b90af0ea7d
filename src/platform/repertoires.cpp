#include "platform/repertoires.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "base/journal.h"
#include "base/fichiers.h"
#include "platform/boite_message.h"

Repertoires* repertoires = nullptr;

const char* const MessageDonneesAbsentes =
    "Impossible de trouver les données du jeu, réinstaller l'application.\n"
    "Unable to find game data directory, reinstall the programm.";
const char* const MessageDonneesVersion =
    "Données du jeu dans une autre version que celle attendue, réinstaller l'application.\n"
    "Game data in a different version than expected, reinstall the application.";

namespace {
const char* const Marqueur = "Zarvinel1 is here";
// The text before a '|' counts only up to 126 characters: one more tells a longer text apart.
constexpr size_t MarqueurLuMax = 127;
}

Repertoires::Repertoires(const std::string& donnees, const std::string& utilisateur)
    : dossierDonnees_(donnees) {
  creerDossier(utilisateur);
  creerDossier(utilisateur + "conf/");
  creerDossier(utilisateur + "mapsusr/");
  const struct {
    const char* prefixe;
    bool utilisateur;
  } table[] = {{"conf/", true},     {"mapsusr/", true}, {"lang/", false}, {"mapsoff/", false},
               {"shaders/", false}, {"sons/", false},   {"ziks/", false}, {"imgs/", false}};
  for (const auto& ligne : table) {
    EntreeRepertoire e{ligne.prefixe, (ligne.utilisateur ? utilisateur : donnees) + ligne.prefixe};
    journal("DIR " + e.prefixe + " => " + e.dossier);
    entrees_.push_back(std::move(e));
  }
}

std::string Repertoires::chemin(const std::string& relatif) const {
  for (const EntreeRepertoire& e : entrees_)
    if (relatif.compare(0, e.prefixe.size(), e.prefixe) == 0)
      return e.dossier + relatif.substr(e.prefixe.size());
  journal("D" + relatif);
  return relatif;
}

bool Repertoires::verifierDonnees() const {
  const std::string marqueur = dossierDonnees_ + "zarvinel.dir";
  journal("Checking " + marqueur);
  // Only a regular file counts (a named pipe there must not hang the start-up), and only its
  // first bytes are read.
  std::string contenu;
  if (lireFichierOrdinaire(marqueur, MarqueurLuMax, contenu, true) != Lecture::Lu) {
    afficherErreur(MessageDonneesAbsentes);
    return false;
  }
  // Up to the first '|', at most 126 characters; line ends count as ordinary characters.
  const std::string lu = contenu.substr(0, std::min<size_t>(contenu.find('|'), 126));
  if (lu == Marqueur) return true;
  afficherErreur(MessageDonneesVersion);
  return false;
}

void afficherErreur(const std::string& message) {
  std::cerr << message << std::endl;
  montrerBoiteMessage(message);
  journal(message);
}
