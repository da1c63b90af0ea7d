#include "editor/editeur.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
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
#include "levels/selection_niveaux.h"
#include "platform/repertoires.h"
#include "render/cadre_cases.h"
#include "render/image.h"
#include "render/plateau.h"
#include "screens/boucle_ecran.h"

namespace {

// The marks over the board: the rectangle a Shift + drag would paint, else the cell under the
// pointer (not over a widget, not under a dialog, not while the view is dragged, not once the
// pointer has left the window); the selected block, the block a selection drag covers, where a
// move or a paste would put the block.
void dessinerMarques(const InstantaneTerrain& vue, const SourisEditeur& souris,
                     const EtatEditeur& etat, const std::optional<ZoneCases>& apercu) {
  static const float rectangle[4] = {1.0f, 0.85f, 0.2f, 0.9f};
  static const float survol[4] = {1.0f, 1.0f, 1.0f, 0.8f};
  static const float bloc[4] = {0.3f, 0.9f, 1.0f, 0.9f};
  static const float colle[4] = {0.3f, 0.9f, 1.0f, 1.0f};
  if (const auto r = souris.rectangle()) {
    dessinerCadreCases(vue.camera, gui->ratio, r->debut.colonne, r->debut.ligne, r->fin.colonne,
                       r->fin.ligne, rectangle);
    return;
  }
  if (const auto r = souris.selectionEnCours()) {
    dessinerCadreCases(vue.camera, gui->ratio, r->debut.colonne, r->debut.ligne, r->fin.colonne,
                       r->fin.ligne, bloc);
    return;
  }
  if (const auto& z = etat.selection(); z && !souris.deplacementEnCours())
    dessinerCadreCases(vue.camera, gui->ratio, z->colonne, z->ligne, z->colonne + z->largeur - 1,
                       z->ligne + z->hauteur - 1, bloc);
  if (apercu) {
    dessinerCadreCases(vue.camera, gui->ratio, apercu->colonne, apercu->ligne,
                       apercu->colonne + apercu->largeur - 1, apercu->ligne + apercu->hauteur - 1,
                       colle);
    return;
  }
  if (etat.dialogueOuvert() || gui->zoneSurvol() || souris.glisseVue() || !souris.dansFenetre())
    return;
  int mx = 0, my = 0;
  SDL_GetMouseState(&mx, &my);
  if (const auto c = choisirCase(vue, gui->ratio, mx, my))
    dessinerCadreCases(vue.camera, gui->ratio, c->colonne, c->ligne, c->colonne, c->ligne, survol);
}

// A paste under the pointer or a block being dragged, shown in the frame's copy of the level
// (the next frame copies the level again): where its cells would land, cut at the level's edge.
std::optional<ZoneCases> montrerApercu(InstantaneTerrain& vue, const SourisEditeur& souris,
                                       const EtatEditeur& etat) {
  if (const auto d = souris.deplacementEnCours(); d && etat.selection()) {
    const ZoneCases& z = *etat.selection();
    deplacerZone(vue, z, d->first, d->second);
    return zoneEntre(z.colonne + d->first, z.ligne + d->second,
                     z.colonne + d->first + z.largeur - 1, z.ligne + d->second + z.hauteur - 1,
                     vue.largeur, vue.hauteur);
  }
  if (!etat.collageEnCours() || etat.dialogueOuvert() || gui->zoneSurvol() || !souris.dansFenetre())
    return std::nullopt;
  int mx = 0, my = 0;
  SDL_GetMouseState(&mx, &my);
  const auto c = choisirCase(vue, gui->ratio, mx, my);
  if (!c) return std::nullopt;
  collerZone(vue, pressePapiersSession(), c->colonne, c->ligne);
  return zoneCollee(vue, pressePapiersSession(), c->colonne, c->ligne);
}

std::string dixiemes(float v) {
  const int d = static_cast<int>(std::lround(v * 10.0f));
  return std::to_string(d / 10) + "." + std::to_string(std::abs(d % 10));
}

// The whole level in view (opening, another level shown, Home).
void ajusterVueCourante(EtatEditeur& etat) {
  Niveau& n = etat.courant();
  ajusterVue(n.camera, n.largeur, n.hauteur, cadreEditeur(gui->largeur, gui->hauteur));
  journal("Vue ajustée : niveau " + std::to_string(etat.indiceCourant() + 1) + ", profondeur " +
          std::to_string(static_cast<int>(std::lround(-n.camera.profondeurOeil))));
}

// The keys that move the view: an arrow a cell a press (Shift: half the window; held, the
// key repeats), Home the whole level. Not while a dialog (its spinners, its fields) is open.
bool toucheVue(const SDL_Event& e, EtatEditeur& etat) {
  if (e.type != SDL_KEYDOWN || etat.dialogueOuvert()) return false;
  const SDLKey k = e.key.keysym.sym;
  if (k == SDLK_HOME) {
    ajusterVueCourante(etat);
    return true;
  }
  const int dx = (k == SDLK_RIGHT) - (k == SDLK_LEFT), dy = (k == SDLK_DOWN) - (k == SDLK_UP);
  if (dx == 0 && dy == 0) return false;
  Niveau& n = etat.courant();
  pasVue(n.camera, n.largeur, n.hauteur, dx, dy, (e.key.keysym.mod & KMOD_SHIFT) != 0, gui->largeur,
         gui->hauteur);
  journal("Vue : centre " + dixiemes(n.camera.centreX) + " " + dixiemes(n.camera.centreY));
  return true;
}

// The editor's key repeat (held arrows keep panning), the game's own setting back on leaving.
class RepetitionTouches {
 public:
  RepetitionTouches() {
    SDL_GetKeyRepeat(&delai_, &intervalle_);
    SDL_EnableKeyRepeat(SDL_DEFAULT_REPEAT_DELAY, SDL_DEFAULT_REPEAT_INTERVAL);
  }
  ~RepetitionTouches() { SDL_EnableKeyRepeat(delai_, intervalle_); }
  RepetitionTouches(const RepetitionTouches&) = delete;
  RepetitionTouches& operator=(const RepetitionTouches&) = delete;

