#include "screens/ecran_options.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/journal.h"
#include "base/raison_ecriture.h"
#include "base/traducteur.h"
#include "game/touches.h"
#include "gui/dialogue.h"
#include "gui/entier.h"
#include "gui/gui.h"
#include "gui/liste.h"
#include "gui/saisie.h"
#include "gui/widgets.h"
#include "platform/choix_options.h"
#include "platform/options.h"
#include "platform/touches_options.h"
#include "render/fenetre.h"
#include "render/glext.h"
#include "screens/aide_touches.h"
#include "screens/boucle_ecran.h"
#include "screens/cadre_menus.h"
#include "screens/fond_menu.h"
#include "sound/sons.h"

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

namespace {

// Volumes move by tens: a click is a step the ear hears, and 0..100 takes ten clicks.
int32_t dizaineSuivante(int32_t v, bool plus) { return plus ? (v + 9) / 10 * 10 : v / 10 * 10; }

// The play keys' rows, in the order of ActionJeu.
const char* const ClesLibellesTouches[NombreActionsJeu] = {
    "TGauche", "TDroite", "TBombe", "TRecommencer", "TPause", "TIndice", "TApercu"};

void appliquerVolumes(int32_t musique, int32_t effets) {
  if (!sons) return;
  Options o;
  o.VolumeMusique = musique;
  o.VolumeEffets = effets;
  sons->reglerVolumes(o.volumeMusiqueMixer(), o.volumeEffetsMixer());
}

}  // namespace

