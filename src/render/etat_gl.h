#pragma once
// The one path to the GL state the drawing changes often: every texture bind and every blend
// change of the game (board, sky, particles, font, widgets) goes through these functions, which
// call the GL only when the state really changes. The cache describes the current context as
// this code left it: after a new context, or after GL code that does not come through here, it
// must be forgotten (oublierEtatGL). Main thread only, like all drawing.
#include "render/gl.h"

// Binds `texture` to GL_TEXTURE_2D (of the active unit, which the game keeps at unit 0 outside
// the ball's reflection) unless it is bound already.
void lierTexture(GLuint texture);
// Any other target (cube maps, 1D): no cache, bound at once. GL_TEXTURE_2D goes to lierTexture.
void lierTextureCible(GLenum cible, GLuint texture);
// Binds `texture` to GL_TEXTURE_2D of a unit other than 0 that the caller made active (the
// glow's second unit): bound at once, and the cache, which describes unit 0, stays as it is.
void lierTextureAutreUnite(GLuint texture);
// glEnable / glDisable(GL_BLEND) only on a change.
void activerMelange(bool actif);
// glBlendFunc only on a change.
void fonctionMelange(GLenum source, GLenum destination);
// Forgets everything: the next call of each kind reaches the GL.
void oublierEtatGL();

// What the cache holds (tests, and code that must close a glBegin before a bind happens).
bool textureDejaLiee(GLuint texture);
bool melangeDejaActif(bool actif);
GLuint textureLieeConnue();  // 0 when unknown

// glDeleteTextures of one texture; when it was the bound one the GL falls back to 0, and so does
// the cache (a name given again later must not pass for bound).
void supprimerTexture(GLuint texture);
