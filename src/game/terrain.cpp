#include "game/terrain.h"

#include <cstdlib>
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

void Terrain::suivreCameraBalle() {
  suivreCamera(camera, balle.x, balle.y, camera.profondeurOeil);
}

void Terrain::suivreCameraVers(float x, float y, float z) {
  std::lock_guard<std::mutex> garde(verrou);
  suivreCamera(camera, x, y, z);
}

void Terrain::etapeVie() {
  std::lock_guard<std::mutex> garde(verrou);
  const int W = largeur, H = hauteur;
  if (W <= 0 || H <= 0) return;
  const size_t n = static_cast<size_t>(W) * static_cast<size_t>(H);
  if (grille.size() != n) return;

  masqueVie.resize(n);
  for (size_t i = 0; i < n; ++i) masqueVie[i] = estSolide(grille[i]) ? 1 : 0;
  grilleTravail.resize(n);  // every cell is written below

  for (int r = 0; r < H; ++r) {
    const uint8_t* haut = &masqueVie[static_cast<size_t>((r + H - 1) % H) * W];
    const uint8_t* ici = &masqueVie[static_cast<size_t>(r) * W];
    const uint8_t* bas = &masqueVie[static_cast<size_t>((r + 1) % H) * W];
    const uint8_t* avant = &grille[static_cast<size_t>(r) * W];
    uint8_t* apres = &grilleTravail[static_cast<size_t>(r) * W];
    for (int c = 0; c < W; ++c) {
      const int g = c > 0 ? c - 1 : W - 1, d = c + 1 < W ? c + 1 : 0;
      const int voisins = haut[g] + haut[c] + haut[d] + ici[g] + ici[d] + bas[g] + bas[c] + bas[d];
      apres[c] = voisins == 2 ? avant[c] : voisins == 3 ? static_cast<uint8_t>(Brique) : 0;
    }
  }
  grille.swap(grilleTravail);
}

void Terrain::ajouterPlaneur() {
  std::lock_guard<std::mutex> garde(verrou);
  const int W = largeur, H = hauteur;
  // The modulo below needs at least three cells on each axis.
  if (W < 3 || H < 3) return;
  if (grille.size() != static_cast<size_t>(W) * static_cast<size_t>(H)) return;
  const int x = std::rand() % (W - 2);
  const int y = std::rand() % (H - 2);
  const int cellules[5][2] = {{x + 1, y}, {x + 2, y + 1}, {x, y + 2}, {x + 1, y + 2}, {x + 2, y + 2}};
  for (const auto& cellule : cellules) {
    grille[static_cast<size_t>(cellule[1]) * W + cellule[0]] = Brique;
  }
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
