#pragma once
// Medals as the screens draw them: a disc in the medal's colour with a darker rim and a light
// highlight, made once per medal as a small texture and shown through an ImageGUI. Main thread
// only (needs the GL context).
#include <memory>

#include "levels/medailles.h"
#include "render/gl.h"

class ImageGUI;

// The disc of `m` (a grey ring for none).
GLuint textureMedaille(Medaille m);
std::unique_ptr<ImageGUI> disqueMedaille(int x, int y, int taille, Medaille m);
