#include "screens/choix_niveau.h"

#include <algorithm>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "levels/progression.h"
#include "screens/jeu_widgets.h"
#include "screens/suivi_partie.h"

namespace {

// Between the menu's choices (up to x 166) and the catalogue (from W - 250).
constexpr int X = 176;
constexpr int Largeur = 204;
constexpr int Haut = 110;  // under the medal count
constexpr int PasLigne = 24;
const char* const CouleurGagne = "<c88ff88>";

}  // namespace

void ChoixNiveau::suivre(const std::string& chemin, bool visible) {
  if (chemin == chemin_ && visible == visible_) return;
  chemin_ = chemin;
  visible_ = visible;
  boutons_.clear();
  titre_.reset();
  fond_.reset();
  if (!visible || chemin.empty() || !gui) return;

  const EtatFichier e = lireEtatFichier(chemin, progressionJoueur());
  std::vector<int> niveaux = e.atteints();
  // Only the last ones when they would not fit above the menu's bottom line.
  const int place = std::max(1, (gui->hauteur - 40 - Haut - 24) / PasLigne);
  if (static_cast<int>(niveaux.size()) > place)
    niveaux.erase(niveaux.begin(), niveaux.end() - place);
  // A file never won from: Play alone says it all.
  if (niveaux.empty() || e.records.empty()) return;

  const int hauteur = 28 + PasLigne * static_cast<int>(niveaux.size());
  fond_ = fondSombre(X - 4, Haut - 4, Largeur + 8, hauteur);
  const std::string invite = traducteur ? traducteur->traduire("ChoixNiveau") : "ChoixNiveau";
  titre_ = std::make_unique<LabelGUI>(X, Haut, Largeur, invite, RappelGUI(), 0);
  const std::string motNiveau = traducteur ? traducteur->traduire("Niveau") : "Niveau";
  int y = Haut + 24;
  for (int n : niveaux) {
    const auto record = e.records.find(n);
    std::string texte = motNiveau + " " + std::to_string(n);
    std::string ligne = "Choix niveau " + std::to_string(n);
    if (record != e.records.end()) {
      texte = CouleurGagne + texte + "   " + texteSecondes(record->second) + " s";
      ligne += " gagné " + texteSecondes(record->second);
      // A level with targets shows its medal by name, in the medal's colour.
      if (e.objectifsNiveau(n).existent()) {
        const Medaille m = e.medaille(n);
        texte += "   " + texteNomMedaille(m);
        journal(ligne);
        ligne = "Choix niveau " + std::to_string(n) + " médaille " + motMedaille(m);
      }
    }
    journal(ligne);
    const RappelGUI choisir = surClic([this, n] { choisi_ = n; });
    boutons_.push_back(std::make_unique<BoutonGUI>(X, y, Largeur, texte, choisir, n));
    y += PasLigne;
  }
}
