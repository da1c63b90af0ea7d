// Reading level files: sequentially into one Terrain, or all at once into a list.
// Every count read from the file is checked against what is really there, so a damaged or cut
// file ends the reading instead of reading outside a buffer.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>

#include "base/journal.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

uint16_t EnteteFichier::lire(std::istream& flux) {
  unsigned char octets[2];
  flux.read(reinterpret_cast<char*>(octets), 2);
  if (flux.gcount() != 2) return 0;
  const uint16_t longueur = static_cast<uint16_t>(octets[0] * 256 + octets[1]);
  flux.ignore(longueur);
  return longueur;
}

bool lireMagie(std::istream& flux) {
  char lu[TailleMagie] = {};
  flux.read(lu, TailleMagie);
  const std::streamsize n = flux.gcount();
  if (n == TailleMagie && std::memcmp(lu, MagieFichier, TailleMagie) == 0) return true;
  std::string texte(lu, static_cast<size_t>(n));
  texte = texte.substr(0, texte.find('\0'));
  journal("En tête inconnue : " + texte);
  return false;
}

void lirePreambule(std::istream& flux) {
  flux.get();  // reserved byte
  const uint16_t longueur = EnteteFichier::lire(flux);
  journal("Début fichier : header longeur " + std::to_string(longueur));
}

bool Terrain::chargerFichier(const std::string& chemin) {
  journal("LOAD " + chemin);
  fichier.reset();
  auto flux = std::make_unique<std::ifstream>(chemin, std::ios::binary);
  if (!flux->is_open() || !flux->good()) return false;
  return chargerFichierDepuis(std::move(flux), chemin);
}

bool Terrain::chargerFichierDepuis(std::unique_ptr<std::istream> flux, const std::string& nom) {
  fichier.reset();
  if (!flux) return false;
  flux->seekg(0);
  flux->clear();
  journal("Chargement de " + nom);
  if (!lireMagie(*flux)) return false;
  lirePreambule(*flux);
  fichier = std::move(flux);
  return true;
}

bool Terrain::chargerNiveauSuivant() {
  if (!fichier) return true;
  return lireNiveau(*fichier);
}

bool Terrain::lireNiveau(std::istream& flux) {
  bool fin = true;
  for (;;) {
    const int octet = flux.get();
    if (octet == std::char_traits<char>::eof()) break;  // no further record
    const int L = octet;
    journal("Début niveau : header " + std::to_string(L) + "octets");
    {
      std::lock_guard<std::mutex> garde(verrou);
      reinitialiserBalle();
    }

    unsigned char entete[255];
    flux.read(reinterpret_cast<char*>(entete), L);
    if (flux.gcount() != L) break;  // header cut by the end of the file

    int32_t W = largeur, H = hauteur, nbBombes = bombes;
    float x = 1.5f, y = 1.5f;
    if (L >= LongueurEnteteMinimale) {
      W = entete[0];
      H = entete[1];
      x = entete[2] + 0.5f;
      y = entete[3] + 0.5f;
      nbBombes = entete[4];
    }
    if (W <= 0 || H <= 0) {
      // Nothing to play or draw in it: go on with the next record.
      journal("Niveau vide ignoré : " + std::to_string(W) + " x " + std::to_string(H));
      continue;
    }
    {
      std::lock_guard<std::mutex> garde(verrou);
      largeur = W;
      hauteur = H;
      balle.x = x;
      balle.y = y;
      bombes = nbBombes;
      for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 3; ++j) {
          couleurs[i][j] = L >= LongueurEnteteNiveau
                               ? static_cast<float>(entete[5 + 3 * i + j] / 255.0)
                               : 0.7f;
        }
        couleurs[i][3] = 1.0f;
      }
    }

    journal("Déchargement vieux niveau");
    libererGrille();
    journal("Chargement niveau");
    const size_t taille = static_cast<size_t>(W) * static_cast<size_t>(H);
    std::vector<uint8_t> nouvelle(taille, 0);
    flux.read(reinterpret_cast<char*>(nouvelle.data()), static_cast<std::streamsize>(taille));
    if (static_cast<size_t>(flux.gcount()) != taille) break;  // grid cut: the level is dropped
    {
      std::lock_guard<std::mutex> garde(verrou);
      grille.swap(nouvelle);
    }
    char adresse[32];
    std::snprintf(adresse, sizeof adresse, "%p", static_cast<const void*>(grille.data()));
    journal("Map " + std::to_string(W) + " x " + std::to_string(H) + " @" + adresse);
    fin = false;
    break;
  }

  std::lock_guard<std::mutex> garde(verrou);
  reinitialiserCamera();
  minuteurExplosion = 0;
  rouleEnCours = false;
  chocJoue = false;
  return fin;
}

void Terrain::libererGrille() {
  std::lock_guard<std::mutex> garde(verrou);
  std::vector<uint8_t>().swap(grille);
}

void Terrain::fermerFichier() { fichier.reset(); }

int chargerToutDepuis(std::istream& flux, const std::string& nom,
                      std::vector<std::unique_ptr<Terrain>>& niveaux) {
  flux.seekg(0);
  flux.clear();
  journal("Chargement de tout " + nom);
  if (!lireMagie(flux)) return 0;
  lirePreambule(flux);

  int nombre = 0;
  while (flux.good()) {
    niveaux.push_back(std::make_unique<Terrain>());
    Terrain& niveau = *niveaux.back();
    if (!niveau.lireNiveau(flux)) {
      ++nombre;
      // The editor looks at a fixed point of its level, not at the ball.
      niveau.camera.suivre = false;
      niveau.camera.centreX = niveau.balle.x;
      niveau.camera.centreY = niveau.balle.y;
    } else {
      niveau.libererGrille();
      niveaux.pop_back();
    }
  }
  return nombre;
}

int chargerTout(const std::string& chemin, std::vector<std::unique_ptr<Terrain>>& niveaux) {
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux.is_open() || !flux.good()) return 0;
  return chargerToutDepuis(flux, chemin, niveaux);
}
