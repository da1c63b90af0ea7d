#include "game/terrain.h"

#include <algorithm>
#include <istream>

#include "base/journal.h"

Terrain* terrain = nullptr;

Terrain::Terrain() {
  poserNiveau(Niveau{});  // a level's defaults until one is loaded (a short header keeps them)
  journal("Terrain crée");
}

Terrain::~Terrain() { libererGrille(); }

void Terrain::reinitialiserBalle() { balle = Balle{}; }

void Terrain::ajouterBombe() {
  std::lock_guard<std::mutex> garde(verrou);
  ++bombes;
}

void Terrain::prendreInstantane(InstantaneTerrain& s) const {
  std::lock_guard<std::mutex> garde(verrou);
  copierDans(s);
  // Nothing shows this level: the camera and the flash as new, no particle.
  s.camera = Camera{};
  s.explosionX = s.explosionY = s.explosionAlea = 0.0f;
  s.particules.clear();
}

void Terrain::copierDans(InstantaneTerrain& s) const {
  s.largeur = largeur;
  s.hauteur = hauteur;
  s.grille = grille;  // reuses the copy's buffer when it is large enough
  s.departX = departX;
  s.departY = departY;
  s.bombes = bombes;
  std::copy(&couleurs[0][0], &couleurs[0][0] + 16, &s.couleurs[0][0]);
  s.balle = balle;
  s.minuteurExplosion = minuteurExplosion;
}

Niveau Terrain::niveau() const {
  std::lock_guard<std::mutex> garde(verrou);
  Niveau n;
  n.largeur = largeur;
  n.hauteur = hauteur;
  n.grille = grille;
  n.departX = departX;
  n.departY = departY;
  n.bombes = bombes;
  std::copy(&couleurs[0][0], &couleurs[0][0] + 16, &n.couleurs[0][0]);
  return n;
}

void Terrain::poserNiveau(Niveau&& n) {
  largeur = n.largeur;
  hauteur = n.hauteur;
  grille = std::move(n.grille);  // the grid's buffer moves, it is not copied
  departX = n.departX;
  departY = n.departY;
  bombes = n.bombes;
  std::copy(&n.couleurs[0][0], &n.couleurs[0][0] + 16, &couleurs[0][0]);
}

void Terrain::commencerNiveau(Niveau n) {
  std::lock_guard<std::mutex> garde(verrou);
  poserNiveau(std::move(n));
  reinitialiserBalle();
  balle.x = departX;
  balle.y = departY;
  reinitialiserJeuSansVerrou();
}

void Terrain::reinitialiserJeu() {
  std::lock_guard<std::mutex> garde(verrou);
  reinitialiserJeuSansVerrou();
}

void Terrain::reinitialiserJeuSansVerrou() {
  minuteurExplosion = 0;
  rouleEnCours = false;
  chocJoue = false;
  resultat = EnCours;
}

void Terrain::libererGrille() {
  std::lock_guard<std::mutex> garde(verrou);
  std::vector<uint8_t>().swap(grille);
}
