#include "editor/souris_editeur.h"

#include <string>

#include "base/journal.h"
#include "editor/regles_editeur.h"
#include "editor/vue_editeur.h"
#include "gui/gui.h"
#include "levels/operations_niveaux.h"
#include "render/plateau.h"

void synchroniserVue(InstantaneTerrain& vue, const Niveau& n) {
  static_cast<Niveau&>(vue) = n;
  vue.balle.x = n.departX;
  vue.balle.y = n.departY;
}

namespace {

std::optional<CaseChoisie> caseSous(EtatEditeur& etat, InstantaneTerrain& vue, int x, int y) {
  synchroniserVue(vue, etat.courant());
  return choisirCase(vue, gui->ratio, x, y);
}

// Paints the cells one by one through the editor (each change counted for the undo step).
int peindreCases(EtatEditeur& etat, const std::vector<std::pair<int, int>>& cases) {
  int changees = 0;
  for (const auto& [c, l] : cases) changees += etat.peindre(c, l) ? 1 : 0;
  return changees;
}

}  // namespace

std::optional<RectangleCases> SourisEditeur::rectangle() const {
  if (geste_ != Geste::Rectangle) return std::nullopt;
  return rectangle_;
}

std::optional<RectangleCases> SourisEditeur::selectionEnCours() const {
  if (geste_ != Geste::Selection) return std::nullopt;
  return rectangle_;
}

std::optional<std::pair<int, int>> SourisEditeur::deplacementEnCours() const {
  if (geste_ != Geste::Deplacement) return std::nullopt;
  return std::make_pair(rectangle_.fin.colonne - rectangle_.debut.colonne,
                        rectangle_.fin.ligne - rectangle_.debut.ligne);
}

// The selection tool: a press places a shown paste, moves the block it lands in, or starts a
// new block.
void SourisEditeur::appuiSelection(const CaseChoisie& c, EtatEditeur& etat) {
  if (etat.collageEnCours()) {
    etat.collerA(c.colonne, c.ligne);
    geste_ = Geste::Rempli;  // the rest of this press does nothing
    return;
  }
  rectangle_ = {c, c};
  const auto& zone = etat.selection();
  geste_ = zone && zone->contient(c.colonne, c.ligne) ? Geste::Deplacement : Geste::Selection;
}

void SourisEditeur::relacheSelection(EtatEditeur& etat) {
  const Niveau& n = etat.courant();
  if (geste_ == Geste::Selection) {
    etat.selectionner(zoneEntre(rectangle_.debut.colonne, rectangle_.debut.ligne,
                                rectangle_.fin.colonne, rectangle_.fin.ligne, n.largeur,
                                n.hauteur));
  } else if (geste_ == Geste::Deplacement) {
    etat.deplacerSelection(rectangle_.fin.colonne - rectangle_.debut.colonne,
                           rectangle_.fin.ligne - rectangle_.debut.ligne);
  }
}

void SourisEditeur::evenement(const SDL_Event& e, EtatEditeur& etat, InstantaneTerrain& vue) {
  switch (e.type) {
    case SDL_MOUSEBUTTONDOWN: appui(e.button, etat, vue); break;
    case SDL_MOUSEBUTTONUP: relache(e.button, etat, vue); break;
    case SDL_MOUSEMOTION:
      dansFenetre_ = true;
      mouvement(e.motion, etat, vue);
      break;
    case SDL_ACTIVEEVENT:
      if (e.active.state & SDL_APPMOUSEFOCUS) dansFenetre_ = e.active.gain != 0;
      break;
    default: break;
  }
}

void SourisEditeur::appui(const SDL_MouseButtonEvent& b, EtatEditeur& etat,
                          InstantaneTerrain& vue) {
  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button = b;
  if (etat.dialogueOuvert() || gui->zoneSurvol()) return;
  if (b.button == SDL_BUTTON_WHEELUP || b.button == SDL_BUTTON_WHEELDOWN) {
    Camera& camera = etat.courant().camera;
    const int sens = b.button == SDL_BUTTON_WHEELUP ? -1 : 1;
    if (const auto c = caseSous(etat, vue, b.x, b.y)) {
      const float x = static_cast<float>(c->colonne) + 0.5f,
                  y = static_cast<float>(c->ligne) + 0.5f;
      zoomerVers(camera, sens, &x, &y);
    } else {
      zoomerVers(camera, sens, nullptr, nullptr);
    }
    journal("Zoom : profondeur " + std::to_string(static_cast<int>(-camera.profondeurOeil)));
    return;
  }
  if (b.button == SDL_BUTTON_MIDDLE) {
    geste_ = Geste::Vue;
    x_ = b.x;
    y_ = b.y;
    return;
  }
  if (!evenementPeint(e, false, false)) return;
  const auto c = caseSous(etat, vue, b.x, b.y);
  dernier_.reset();
  geste_ = Geste::Aucun;
  if (!c) return;
  if (etat.outil() == OutilSelection) {
    if (b.button == SDL_BUTTON_LEFT) appuiSelection(*c, etat);
    else geste_ = Geste::Rempli;
    return;
  }
  // The ball's start is no cell code: with its tool the modifiers change nothing.
  const SDLMod mod = SDL_GetModState();
  const bool outilCase = etat.outil() != OutilBalle;
  if (outilCase && b.button == SDL_BUTTON_LEFT && (mod & KMOD_CTRL)) {
    const int n =
        peindreCases(etat, casesRemplissage(etat.courant(), etat.outil(), c->colonne, c->ligne));
    journal("Remplissage : " + std::to_string(n) + " cases");
    geste_ = Geste::Rempli;  // the rest of this press paints nothing
    return;
  }
  if (outilCase && b.button == SDL_BUTTON_LEFT && (mod & KMOD_SHIFT)) {
    geste_ = Geste::Rectangle;
    rectangle_ = {*c, *c};
    return;
  }
  etat.peindre(c->colonne, c->ligne);
  dernier_ = c;
  geste_ = Geste::Trait;
}

