#pragma once
// The opaque bricks of a board (plain, fragile, armoured, the grey colour bricks) as vertex
// arrays, rebuilt only when the grid (or what colours and textures them) changes: a level seen
// from afar shows thousands of them, and sending each vertex by hand every frame cost more than
// everything else in the frame. Opaque boxes need no back-to-front order, so they are grouped by
// texture and face direction, a handful of draws in all. Main thread only (it draws).
#include <cstdint>

#include "game/instantane.h"
#include "render/gl.h"
#include "render/zone_visible.h"

class GlExt;
struct TableTextures;

// Whether the cell code is drawn from the arrays (the board's cell pass then skips it); false for
// every code while the arrays are off.
bool briqueEnCache(uint8_t code);

// Draws every cached brick of `t` (rebuilding the arrays first when `t` differs from what they
// were built from). Expects the cell pass's state: lighting with colour material, texturing on
// unit 0 enabled, blending off. With `reflets`, unit 1 holds the turning sky cube map (its
// texture matrix the sky's turn) and the reflected view direction is generated from the vertex
// position for the eye at `oeil`; the unit's texture matrix is the sky's turn again afterwards.
// Only the tiles of arrays that meet `zone` are drawn; a changed cell rebuilds the tiles around it.
// The bricks' textures come from `textures`, the texture unit switch from `glext` (none: no
// reflections).
void dessinerBriquesCache(const InstantaneTerrain& t, bool editeur, bool reflets,
                          const float oeil[3], float angleCiel, const ZoneVisible& zone,
                          const TableTextures& textures, const GlExt* glext);

// Off: every brick is sent vertex by vertex again, as before the arrays (tests and the
// benchmark compare the two). On by default.
void activerBriquesCache(bool actif);
bool briquesCacheActif();

// How many times the arrays were brought up to a changed grid, and how many tiles that rebuilt
// (tests, benchmark).
uint32_t constructionsBriquesCache();
uint32_t tuilesConstruitesBriquesCache();
