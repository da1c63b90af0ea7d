#include "gui/gui.h"

#include <algorithm>
#include <string>

#include "base/journal.h"
#include "gui/echelle.h"

#include "gui/dialogue.h"

Gui* gui = nullptr;

Gui::Gui(int32_t l, int32_t h) { appliquerTaille(l, h); }

// The dialogs' and the tooltip's zones go while the manager is still whole.
Gui::~Gui() {
  ouverts_.clear();
  fermes_.clear();
  bulle_.reset();
}

void Gui::appliquerTaille(int32_t l, int32_t h) {
  echelle_ = echelleInterface(choixEchelle_, l, h);
  largeurPixels = l;
  hauteurPixels = h;
  largeur = l / echelle_;
  hauteur = h / echelle_;
  ratio = h != 0 ? static_cast<float>(l) / static_cast<float>(h) : 1.0f;
}

void Gui::redimensionner(int32_t l, int32_t h) {
  appliquerTaille(l, h);
  if (echelle_ == echelleAnnoncee_) return;
  echelleAnnoncee_ = echelle_;
  journal("Echelle de l'interface : " + std::to_string(echelle_));
}

EtatSouris Gui::sourisInterface(EtatSouris s) const {
  s.x = versInterface(s.x, echelle_);
  s.y = versInterface(s.y, echelle_);
  return s;
}

std::unique_ptr<ZoneGUI> Gui::nouvelleZone() {
  uint16_t zMax = 0;
  for (const ZoneGUI* z : zones_)
    if (z && z->z > zMax) zMax = z->z;
  std::unique_ptr<ZoneGUI> zone(new ZoneGUI());
  auto vide = std::find(zones_.begin(), zones_.end(), nullptr);
  if (vide != zones_.end()) {
    zone->z = static_cast<uint16_t>(zMax + 10);
    *vide = zone.get();
  } else {
    zone->z = static_cast<uint16_t>(zMax + 1);
    zones_.push_back(zone.get());
  }
  return zone;
}

ZoneGUI* Gui::zoneSous(int x, int y) const {
  ZoneGUI* trouve = nullptr;
  for (ZoneGUI* z : zones_)
    if (z && z->z != 0 && z->contient(x, y) && (!trouve || z->z > trouve->z)) trouve = z;
  return trouve;
}

// Only the zone that goes loses the hover or the focus: a notice timing out or a list row
// rebuilt elsewhere must not take the keys from a text field, nor make the next press over a
// still pointer look like an entry (which would not count as the start of a click).
void Gui::oublierZone(ZoneGUI* zone) {
  if (zone && zoneSurvol_ == zone) {
    survolSupprime_ = true;
    xSupprime_ = xDernier_;
    ySupprime_ = yDernier_;
    zoneSurvol_ = nullptr;
  }
  if (zoneFocus_ == zone) zoneFocus_ = nullptr;
  if (zoneVisee_ == zone) zoneVisee_ = nullptr;
  auto i = std::find(zones_.begin(), zones_.end(), zone);
  if (i != zones_.end()) *i = nullptr;
}

void Gui::gererEvenement(const SDL_Event& e) {
  // The mouse as this event leaves it. SDL_GetMouseState tells the state after every queued
  // event, so a press and its release queued in the same frame (a quick click on a busy
  // machine) would never be seen: the mouse events carry their own state instead.
  EtatSouris& s = souris_;
  switch (e.type) {
    case SDL_MOUSEMOTION:
      s.x = e.motion.x;
      s.y = e.motion.y;
      s.boutons = e.motion.state;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      s.x = e.button.x;
      s.y = e.button.y;
      const uint8_t bouton = static_cast<uint8_t>(SDL_BUTTON(e.button.button));
      s.boutons = e.type == SDL_MOUSEBUTTONDOWN ? static_cast<uint8_t>(s.boutons | bouton)
                                                : static_cast<uint8_t>(s.boutons & ~bouton);
      break;
    }
    default:
      if (!sourisConnue_) s.boutons = SDL_GetMouseState(&s.x, &s.y);
      break;
  }
  sourisConnue_ = sourisConnue_ || e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONDOWN ||
                  e.type == SDL_MOUSEBUTTONUP;
  gererEvenement(e, sourisInterface(s), SDL_GetTicks());
}

