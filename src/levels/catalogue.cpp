#include "levels/catalogue.h"

#include <algorithm>
#include <sys/stat.h>

#include "base/journal.h"
#include "base/fichiers.h"
#include "base/traducteur.h"
#include "levels/fichier_niveaux.h"
#include "levels/ordre_naturel.h"
#include "platform/repertoires.h"

const char* const CouleurNiveauFige = "<cffdd77>";
const char* const CouleurNiveauModifiable = "<c77ddff>";
const char* const NiveauDemonstration = "logom.map";
const char* const CaracteresNomNiveau =
    "azertyuiopqsdfghjklmwxcvbn0123456789AZERTYUIOPQSDFGHJKLMWXCVBN_-";

namespace {

// A directory, a FIFO or a socket named "x.map" is no level file: opening a FIFO to read it
// would block the menu.
bool fichierOrdinaire(const std::string& chemin) {
  struct stat st;
  return stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string joindre(const std::string& dossier, const std::string& nom) {
  return !dossier.empty() && dossier.back() == '/' ? dossier + nom : dossier + "/" + nom;
}

}  // namespace

std::string texteLigneCatalogue(const std::string& nomFichier, bool modifiable) {
  std::string nom = nomFichier.size() >= 4 ? nomFichier.substr(0, nomFichier.size() - 4) : "";
  if (nom.size() > LongueurNomAffiche) nom = nom.substr(0, LongueurNomAffiche - 2) + "..";
  std::string texte = modifiable ? CouleurNiveauModifiable : CouleurNiveauFige;
  for (char c : nom) {
    if (c == '<') texte += "<(>";
    else if (c == '>') texte += "<)>";
    else texte += c;
  }
  return texte;
}

std::string titreFichier(const std::string& nom) {
  const std::string titre = traducteur ? traducteur->traduire("Titre_" + nom) : std::string();
  return titre.empty() ? nom : titre;
}

std::vector<EntreeCatalogue> listerCatalogue(
    const std::string& dossierOfficiel, const std::string& dossierUtilisateur,
    const std::function<bool(const std::string&)>& modifiable) {
  std::vector<EntreeCatalogue> entrees;
  const std::string dossiers[2] = {dossierOfficiel, dossierUtilisateur};
  for (int d = 0; d < 2; ++d) {
    journal("Liste fichier " + std::to_string(d));
    std::vector<std::string> noms =
        listerFichiers(dossiers[d], ".map").value_or(std::vector<std::string>());
    journal("Nb fichiers " + std::to_string(noms.size()));
    if (noms.size() >= 2) {
      journal("Tri fichiers");
      // "9-..." before "10-...", otherwise byte order: "B" before "a", "a" before "ab"
      std::sort(noms.begin(), noms.end(), avantOrdreNaturel);
      journal("ok");
    }
    for (const std::string& nom : noms) {
      if (d == 0 && nom == NiveauDemonstration) continue;
      EntreeCatalogue e;
      e.chemin = joindre(dossiers[d], nom);
      if (!fichierOrdinaire(e.chemin)) continue;
      // The editor's own rule: a link to a file outside the player's folder (a shipped level)
      // is listed as the editor treats it, not editable.
      e.modifiable = d == 1 && (modifiable ? modifiable(e.chemin)
                                           : fichierModifiable(e.chemin) &&
                                                 cheminDansDossier(e.chemin, dossiers[1]));
      e.nom = nom.substr(0, nom.size() - 4);
      // A shipped file shows its title in the player's language.
      e.texte = texteLigneCatalogue(d == 0 ? titreFichier(e.nom) + ".map" : nom, e.modifiable);
      entrees.push_back(std::move(e));
    }
  }
  return entrees;
}

std::vector<EntreeCatalogue> listerCatalogue() {
  return listerCatalogue(repertoires->chemin("mapsoff/"), repertoires->chemin("mapsusr/"));
}

std::string cheminNiveauUtilisateur(const std::string& nom) {
  return repertoires->chemin("mapsusr/" + nom + ".map");
}

bool nomNiveauAcceptable(const std::string& nom) {
  if (nom.size() < 4 || nom.size() > 49) return false;
  const std::string permis = CaracteresNomNiveau;
  return std::all_of(nom.begin(), nom.end(),
                     [&](char c) { return c != '\0' && permis.find(c) != std::string::npos; });
}

CreationNiveau verifierNomNiveau(const std::string& nom, const std::string& cheminUtilisateur,
                                 const std::string& dossierOfficiel) {
  if (nom.size() < 4) return CreationNiveau::TropCourt;
  if (nom.size() > 49) return CreationNiveau::TropLong;
  if (!nomNiveauAcceptable(nom)) return CreationNiveau::CaractereInterdit;
  // Anything already there under that name (a file, even unreadable, or a folder) is kept.
  struct stat st;
  if (fichierExiste(cheminUtilisateur) || lstat(cheminUtilisateur.c_str(), &st) == 0)
    return CreationNiveau::PrisParJoueur;
  if (lstat(joindre(dossierOfficiel, nom + ".map").c_str(), &st) == 0)
    return CreationNiveau::PrisParJeu;
  return CreationNiveau::Cree;
}

CreationNiveau creerNiveauUtilisateur(const std::string& nom) {
  const std::string chemin = cheminNiveauUtilisateur(nom);
  const CreationNiveau verdict = verifierNomNiveau(nom, chemin, repertoires->chemin("mapsoff/"));
  if (verdict != CreationNiveau::Cree) return verdict;
  return creerFichierVide(chemin) ? CreationNiveau::Cree : CreationNiveau::Echec;
}

const char* cleCreationNiveau(CreationNiveau resultat) {
  switch (resultat) {
    case CreationNiveau::Cree: return "";
    case CreationNiveau::TropCourt: return "NomTropCourt";
    case CreationNiveau::TropLong: return "NomTropLong";
    case CreationNiveau::CaractereInterdit: return "NomCaractere";
    case CreationNiveau::PrisParJoueur: return "NomPrisJoueur";
    case CreationNiveau::PrisParJeu: return "NomPrisJeu";
    case CreationNiveau::Echec: break;
  }
  return "NomEcriture";
}
