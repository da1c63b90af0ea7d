// What shows a step of the live level without being part of its rules: the camera following
// the ball, the flash and the burst of a blast, the particles' flight. All of it reacts to the
// step's events (game/regles.h), after the rules are done with the step.
#include <cmath>
#include <cstdlib>

#include "base/maths.h"
#include "game/camera.h"
#include "game/terrain.h"

namespace {

constexpr int ParticulesParExplosion = 200;
constexpr double RayonParticules = 0.5;
constexpr float TailleParticule = 0.2f;

// rand() scaled to [0, 1].
double alea01() { return static_cast<double>(std::rand()) / RAND_MAX; }

}  // namespace

void Terrain::montrer(const EvenementsPas& ev) {
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

int Terrain::avancer(const Touches& touches, RequetesSons* sonsEtape) {
  std::lock_guard<std::mutex> garde(verrou);
  const EvenementsPas ev = pasRegles(*this, touches);
  montrer(ev);
  ev.sons.envoyer(sonsEtape);
  return ev.resultat;
}
