// Reading level files: one level at a time into the live Terrain, or all at once into records.
// Every count read from the file is checked against what is really there, so a damaged or cut
// file ends the reading instead of reading outside a buffer.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>

#include "base/journal.h"
#include "base/fichiers.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

namespace {

// Only a regular file is opened: a named pipe would block the open for ever, a directory
// would fail its reads.
bool fichierLisible(const std::string& chemin) {
  const Lecture nature = natureFichier(chemin);
  if (nature == Lecture::PasOrdinaire) journal(ligneFichierIgnore(chemin, nature));
  return nature == Lecture::Lu;
}

}  // namespace

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

bool LecteurNiveaux::ouvrir(const std::string& chemin) {
  journal("LOAD " + chemin);
  flux_.reset();
  if (!fichierLisible(chemin)) return false;
  auto flux = std::make_unique<std::ifstream>(chemin, std::ios::binary);
  if (!flux->is_open() || !flux->good()) return false;
  return ouvrirDepuis(std::move(flux), chemin);
}

bool LecteurNiveaux::ouvrirDepuis(std::unique_ptr<std::istream> flux, const std::string& nom) {
  flux_.reset();
  if (!flux) return false;
  flux->seekg(0);
  flux->clear();
  journal("Chargement de " + nom);
  if (!lireMagie(*flux)) return false;
  lirePreambule(*flux);
  flux_ = std::move(flux);
  return true;
}

ResultatLecture lireNiveau(std::istream& flux, Niveau& niveau) {
  ResultatLecture resultat = FinFichier;
  for (;;) {
    const int octet = flux.get();
    if (octet == std::char_traits<char>::eof()) break;  // no further record
    resultat = NiveauCoupe;
    const int L = octet;
    journal("Début niveau : header " + std::to_string(L) + "octets");

    unsigned char entete[255];
    flux.read(reinterpret_cast<char*>(entete), L);
    if (flux.gcount() != L) break;  // header cut by the end of the file

    int32_t W = niveau.largeur, H = niveau.hauteur, nbBombes = niveau.bombes;
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
    niveau.largeur = W;
    niveau.hauteur = H;
    niveau.departX = x;
    niveau.departY = y;
    niveau.bombes = nbBombes;
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 3; ++j) {
        niveau.couleurs[i][j] =
            L >= LongueurEnteteNiveau ? static_cast<float>(entete[5 + 3 * i + j] / 255.0) : 0.7f;
      }
      niveau.couleurs[i][3] = 1.0f;
    }

    journal("Déchargement vieux niveau");
    std::vector<uint8_t>().swap(niveau.grille);
    journal("Chargement niveau");
    const size_t taille = static_cast<size_t>(W) * static_cast<size_t>(H);
    std::vector<uint8_t> nouvelle(taille, 0);
    flux.read(reinterpret_cast<char*>(nouvelle.data()), static_cast<std::streamsize>(taille));
    if (static_cast<size_t>(flux.gcount()) != taille) break;  // grid cut: the level is dropped
    niveau.grille.swap(nouvelle);
    char adresse[32];
    std::snprintf(adresse, sizeof adresse, "%p", static_cast<const void*>(niveau.grille.data()));
    journal("Map " + std::to_string(W) + " x " + std::to_string(H) + " @" + adresse);
    resultat = NiveauLu;
    break;
  }
  return resultat;
}

bool LecteurNiveaux::chargerNiveauSuivant(Terrain& terrain) {
  // The live level's values stand for what a short header leaves out.
  Niveau niveau = terrain.niveau();
  const ResultatLecture r = lire(niveau);
  if (r == FinFichier) {
    // The end of the file still resets the ball, as every read of a record does.
    {
      std::lock_guard<std::mutex> garde(terrain.verrou);
      terrain.reinitialiserBalle();
    }
    terrain.reinitialiserJeu();
  } else {
    // The grid's buffer moves into the Terrain: the address logged above stays true.
    terrain.commencerNiveau(std::move(niveau));
  }
  return r != NiveauLu;
}

int chargerToutDepuis(std::istream& flux, const std::string& nom, std::vector<Niveau>& niveaux) {
  flux.seekg(0);
  flux.clear();
  journal("Chargement de tout " + nom);
  if (!lireMagie(flux)) return 0;
  lirePreambule(flux);

  int nombre = 0;
  while (flux.good()) {
    Niveau niveau;
    if (lireNiveau(flux, niveau) != NiveauLu) break;
    ++nombre;
    // The editor looks at a fixed point of its level, not at the ball.
    niveau.camera.suivre = false;
    niveau.camera.centreX = niveau.departX;
    niveau.camera.centreY = niveau.departY;
    niveaux.push_back(std::move(niveau));
  }
  return nombre;
}

int chargerTout(const std::string& chemin, std::vector<Niveau>& niveaux) {
  if (!fichierLisible(chemin)) return 0;
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux.is_open() || !flux.good()) return 0;
  return chargerToutDepuis(flux, chemin, niveaux);
}
