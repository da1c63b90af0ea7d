#include "game/terrain.h"

#include <algorithm>
#include <istream>

#include "base/journal.h"

Terrain* terrain = nullptr;

Terrain::Terrain() {
  poserNiveau(Niveau{});  // a level's defaults until one is loaded (a short header keeps them)
  journal("Terrain crée");
}

Terrain::~Terrain() {
  if (particules) libererParticules();
  libererGrille();
}

void Terrain::reinitialiserCamera() { ::reinitialiserCamera(camera); }

void Terrain::reinitialiserBalle() { balle = Balle{}; }

void Terrain::suivreCameraVers(float x, float y, float z) {
  std::lock_guard<std::mutex> garde(verrou);
  suivreCamera(camera, x, y, z);
}

void Terrain::allouerParticules(int32_t n) {
  std::lock_guard<std::mutex> garde(verrou);
  if (n <= 0) {
    particules.reset();
    capaciteParticules = 0;
    return;
  }
  particules = std::make_unique<Particule[]>(static_cast<size_t>(n));
  capaciteParticules = n;
  // The ring position carries over between levels; it must still name a slot.
  if (prochaineParticule < 0 || prochaineParticule >= n) prochaineParticule = 0;
}

void Terrain::libererParticules() {
  std::lock_guard<std::mutex> garde(verrou);
  capaciteParticules = 0;
  particules.reset();
  journal("Unalloc particulesok");
}

void Terrain::ajouterParticule(const Particule& p) {
  if (capaciteParticules <= 0 || !particules) return;
  if (prochaineParticule < 0 || prochaineParticule >= capaciteParticules) prochaineParticule = 0;
  particules[prochaineParticule] = p;
  prochaineParticule = (prochaineParticule + 1) % capaciteParticules;
}

void Terrain::ajouterBombe() {
  std::lock_guard<std::mutex> garde(verrou);
  ++bombes;
}

void Terrain::prendreInstantane(InstantaneTerrain& s) const {
  std::lock_guard<std::mutex> garde(verrou);
  s.largeur = largeur;
  s.hauteur = hauteur;
  s.grille = grille;  // reuses the copy's buffer when it is large enough
  s.departX = departX;
  s.departY = departY;
  s.bombes = bombes;
  std::copy(&couleurs[0][0], &couleurs[0][0] + 16, &s.couleurs[0][0]);
  s.camera = camera;
  s.balle = balle;
  s.minuteurExplosion = minuteurExplosion;
  s.explosionX = explosionX;
  s.explosionY = explosionY;
  s.explosionAlea = explosionAlea;
  if (particules && capaciteParticules > 0) {
    s.particules.assign(particules.get(), particules.get() + capaciteParticules);
  } else {
    s.particules.clear();
  }
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
  n.camera = camera;
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
  camera = n.camera;
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
  reinitialiserCamera();
  minuteurExplosion = 0;
  rouleEnCours = false;
  chocJoue = false;
  resultat = EnCours;
}

void Terrain::libererGrille() {
  std::lock_guard<std::mutex> garde(verrou);
  std::vector<uint8_t>().swap(grille);
}
