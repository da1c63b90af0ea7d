#pragma once
// The first steps of start-up, free of the window: the two directories and the data check.
#include <memory>
#include <string>
#include <vector>

#include "app/ligne_commande.h"
#include "platform/repertoires.h"

// Appends '/' unless the text already ends with it (an empty text becomes "/").
std::string avecSlashFinal(const std::string& dossier);

// Works out the user directory (the desktop's data folder + "/zarvinel") and the data directory
// (the build's record), applies the command line, logs both, makes the directories' record and
// checks the data, then removes the stale temporary files of killed saves in every folder the
// game writes: "conf/", "mapsusr/", the user's "cache/" tree and the images' tree
// (supprimerTemporairesPerimes). Returns the record, which the caller owns and publishes as the
// global `repertoires`; null (the exit code is then -1) when the data check fails or no user
// directory can be had (neither from the environment nor from "--dirhome").
std::unique_ptr<Repertoires> preparerRepertoires(const LigneCommande& ligne);

// The arguments a restart passes to the new process: "--rebooted", then the directories that
// this run was given on its command line (the new process must read the same options file).
std::vector<std::string> argumentsRedemarrage(const LigneCommande& ligne);

// Starts `programme` again with argumentsRedemarrage, not waited for. 0 when it started, -1 not.
int redemarrer(const std::string& programme, const LigneCommande& ligne);
