#pragma once
// The level runner shared by the level tools (zv-jouer, zv-raccourcis, zv-resoudre): key
// scripts ("STEP KEYS" lines), loading one level of a file, and replaying a script on it
// through the game's own physics step. Header only: every tools/*.cpp is a program of its own.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "game/camera.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

// A script holds one short line per change of keys: more than this is no key script.
constexpr size_t ScriptMax = 16u << 20;

// From step `pas` on, `touches` are held until the next instruction.
struct Consigne {
  long pas = 0;
  Touches touches;
};
using Script = std::vector<Consigne>;

inline bool lireEntier(const char* texte, long& valeur) {
  if (!texte || !*texte) return false;
  char* fin = nullptr;
  errno = 0;
  valeur = std::strtol(texte, &fin, 10);
  return errno == 0 && *fin == '\0' && valeur >= 0 && valeur <= INT_MAX;
}

// "L", "R", "S" combined, or "-" for none.
inline std::string texteTouches(const Touches& t) {
  std::string s;
  if (t.gauche) s += 'L';
  if (t.droite) s += 'R';
  if (t.espace) s += 'S';
  return s.empty() ? "-" : s;
}

inline bool memesTouches(const Touches& a, const Touches& b) {
  return a.gauche == b.gauche && a.droite == b.droite && a.espace == b.espace;
}

inline bool lireScript(std::istream& in, Script& consignes, std::string& erreur) {
  std::string ligne;
  int numero = 0;
  while (std::getline(in, ligne)) {
    ++numero;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    std::istringstream mots(ligne);
    std::string pas, cles, reste;
    if (!(mots >> pas) || pas[0] == '#') continue;
    Consigne c{};
    if (!lireEntier(pas.c_str(), c.pas) || !(mots >> cles) || (mots >> reste)) {
      erreur = "line " + std::to_string(numero) + ": expected \"STEP KEYS\"";
      return false;
    }
    if (cles != "-") {
      for (char k : cles) {
        if (k == 'L') c.touches.gauche = true;
        else if (k == 'R') c.touches.droite = true;
        else if (k == 'S') c.touches.espace = true;
        else {
          erreur = "line " + std::to_string(numero) + ": keys are L, R, S or -";
          return false;
        }
      }
    }
    if (!consignes.empty() && c.pas < consignes.back().pas) {
      erreur = "line " + std::to_string(numero) + ": STEP goes back";
      return false;
    }
    consignes.push_back(c);
  }
  return true;
}

// The script's text, one line per key change (a change to the keys already held is dropped).
inline std::string ecrireScript(const Script& s) {
  std::string texte;
  bool premier = true;
  Touches tenues;
  for (const Consigne& c : s) {
    if (!premier && memesTouches(c.touches, tenues)) continue;
    texte += std::to_string(c.pas) + " " + texteTouches(c.touches) + "\n";
    tenues = c.touches;
    premier = false;
  }
  return texte;
}

// Level `numero` (1 for the first) of a level file, loaded into `t` and set up as the play
// screen starts a level. False with a message when the file or the level cannot be read.
inline bool chargerNiveau(const std::string& fichier, long numero, Terrain& t, std::string& erreur) {
  LecteurNiveaux lecteur;
  if (!lecteur.ouvrir(fichier)) {
    erreur = fichier + " is not a readable level file";
    return false;
  }
  for (long n = 1; n <= numero; ++n) {
    if (lecteur.chargerNiveauSuivant(t)) {
      erreur = fichier + " has no level " + std::to_string(numero) + " (it holds " +
               std::to_string(n - 1) + ")";
      return false;
    }
  }
  lecteur.fermer();
  t.camera = cameraDepart(t.largeur, t.hauteur, t.balle.x, t.balle.y);
  return true;
}

// Where a replay ended: the first step that returned won or lost, or still running.
struct Issue {
  int resultat = EnCours;
  long pas = 0;  // the step of the result; the number of steps run when still running
};

// A level as it starts, replayed as often as wanted on a working Terrain of its own.
// Particles do not touch the ball or the grid, so the replays run without a ring unless asked.
class Partie {
 public:
  bool charger(const std::string& fichier, long numero, std::string& erreur) {
    if (!chargerNiveau(fichier, numero, t, erreur)) return false;
    depart = t.niveau();
    depart.camera = t.camera;
    grille0 = t.grille;
    balle0 = t.balle;
    bombes0 = t.bombes;
    return true;
  }

  void allouerParticules(int32_t n) { t.allouerParticules(n); }

  // Back to the level's start: the grid, the ball on its start cell, the bombs, the blast
  // timer and the camera as new.
  void recommencer() { t.commencerNiveau(depart); }

  // Plays `s` from the start for at most `pasMax` steps. With `jusquAuBout` every step runs
  // (as zv-jouer does); otherwise the replay stops at the first result. `apresPas` sees every
  // step (its number and what it returned).
  Issue jouer(const Script& s, long pasMax, bool jusquAuBout = false,
              const std::function<void(long, int)>& apresPas = nullptr) {
    recommencer();
    Issue issue;
    issue.pas = pasMax;
    size_t prochaine = 0;
    Touches touches;
    for (long p = 0; p < pasMax; ++p) {
      while (prochaine < s.size() && s[prochaine].pas <= p) touches = s[prochaine++].touches;
      const int r = t.avancer(touches, nullptr);
      if (apresPas) apresPas(p, r);
      if (issue.resultat == EnCours && r != EnCours) {
        issue.resultat = r;
        issue.pas = p;
        if (!jusquAuBout) break;
      }
    }
    return issue;
  }

  Terrain t;
  Niveau depart;                 // the level as its file holds it
  std::vector<uint8_t> grille0;  // the same grid, ball and bombs, for the searches
  Balle balle0;
  int32_t bombes0 = 0;
};
