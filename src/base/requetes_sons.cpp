#include "base/requetes_sons.h"

RequetesSons* requetesSons = nullptr;

void RequetesSons::ajouter(const RequeteSon& requete) {
  std::lock_guard<std::mutex> garde(verrou_);
  if (ouverte_ && nombre_ < CapaciteRequetes) requetes_[nombre_++] = requete;
}

void RequetesSons::jouer(int canal, int effet, int boucles) {
  // An unknown effect number would read past the player's effect table.
  if (effet < 0 || effet >= NombreEffets) return;
  RequeteSon r;
  r.type = RequeteJouer;
  r.canal = canal;
  r.boucles = boucles;
  r.effet = effet;
  ajouter(r);
}

void RequetesSons::arreterCanal(int canal) {
  RequeteSon r;
  r.type = RequeteArreter;
  r.canal = canal;
  ajouter(r);
}

int RequetesSons::prendreRequetes(std::array<RequeteSon, CapaciteRequetes>& sortie) {
  std::lock_guard<std::mutex> garde(verrou_);
  const int n = nombre_;
  for (int i = 0; i < n; ++i) sortie[i] = requetes_[i];
  nombre_ = 0;
  return n;
}

int RequetesSons::requetesEnAttente(std::array<RequeteSon, CapaciteRequetes>& sortie) const {
  std::lock_guard<std::mutex> garde(verrou_);
  for (int i = 0; i < nombre_; ++i) sortie[i] = requetes_[i];
  return nombre_;
}

void RequetesSons::ouvrirFile(bool ouverte) {
  std::lock_guard<std::mutex> garde(verrou_);
  ouverte_ = ouverte;
  if (!ouverte) nombre_ = 0;
}

bool RequetesSons::fileOuverte() const {
  std::lock_guard<std::mutex> garde(verrou_);
  return ouverte_;
}
