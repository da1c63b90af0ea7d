#pragma once
// The one place that pulls in the OpenGL headers, so every drawing file sees the same set.
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glext.h>
