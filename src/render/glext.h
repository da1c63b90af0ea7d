#pragma once
// What the OpenGL driver offers beyond 1.1: the newer entry points, the version, and the two
// answers that decide which effects can be switched on.
#include "render/gl.h"

class Options;

struct VersionGL {
  int majeure;
  int mineure;  // -1 when the version text holds no '.'
};

// "2.1.2 Vendor" gives 2 and 1; "2" gives 2 and -1; a null or empty text gives 0 and -1.
// Numbers are read as atoi reads them (leading blanks, digits up to the first other character).
VersionGL lireVersionGL(const char* texte);

// Whether the space-separated `liste` holds `nom` as a whole word.
bool contientExtension(const char* liste, const char* nom);

// The GL 1.3 entry points by their own types (not every gl.h declares all of them).
using FnActiveTexture = void(APIENTRY*)(GLenum texture);
using FnMultiTexCoord3f = void(APIENTRY*)(GLenum target, GLfloat s, GLfloat t, GLfloat r);
using FnMultiTexCoord3fv = void(APIENTRY*)(GLenum target, const GLfloat* v);
using FnGetCompressedTexImage = void(APIENTRY*)(GLenum target, GLint level, void* img);
using FnCompressedTexImage2D = void(APIENTRY*)(GLenum target, GLint level, GLenum internalformat,
                                               GLsizei width, GLsizei height, GLint border,
                                               GLsizei imageSize, const void* data);

class GlExt {
 public:
  using Resolveur = void* (*)(const char*);

  // From the current context: GL_VERSION, GL_EXTENSIONS and SDL_GL_GetProcAddress. Logs the
  // version and the two answers.
  GlExt();
  // From given answers (a test can fake an old driver).
  GlExt(const char* version, const char* extensions, Resolveur resoudre);

  // All the ARB shader-object functions the shader code calls (compile, link, use, uniforms,
  // delete) are there; glGetObjectParameterivARB (the compile log) is not required.
  bool shaderDisponible() const;
  // The GL version is at least majeure.mineure.
  bool versionMin(int majeure, int mineure) const;
  // Cube maps: GL 1.3 or later.
  bool cubeMapDisponible() const;

  int versionMajeure = 0;
  int versionMineure = -1;

  // Null when the driver does not offer the function; every caller tests before calling.
  // The resolver of this platform answers for any name, so a function counts as offered only
  // when the context also advertises it: GL 1.3 for the first five, GL_ARB_shader_objects for
  // the shader-object ones.
  FnActiveTexture glActiveTexture = nullptr;
  FnMultiTexCoord3f glMultiTexCoord3f = nullptr;
  FnMultiTexCoord3fv glMultiTexCoord3fv = nullptr;
  FnGetCompressedTexImage glGetCompressedTexImage = nullptr;
  FnCompressedTexImage2D glCompressedTexImage2D = nullptr;
  PFNGLUNIFORM1IARBPROC glUniform1iARB = nullptr;
  PFNGLUNIFORM1FARBPROC glUniform1fARB = nullptr;
  PFNGLCREATEPROGRAMOBJECTARBPROC glCreateProgramObjectARB = nullptr;
  PFNGLCREATESHADEROBJECTARBPROC glCreateShaderObjectARB = nullptr;
  PFNGLSHADERSOURCEARBPROC glShaderSourceARB = nullptr;
  PFNGLATTACHOBJECTARBPROC glAttachObjectARB = nullptr;
  PFNGLCOMPILESHADERARBPROC glCompileShaderARB = nullptr;
  PFNGLLINKPROGRAMARBPROC glLinkProgramARB = nullptr;
  PFNGLUSEPROGRAMOBJECTARBPROC glUseProgramObjectARB = nullptr;
  PFNGLGETUNIFORMLOCATIONARBPROC glGetUniformLocationARB = nullptr;
  PFNGLDELETEOBJECTARBPROC glDeleteObjectARB = nullptr;
  PFNGLGETOBJECTPARAMETERIVARBPROC glGetObjectParameterivARB = nullptr;

 private:
  void initialiser(const char* version, const char* extensions, Resolveur resoudre);
};

extern GlExt* glext;

// Options::filtrerCapacites with this driver's answers.
void filtrerCapacites(Options& options, const GlExt& capacites);
