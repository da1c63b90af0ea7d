#pragma once
// The GUI manager: owns the zones' list and the font, holds the six styles the widgets take,
// routes mouse and keyboard events to the zones (hover, press, click, auto-repeat, focus) and
// draws every zone once per frame over the 3D scene.
//
// A screen's life with the toolkit (the global `gui` exists from start-up to shutdown; widgets
// are made only while it exists, and each screen deletes the widgets it made before it returns):
//   int choix = 0;
//   auto ok = std::make_unique<BoutonGUI>(10, 20, 80, "OK", surClic([&] { choix = 1; }), 1);
//   // surClic: the action runs on a completed click; record the choice, act after the event.
//   bouclerEcran(...) hands every event to gui->gererEvenement and draws gui->dessiner over the
//   screen's frame (screens/boucle_ecran.h); the screen acts on `choix` in its own handlers.
// Texts are bytes (accented letters as Windows-1252) with inline markup (gui/mise_en_page.h).
// A callback may delete its own widget: the widget and the manager stop touching it at once.
// Dialogs are the manager's from their opening (ouvrirDialogue) to the frame after their
// closing (fermerDialogue): a dialog closed by one of its own buttons is never destroyed inside
// that button's callback, and its buttons do nothing from the moment it closes.
#include <SDL.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "gui/evenements.h"
#include "gui/police.h"
#include "gui/style.h"
#include "gui/zone.h"

class DialogueGUI;

// The mouse as SDL_GetMouseState reports it.
struct EtatSouris {
  int x = 0, y = 0;
  uint8_t boutons = 0;  // SDL_BUTTON(n) mask
};

class Gui {
 public:
  Gui(int32_t largeur, int32_t hauteur);
  // Destroys the dialogs it holds, open or closed, and the font; zones still listed are not
  // deleted here (their widgets do that).
  ~Gui();
  Gui(const Gui&) = delete;
  Gui& operator=(const Gui&) = delete;

  // The window's size in pixels: the scale follows it (gui/echelle.h), and every layout works
  // in the GUI units below. Logs "Echelle de l'interface : N" the first time and whenever the
  // factor changes.
  void redimensionner(int32_t largeurPixels, int32_t hauteurPixels);
  // The player's choice of scale (0: automatic, 1..4), applied from the next redimensionner.
  void setChoixEchelle(int choix) { choixEchelle_ = choix; }
  int choixEchelle() const { return choixEchelle_; }
  int echelle() const { return echelle_; }

  // Projection matrix: GUI units from the window's top-left corner (one unit is `echelle`
  // pixels), y downward, depth -256..0.
  void projection();

  // A new zone in front of every existing one: the first empty slot gets z = highest + 10,
  // else it is appended with z = highest + 1. Owned by the caller; its destruction takes it off
  // the list.
  std::unique_ptr<ZoneGUI> nouvelleZone();

  // The zone at (x, y) (edges included) with the highest depth, the earlier one on a tie;
  // zones of depth 0 are never found.
  ZoneGUI* zoneSous(int x, int y) const;

  // One SDL event: keys to the focus zone, then press / release / hover from the mouse state
  // (as the mouse events themselves report it, so that no quick click is lost). The mouse's
  // window pixels become GUI units here.
  void gererEvenement(const SDL_Event& e);
  // The same with the mouse state (in GUI units) and the time given (tests, replays).
  void gererEvenement(const SDL_Event& e, const EtatSouris& souris, uint32_t maintenant);

  // One frame of widgets (projection already set): destroys the dialogs closed since the last
  // frame (detruireFermes), draws every zone back to front, then fires the auto-repeat. Needs
  // the GL context.
  void dessiner();
  // The auto-repeat step of dessiner alone: EV_REPETE to the zone under the mouse while the
  // left button is held there, 300 ms after the press, then every 50 ms.
  void repeter(const EtatSouris& souris, uint32_t maintenant);

  // The zone whose tooltip shows at `maintenant`: the hovered zone, when it has a tooltip and
  // the pointer has rested DelaiInfobulle ms on it with no button held; a move starts the wait
  // again, a press or a release hides it until the next move.
  static constexpr uint32_t DelaiInfobulle = 500;
  ZoneGUI* zoneInfobulle(uint32_t maintenant) const;
  // Where a w x h tooltip goes for the pointer at (mx, my) over a zone whose top is `hautZone`:
  // below and right of the pointer, kept inside the window; when there is no room below, above
  // the zone, so that the box hides neither the pointer nor the button it speaks of.
  void placerInfobulle(int mx, int my, int w, int h, int& x, int& y,
                       int hautZone = std::numeric_limits<int>::max()) const;

