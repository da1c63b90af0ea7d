#include "game/verification.h"

#include <memory>
#include <utility>

#include "game/partie.h"

bool Verification::lancer(const Niveau& niveau, const BornesRecherche& bornes) {
  if (fil_.joinable()) return false;
  annulation_ = false;
  finie_ = false;
  progres_.etats = 0;
  progres_.pas = 0;
  progres_.octets = 0;
  resultat_ = Resolution{};
  // The worker's own copy: the caller goes on changing its level meanwhile.
  auto partie = std::make_unique<Partie>();
  partie->preparer(niveau);
  fil_ = std::thread([this, bornes, p = std::move(partie)] {
    Resolution r = chercherPlusCourt(*p, bornes, &progres_, &annulation_);
    resultat_ = std::move(r);
    finie_.store(true, std::memory_order_release);
  });
  return true;
}

const Resolution& Verification::prendre() {
  if (fil_.joinable()) fil_.join();
  return resultat_;
}

bool Verification::annuler() {
  if (!fil_.joinable()) return false;
  annulation_ = true;
  fil_.join();
  return true;
}
