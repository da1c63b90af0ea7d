#include "editor/editeur.h"

#include <SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "base/journal.h"
#include "editor/essai_editeur.h"
#include "editor/etat_editeur.h"
#include "editor/regles_editeur.h"
#include "editor/verification_editeur.h"
#include "game/instantane.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "platform/repertoires.h"
#include "render/image.h"
#include "render/plateau.h"
#include "screens/boucle_ecran.h"

namespace {

// The level the frame shows and the picking aims at: the current level, its ball on the start.
// The copy reuses its buffers, so a large level costs one memory copy a frame.
void synchroniser(InstantaneTerrain& vue, const Niveau& n) {
  static_cast<Niveau&>(vue) = n;
  vue.balle.x = n.departX;
  vue.balle.y = n.departY;
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
  etat.setDossierUtilisateur(repertoires->chemin("mapsusr/"));
  etat.proposerRecuperation();
  InstantaneTerrain vue;
  synchroniser(vue, etat.courant());
  uint32_t precedent = SDL_GetTicks();
  EssaiEditeur essai(gui->largeur, gui->hauteur);
  VerificationEditeur verification(gui->largeur, gui->hauteur);

  std::optional<CaseChoisie> dernier;  // the drag's last painted cell
  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE) {
      if (verification.ouvert()) verification.annuler();  // a running search stops too
      else etat.echap();
      return;
    }
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F5) {
      essai.demander();
      return;
    }
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F6) {
      verification.demander();
      return;
    }
    if (e.type == SDL_KEYDOWN && (e.key.keysym.mod & KMOD_CTRL)) {
      const SDLKey k = e.key.keysym.sym;
      if (k == SDLK_z && (e.key.keysym.mod & KMOD_SHIFT)) etat.refaire();
      else if (k == SDLK_z) etat.annuler();
      else if (k == SDLK_y) etat.refaire();
      else if (k == SDLK_s && !etat.dialogueOuvert())
        etat.commandeEditeur(nullptr, CmdSauver, EV_RELACHE, 0, 0);
      if (k == SDLK_z || k == SDLK_y || k == SDLK_s) return;
    }
    if (e.type == SDL_MOUSEBUTTONDOWN && !etat.dialogueOuvert() && !gui->zoneSurvol() &&
        (e.button.button == SDL_BUTTON_WHEELUP || e.button.button == SDL_BUTTON_WHEELDOWN)) {
      synchroniser(vue, etat.courant());
      Camera& camera = etat.courant().camera;
      const int sens = e.button.button == SDL_BUTTON_WHEELUP ? -1 : 1;
      if (const auto c = choisirCase(vue, gui->ratio, e.button.x, e.button.y)) {
        const float x = static_cast<float>(c->colonne) + 0.5f, y = static_cast<float>(c->ligne) + 0.5f;
        zoomerVers(camera, sens, &x, &y);
      } else {
        zoomerVers(camera, sens, nullptr, nullptr);
      }
      journal("Zoom : profondeur " + std::to_string(static_cast<int>(-camera.profondeurOeil)));
      return;
    }
    if (!evenementPeint(e, etat.dialogueOuvert(), gui->zoneSurvol() != nullptr)) {
      dernier.reset();  // the drag is over (or never reached the board)
      return;
    }
    const bool appui = e.type == SDL_MOUSEBUTTONDOWN;
    const int mx = appui ? e.button.x : e.motion.x;
    const int my = appui ? e.button.y : e.motion.y;
    synchroniser(vue, etat.courant());
    const auto c = choisirCase(vue, gui->ratio, mx, my);
    if (!c) {
      dernier.reset();  // off the board: the next cell starts a new line
      return;
    }
    // Motion events come a few per frame: the cells between two of them are painted too.
    if (appui || !dernier) {
      etat.peindre(c->colonne, c->ligne);
    } else {
      for (const auto& [col, lig] : casesEntre(dernier->colonne, dernier->ligne, c->colonne, c->ligne))
        etat.peindre(col, lig);
    }
    dernier = c;
  };
  ecran.fini = [&] { return etat.sortie(); };
  ecran.avancer = [&](uint32_t ticks) {
    etat.detruireFermes();
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
      defilerBords(n.camera, n.largeur, n.hauteur, mx, my, gui->largeur, gui->hauteur, dt);
    }
    // The arrow keys pan too, unless a dialog (its spinners, its fields) is open.
    if (!etat.dialogueOuvert()) {
      const Uint8* k = SDL_GetKeyState(nullptr);
      const int dx = (k[SDLK_RIGHT] ? 1 : 0) - (k[SDLK_LEFT] ? 1 : 0);
      const int dy = (k[SDLK_DOWN] ? 1 : 0) - (k[SDLK_UP] ? 1 : 0);
      if (dx || dy) defilerVers(n.camera, n.largeur, n.hauteur, dx, dy, dt);
    }
    synchroniser(vue, n);
  };
  ecran.dessiner = [&](const InstantaneTerrain&, uint32_t ticks) { dessinerImage(vue, ticks); };

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
