// Writing level files. A file is always written whole to a temporary file beside the target
// and then renamed over it: a full disk or a crash mid-write leaves the old file intact.
#include <cmath>
#include <cstdio>

#include "base/journal.h"
#include "base/ecriture_atomique.h"
#include "levels/fichier_niveaux.h"

namespace {

uint8_t octetBorne(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= 255.0) return 255;
  return static_cast<uint8_t>(v);
}

void ecrirePreambule(std::string& s) {
  s.append(MagieFichier, TailleMagie);
  s.push_back('\0');  // reserved
  EnteteFichier::ecrire(s);
}

IssueEcriture ecrireRemplacer(const std::string& chemin, const std::string& octets) {
  journal("Sauvegarde de tout " + chemin);
  const IssueEcriture r = remplacerFichier(chemin, octets);
  if (!r) journal("***** Erreur : écriture impossible de " + chemin);
  return r;
}

}  // namespace

void EnteteFichier::ecrire(std::string& sortie) {
  sortie.push_back('\0');
  sortie.push_back('\0');
}

uint8_t octetCouleur(float composante) {
  // A component above 1 or below 0 would wrap around in the low byte; clamp it instead.
  return octetBorne(static_cast<double>(composante) * 255.0);
}

std::string octetsFichier(const std::vector<Niveau>& niveaux) {
  std::string s;
  ecrirePreambule(s);
  for (const Niveau& niveau : niveaux) {
    if (niveau.grille.empty()) continue;
    const int32_t W = niveau.largeur, H = niveau.hauteur;
    if (W < 1 || W > 255 || H < 1 || H > 255 ||
        niveau.grille.size() != static_cast<size_t>(W) * static_cast<size_t>(H)) {
      // The format stores each side in one byte; a wrapped size would corrupt the file.
      journal("Niveau non sauvegardé, taille impossible : " + std::to_string(W) + " x " +
              std::to_string(H));
      continue;
    }
    s.push_back(static_cast<char>(LongueurEnteteNiveau));
    s.push_back(static_cast<char>(W));
    s.push_back(static_cast<char>(H));
    s.push_back(static_cast<char>(octetBorne(std::trunc(niveau.departX))));
    s.push_back(static_cast<char>(octetBorne(std::trunc(niveau.departY))));
    s.push_back(static_cast<char>(octetBorne(niveau.bombes)));
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 3; ++j)
        s.push_back(static_cast<char>(octetCouleur(niveau.couleurs[i][j])));
    s.append(reinterpret_cast<const char*>(niveau.grille.data()), niveau.grille.size());
  }
  return s;
}

std::string octetsFichierVide() {
  std::string s;
  ecrirePreambule(s);
  const char entete[6] = {LongueurEnteteMinimale, 15, 15, 1, 1, 0};
  s.append(entete, sizeof entete);
  s.append(15 * 15, '\0');
  return s;
}

IssueEcriture sauvegarderTout(const std::string& chemin, const std::vector<Niveau>& niveaux) {
  return ecrireRemplacer(chemin, octetsFichier(niveaux));
}

IssueEcriture creerFichierVide(const std::string& chemin) {
  return ecrireRemplacer(chemin, octetsFichierVide());
}
