#include "app/demarrage.h"

#include <ctime>
#include <stdexcept>

#include "base/journal.h"
#include "platform/repertoires.h"
#include "base/ecriture_atomique.h"
#include "platform/processus.h"

std::string avecSlashFinal(const std::string& dossier) {
  if (!dossier.empty() && dossier.back() == '/') return dossier;
  return dossier + "/";
}

std::unique_ptr<Repertoires> preparerRepertoires(const LigneCommande& ligne) {
  std::string utilisateur;
  std::string erreurUtilisateur;
  try {
    utilisateur = dossierSpecial() + "/zarvinel";
    journal("dir_home" + utilisateur);
  } catch (const std::runtime_error& e) {
    // Not fatal yet: "--dirhome" may still name the user directory.
    erreurUtilisateur = e.what();
    journal(erreurUtilisateur);
  }

  std::string donnees;
  try {
    donnees = lireRegistre();
  } catch (const std::runtime_error&) {
    donnees = ".";
  }

  // An empty directory would become "/": the root's conf/ and mapsusr/. It counts as not given.
  const bool donneesDonnees = ligne.dossierDonnees && !ligne.dossierDonnees->empty();
  const bool utilisateurDonne = ligne.dossierUtilisateur && !ligne.dossierUtilisateur->empty();
  if (ligne.dossierDonnees && !donneesDonnees) journal("--dirdata vide ignoré");
  if (ligne.dossierUtilisateur && !utilisateurDonne) journal("--dirhome vide ignoré");
  if (donneesDonnees) donnees = *ligne.dossierDonnees;
  if (utilisateurDonne) {
    utilisateur = *ligne.dossierUtilisateur;
  } else if (!erreurUtilisateur.empty()) {
    afficherErreur(erreurUtilisateur);
    return nullptr;
  }

  journal("dir_home = " + utilisateur);
  journal("dir_data = " + donnees);
  utilisateur = avecSlashFinal(utilisateur);
  donnees = avecSlashFinal(donnees);

  auto prepares = std::make_unique<Repertoires>(donnees, utilisateur);
  if (!prepares->verifierDonnees()) return nullptr;
  // A save killed half way leaves its temporary file beside what it saved: no other run writes
  // one that old, so it goes, in every folder the game writes: the options and the progress, the
  // player's levels, the texture caches (the user's and the one beside the images).
  const int64_t maintenant = static_cast<int64_t>(std::time(nullptr));
  supprimerTemporairesPerimes(prepares->chemin("conf/"), maintenant);
  supprimerTemporairesPerimes(prepares->chemin("mapsusr/"), maintenant);
  supprimerTemporairesPerimesArbre(utilisateur + "cache/", maintenant);
  supprimerTemporairesPerimesArbre(prepares->chemin("imgs/"), maintenant);
  return prepares;
}

std::vector<std::string> argumentsRedemarrage(const LigneCommande& ligne) {
  std::vector<std::string> a{"--rebooted"};
  if (ligne.dossierDonnees && !ligne.dossierDonnees->empty())
    a.insert(a.end(), {"--dirdata", *ligne.dossierDonnees});
  if (ligne.dossierUtilisateur && !ligne.dossierUtilisateur->empty())
    a.insert(a.end(), {"--dirhome", *ligne.dossierUtilisateur});
  return a;
}

int redemarrer(const std::string& programme, const LigneCommande& ligne) {
  // Started directly, as ouvrirDocument starts an executable file: a program that cannot be
  // executed must fail here, not be handed to the desktop's opener.
  std::vector<std::string> arguments = argumentsRedemarrage(ligne);
  const std::string chemin =
      programme.find('/') == std::string::npos ? chercherProgramme(programme) : programme;
  if (chemin.empty()) return -1;
  arguments.insert(arguments.begin(), chemin);
  return lancerProgramme(arguments, false);
}
