#include "render/glext.h"

#include <SDL.h>
#include <cstring>
#include <string>

#include "base/journal.h"
#include "platform/options.h"
#include "base/texte.h"

GlExt* glext = nullptr;

VersionGL lireVersionGL(const char* texte) {
  VersionGL v{0, -1};
  if (!texte) return v;
  v.majeure = texteVersEntier(texte);
  if (const char* point = std::strchr(texte, '.')) v.mineure = texteVersEntier(point + 1);
  return v;
}

bool contientExtension(const char* liste, const char* nom) {
  if (!liste || !nom || !*nom) return false;
  const size_t n = std::strlen(nom);
  for (const char* p = liste; (p = std::strstr(p, nom)) != nullptr; p += n) {
    bool debut = p == liste || p[-1] == ' ';
    bool fin = p[n] == '\0' || p[n] == ' ';
    if (debut && fin) return true;
  }
  return false;
}

namespace {
void* resoudreSDL(const char* nom) { return SDL_GL_GetProcAddress(nom); }
const char* texteGL(GLenum nom) { return reinterpret_cast<const char*>(glGetString(nom)); }

template <typename F>
void resoudre(F& pointeur, GlExt::Resolveur resolveur, const char* nom, bool offert) {
  pointeur = offert ? reinterpret_cast<F>(resolveur(nom)) : nullptr;
}
}  // namespace

GlExt::GlExt() { initialiser(texteGL(GL_VERSION), texteGL(GL_EXTENSIONS), resoudreSDL); }

GlExt::GlExt(const char* version, const char* extensions, Resolveur resolveur) {
  initialiser(version, extensions, resolveur);
}

void GlExt::initialiser(const char* version, const char* extensions, Resolveur r) {
  const VersionGL v = lireVersionGL(version);
  versionMajeure = v.majeure;
  versionMineure = v.mineure;

  const bool gl13 = versionMin(1, 3);
  const bool arb = contientExtension(extensions, "GL_ARB_shader_objects");
  resoudre(glActiveTexture, r, "glActiveTexture", gl13);
  resoudre(glMultiTexCoord3f, r, "glMultiTexCoord3f", gl13);
  resoudre(glMultiTexCoord3fv, r, "glMultiTexCoord3fv", gl13);
  resoudre(glGetCompressedTexImage, r, "glGetCompressedTexImage", gl13);
  resoudre(glCompressedTexImage2D, r, "glCompressedTexImage2D", gl13);
  resoudre(glUniform1iARB, r, "glUniform1iARB", arb);
  resoudre(glUniform1fARB, r, "glUniform1fARB", arb);
  resoudre(glCreateProgramObjectARB, r, "glCreateProgramObjectARB", arb);
  resoudre(glCreateShaderObjectARB, r, "glCreateShaderObjectARB", arb);
  resoudre(glShaderSourceARB, r, "glShaderSourceARB", arb);
  resoudre(glAttachObjectARB, r, "glAttachObjectARB", arb);
  resoudre(glCompileShaderARB, r, "glCompileShaderARB", arb);
  resoudre(glLinkProgramARB, r, "glLinkProgramARB", arb);
  resoudre(glUseProgramObjectARB, r, "glUseProgramObjectARB", arb);
  resoudre(glGetUniformLocationARB, r, "glGetUniformLocationARB", arb);
  resoudre(glDeleteObjectARB, r, "glDeleteObjectARB", arb);
  resoudre(glGetObjectParameterivARB, r, "glGetObjectParameterivARB", arb);

  journal("OpenGl " + std::string(version ? version : "") + " interprété en " +
          std::to_string(versionMajeure) + "." + std::to_string(versionMineure));
  journal(std::string("Shader disponible : ") + (shaderDisponible() ? "1" : "0"));
  journal(std::string("CubeMap disponible : ") + (cubeMapDisponible() ? "1" : "0"));
}

bool GlExt::shaderDisponible() const {
  return glUniform1iARB && glUniform1fARB && glCreateProgramObjectARB && glCreateShaderObjectARB &&
         glShaderSourceARB && glAttachObjectARB && glCompileShaderARB && glLinkProgramARB &&
         glUseProgramObjectARB && glGetUniformLocationARB && glDeleteObjectARB;
}

bool GlExt::versionMin(int majeure, int mineure) const {
  if (versionMajeure != majeure) return versionMajeure > majeure;
  return versionMineure >= mineure;
}

bool GlExt::cubeMapDisponible() const { return versionMin(1, 3); }

void filtrerCapacites(Options& options, const GlExt& capacites) {
  options.filtrerCapacites(capacites.cubeMapDisponible(), capacites.shaderDisponible());
}
