#pragma once
// The board's meshes in immediate mode. Each sends normals, first-unit texture coordinates and,
// when reflections are on, a second-unit coordinate (the reflected view direction) that the
// cube map on texture unit 1 turns into a mirrored sky.
#include <cstdint>

#include "render/gl.h"

struct Reflet {
  bool actif = false;         // send second-unit coordinates
  float oeil[3] = {0, 0, 0};  // eye position, board coordinates
};

// Four neighbour codes and whether each lies inside the grid: top, bottom, left, right.
struct Voisins {
  uint8_t code[4] = {};
  bool dedans[4] = {};
};

// Box from (x, y) of w x h between depths z0 < z1: the front face always, a side face where the
// neighbour is inside the grid and holds another code than `code`; never the back face.
// With `opaque`, side faces turned away from the eye are left out too: behind an opaque front
// face they cannot show. Emits quads: call between glBegin(GL_QUADS) and glEnd().
void sommetsBoite(float x, float y, float w, float h, float z0, float z1, uint8_t code,
                  const Voisins& voisins, const Reflet& reflet, bool opaque = false);

// Flat square from (x0, y0) to (x1, y1) at depth z with normal (0, 0, nz), texture (0,0) at the
// first corner to (1,1) at the opposite one. Emits quads.
void sommetsQuadPlat(float x0, float y0, float x1, float y1, float z, float nz,
                     const Reflet& reflet);

// Sphere centred on `centre`; the normal goes as first-unit coordinate too. `vue` is the
// eye-to-sphere vector used for the reflection. Emits quads.
void sommetsSphere(const float centre[3], float rayon, int bandes, int segments,
                   const Reflet& reflet, const float vue[3]);

// Open cylinder of radius 0.5 standing in cell (c, r), textured around. Emits quads (the strip
// of the cylinder, cut into its quads).
void sommetsRessort(int c, int r, int segments, const Reflet& reflet);

// Mitred border 0.5 wide around a W x H grid at depths 1 and 0, then the four walls.
void dessinerCadre(int largeur, int hauteur);

// The first-unit coordinates (s, t) of the boxes and flat squares become (ox + s k, oy + t k)
// until set back to (0, 0, 1): a picture that is one part of a larger texture.
void transformerCoordsTexture(float ox, float oy, float k);

// Sets the second-unit coordinate (does nothing without the entry point).
void coordReflet(float s, float t, float r);