void Gui::gererEvenement(const SDL_Event& e, const EtatSouris& s, uint32_t maintenant) {
  // The tooltip: a move starts the wait again, a button hides it until the next move.
  if (e.type == SDL_MOUSEMOTION && (s.x != xDernier_ || s.y != yDernier_)) {
    debutRepos_ = maintenant;
    infobulleCachee_ = false;
  }
  if (s.boutons != 0 || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
    infobulleCachee_ = true;
  xDernier_ = s.x;
  yDernier_ = s.y;
  // 1. Keys go to the zone last pressed; the navigation keys, which carry no character, also by
  // their symbol.
  if (zoneFocus_ && (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)) {
    ZoneGUI* focus = zoneFocus_;
    focus->transmettre(e.type == SDL_KEYDOWN ? EV_TOUCHE : EV_TOUCHE_LACHEE, e.key.keysym.unicode,
                       e.key.keysym.mod);
    const SDLKey k = e.key.keysym.sym;
    const bool navigation = k == SDLK_UP || k == SDLK_DOWN || k == SDLK_PAGEUP ||
                            k == SDLK_PAGEDOWN || k == SDLK_HOME || k == SDLK_END;
    // A handler may have deleted the zone, which forgets the focus.
    if (navigation && e.type == SDL_KEYDOWN && zoneFocus_ == focus)
      focus->transmettre(EV_TOUCHE_NAV, k, e.key.keysym.mod);
  }
  // The wheel (buttons 4 and 5 pressed) to the zone under the mouse.
  if (e.type == SDL_MOUSEBUTTONDOWN &&
      (e.button.button == SDL_BUTTON_WHEELUP || e.button.button == SDL_BUTTON_WHEELDOWN)) {
    if (ZoneGUI* z = zoneSous(s.x, s.y))
      z->transmettre(EV_MOLETTE, e.button.button == SDL_BUTTON_WHEELUP ? -1 : 1, 0);
  }

  // 2, 3. The mouse, whatever the event was.
  ZoneGUI* sous = zoneSous(s.x, s.y);
  bool appui = false, relache = false, entree = false;
  if (s.boutons == SDL_BUTTON(1) && !boutonEnfonce_) {
    appui = true;
    boutonEnfonce_ = true;
    prochaineRepetition_ = maintenant + 300;
  } else if (s.boutons == 0 && boutonEnfonce_) {
    relache = true;
    boutonEnfonce_ = false;
  }

  // 4. Hover change; leaving a zone with the button held cancels the click. A release seen
  // together with the change happened over the new zone, which was never pressed: no click
  // there either. But when the hovered zone was deleted under a mouse that has not moved
  // since (the OK of a dialog over another dialog's OK), a press there is a real press: the
  // pointer was already over the zone now found beneath it.
  zoneVisee_ = sous;
  const bool immobile = survolSupprime_ && s.x == xSupprime_ && s.y == ySupprime_;
  if (!immobile || sous != zoneSurvol_) survolSupprime_ = false;
  if (sous != zoneSurvol_) {
    ZoneGUI* ancienne = zoneSurvol_;
    zoneSurvol_ = sous;
    debutRepos_ = maintenant;
    boutonEnfonce_ = appui && immobile && !ancienne;
    relache = false;
    entree = true;
    if (ancienne) ancienne->transmettre(EV_SORTIE, s.x - ancienne->x, s.y - ancienne->y);
    // A handler may have deleted zones, which forgets the hover: the zone under the mouse
    // (if it still exists) stays the hovered one.
    zoneSurvol_ = zoneVisee_;
  }

  // 5. Press, click, entry, in this order, each skipped once a handler deleted the zone.
  if (appui && zoneVisee_) {
    ZoneGUI* z = zoneVisee_;
    z->transmettre(EV_APPUI, s.x - z->x, s.y - z->y);
    if (zoneVisee_) zoneFocus_ = zoneVisee_;
  }
  if (relache && zoneVisee_) {
    ZoneGUI* z = zoneVisee_;
    z->transmettre(EV_RELACHE, s.x - z->x, s.y - z->y);
  }
  if (entree && zoneVisee_) {
    ZoneGUI* z = zoneVisee_;
    z->transmettre(EV_ENTREE, s.x - z->x, s.y - z->y);
  }
  zoneVisee_ = nullptr;
}

ZoneGUI* Gui::zoneInfobulle(uint32_t maintenant) const {
  if (!zoneSurvol_ || zoneSurvol_->infobulle().empty() || infobulleCachee_) return nullptr;
  return maintenant - debutRepos_ >= DelaiInfobulle ? zoneSurvol_ : nullptr;
}

void Gui::placerInfobulle(int mx, int my, int w, int h, int& x, int& y, int hautZone) const {
  x = std::max(0, std::min(mx + 12, largeur - w));
  y = my + 20 + h <= hauteur ? my + 20 : std::max(0, std::min(my, hautZone) - 4 - h);
}

void Gui::repeter(const EtatSouris& s, uint32_t maintenant) {
  ZoneGUI* sous = zoneSous(s.x, s.y);
  if (!sous || !boutonEnfonce_ || s.boutons != SDL_BUTTON(1) || maintenant < prochaineRepetition_)
    return;
  prochaineRepetition_ = maintenant + 50;
  sous->transmettre(EV_REPETE, s.x - sous->x, s.y - sous->y);
}

void Gui::fermerDialogue(const DialogueGUI* dialogue) {
  auto i = std::find_if(ouverts_.begin(), ouverts_.end(),
                        [dialogue](const auto& d) { return d.get() == dialogue; });
  if (i == ouverts_.end()) return;
  fermes_.push_back(std::move(*i));
  ouverts_.erase(i);
}

bool Gui::dialogueOuvert(const DialogueGUI* dialogue) const {
  return std::any_of(ouverts_.begin(), ouverts_.end(),
                     [dialogue](const auto& d) { return d.get() == dialogue; });
}

bool Gui::dialogueDevant(const DialogueGUI* dialogue) const {
  return !ouverts_.empty() && ouverts_.back().get() == dialogue;
}

bool Gui::dialogueActif(const DialogueGUI* dialogue) const {
  if (dialogueDevant(dialogue)) return true;
  const auto tenu = [dialogue](const auto& d) { return d.get() == dialogue; };
  return std::none_of(ouverts_.begin(), ouverts_.end(), tenu) &&
         std::none_of(fermes_.begin(), fermes_.end(), tenu);
}

int Gui::detruireFermes() {
  const int n = static_cast<int>(fermes_.size());
  std::vector<std::unique_ptr<DialogueGUI>> lot;
  lot.swap(fermes_);  // the list is empty and whole while they go
  return n;
}
