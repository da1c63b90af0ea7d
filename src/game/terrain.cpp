#include "game/terrain.h"

#include <istream>

#include "base/journal.h"

Terrain* terrain = nullptr;

Terrain::Terrain() { journal("Terrain crée"); }

Terrain::~Terrain() {
  if (particules) libererParticules();
  libererGrille();
}

void Terrain::reinitialiserCamera() { ::reinitialiserCamera(camera); }

void Terrain::reinitialiserBalle() { balle = Balle{}; }

void Terrain::suivreCameraBalle() { suivreCamera(camera, balle.x, balle.y, camera.profondeurOeil); }

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
  // Assignment reuses the copy's grid buffer when it is large enough.
  static_cast<Niveau&>(s) = static_cast<const Niveau&>(*this);
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
  return *this;
}

void Terrain::commencerNiveau(Niveau n) {
  std::lock_guard<std::mutex> garde(verrou);
  static_cast<Niveau&>(*this) = std::move(n);  // the grid's buffer moves, it is not copied
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
}

void Terrain::libererGrille() {
  std::lock_guard<std::mutex> garde(verrou);
  std::vector<uint8_t>().swap(grille);
}
