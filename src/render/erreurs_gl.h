#pragma once
// The one way the game reads OpenGL errors.
#include "render/gl.h"

// Takes the pending errors and returns the first, GL_NO_ERROR when there is none. A lost context
// can report errors forever: at most 16 are taken per call.
GLenum prendreErreurGL();

// prendreErreurGL at a fixed point: an error is logged as "<lieu> #<number>" and drawing goes on.
// True when there was one.
bool verifierErreursGL(const char* lieu);
