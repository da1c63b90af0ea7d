#include "game/particule.h"

void Particule::initialiser(float px, float py, float pz, float pvx, float pvy, float pvz,
                            float demiCote) {
  x = px;
  y = py;
  z = pz;
  vx = pvx;
  vy = pvy;
  vz = pvz;
  taille = demiCote;
  gravite = true;
  vie = 1000;
}

void Particule::avancerParticule(float dt) {
  if (vie <= 0) return;
  x += vx * dt;
  y += vy * dt;
  z += vz * dt;
  if (gravite) vy += dt * 0.001f;
  vie -= static_cast<int32_t>(dt);
}
