#pragma once
// The two optional shader programs: the fractal background ("julia") and the glow ("bloom"),
// built from the data directory's shader files through the ARB shader-object entry points.
#include <string>
#include <vector>

#include "render/gl.h"

class Shaders {
 public:
  // Every shader object made, in creation order.
  std::vector<GLhandleARB> listeShaders;
  GLhandleARB programmeFractal = 0;
  GLhandleARB programmeBloom = 0;
  // Uniform locations ("Px", "Py", "Zoom", "Teinte", "Cx", "Cy", "MaxIter" / "rx", "ry", "part");
  // 0 when the lookup entry point is missing.
  GLint locPx = 0, locPy = 0, locZoom = 0, locTeinte = 0, locCx = 0, locCy = 0, locMaxIter = 0;
  GLint locRx = 0, locRy = 0, locPart = 0;

  // Reads (line ends made CR LF), compiles and returns one shader object; a shader that does not
  // compile is returned all the same (its status is logged).
  GLhandleARB chargerShader(const std::string& chemin, GLenum type);
  // Builds the programs the options ask for (FondShader, Bloom) and sets their first uniforms.
  void preparerShaders();
  // glUseProgramObjectARB when offered; 0 goes back to the fixed pipeline.
  void utiliserProgramme(GLhandleARB programme);
  // Deletes the programs and every shader object of the list.
  void libererShaders();

 private:
  GLhandleARB lier(GLhandleARB vertex, GLhandleARB fragment);
  // "shaders/<nom>.vert" and ".frag" loaded (both kept in the list) and linked.
  GLhandleARB construireProgramme(const std::string& nom);
  GLint uniforme(GLhandleARB programme, const char* nom);
};

extern Shaders* shaders;
