#include "editor/essai_editeur.h"

#include <SDL.h>

#include <utility>
#include <vector>

#include "base/etat.h"
#include "base/journal.h"
#include "base/traducteur.h"
#include "editor/etat_editeur.h"
#include "levels/operations_niveaux.h"
#include "gui/gui.h"
#include "screens/jeu.h"

namespace {

constexpr int LargeurBouton = 100;
// How far the editor's zones move out of the window while the level is played.
constexpr int Ecart = 20000;

// Every zone that exists now, out of sight and out of reach until the destructor puts it back:
// the play screen's own widgets, made meanwhile, are the only ones shown.
class MiseAEcart {
 public:
  MiseAEcart() {
    for (ZoneGUI* z : gui->zones()) {
      if (!z) continue;
      zones_.emplace_back(z, z->x);
      z->x = static_cast<int16_t>(z->x - Ecart);
    }
  }
  ~MiseAEcart() {
    for (auto& [z, x] : zones_) z->x = x;
  }
  MiseAEcart(const MiseAEcart&) = delete;
  MiseAEcart& operator=(const MiseAEcart&) = delete;

 private:
  std::vector<std::pair<ZoneGUI*, int16_t>> zones_;
};

}  // namespace

EssaiEditeur::EssaiEditeur(int largeurEcran, int hauteurEcran)
    : largeurEcran_(largeurEcran), hauteurEcran_(hauteurEcran) {
  const std::string texte = traducteur ? traducteur->traduire("Essai") : "Essai";
  bouton_ = std::make_unique<BoutonGUI>(largeurEcran - LargeurBouton - 1, hauteurEcran - 30,
                                        LargeurBouton, texte, surClic([this] { demander(); }), 0);
}

void EssaiEditeur::choisirDepart() {
  depart_.reset();
  const std::string texte = traducteur ? traducteur->traduire("ChoisirDepart") : "ChoisirDepart";
  // Under the tool bar: the bottom row is full of buttons (the Check and test-play ones).
  avisDepart_ = std::make_unique<BoutonGUI>(largeurEcran_ / 2 - 150, 40, 300, texte, nullptr, 0);
  journal("Essai : choix de la case de départ");
}

void EssaiEditeur::annulerChoixDepart() {
  avisDepart_.reset();
  journal("Essai : choix de la case de départ abandonné");
}

void EssaiEditeur::demanderDepuis(int colonne, int ligne) {
  avisDepart_.reset();
  depart_ = std::make_pair(colonne, ligne);
  demande_ = true;
}

void EssaiEditeur::montrer(const Niveau& niveau, int numero, Solution route) {
  avisDepart_.reset();
  depart_.reset();
  niveauRoute_ = std::make_unique<Niveau>(niveau);
  numeroRoute_ = numero;
  route_ = std::move(route);
  demande_ = true;
}

void EssaiEditeur::executer(EtatEditeur& etat) {
  if (!demande_) return;
  demande_ = false;
  const auto depart = std::exchange(depart_, std::nullopt);
  const std::unique_ptr<Niveau> niveauRoute = std::move(niveauRoute_);
  const Solution route = std::move(route_);
  route_.clear();
  if (etat.dialogueOuvert() || etat.choixCouleur()) {
    journal("Essai refusé : dialogue ouvert");
    return;
  }
  // Edits so far are one step of their own, before and after the play alike.
  etat.validerHistorique();
  Niveau niveau = niveauRoute ? *niveauRoute : etat.courant();
  const int numero = niveauRoute ? numeroRoute_ : etat.indiceCourant() + 1;
  // The copy starts where the author clicked, as the ball tool would have put it.
  if (depart) {
    appliquerOutil(niveau, OutilBalle, depart->first, depart->second);
    journal("Essai depuis la case " + std::to_string(depart->first) + ", " +
            std::to_string(depart->second));
  }
  gui->detruireFermes();
  FinEssai fin;
  {
    MiseAEcart ecart;
    // The play reads held keys: the editor's key repeat would only add presses.
    int delai = 0, intervalle = 0;
    SDL_GetKeyRepeat(&delai, &intervalle);
    SDL_EnableKeyRepeat(0, 0);
    modeEditeur = false;  // the cells only the editor shows stay hidden, as in play
    fin = essayerNiveau(niveau, etat.chemin(), numero, niveauRoute ? &route : nullptr,
                        static_cast<int>(etat.niveaux().size()));
    modeEditeur = true;
    SDL_EnableKeyRepeat(delai, intervalle);
  }
  journal("Retour à l'éditeur : niveau " + std::to_string(numero));
  if (fin == FinEssai::Fenetre) {
    SDL_Event quitter{};
    quitter.type = SDL_QUIT;
    SDL_PushEvent(&quitter);
  }
}