void SourisEditeur::relache(const SDL_MouseButtonEvent& b, EtatEditeur& etat,
                            InstantaneTerrain& vue) {
  if (b.button == SDL_BUTTON_MIDDLE && geste_ == Geste::Vue) {
    geste_ = Geste::Aucun;
    const Camera& k = etat.courant().camera;
    journal("Vue glissée : centre " + std::to_string(static_cast<int>(k.centreX)) + " " +
            std::to_string(static_cast<int>(k.centreY)));
    return;
  }
  if (b.button != SDL_BUTTON_LEFT) return;
  dernier_.reset();
  if ((geste_ == Geste::Selection || geste_ == Geste::Deplacement) && !etat.dialogueOuvert()) {
    // Released off the board (or over a widget): the last cell the drag reached.
    if (!gui->zoneSurvol())
      if (const auto c = caseSous(etat, vue, b.x, b.y)) rectangle_.fin = *c;
    relacheSelection(etat);
  }
  if (geste_ == Geste::Rectangle && !etat.dialogueOuvert()) {
    // Released off the board (or over a widget): the last cell the drag reached.
    if (!gui->zoneSurvol())
      if (const auto c = caseSous(etat, vue, b.x, b.y)) rectangle_.fin = *c;
    const Niveau& n = etat.courant();
    const int changees = peindreCases(
        etat, casesRectangle(rectangle_.debut.colonne, rectangle_.debut.ligne,
                             rectangle_.fin.colonne, rectangle_.fin.ligne, n.largeur, n.hauteur));
    journal("Rectangle : " + std::to_string(changees) + " cases");
  }
  geste_ = Geste::Aucun;
}

void SourisEditeur::mouvement(const SDL_MouseMotionEvent& m, EtatEditeur& etat,
                              InstantaneTerrain& vue) {
  if (geste_ == Geste::Vue) {
    if (!(m.state & SDL_BUTTON(SDL_BUTTON_MIDDLE))) {
      geste_ = Geste::Aucun;  // its release was lost (outside the window)
      return;
    }
    Niveau& n = etat.courant();
    glisserVue(n.camera, n.largeur, n.hauteur, m.x - x_, m.y - y_, gui->hauteurPixels);
    x_ = m.x;
    y_ = m.y;
    return;
  }
  if (geste_ == Geste::Rectangle || geste_ == Geste::Rempli || geste_ == Geste::Selection ||
      geste_ == Geste::Deplacement) {
    if (!(m.state & SDL_BUTTON(SDL_BUTTON_LEFT))) {
      geste_ = Geste::Aucun;  // its release was lost: a rectangle never paints without one
      return;
    }
    if (geste_ != Geste::Rempli && !gui->zoneSurvol())
      if (const auto c = caseSous(etat, vue, m.x, m.y)) rectangle_.fin = *c;
    return;
  }
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion = m;
  if (!evenementPeint(e, etat.dialogueOuvert(), gui->zoneSurvol() != nullptr)) {
    dernier_.reset();  // the drag is over (or never reached the board)
    return;
  }
  const auto c = caseSous(etat, vue, m.x, m.y);
  if (!c) {
    dernier_.reset();  // off the board: the next cell starts a new line
    return;
  }
  // Motion events come a few per frame: the cells between two of them are painted too.
  if (!dernier_) {
    etat.peindre(c->colonne, c->ligne);
  } else {
    for (const auto& [col, lig] :
         casesEntre(dernier_->colonne, dernier_->ligne, c->colonne, c->ligne))
      etat.peindre(col, lig);
  }
  dernier_ = c;
  geste_ = Geste::Trait;
}
