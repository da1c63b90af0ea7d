#pragma once
// The level editor's rules, without window or widgets: the level list's insertions and
// deletions, the properties dialog's resize and corner colours, what a tool does to a cell,
// which events paint, edge scrolling, the recovery copy and which files may be edited.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/camera.h"
#include "game/niveau.h"

constexpr uint8_t OutilBalle = 255;    // the tool that places the ball's start
constexpr int NombreOutilsCases = 20;  // tools 0..19 write their cell code

// A new level as the add dialog makes it: 15 x 15 empty cells, start (1.5, 1.5), no bombs,
// grey corners, the editor's fixed camera on the start cell.
Niveau nouveauNiveau();

// Inserts a new level before (apres = false) or after the spinner's level (1-based `valeur`);
// returns the spinner's new value, which is the new level's.
int insererNiveau(std::vector<Niveau>& niveaux, int valeur, bool apres);
// Deletes the spinner's level unless it is the only one; returns the spinner's new value
// (lowered when the last level went).
int supprimerNiveau(std::vector<Niveau>& niveaux, int valeur);

// The properties dialog's working colours: working k is the level's corner colour 3 - k, so the
// four read top-left, top-right, bottom-left, bottom-right.
using CouleursTravail = float[4][4];
void lireCouleursTravail(const Niveau& niveau, CouleursTravail travail);
// The corner-colour widget's quarter under a click at (cx, cy) of a w x h widget: 0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right.
int quartierCouleur(int w, int h, int cx, int cy);
// "OK" of the properties dialog: size X x Y keeping the common cells, B bombs, the working
// colours' RGB into the corners (alpha kept), the camera pulled back inside.
void appliquerProprietes(Niveau& niveau, int X, int Y, int B, const CouleursTravail travail);

// What tool `outil` does at (colonne, ligne): writes its code, or (OutilBalle) moves the start to
// the cell's centre. False when nothing changed (outside the grid, same code, same place).
bool appliquerOutil(Niveau& niveau, uint8_t outil, int colonne, int ligne);

// Whether this mouse event paints: a left or right button press (the wheel zooms, the middle
// button pans), or a motion with exactly the left button
// held; never while a dialog is open or the pointer is over a widget.
bool evenementPeint(const SDL_Event& e, bool dialogueOuvert, bool survolWidget);

// The cells of the straight line from (c0, l0) to (c1, l1), both ends included, each touching
// the previous one by a side or a corner (Bresenham): a fast drag paints without gaps.
std::vector<std::pair<int, int>> casesEntre(int c0, int l0, int c1, int l1);

// The cells of the rectangle with corners (c0, l0) and (c1, l1), in either order, clipped to a
// level of largeur x hauteur cells: what a Shift + drag paints.
std::vector<std::pair<int, int>> casesRectangle(int c0, int l0, int c1, int l1, int largeur,
                                                int hauteur);

// The cells a flood fill with `outil` from (colonne, ligne) changes: the region of cells holding
// the clicked cell's code, joined by their sides, within the level. None outside the level, with
// the ball tool (the start is not a cell code), or when the clicked cell already holds the
// tool's code.
std::vector<std::pair<int, int>> casesRemplissage(const Niveau& niveau, uint8_t outil, int colonne,
                                                  int ligne);

// The wheel's zoom: sens < 0 (wheel up) brings the eye 15 % closer, sens > 0 takes it back,
// within [ProfondeurZoomMax, ProfondeurZoomMin]; with a target (the board point under the
// pointer) the look-at point moves toward it so that the zoom goes toward the pointer.
constexpr float ProfondeurZoomMin = -4.0f;
constexpr float ProfondeurZoomMax = -120.0f;
void zoomerVers(Camera& camera, int sens, const float* cibleX, const float* cibleY);

// Frame time for scrolling: a frame longer than 500 ms (a stall) counts as 1 ms.
uint32_t dureeDefilement(uint32_t dt);
// Edge scrolling of the camera's centre for a frame of dt ms (after dureeDefilement): 1/80 of a
// cell per ms toward an edge the pointer touches (16 pixels), the centre kept 0.2 inside.
void defilerBords(Camera& camera, int largeur, int hauteur, int mx, int my, int ecranL, int ecranH,
                  uint32_t dt);
// The same scrolling in a direction given by the arrow keys (-1, 0, 1 on each axis; y grows
// downwards on the screen).
void defilerVers(Camera& camera, int largeur, int hauteur, int dx, int dy, uint32_t dt);

// Middle-drag panning: the pointer moved (dx, dy) pixels on a window ecranH pixels high; the
// board moves with it (its centre the other way, by the cells those pixels span at the eye's
// distance), the centre kept 0.2 inside the level as the scrolling keeps it.
void glisserVue(Camera& camera, int largeur, int hauteur, int dx, int dy, int ecranH);

// The ball tool's button: top-right, dropping to a second row below 672 pixels.
void placeOutilBalle(int ecranL, int& x, int& y);

// Only the player's own files may be edited: true when `chemin` lies in `dossierUtilisateur`
// (the resolved "mapsusr/"), after resolving ".." and links.
bool fichierModifiable(const std::string& chemin, const std::string& dossierUtilisateur);

// The recovery copy of an edited file: beside it, with a name the catalogue does not list
// (it lists only ".map" names).
std::string cheminRecuperation(const std::string& chemin);
// Writes the levels there (the atomic writer); true when written. The copy is the game's own
// file: a symlink in its place is replaced, never followed.
bool ecrireRecuperation(const std::string& chemin, const std::vector<Niveau>& niveaux);
// Reads the copy's levels into `niveaux` (replacing them only when it holds at least one).
bool lireRecuperation(const std::string& chemin, std::vector<Niveau>& niveaux);
// A regular file (not a link) at the recovery path.
bool recuperationExiste(const std::string& chemin);
void supprimerRecuperation(const std::string& chemin);

// Whether the player has write-protected the file (no owner write permission). The atomic writer
// replaces the file through a rename, which such a protection would not stop (nor would it stop
// root): the editor honours it itself.
bool fichierProtege(const std::string& chemin);

// What the editor knows of a file on disk, to tell whether another program (or another game)
// wrote it since: its size, its change time and a hash of its bytes.
struct SignatureFichier {
  bool lisible = false;
  uint64_t taille = 0;
  int64_t modifieNs = 0;
  uint64_t empreinte = 0;
  bool operator==(const SignatureFichier& o) const {
    return lisible == o.lisible && taille == o.taille && modifieNs == o.modifieNs &&
           empreinte == o.empreinte;
  }
  bool operator!=(const SignatureFichier& o) const { return !(*this == o); }
};
SignatureFichier signatureFichier(const std::string& chemin);

// A free ".map" path in `dossier` for the levels of `chemin`: its name, "-2", "-3"... (the first
// name nothing takes, links included); empty when a hundred are taken.
std::string cheminLibre(const std::string& dossier, const std::string& chemin);
