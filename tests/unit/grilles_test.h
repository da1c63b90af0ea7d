#pragma once
// Small levels drawn as text for the game-core tests, in the level tool's cell characters
// ('.' empty, '#' brick, '%' fragile, '^' spring, 'o' bomb, 'r'/'R' red switch/brick, ...).
// The legend is the tests' own copy, written against the cell codes: a change to the level
// tool's legend cannot turn a drawn grid into other cells and hide a fault.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "game/cases.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "sound/sons.h"

struct LegendeGrille {
  char caractere;
  uint8_t code;
};
inline constexpr LegendeGrille LegendeGrilles[] = {
    {'.', Vide},
    {'#', Brique},
    {'W', Win},
    {'X', Lost},
    {'%', Casse},
    {'@', Blinde},
    {'^', Ressort},
    {'o', Bombe},
    {'r', InterrupteurRouge},
    {'R', CouleurRouge},
    {'y', InterrupteurJaune},
    {'Y', CouleurJaune},
    {'g', InterrupteurVert},
    {'G', CouleurVert},
    {'b', InterrupteurBleu},
    {'B', CouleurBleu},
    {'u', InterrupteurUn},
    {'U', CouleurUn},
    {'d', InterrupteurDeux},
    {'D', CouleurDeux},
    {'*', PanneauBoom},
    {'>', PanneauMove},
};

// The code a drawn character stands for; an unknown character fails the test (it is a typo in
// the drawing, not a cell) and reads as empty.
inline uint8_t codeDessine(char c) {
  for (const LegendeGrille& l : LegendeGrilles)
    if (l.caractere == c) return l.code;
  ADD_FAILURE() << "no cell is drawn as '" << c << "'";
  return Vide;
}

// The character a code is drawn as, 0 for a code without one.
inline char caractereDessine(uint8_t code) {
  for (const LegendeGrille& l : LegendeGrilles)
    if (l.code == code) return l.caractere;
  return 0;
}

// A drawn grid on one line, rows between bars, for a failing table row's message.
inline void ecrireDessin(const std::vector<std::string>& v, std::ostream* os) {
  *os << "|";
  for (const std::string& l : v) *os << l << "|";
}

// Fills `n` with the grid drawn by `lignes` (all the same length) and the start at (x, y).
inline void dessinerTerrain(Niveau& n, const std::vector<std::string>& v, float x, float y) {
  n.hauteur = static_cast<int32_t>(v.size());
  n.largeur = static_cast<int32_t>(v.empty() ? 0 : v[0].size());
  n.grille.clear();
  for (const std::string& l : v)
    for (char c : l) n.grille.push_back(codeDessine(c));
  n.departX = x;
  n.departY = y;
}

// The same for a rule state, with the ball at (x, y).
inline void dessinerTerrain(EtatRegles& t, const std::vector<std::string>& v, float x, float y) {
  Niveau n;
  dessinerTerrain(n, v, x, y);
  t.largeur = n.largeur;
  t.hauteur = n.hauteur;
  t.grille = n.grille;
  t.balle = Balle{};
  t.balle.x = x;
  t.balle.y = y;
}

// The same for a live level, its start at the ball.
inline void dessinerTerrain(Terrain& t, const std::vector<std::string>& v, float x, float y) {
  dessinerTerrain(static_cast<EtatRegles&>(t), v, x, y);
  t.departX = x;
  t.departY = y;
}

// A live level and what shows it, stepped together as the action thread steps them.
struct TerrainVivant : Terrain {
  Spectacle spectacle;
  int avancer(const Touches& k, RequetesSons* sons) { return ::avancer(*this, spectacle, k, sons); }
};

// The grid drawn back as text ('?' for a code without a character): of a Niveau or a rule state.
template <class Grille>
std::vector<std::string> dessinDe(const Grille& t) {
  std::vector<std::string> v;
  for (int r = 0; r < t.hauteur; ++r) {
    std::string l;
    for (int c = 0; c < t.largeur; ++c) {
      const char car = caractereDessine(t.lireCase(c, r));
      l += car ? car : '?';
    }
    v.push_back(l);
  }
  return v;
}

// The effect numbers queued since the last call (-1 stands for a halt of the rolling channel),
// then the queue is emptied.
inline std::vector<int> effetsQueues(Sons& s) {
  std::array<RequeteSon, CapaciteRequetes> r;
  const int n = s.requetesEnAttente(r);
  std::vector<int> effets;
  for (int i = 0; i < n; ++i) effets.push_back(r[i].type == RequeteJouer ? r[i].effet : -1);
  s.executerRequetes();
  return effets;
}
