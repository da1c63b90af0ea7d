#pragma once
// What the level tools (zv-jouer, zv-raccourcis, zv-resoudre, zv-tolerance, zv-vue-depart) share
// around the game's replays (game/partie.h): key scripts as text ("STEP KEYS" lines) and loading
// one level of a file. Header only: every tools/*.cpp is a program of its own.
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

#include "game/partie.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

// A script holds one short line per change of keys: more than this is no key script.
constexpr size_t ScriptMax = 16u << 20;

inline bool lireEntier(const char* texte, long& valeur) {
  if (!texte || !*texte) return false;
  char* fin = nullptr;
  errno = 0;
  valeur = std::strtol(texte, &fin, 10);
  return errno == 0 && *fin == '\0' && valeur >= 0 && valeur <= INT_MAX;
}

// A ratio or a share given on the command line: a number, zero or more.
inline bool lireReel(const char* texte, double& valeur) {
  if (!texte || !*texte) return false;
  char* fin = nullptr;
  valeur = std::strtod(texte, &fin);
  return *fin == '\0' && valeur >= 0;
}

// "L", "R", "S" combined, or "-" for none.
inline std::string texteTouches(const Touches& t) {
  std::string s;
  if (t.gauche) s += 'L';
  if (t.droite) s += 'R';
  if (t.espace) s += 'S';
  return s.empty() ? "-" : s;
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
inline bool chargerNiveau(const std::string& fichier, long numero, Terrain& t,
                          std::string& erreur) {
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
  return true;
}

// Level `numero` of a level file as the start of `partie`.
inline bool chargerPartie(Partie& partie, const std::string& fichier, long numero,
                          std::string& erreur) {
  if (!chargerNiveau(fichier, numero, partie.t, erreur)) return false;
  partie.retenirDepart();
  return true;
}
