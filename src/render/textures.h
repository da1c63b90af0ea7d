#pragma once
// Image files into OpenGL textures, the driver-compressed ".pak" cache, and the table of every
// texture the game draws with (filled once at start-up, kept to the end of the run).
#include <cstdint>
#include <string>

#include "render/gl.h"

// Texture flags of chargerTexture.
enum DrapeauTexture : unsigned {
  TexAlpha = 1,        // a 1-byte image becomes GL_ALPHA (else GL_LUMINANCE)
  TexMipmap = 2,       // gluBuild2DMipmaps, trilinear, LOD 1..2
  TexClamp = 4,        // GL_CLAMP on every coordinate (else GL_REPEAT)
  TexCompresse = 8,    // compressed internal format and the ".pak" cache
  TexAnisotrope = 16,  // the driver's highest anisotropy
  TexPixels = 32       // GL_NEAREST filters (else GL_LINEAR)
};

constexpr int ReductionHalo = 8;

struct TableTextures {
  // The font sheets and the GUI's frame pieces are the GUI's own (gui/chargement.h).
  GLuint texBoom = 0, texParticule = 0;
  GLuint texCasse = 0, texBlinde = 0, texRessort = 0, texUn = 0, texDeux = 0;
  GLuint texWin = 0, texLost = 0;          // texLost only with ModeDaltonien
  GLuint texFondShader = 0, texBloom = 0;  // render targets, only with FondShader / Bloom
  int32_t largeurFondShader = 0, hauteurFondShader = 0;  // their power-of-two sizes
  int32_t largeurBloom = 0, hauteurBloom = 0;
  // The glow at 1 / ReductionHalo of the window: its colour already multiplied by its alpha,
  // and its alpha as grey (the window has no alpha channel to carry it). Only with Bloom.
  GLuint texHalo = 0, texHaloAlpha = 0;
  int32_t largeurHalo = 0, hauteurHalo = 0;
  // The sky: one square picture, the same on every face of the turning cube, at the size the
  // window shows (render/ciel.h). The reflections: a small cube map, a mirror on a ball or a
  // brick shows the sky far smaller than the background does.
  GLuint texFondCiel = 0, texRefletCube = 0;
  GLuint texBoutonsEdit[256] = {};  // by cell code; 0 where no picture exists
  GLuint texMove[3] = {}, texBoomMsg[2] = {};
  GLuint texOptions = 0, texLangue = 0, texCroix = 0, texPlus = 0, texSave = 0, texMoins = 0;
  GLuint texJulia = 0, texTitre = 0, texCache = 0;
  GLuint texCouleur[4] = {};   // coloured bricks, (code - 9) / 2
  GLuint texCouleurAtlas = 0;  // the four side by side (render/atlas_couleurs.h); 0: none
  GLuint texCouleurT[4] = {};  // switches, (code - 8) / 2
};

extern TableTextures textures;

// Loads `chemin` into texture `nom` (0: a new one) on `cible` (GL_TEXTURE_2D, GL_TEXTURE_1D or a
// cube-map face). Returns the name, loaded or not: a missing image leaves an empty texture and a
// log line.
GLuint chargerTexture(const std::string& chemin, unsigned drapeaux, GLenum cible = GL_TEXTURE_2D,
                      GLuint nom = 0);

// An all-zero 2D texture to draw into (linear filters, default wrap).
GLuint creerTexture(int largeur, int hauteur, int composantes, GLenum format);

// Sides of the reflections' cube faces and of the largest sky.
constexpr int CoteReflets = 256;

// A cube map whose six faces hold the same image, halved (2 x 2 means) until its faces are at
// most `coteMax` pixels wide.
GLuint chargerCubeMap(const std::string& chemin, int coteMax = CoteReflets);

// The sky picture as a 2D texture, halved as above; linear filters, clamped.
GLuint chargerCiel(const std::string& chemin, int coteMax);

// Starts decoding the sky picture (the largest image, a tenth of a second) on a worker thread,
// so that it overlaps the window's opening; chargerImages takes it. Needs `repertoires` and the
// options read. Without this call chargerImages decodes it itself.
void prechargerCiel();
// Joins a worker that chargerImages never took (a start-up that gave up before the textures) and
// drops its picture; nothing to do otherwise. Called before SDL_Quit.
void abandonnerCielEnAvance();

// Fills `textures` from the data directory as the options ask (ModeDaltonien, FondShader, Bloom,
// Fond, Reflets and the window size). Logs "Load maps ok". Start-up loads the GUI's font and frames
// (chargerImagesGui, gui/chargement.h) just before.
void chargerImages();
// The textures sized from the window (fractal background, bloom and its glow), as the options
// ask for them at the window's current size; made again after a resize.
void creerTexturesFenetre();

// Where the cache of `cheminImage` lives: beside the image, and, for an installed game whose
// data directory cannot be written, under the user directory ("<user>cache/<relative path>.pak").
// The second is empty when the user directory is not known.
struct CheminsPak {
  std::string aCote;
  std::string utilisateur;
};
CheminsPak cheminsPak(const std::string& cheminImage);
