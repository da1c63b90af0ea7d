#include "screens/ecran_options.h"

#include <SDL.h>

#include <memory>
#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/entier.h"
#include "gui/gui.h"
#include "gui/liste.h"
#include "gui/widgets.h"
#include "platform/choix_options.h"
#include "platform/options.h"
#include "render/glext.h"
#include "screens/boucle_ecran.h"
#include "screens/cadre_menus.h"

namespace {

// The full-screen modes SDL knows; none when it lists nothing or says any size will do.
std::vector<ModeEcran> modesEcran() {
  std::vector<ModeEcran> modes;
  SDL_Rect** liste = SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_HWSURFACE);
  if (liste == nullptr || liste == reinterpret_cast<SDL_Rect**>(-1)) {
    journal(liste ? "Modes video : toutes tailles" : "Modes video : aucun");
    return modes;
  }
  for (int i = 0; liste[i]; ++i) modes.push_back({liste[i]->w, liste[i]->h});
  return modes;
}

}  // namespace

int ecranOptions() {
  int resultat = 0;
  const bool cubeMap = glext && glext->cubeMapDisponible();
  const bool shaders = glext && glext->shaderDisponible();
  ChoixOptions choix = choixDepuisOptions(options, modesEcran(), cubeMap, shaders);
  auto t = [](const char* cle) { return traducteur->traduire(cle); };

  std::unique_ptr<ZoneGUI> panneau(gui->nouvelleZone());
  panneau->appliquerStyle(gui->stylePanneau);
  panneau->setPropriete(PROP_X, 10);
  panneau->setPropriete(PROP_Y, 10);
  panneau->setPropriete(PROP_LARGEUR, 620);
  panneau->setPropriete(PROP_HAUTEUR, 460);

  std::vector<std::unique_ptr<ObjHelpGUI>> widgets;
  auto label = [&](int x, int y, int largeur, const std::string& texte) {
    widgets.push_back(std::make_unique<LabelGUI>(x, y, largeur, texte, RappelGUI(), 0));
  };
  auto caseACocher = [&](int y, const char* cle, bool coche) {
    auto c = std::make_unique<CheckGUI>(350, y, 250, t(cle), coche, RappelGUI(), 0);
    CheckGUI* p = c.get();
    widgets.push_back(std::move(c));
    return p;
  };
  auto nombre = [&](int y, const char* cle, int valeur, int min, int max) {
    label(350, y, 100, t(cle));
    auto n = std::make_unique<IntGUI>(valeur, min, max, 430, y, 80, RappelGUI(), 0);
    IntGUI* p = n.get();
    widgets.push_back(std::move(n));
    return p;
  };

  label(50, 50, 100, t("Resolution"));
  auto resolutions = std::make_unique<ListGUI>(50, 70, 110, 16);
  for (const ModeEcran& m : choix.modes) resolutions->ajouter(ElementListe{texteMode(m), 0});
  resolutions->setSelection(choix.ligneResolution);
  // Scrolled so that the selected mode shows.
  for (int i = 0; i + 16 <= choix.ligneResolution; ++i)
    resolutions->evenement(resolutions->flecheBas()->zone(), -2, EV_APPUI, 0, 0);
  resolutions->rafraichir();
  label(180, 50, 70, t("Antialias"));
  auto antialias = std::make_unique<ListGUI>(180, 70, 70, NbLignesAntialias);
  for (int i = 0; i < NbLignesAntialias; ++i)
    antialias->ajouter(ElementListe{texteLigneAntialias(i), 1 << i});
  antialias->setSelection(choix.ligneAntialias);
  antialias->rafraichir();

  CheckGUI* pleinEcran = caseACocher(50, "PleinEcran", choix.pleinEcran);
  CheckGUI* vsync = caseACocher(70, "VSync", choix.vsync);
  CheckGUI* ips = caseACocher(90, "AfficheIPS", choix.afficheIPS);
  CheckGUI* trente = caseACocher(110, "MenuTrenteImages", choix.menuTrenteImages);
  CheckGUI* daltonien = caseACocher(130, "ModeDaltonien", choix.daltonien);
  CheckGUI* reflets = choix.avecCubeMap ? caseACocher(170, "Reflets", choix.reflets) : nullptr;
  CheckGUI* fond = choix.avecCubeMap ? caseACocher(190, "Fond", choix.fond) : nullptr;
  CheckGUI* fondShader = nullptr;
  IntGUI *nettete = nullptr, *vitesse = nullptr, *iterations = nullptr;
  if (choix.avecShaders) {
    fondShader = caseACocher(210, "FondShader", choix.fondShader);
    nettete = nombre(230, "Net", choix.nettete, 1, 10);
    vitesse = nombre(250, "Vitesse", choix.vitesse, 1, 4);
    iterations = nombre(270, "Iter", choix.iterations, 8, 60);
  }
  const RappelGUI bouton = [&](ZoneGUI*, int donnee, int type, int, int) {
    if (type == EV_RELACHE && resultat == 0) resultat = donnee;
  };
  widgets.push_back(std::make_unique<BoutonGUI>(240, 430, 50, t("OK"), bouton, OptionsConfirmees));
  widgets.push_back(std::make_unique<BoutonGUI>(350, 430, 50, t("Ret"), bouton, OptionsRetour));

  GestionnairesEcran ecran;
  ecran.fini = [&] { return resultat != 0; };
  ecran.dessiner = dessinerCadreMenus;
  ecran.imagesParSeconde = imagesParSecondeMenus();
  if (bouclerEcran(ecran) == FinEcran::Quitter) resultat = OptionsQuitter;

  if (resultat == OptionsConfirmees) {
    choix.ligneResolution = resolutions->selection();
    choix.ligneAntialias = antialias->selection();
    choix.pleinEcran = pleinEcran->coche();
    choix.vsync = vsync->coche();
    choix.afficheIPS = ips->coche();
    choix.menuTrenteImages = trente->coche();
    choix.daltonien = daltonien->coche();
    if (reflets) choix.reflets = reflets->coche();
    if (fond) choix.fond = fond->coche();
    if (fondShader) {
      choix.fondShader = fondShader->coche();
      choix.nettete = nettete->valeur();
      choix.vitesse = vitesse->valeur();
      choix.iterations = iterations->valeur();
    }
    optionsDepuisChoix(options, choix).sauvegarder();
  }
  widgets.clear();
  resolutions.reset();
  antialias.reset();
  panneau.reset();
  return resultat;
}
