#pragma once
// A GUI manager with the game's styles (no textures) and a font of known advances, without any
// window: what the toolkit's logic tests build on. Events are made by hand and the mouse state
// and the time are handed in.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <tuple>
#include <vector>

#include "gui/chargement.h"
#include "gui/gui.h"

// A font where every printable code advances `avance` (the space: 17 / 4 = 4).
inline std::unique_ptr<FontGUI> policeFixe(int avance = 8) {
  auto p = std::make_unique<FontGUI>(17, '?');
  for (uint32_t c = 0x21; c <= 0xFF; ++c) {
    Glyphe g;
    g.width = 32;
    g.height = 32;
    g.advance = static_cast<int16_t>(avance);
    g.texture = 0;
    p->ajouterGlyphe(c, g);
  }
  return p;
}

struct Recu {
  int donnee, type, x, y;
  bool operator==(const Recu& o) const {
    return std::tie(donnee, type, x, y) == std::tie(o.donnee, o.type, o.x, o.y);
  }
};
inline std::ostream& operator<<(std::ostream& o, const Recu& r) {
  return o << "{" << r.donnee << ", " << r.type << ", " << r.x << ", " << r.y << "}";
}

class GuiSansFenetre : public ::testing::Test {
 protected:
  void SetUp() override {
    g_ = std::make_unique<Gui>(640, 480);
    remplirStyles(*g_, TexturesCadre{});
    gui = g_.get();
  }
  void TearDown() override {
    gui = nullptr;
    g_.reset();
  }
  // A callback that records what it receives, ignoring the per-frame EV_DESSINE.
  RappelGUI enregistreur() {
    return [this](ZoneGUI*, int d, int t, int x, int y) {
      if (t != EV_DESSINE) recus_.push_back({d, t, x, y});
    };
  }
  // The mouse at (x, y), left button held or not, at time t.
  void souris(int x, int y, bool gauche, uint32_t t = 0) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    EtatSouris s;
    s.x = x;
    s.y = y;
    s.boutons = gauche ? SDL_BUTTON(1) : 0;
    etat_ = s;
    g_->gererEvenement(e, s, t);
  }
  void clic(int x, int y, uint32_t t = 0) {
    souris(x, y, false, t);
    souris(x, y, true, t);
    souris(x, y, false, t);
  }
  void touche(uint16_t unicode, bool enfoncee = true) {
    SDL_Event e{};
    e.type = enfoncee ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.unicode = unicode;
    e.key.keysym.mod = KMOD_NONE;
    g_->gererEvenement(e, etat_, 0);
  }
  std::unique_ptr<Gui> g_;
  std::vector<Recu> recus_;
  EtatSouris etat_;  // where the mouse rests while keys are typed
};
