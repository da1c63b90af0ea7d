#include "screens/ecran_langue.h"

#include <memory>
#include <vector>

#include "base/journal.h"
#include "gui/gui.h"
#include "gui/liste.h"
#include "gui/widgets.h"
#include "platform/langues.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "screens/boucle_ecran.h"
#include "screens/cadre_menus.h"
#include "screens/fond_menu.h"

bool ecranLangue() {
  const int W = gui->largeur, H = gui->hauteur;
  const std::vector<LangueListee> langues =
      lireLanguesDisponibles(repertoires->chemin(FichierListeLangues));
  auto liste = std::make_unique<ListGUI>(W / 2 - 100, H / 2 - 150, 200, 15);
  int32_t enVigueur = 0;
  for (size_t k = 0; k < langues.size(); ++k) {
    liste->ajouter(ElementListe{langues[k].nom, static_cast<int32_t>(k)});
    if (langues[k].code == options.Langue) enVigueur = static_cast<int32_t>(k);
  }
  // The language in force is the one selected: OK alone changes nothing.
  liste->setSelection(enVigueur);
  for (int32_t i = 0; i + 15 <= enVigueur; ++i)
    liste->evenement(liste->flecheBas()->zone(), -2, EV_APPUI, 0, 0);
  liste->rafraichir();

  bool fini = false;
  const auto valider = [&] {
    if (fini) return;
    const int32_t i = liste->selection();
    if (i < 0 || i >= static_cast<int32_t>(langues.size())) return;  // empty list
    choisirLangue(langues[i].code);
    fini = true;
  };
  auto ok = std::make_unique<BoutonGUI>(W / 2 + 50, H / 2 + 150, 50, "OK", surClic(valider), 0);

  GestionnairesEcran ecran;
  // Escape goes back to the menu with the language unchanged.
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE && !fini) {
      journal("Langue inchangee");
      fini = true;
    }
  };
  ecran.fini = [&] { return fini; };
  cadrerMenus(ecran);
  const bool quitter = bouclerEcran(ecran) == FinEcran::Quitter;
  ok.reset();
  liste.reset();
  return quitter;
}
