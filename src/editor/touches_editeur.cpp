#include "editor/touches_editeur.h"

#include "base/journal.h"
#include "editor/essai_editeur.h"
#include "editor/etat_editeur.h"
#include "levels/operations_niveaux.h"

bool toucheEditeur(const SDL_Event& e, EtatEditeur& etat, EssaiEditeur& essai) {
  if (e.type != SDL_KEYDOWN) return false;
  const SDLKey k = e.key.keysym.sym;
  const SDLMod mod = e.key.keysym.mod;
  if (k == SDLK_ESCAPE) {
    if (essai.choixDepartEnCours()) essai.annulerChoixDepart();
    else etat.echap();
    return true;
  }
  if (k == SDLK_F5) {
    if (mod & KMOD_SHIFT) essai.choisirDepart();
    else essai.demander();
    return true;
  }
  if (mod & KMOD_CTRL) {
    if (k == SDLK_z && (mod & KMOD_SHIFT)) etat.refaire();
    else if (k == SDLK_z) etat.annuler();
    else if (k == SDLK_y) etat.refaire();
    else if (k == SDLK_s && !etat.dialogueOuvert()) etat.commande(CmdSauver);
    else if (k == SDLK_d) etat.copierNiveau();
    else if (k == SDLK_c) etat.copierSelection();
    else if (k == SDLK_x) etat.couperSelection();
    else if (k == SDLK_v) etat.commencerCollage();
    return k == SDLK_z || k == SDLK_y || k == SDLK_s || k == SDLK_d || k == SDLK_c || k == SDLK_x ||
           k == SDLK_v;
  }
  if (k == SDLK_DELETE && !etat.dialogueOuvert()) {
    etat.effacerSelection();
    return true;
  }
  // Not while a dialog (its fields) is open.
  const int outil = outilPourTouche(k);
  if (outil < 0 || (mod & KMOD_ALT) || etat.dialogueOuvert()) return false;
  journal("Touche " + nomToucheOutil(k) + " : outil " + std::to_string(outil));
  etat.choisirOutil(outil);
  return true;
}

int outilPourTouche(SDLKey touche) {
  if (touche >= SDLK_0 && touche <= SDLK_9) return touche - SDLK_0;
  if (touche >= SDLK_KP0 && touche <= SDLK_KP9) return touche - SDLK_KP0;
  if (touche >= SDLK_a && touche <= SDLK_j) return 10 + (touche - SDLK_a);
  if (touche == SDLK_p) return OutilBalle;
  if (touche == SDLK_s) return OutilSelection;
  return -1;
}

std::string nomToucheOutil(SDLKey touche) {
  const int outil = outilPourTouche(touche);
  if (outil < 0) return "";
  if (touche >= SDLK_KP0 && touche <= SDLK_KP9) return "pavé " + std::to_string(outil);
  return std::string(1, static_cast<char>(touche));  // SDL's codes of digits and letters are ASCII
}
