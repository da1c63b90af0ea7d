#include "editor/titre_editeur.h"

#include <SDL.h>

#include <filesystem>

#include "base/journal.h"

namespace {

constexpr const char* TitreJeu = "Zarvinel";

}  // namespace

std::string titreEditeur(const std::string& chemin, bool modifie) {
  return std::string(TitreJeu) + " - " + std::filesystem::path(chemin).filename().string() +
         (modifie ? " *" : "");
}

void TitreEditeur::mettreAJour(const std::string& chemin, bool modifie) {
  std::string titre = titreEditeur(chemin, modifie);
  if (titre == actuel_) return;
  actuel_ = std::move(titre);
  SDL_WM_SetCaption(actuel_.c_str(), nullptr);
  journal("Titre : " + actuel_);
}

TitreEditeur::~TitreEditeur() {
  if (actuel_.empty()) return;
  SDL_WM_SetCaption(TitreJeu, nullptr);
  journal(std::string("Titre : ") + TitreJeu);
}