  // Dialogs: the manager owns each one from its opening until the frame after its closing.
  // Open dialogs are stacked, the last opened in front, and only the front one's buttons act
  // (DialogueGUI checks dialogueActif). fermerDialogue takes a dialog off the stack at once, so
  // its buttons do nothing from then on, even later in the same frame; its widgets stay (and
  // stay hit, over whatever lies beneath) until detruireFermes, which runs after the frame's
  // events: at the start of dessiner, or earlier where a screen calls it. A dialog may thus be
  // closed, and another opened, from its own button's callback.
  template <class T>
  T* ouvrirDialogue(std::unique_ptr<T> dialogue) {
    T* p = dialogue.get();
    ouverts_.push_back(std::move(dialogue));
    return p;
  }
  // Nothing when `dialogue` is not open (closed already, or never given to the manager).
  void fermerDialogue(const DialogueGUI* dialogue);
  bool dialogueOuvert(const DialogueGUI* dialogue) const;
  // Open and nothing opened over it since.
  bool dialogueDevant(const DialogueGUI* dialogue) const;
  // Whether its buttons act: the front dialog, or a panel the manager does not hold (its owner
  // keeps it like any widget and deletes it outside its callbacks).
  bool dialogueActif(const DialogueGUI* dialogue) const;
  size_t nombreDialoguesOuverts() const { return ouverts_.size(); }
  // Destroys the dialogs closed since the last call (never call it from a widget's callback);
  // returns how many went. A screen leaving calls it so that nothing it closed outlives it.
  int detruireFermes();

  // Takes ownership of the font (replacing any previous one).
  void setPolice(std::unique_ptr<FontGUI> police) { police_ = std::move(police); }
  FontGUI* police() const { return police_.get(); }

  // The size every layout works in: the window's pixels divided by the scale.
  int32_t largeur = 0, hauteur = 0;
  int32_t largeurPixels = 0, hauteurPixels = 0;  // the window's
  float ratio = 1;                               // the window's width / height, for callers
  StyleGUI stylePanneau;                         // dialog backgrounds, panels
  StyleGUI styleBouton;                          // BoutonGUI, the selected row of a list
  StyleGUI styleSaisie;                          // InputGUI
  StyleGUI styleImage;                           // ImageGUI
  StyleGUI styleLabel;                           // LabelGUI, list rows
  StyleGUI styleListe;                           // ListGUI frame and arrows

  // Read-only views for tests and tools.
  const std::vector<ZoneGUI*>& zones() const { return zones_; }
  ZoneGUI* zoneSurvol() const { return zoneSurvol_; }
  ZoneGUI* zoneFocus() const { return zoneFocus_; }
  // Gives the keys to `zone` (a text field that opens ready for typing).
  void setZoneFocus(ZoneGUI* zone) { zoneFocus_ = zone; }
  bool boutonEnfonce() const { return boutonEnfonce_; }

 private:
  friend class ZoneGUI;
  void oublierZone(ZoneGUI* zone);
  // Frames, then texts, of zones that do not overlap, in a few batches.
  void dessinerCouche(const std::vector<ZoneGUI*>& couche);
  void dessinerInfobulle(uint32_t maintenant);
  void appliquerTaille(int32_t largeurPixels, int32_t hauteurPixels);
  // The mouse as SDL tells it (window pixels), in GUI units.
  EtatSouris sourisInterface(EtatSouris pixels) const;

  std::vector<ZoneGUI*> zones_;  // a slot may be empty
  ZoneGUI* zoneSurvol_ = nullptr;
  // The hovered zone was deleted under a still mouse (a dialog closed by its own button).
  bool survolSupprime_ = false;
  int xSupprime_ = 0, ySupprime_ = 0;  // where the mouse was then
  int xDernier_ = 0, yDernier_ = 0;    // the mouse at the last event routed
  ZoneGUI* zoneFocus_ = nullptr;
  // The zone under the mouse while one event is delivered: a handler may delete it (or any
  // other zone), and the rest of the event must then skip it.
  ZoneGUI* zoneVisee_ = nullptr;
  bool boutonEnfonce_ = false;
  uint32_t prochaineRepetition_ = 0;
  uint32_t debutRepos_ = 0;                    // when the pointer last moved or entered a zone
  bool infobulleCachee_ = true;                // a press or release since then, or a button held
  std::unique_ptr<ZoneGUI> bulle_;             // the tooltip's box, listed nowhere (never hit)
  const ZoneGUI* infobulleMontree_ = nullptr;  // the zone whose tooltip the last frame showed
  EtatSouris souris_;                          // as the last mouse event left it
  bool sourisConnue_ = false;                  // a mouse event was seen
  std::unique_ptr<FontGUI> police_;
  std::vector<std::unique_ptr<DialogueGUI>> ouverts_;  // back to front
  std::vector<std::unique_ptr<DialogueGUI>> fermes_;   // destroyed after the frame
  int choixEchelle_ = 0;
  int echelle_ = 1;
  int echelleAnnoncee_ = 0;  // the factor last logged (0: none yet)
  std::vector<size_t> ordre_;  // drawing order, reused between frames
  std::vector<int> niveaux_;   // layer of each zone of ordre_
  std::vector<ZoneGUI*> couche_;
};

// The game's manager, created at start-up with the window size.
extern Gui* gui;
