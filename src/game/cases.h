#pragma once
// Cell codes: one unsigned byte per cell, shared by the physics, the level files, the drawing
// and the editor. Codes 20 to 253 carry no meaning and behave like Vide everywhere.
#include <cstdint>

enum CodeCase : uint8_t {
  Vide = 0,
  Brique = 1,
  Win = 2,
  Lost = 3,
  Casse = 4,    // fragile brick: breaks under a falling ball
  Blinde = 5,   // armoured brick: no blast clears it
  Ressort = 6,  // spring
  Bombe = 7,    // bomb to collect
  // Switch of colour k: 8 + 2k; brick of colour k: 9 + 2k (k = 0..5).
  InterrupteurRouge = 8,
  CouleurRouge = 9,
  InterrupteurJaune = 10,
  CouleurJaune = 11,
  InterrupteurVert = 12,
  CouleurVert = 13,
  InterrupteurBleu = 14,
  CouleurBleu = 15,
  InterrupteurUn = 16,
  CouleurUn = 17,
  InterrupteurDeux = 18,
  CouleurDeux = 19,
  PanneauBoom = 254,  // hint sign, 4 x 4 cells
  PanneauMove = 255,  // hint sign, 4 x 1.5 cells
};

constexpr int NombreCouleurs = 6;

// Colour k of a switch or coloured-brick code (meaningful only when one of the two holds).
constexpr int couleurDeCase(uint8_t code) { return (code - 8) / 2; }

constexpr bool estCouleur(uint8_t code) { return code >= 8 && code <= 19 && (code & 1) != 0; }
constexpr bool estInterrupteur(uint8_t code) { return code >= 8 && code <= 19 && (code & 1) == 0; }
constexpr bool estSolide(uint8_t code) {
  return code == Brique || code == Casse || code == Blinde || estCouleur(code);
}
constexpr bool estDestructible(uint8_t code) {
  return code == Brique || code == Casse || code == Ressort || code == Bombe ||
         estInterrupteur(code);
}
constexpr bool estCasse(uint8_t code) { return code == Casse; }
