#include "game/spectacle.h"

#include <cmath>
#include <cstdlib>

#include "base/journal.h"
#include "base/maths.h"

namespace {

constexpr int ParticulesParExplosion = 200;
constexpr double RayonParticules = 0.5;
constexpr float TailleParticule = 0.2f;

// rand() scaled to [0, 1].
double alea01() { return static_cast<double>(std::rand()) / RAND_MAX; }

}  // namespace

Spectacle::~Spectacle() {
  if (particules) libererParticules();
}

void Spectacle::poserCamera(const Camera& k) {
  std::lock_guard<std::mutex> garde(verrou);
  camera = k;
}

void Spectacle::reinitialiserCamera() {
  std::lock_guard<std::mutex> garde(verrou);
  ::reinitialiserCamera(camera);
}

void Spectacle::suivreCameraVers(float x, float y, float z) {
  std::lock_guard<std::mutex> garde(verrou);
  suivreCamera(camera, x, y, z);
}

void Spectacle::allouerParticules(int32_t n) {
  std::lock_guard<std::mutex> garde(verrou);
  if (n <= 0) {
    particules.reset();
    capaciteParticules = 0;
    return;
  }
  particules = std::make_unique<Particule[]>(static_cast<size_t>(n));
  capaciteParticules = n;
  if (prochaineParticule < 0 || prochaineParticule >= n) prochaineParticule = 0;
}

void Spectacle::libererParticules() {
  std::lock_guard<std::mutex> garde(verrou);
  capaciteParticules = 0;
  particules.reset();
  journal("Unalloc particulesok");
}

void Spectacle::ajouterParticule(const Particule& p) {
  if (capaciteParticules <= 0 || !particules) return;
  if (prochaineParticule < 0 || prochaineParticule >= capaciteParticules) prochaineParticule = 0;
  particules[prochaineParticule] = p;
  prochaineParticule = (prochaineParticule + 1) % capaciteParticules;
}

void Spectacle::montrer(const EvenementsPas& ev) {
  if (!ev.joue) return;
  // The camera aims at the ball where the step began, at the camera's own eye depth.
  suivreCamera(camera, ev.departX, ev.departY, camera.profondeurOeil);
  if (ev.explosion) {
    explosionX = ev.explosionX;
    explosionY = ev.explosionY;
    explosionAlea = static_cast<float>(std::rand());
    // The burst starts around the ball where the step began, not where it ended.
    const double X = ev.departX, Y = ev.departY;
    for (int i = 0; i < ParticulesParExplosion; ++i) {
      const double a = alea01() * 2.0 * Pi;
      const double s = alea01() / 6.0;
      const double w = (alea01() - 0.5) / 3.0;
      const double sinus = std::sin(a), cosinus = std::cos(a);
      Particule q;
      q.initialiser(static_cast<float>(X + RayonParticules * sinus),
                    static_cast<float>(Y + RayonParticules * cosinus), 0.0f,
                    static_cast<float>(s * sinus), static_cast<float>(s * cosinus),
                    static_cast<float>(w), TailleParticule);
      ajouterParticule(q);
    }
  }
  for (int32_t i = 0; i < capaciteParticules && particules; ++i) {
    particules[i].avancerParticule(1.0f);
  }
}

void Spectacle::copierDans(InstantaneTerrain& s) const {
  s.camera = camera;
  s.explosionX = explosionX;
  s.explosionY = explosionY;
  s.explosionAlea = explosionAlea;
  if (particules && capaciteParticules > 0) {
    s.particules.assign(particules.get(), particules.get() + capaciteParticules);
  } else {
    s.particules.clear();
  }
}

int avancer(Terrain& terrain, Spectacle& spectacle, const Touches& touches,
            RequetesSons* sonsEtape) {
  std::scoped_lock garde(terrain.verrou, spectacle.verrou);
  const EvenementsPas ev = pasRegles(terrain, touches);
  spectacle.montrer(ev);
  ev.sons.envoyer(sonsEtape);
  return ev.resultat;
}

void prendreInstantane(const Terrain& terrain, const Spectacle& spectacle,
                       InstantaneTerrain& sortie) {
  std::scoped_lock garde(terrain.verrou, spectacle.verrou);
  terrain.copierDans(sortie);
  spectacle.copierDans(sortie);
}
