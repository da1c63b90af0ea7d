#include "editor/editeur.h"

#include <SDL.h>

#include <string>
#include <vector>

#include "base/journal.h"
#include "editor/essai_editeur.h"
#include "editor/etat_editeur.h"
#include "editor/infobulles_editeur.h"
#include "editor/regles_editeur.h"
#include "editor/souris_editeur.h"
#include "editor/titre_editeur.h"
#include "editor/touches_editeur.h"
#include "editor/verification_editeur.h"
#include "editor/vue_editeur.h"
#include "game/instantane.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "levels/fichiers_edition.h"
#include "platform/repertoires.h"
#include "render/cadre_cases.h"
#include "render/image.h"
#include "render/plateau.h"
#include "screens/boucle_ecran.h"

namespace {

// The marks over the board: the rectangle a Shift + drag would paint, else the cell under the
// pointer (not over a widget, not under a dialog, not while the view is dragged, not once the
// pointer has left the window).
void dessinerMarques(const InstantaneTerrain& vue, const SourisEditeur& souris,
                     const EtatEditeur& etat) {
  static const float rectangle[4] = {1.0f, 0.85f, 0.2f, 0.9f};
  static const float survol[4] = {1.0f, 1.0f, 1.0f, 0.8f};
  if (const auto r = souris.rectangle()) {
    dessinerCadreCases(vue.camera, gui->ratio, r->debut.colonne, r->debut.ligne, r->fin.colonne,
                       r->fin.ligne, rectangle);
    return;
  }
  if (etat.dialogueOuvert() || gui->zoneSurvol() || souris.glisseVue() || !souris.dansFenetre())
    return;
  int mx = 0, my = 0;
  SDL_GetMouseState(&mx, &my);
  if (const auto c = choisirCase(vue, gui->ratio, mx, my))
    dessinerCadreCases(vue.camera, gui->ratio, c->colonne, c->ligne, c->colonne, c->ligne, survol);
}

}  // namespace

bool editeur(const std::string& fichier) {
  if (!repertoires || !fichierModifiable(fichier, repertoires->chemin("mapsusr/"))) {
    journal("***** Erreur : Fichier " + fichier + " hors des niveaux du joueur, non modifiable");
    return false;
  }
  std::vector<Niveau> niveaux;
  if (chargerTout(fichier, niveaux) < 1) {
    journal("***** Erreur : Fichier " + fichier + " inexistant ou défectueux");
    return false;
  }

  EtatEditeur etat(fichier, std::move(niveaux), gui->largeur, gui->hauteur);
  poserInfobulles(etat);
  etat.setDossierUtilisateur(repertoires->chemin("mapsusr/"));
  etat.proposerRecuperation();
  InstantaneTerrain vue;
  synchroniserVue(vue, etat.courant());
  uint32_t precedent = SDL_GetTicks();
  EssaiEditeur essai(gui->largeur, gui->hauteur);
  TitreEditeur titre;
  VerificationEditeur verification(gui->largeur, gui->hauteur);
  poserInfobullesEssais(essai.bouton(), verification.bouton());

  SourisEditeur souris;
  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    // The Check's own keys: Escape stops its search (and closes its dialog), F6 starts one.
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE && verification.ouvert()) {
      verification.annuler();
      return;
    }
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F6) {
      verification.demander();
      return;
    }
    if (toucheEditeur(e, etat, essai)) return;
    // While a test-play's start cell is being chosen (or the play waits for the next frame), a
    // press picks that cell and no press or drag paints.
    const bool presse = e.type == SDL_MOUSEBUTTONDOWN && e.button.button != SDL_BUTTON_WHEELUP &&
                        e.button.button != SDL_BUTTON_WHEELDOWN;
    if (essai.occupe() && (presse || (e.type == SDL_MOUSEMOTION && e.motion.state != 0))) {
      if (presse && e.button.button == SDL_BUTTON_LEFT && essai.choixDepartEnCours() &&
          !etat.dialogueOuvert() && !gui->zoneSurvol()) {
        synchroniserVue(vue, etat.courant());
        if (const auto c = choisirCase(vue, gui->ratio, e.button.x, e.button.y))
          essai.demanderDepuis(c->colonne, c->ligne);
      }
      return;
    }
    souris.evenement(e, etat, vue);
  };
  ecran.fini = [&] { return etat.sortie(); };
  ecran.avancer = [&](uint32_t ticks) {
    etat.detruireFermes();
    titre.mettreAJour(etat.chemin(), etat.modifie());
    verification.avancer(etat, essai);
    essai.executer(etat);
    // A drag is one step: the changes become a step once every button is up.
    if (SDL_GetMouseState(nullptr, nullptr) == 0) etat.validerHistorique();
    etat.surligner(ticks);
    etat.avancerAvis(ticks);
    const uint32_t dt = dureeDefilement(ticks - precedent);
    precedent = ticks;
    Niveau& n = etat.courant();
    suivreCamera(n.camera, n.departX, n.departY, n.camera.profondeurOeil);
    if (!gui->zoneSurvol()) {
      int mx = 0, my = 0;
      SDL_GetMouseState(&mx, &my);
      defilerBords(n.camera, n.largeur, n.hauteur, mx, my, gui->largeurPixels, gui->hauteurPixels,
                   dt);
    }
    // The arrow keys pan too, unless a dialog (its spinners, its fields) is open.
    if (!etat.dialogueOuvert()) {
      const Uint8* k = SDL_GetKeyState(nullptr);
      const int dx = (k[SDLK_RIGHT] ? 1 : 0) - (k[SDLK_LEFT] ? 1 : 0);
      const int dy = (k[SDLK_DOWN] ? 1 : 0) - (k[SDLK_UP] ? 1 : 0);
      if (dx || dy) defilerVers(n.camera, n.largeur, n.hauteur, dx, dy, dt);
    }
    synchroniserVue(vue, n);
  };
  ecran.dessiner = [&](const InstantaneTerrain&, uint32_t ticks) {
    dessinerImage(vue, ticks);
    dessinerMarques(vue, souris, etat);
  };

  const bool quitter = bouclerEcran(ecran, nullptr) == FinEcran::Quitter;
  // Closing the window ends the program without saving: the edits go to the recovery copy.
  // When it cannot be written the player chooses in a dialog; the window stays until then (a
  // save by the save button settles it too).
  if (quitter && !etat.ecrireRecuperationSiModifie()) {
    etat.proposerEchecCopie();
    ecran.fini = [&] { return etat.sortie() || !etat.modifie(); };
    while (!etat.sortie() && etat.modifie()) bouclerEcran(ecran, nullptr);
  }
  return quitter;
}