 private:
  int delai_ = 0, intervalle_ = 0;
};

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
  RepetitionTouches repetition;
  // The level shown last frame: another one (the spinner, an insert, a delete, an undo) is seen
  // whole at first, without the last one's block.
  int indiceVu = -1;
  size_t nombreVu = 0;
  const auto suivreNiveau = [&] {
    if (etat.indiceCourant() == indiceVu && etat.niveaux().size() == nombreVu) return;
    if (indiceVu >= 0) etat.selectionner(std::nullopt);
    indiceVu = etat.indiceCourant();
    nombreVu = etat.niveaux().size();
    ajusterVueCourante(etat);
  };
  suivreNiveau();
  synchroniserVue(vue, etat.courant());
  uint32_t precedent = SDL_GetTicks();
  EssaiEditeur essai(gui->largeur, gui->hauteur);
  TitreEditeur titre;
  VerificationEditeur verification(gui->largeur, gui->hauteur);
  poserInfobullesEssais(essai.bouton(), verification.bouton());

  const auto refuserEssai = [&] {
    essai.refuser();
    journal("Essai refusé : vérification en cours");
    etat.montrerAvis(traducteur ? traducteur->traduire("EssaiPendantVerif") : "EssaiPendantVerif");
  };

  SourisEditeur souris;
  GestionnairesEcran ecran;
  // The keys held now: with the key repeat on, a second press without a release is a repeat,
  // which only the arrows act on (a held Ctrl+Z or F5 must not act again on each slow frame).
  std::vector<bool> tenues(SDLK_LAST, false);
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type == SDL_ACTIVEEVENT && (e.active.state & SDL_APPINPUTFOCUS))
      tenues.assign(SDLK_LAST, false);  // the releases went to another window
    if ((e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) && e.key.keysym.sym < SDLK_LAST) {
      const SDLKey k = e.key.keysym.sym;
      const bool repetition = e.type == SDL_KEYDOWN && tenues[k];
      tenues[k] = e.type == SDL_KEYDOWN;
      const bool fleche = k == SDLK_LEFT || k == SDLK_RIGHT || k == SDLK_UP || k == SDLK_DOWN;
      if (repetition && !fleche) return;
    }
    // The Check's own keys: Escape stops its search (and closes its dialog), F6 starts one.
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE && verification.ouvert()) {
      verification.annuler();
      return;
    }
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F6) {
      verification.demander();
      return;
    }
    // A play while the Check searches would race it for the level: one at a time.
    if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_F5 && verification.enCours()) {
      refuserEssai();
      return;
    }
    if (toucheVue(e, etat)) return;
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
    // The dialogs the frame's events closed go first, each said in the log.
    for (int n = gui->detruireFermes(); n > 0; --n) journal("Fermeture dialogue");
    titre.mettreAJour(etat.chemin(), etat.modifie());
    suivreNiveau();
    verification.avancer(etat, essai);
    if (verification.enCours() && essai.occupe()) refuserEssai();  // its button
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
    synchroniserVue(vue, n);
  };
  ecran.dessiner = [&](const InstantaneTerrain&, uint32_t ticks) {
    const std::optional<ZoneCases> apercu = montrerApercu(vue, souris, etat);
    dessinerImage(vue, ticks);
    dessinerMarques(vue, souris, etat, apercu);
  };

  const bool quitter = bouclerEcran(ecran) == FinEcran::Quitter;
  // Closing the window ends the program without saving: the edits go to the recovery copy.
  // When it cannot be written the player chooses in a dialog; the window stays until then (a
  // save by the save button settles it too).
  if (quitter && !etat.ecrireRecuperationSiModifie()) {
    etat.proposerEchecCopie();
    ecran.fini = [&] { return etat.sortie() || !etat.modifie(); };
    while (!etat.sortie() && etat.modifie()) bouclerEcran(ecran);
  }
  return quitter;
}