int ecranOptions() {
  int resultat = 0;
  const bool cubeMap = glext && glext->cubeMapDisponible();
  const bool shaders = glext && glext->shaderDisponible();
  int largeurBureau = 0, hauteurBureau = 0;
  tailleBureau(largeurBureau, hauteurBureau);
  ChoixOptions choix = choixDepuisOptions(
      options, modesProposes(modesEcran(), largeurBureau, hauteurBureau), cubeMap, shaders);
  auto t = [](const char* cle) { return traducteur->traduire(cle); };

  std::unique_ptr<ZoneGUI> panneau = gui->nouvelleZone();
  panneau->appliquerStyle(gui->stylePanneau);
  panneau->setPropriete(PROP_X, 10);
  panneau->setPropriete(PROP_Y, 10);
  panneau->setPropriete(PROP_LARGEUR, 620);
  panneau->setPropriete(PROP_HAUTEUR, 460);

  // The help line at the bottom of the panel: one sentence about the item under the pointer.
  auto ligneAide = std::make_unique<LabelGUI>(20, 407, 600, "", RappelGUI(), 0);
  auto aide = [&](const char* cle) -> RappelGUI {
    const std::string texte = "<c99ccff>" + traducteur->traduire(std::string("Aide") + cle);
    return [&ligneAide, texte](ZoneGUI*, int, int type, int, int) {
      if (type == EV_ENTREE) ligneAide->zone()->setTexte(texte);
      if (type == EV_SORTIE) ligneAide->zone()->setTexte("");
    };
  };

  std::vector<std::unique_ptr<ObjHelpGUI>> widgets;
  auto label = [&](int x, int y, int largeur, const char* cle, const char* cleAide = nullptr) {
    widgets.push_back(
        std::make_unique<LabelGUI>(x, y, largeur, t(cle), aide(cleAide ? cleAide : cle), 0));
  };
  auto caseACocher = [&](int y, const char* cle, bool coche) {
    auto c = std::make_unique<CheckGUI>(350, y, 250, t(cle), coche, aide(cle), 0);
    CheckGUI* p = c.get();
    widgets.push_back(std::move(c));
    return p;
  };
  auto nombre = [&](int y, const char* cle, int valeur, int min, int max) {
    label(350, y, 80, cle);
    auto n = std::make_unique<IntGUI>(valeur, min, max, 430, y, 80, aide(cle), 0);
    IntGUI* p = n.get();
    widgets.push_back(std::move(n));
    return p;
  };

  label(50, 50, 100, "Resolution");
  auto resolutions = std::make_unique<ListGUI>(50, 70, 110, 16);
  for (const ModeEcran& m : choix.modes) resolutions->ajouter(ElementListe{texteMode(m), 0});
  resolutions->setSelection(choix.ligneResolution);
  // Scrolled so that the selected mode shows.
  for (int i = 0; i + 16 <= choix.ligneResolution; ++i)
    resolutions->evenement(resolutions->flecheBas()->zone(), -2, EV_APPUI, 0, 0);
  resolutions->rafraichir();
  label(180, 50, 70, "Antialias");
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

  // Sound volumes, heard at once while they change; "Ret" puts the running ones back.
  int32_t volumeMusique = std::clamp(options.VolumeMusique, 0, 100);
  int32_t volumeEffets = std::clamp(options.VolumeEffets, 0, 100);
  IntGUI* nombresVolume[2] = {};
  auto volume = [&](int y, const char* cle, int i, int32_t& valeur, const char* ligneJournal) {
    label(180, y, 150, cle);
    const RappelGUI aideVolume = aide(cle);
    auto n = std::make_unique<IntGUI>(
        valeur, 0, 100, 180, y + 20, 80,
        [&, i, aideVolume, ligneJournal](ZoneGUI* z, int d, int type, int x, int yy) {
          aideVolume(z, d, type, x, yy);
          if (type != EV_PLUS && type != EV_MOINS) return;
          IntGUI* nombre = nombresVolume[i];
          nombre->setValeur(dizaineSuivante(nombre->valeur(), type == EV_PLUS));
          valeur = nombre->valeur();
          journal(std::string(ligneJournal) + std::to_string(valeur));
          appliquerVolumes(volumeMusique, volumeEffets);
        },
        0);
    nombresVolume[i] = n.get();
    widgets.push_back(std::move(n));
    return nombresVolume[i];
  };
  IntGUI* nombreMusique = volume(190, "VolumeMusique", 0, volumeMusique, "Volume musique ");
  IntGUI* nombreEffets = volume(240, "VolumeEffets", 1, volumeEffets, "Volume effets ");

  // The GUI's scale: a click moves to the next choice (Auto, 1 to 4); it holds once confirmed.
  int echelle = choix.echelle;
  auto texteEchelle = [&](int e) { return e == 0 ? t("EchelleAuto") : std::to_string(e); };
  label(180, 290, 150, "Echelle");
  BoutonGUI* boutonEchelle = nullptr;
  {
    const RappelGUI aideEchelle = aide("Echelle");
    auto b =
        std::make_unique<BoutonGUI>(180, 310, 80, texteEchelle(echelle),
                                    surClic(
                                        [&] {
                                          echelle = echelleSuivante(echelle);
                                          boutonEchelle->zone()->setTexte(texteEchelle(echelle));
                                          journal("Echelle choisie : " + std::to_string(echelle));
                                        },
                                        aideEchelle),
                                    0);
    boutonEchelle = b.get();
    widgets.push_back(std::move(b));
  }

  // The play keys: a click on a key's button waits for the next key pressed, which takes the
  // place. Escape gives the wait up; Enter and the keys the play screen keeps are refused; a key
  // another action holds is swapped with it (the help line says so): one key, one action.
  int32_t touches[NombreActionsJeu];
  BoutonGUI* boutonsTouches[NombreActionsJeu] = {};
  int attenteTouche = -1;
  auto montrerTouche = [&](int i) { boutonsTouches[i]->zone()->setTexte(nomTouche(touches[i])); };
  for (int i = 0; i < NombreActionsJeu; ++i) {
    const auto action = static_cast<ActionJeu>(i);
    touches[i] = toucheDe(action);
    const int y = 290 + 19 * i;
    label(350, y, 120, ClesLibellesTouches[i], "Touche");
    const RappelGUI aideTouche = aide("Touche");
    auto b =
        std::make_unique<BoutonGUI>(470, y, 130, nomTouche(touches[i]),
                                    surClic(
                                        [&, i] {
                                          if (attenteTouche >= 0) montrerTouche(attenteTouche);
                                          attenteTouche = i;
                                          boutonsTouches[i]->zone()->setTexte(
                                              "<cffdd77>" + traducteur->traduire("AppuyezTouche"));
                                        },
                                        aideTouche),
                                    0);
    boutonsTouches[i] = b.get();
    widgets.push_back(std::move(b));
  }
  auto capturerTouche = [&](int32_t touche) {
    const int i = attenteTouche;
    attenteTouche = -1;
    const std::string cle = cleOptionTouche(static_cast<ActionJeu>(i));
    if (touche == SDLK_ESCAPE) {
      montrerTouche(i);
      journal("Touche " + cle + " : saisie annulée");
      return;
    }
    int autre = -1;
    VerdictTouche verdict = jugerTouche(touches, i, touche, &autre);
    // A swap must leave the other action a key it may have.
    if (verdict == VerdictTouche::Prise && toucheReservee(autre, touches[i]))
      verdict = VerdictTouche::Reservee;
    if (verdict == VerdictTouche::Reservee) {
      montrerTouche(i);
      ligneAide->zone()->setTexte("<cff9977>" + t("ToucheReservee"));
      journal("Touche " + cle + " refusée : " + std::to_string(touche));
      return;
    }
    if (verdict == VerdictTouche::Prise) {
      touches[autre] = touches[i];
      montrerTouche(autre);
      ligneAide->zone()->setTexte("<cffdd77>" + t("TouchesEchangees"));
      journal(std::string("Touche ") + cleOptionTouche(static_cast<ActionJeu>(autre)) + " = " +
              std::to_string(touches[autre]) + " (échangée avec " + cle + ")");
    }
    touches[i] = touche;
    montrerTouche(i);
    journal("Touche " + cle + " = " + std::to_string(touche));
  };

  const auto bouton = [&](int donnee) {
    return surClic([&resultat, donnee] {
      if (resultat == 0) resultat = donnee;
    });
  };
  widgets.push_back(std::make_unique<BoutonGUI>(240, 430, 50, t("OK"), bouton(OptionsConfirmees),
                                                OptionsConfirmees));
  widgets.push_back(
      std::make_unique<BoutonGUI>(350, 430, 50, t("Ret"), bouton(OptionsRetour), OptionsRetour));

  // A save that failed: said in a dialog, and the screen stays so the player can go back.
  DialogueGUI* erreur = nullptr;  // open, the manager's
  auto fermerErreur = [&] {
    if (!erreur) return;
    gui->fermerDialogue(erreur);
    erreur = nullptr;
    journal("Dialogue d'erreur ferme");
  };
  auto montrerErreur = [&](RaisonEcriture raison) {
    fermerErreur();
    erreur = gui->ouvrirDialogue(std::make_unique<DialogueGUI>(360, 100));
    erreur->setTitre(t("OptionsNonSauvees"));
    erreur->ajouterBouton(t("OK"), surClic([&] { fermerErreur(); }), 0);
    erreur->ajouterTexte(t("OptionsGardees"));
    erreur->ajouterTexte(t(cleRaisonEcriture(raison)));
    journal(std::string("Options non sauvegardees : ") + cleRaisonEcriture(raison));
  };

  auto copieDesChoix = [&] {
    choix.ligneResolution = resolutions->selection();
    choix.ligneAntialias = antialias->selection();
    choix.pleinEcran = pleinEcran->coche();
    choix.vsync = vsync->coche();
    choix.afficheIPS = ips->coche();
    choix.menuTrenteImages = trente->coche();
    choix.daltonien = daltonien->coche();
    choix.echelle = echelle;
    if (reflets) choix.reflets = reflets->coche();
    if (fond) choix.fond = fond->coche();
    if (fondShader) {
      choix.fondShader = fondShader->coche();
      choix.nettete = nettete->valeur();
      choix.vitesse = vitesse->valeur();
      choix.iterations = iterations->valeur();
    }
    Options copie = optionsDepuisChoix(options, choix);
    copie.VolumeMusique = nombreMusique->valeur();
    copie.VolumeEffets = nombreEffets->valeur();
    copie.ToucheGauche = touches[0];
    copie.ToucheDroite = touches[1];
    copie.ToucheBombe = touches[2];
    copie.ToucheRecommencer = touches[3];
    copie.TouchePause = touches[4];
    copie.ToucheIndice = touches[5];
    copie.ToucheApercu = touches[6];
    return copie;
  };

  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return;
    const SDLKey touche = e.key.keysym.sym;
    if (attenteTouche >= 0) {
      capturerTouche(touche);
      return;
    }
    if (touche != SDLK_ESCAPE) return;
    // Escape: the dialog first, then the screen itself (as "Ret").
    if (erreur) {
      fermerErreur();
    } else if (resultat == 0) {
      resultat = OptionsRetour;
    }
  };
  ecran.fini = [&] {
    if (resultat != OptionsConfirmees) return resultat != 0;
    const Options copie = copieDesChoix();
    RaisonEcriture raison = RaisonEcriture::Aucune;
    if (!copie.sauvegarder(&raison)) {
      montrerErreur(raison);
      resultat = 0;
      return false;
    }
    if (!redemarrageNecessaire(options, copie)) {
      // Volumes, keys and the menus' frame cap need no restart: they hold from now on.
      options.MenuTrenteImages = copie.MenuTrenteImages;
      options.VolumeMusique = copie.VolumeMusique;
      options.VolumeEffets = copie.VolumeEffets;
      options.ToucheGauche = copie.ToucheGauche;
      options.ToucheDroite = copie.ToucheDroite;
      options.ToucheBombe = copie.ToucheBombe;
      options.ToucheRecommencer = copie.ToucheRecommencer;
      options.TouchePause = copie.TouchePause;
      options.ToucheIndice = copie.ToucheIndice;
      options.ToucheApercu = copie.ToucheApercu;
      if (options.EchelleInterface != copie.EchelleInterface) {
        options.EchelleInterface = copie.EchelleInterface;
        gui->setChoixEchelle(options.EchelleInterface);
        gui->redimensionner(gui->largeurPixels, gui->hauteurPixels);
      }
      resultat = OptionsEnregistrees;
    }
    return true;
  };
  cadrerMenus(ecran);
  if (bouclerEcran(ecran) == FinEcran::Quitter) resultat = OptionsQuitter;
  // Anything but a save puts the running volumes back.
  if (resultat != OptionsConfirmees && resultat != OptionsEnregistrees)
    appliquerVolumes(options.VolumeMusique, options.VolumeEffets);

  if (erreur) gui->fermerDialogue(erreur);
  gui->detruireFermes();
  widgets.clear();
  resolutions.reset();
  antialias.reset();
  ligneAide.reset();
  panneau.reset();
  return resultat;
}
