#include "screens/ecran_langue.h"

#include <memory>
#include <vector>

#include "gui/gui.h"
#include "gui/liste.h"
#include "gui/widgets.h"
#include "platform/langues.h"
#include "platform/repertoires.h"
#include "screens/boucle_ecran.h"
#include "screens/cadre_menus.h"

bool ecranLangue() {
  const int W = gui->largeur, H = gui->hauteur;
  const std::vector<LangueListee> langues =
      lireLanguesDisponibles(repertoires->chemin(FichierListeLangues));
  auto liste = std::make_unique<ListGUI>(W / 2 - 100, H / 2 - 150, 200, 15);
  for (size_t k = 0; k < langues.size(); ++k)
    liste->ajouter(ElementListe{langues[k].nom, static_cast<int32_t>(k)});
  liste->rafraichir();

  bool fini = false;
  auto ok = std::make_unique<BoutonGUI>(
      W / 2 + 50, H / 2 + 150, 50, "OK",
      [&](ZoneGUI*, int, int type, int, int) {
        if (type != EV_RELACHE || fini) return;
        const int32_t i = liste->selection();
        if (i < 0 || i >= static_cast<int32_t>(langues.size())) return;  // empty list
        choisirLangue(langues[i].code);
        fini = true;
      },
      0);

  GestionnairesEcran ecran;
  ecran.fini = [&] { return fini; };
  ecran.dessiner = dessinerCadreMenus;
  ecran.imagesParSeconde = imagesParSecondeMenus();
  const bool quitter = bouclerEcran(ecran) == FinEcran::Quitter;
  ok.reset();
  liste.reset();
  return quitter;
}
