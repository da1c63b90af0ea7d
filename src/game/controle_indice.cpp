#include "game/controle_indice.h"

#include "base/fichiers.h"

namespace {

// A solution is a few lines a key change; this is far past any real one.
constexpr size_t TailleMaxSolution = 1u << 20;

}  // namespace

ControleIndice::~ControleIndice() {
  if (fil_.joinable()) fil_.join();
}

void ControleIndice::lancer(const std::string& chemin, const Niveau& depart) {
  if (etat() != EtatIndice::Aucun) return;
  etat_.store(EtatIndice::EnCours, std::memory_order_relaxed);
  fil_ = std::thread([this, chemin, depart] {
    std::string texte;
    Solution s;
    EtatIndice fin = EtatIndice::Absent;
    if (lireFichierOrdinaire(chemin, TailleMaxSolution, texte) == Lecture::Lu &&
        lireSolution(texte, s))
      fin = solutionGagne(depart, s) ? EtatIndice::Disponible : EtatIndice::Refuse;
    if (fin == EtatIndice::Disponible) solution_ = std::move(s);
    etat_.store(fin, std::memory_order_release);
  });
}
