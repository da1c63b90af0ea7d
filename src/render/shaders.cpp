#include "render/shaders.h"

#include "base/journal.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "base/fichiers.h"
#include "base/texte.h"
#include "render/erreurs_gl.h"
#include "render/glext.h"

Shaders* shaders = nullptr;

namespace {
// The game's shaders are a few KiB; a source of a megabyte is no shader of this game.
constexpr size_t ShaderTailleMax = 1u << 20;
}  // namespace

GLhandleARB Shaders::chargerShader(const std::string& chemin, GLenum type) {
  journal("Load shader " + chemin);
  std::string lu;
  const Lecture lecture = lireFichierOrdinaire(chemin, ShaderTailleMax, lu);
  // A missing file gives an empty text as before; anything else unreadable says why.
  if (lecture != Lecture::Lu && lecture != Lecture::Absent)
    journal(ligneFichierIgnore(chemin, lecture));
  const std::string texte = normaliserFinsDeLigne(lu, "\r\n");
  journal("DATA>" + texte + "<DATA size:" + std::to_string(texte.size()));
  verifierErreursGL("Err LOS 1");
  GLhandleARB s = 0;
  if (glext && glext->glCreateShaderObjectARB) s = glext->glCreateShaderObjectARB(type);
  const char* source = texte.c_str();
  if (glext && glext->glShaderSourceARB) glext->glShaderSourceARB(s, 1, &source, nullptr);
  if (glext && glext->glCompileShaderARB) glext->glCompileShaderARB(s);
  GLint statut = 0;
  if (glext && glext->glGetObjectParameterivARB)
    glext->glGetObjectParameterivARB(s, GL_OBJECT_COMPILE_STATUS_ARB, &statut);
  journal("Result comp shader: " + std::to_string(statut));
  verifierErreursGL("Err LOS 2");
  journal(" : loaded @id " + std::to_string(s));
  return s;
}

GLhandleARB Shaders::lier(GLhandleARB vertex, GLhandleARB fragment) {
  GLhandleARB p = 0;
  if (glext->glCreateProgramObjectARB) p = glext->glCreateProgramObjectARB();
  if (glext->glAttachObjectARB) {
    glext->glAttachObjectARB(p, vertex);
    glext->glAttachObjectARB(p, fragment);
  }
  if (glext->glLinkProgramARB) glext->glLinkProgramARB(p);
  journal(" : linked @id " + std::to_string(p));
  return p;
}

GLhandleARB Shaders::construireProgramme(const std::string& nom) {
  const GLhandleARB v =
      chargerShader(repertoires->chemin("shaders/" + nom + ".vert"), GL_VERTEX_SHADER_ARB);
  listeShaders.push_back(v);
  const GLhandleARB f =
      chargerShader(repertoires->chemin("shaders/" + nom + ".frag"), GL_FRAGMENT_SHADER_ARB);
  listeShaders.push_back(f);
  return lier(v, f);
}

GLint Shaders::uniforme(GLhandleARB programme, const char* nom) {
  return glext->glGetUniformLocationARB ? glext->glGetUniformLocationARB(programme, nom) : 0;
}

void Shaders::utiliserProgramme(GLhandleARB programme) {
  if (glext && glext->glUseProgramObjectARB) glext->glUseProgramObjectARB(programme);
}

void Shaders::preparerShaders() {
  if (!glext) return;
  auto f1 = [](GLint loc, float v) {
    if (glext->glUniform1fARB) glext->glUniform1fARB(loc, v);
  };
  if (options.FondShader) {
    programmeFractal = construireProgramme("julia");
    GLint statut = 0;
    if (glext->glGetObjectParameterivARB)
      glext->glGetObjectParameterivARB(programmeFractal, GL_OBJECT_LINK_STATUS_ARB, &statut);
    journal("Result link shader : " + std::to_string(statut));
    verifierErreursGL("Err Link Shader");
    utiliserProgramme(programmeFractal);
    verifierErreursGL("Err prepareShader A");
    f1(locPx = uniforme(programmeFractal, "Px"), -0.5f);
    f1(locPy = uniforme(programmeFractal, "Py"), -0.25f);
    f1(locZoom = uniforme(programmeFractal, "Zoom"), 0.2f);
    f1(locTeinte = uniforme(programmeFractal, "Teinte"), 0.0f);
    f1(locCx = uniforme(programmeFractal, "Cx"), -0.75f);
    f1(locCy = uniforme(programmeFractal, "Cy"), -0.2f);
    locMaxIter = uniforme(programmeFractal, "MaxIter");
    if (glext->glUniform1iARB) glext->glUniform1iARB(locMaxIter, options.FondShaderIter);
    verifierErreursGL("Err prepareShader B");
    journal("julia_color : " + std::to_string(uniforme(programmeFractal, "Colors")));
    verifierErreursGL("Err prepareShader colors");
    utiliserProgramme(0);
  }
  if (options.Bloom) {
    programmeBloom = construireProgramme("bloom");
    utiliserProgramme(programmeBloom);
    f1(locRx = uniforme(programmeBloom, "rx"), static_cast<float>(options.ResX));
    f1(locRy = uniforme(programmeBloom, "ry"), static_cast<float>(options.ResY));
    f1(locPart = uniforme(programmeBloom, "part"), static_cast<float>(options.BloomPart / 10.0));
    utiliserProgramme(0);
  }
  verifierErreursGL("Err prepareShader");
}

void Shaders::libererShaders() {
  // The bloom program goes too: leaving it to the context's end would leak it when the context
  // outlives the shaders (tests, a restart in the same process).
  for (GLhandleARB* p : {&programmeFractal, &programmeBloom}) {
    if (*p && glext && glext->glDeleteObjectARB) glext->glDeleteObjectARB(*p);
    *p = 0;
  }
  while (!listeShaders.empty()) {
    if (glext && glext->glDeleteObjectARB) glext->glDeleteObjectARB(listeShaders.front());
    listeShaders.erase(listeShaders.begin());
  }
}
