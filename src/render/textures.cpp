#include "render/textures.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/journal.h"
#include "render/atlas_couleurs.h"
#include "render/cache_pak.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "platform/dossiers.h"
#include "render/erreurs_gl.h"
#include "render/etat_gl.h"
#include "render/glext.h"
#include "render/puissance2.h"
#include "render/reduction.h"
#include "render/ciel.h"

TableTextures textures;

namespace {

// A cache file larger than this is not a texture of this game: ignored without reading it.
constexpr size_t PakTailleMax = 64u << 20;

struct LibereSurface {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, LibereSurface>;

void journalErreurSDL() {
  const char* e = SDL_GetError();
  if (e && *e) {
    journal(std::string("SDL_Error ") + e);
    SDL_ClearError();
  }
}

// The decoded image, with 1, 3 or 4 bytes per pixel. Other layouts (16-bit pixels) would make
// the upload read more bytes than the image holds, so they become 32-bit RGBA first.
Surface decoder(const std::string& chemin) {
  journalErreurSDL();  // an older text is not this image's
  // The decoder opens the path itself: a named pipe there would block it for ever. A missing
  // file still goes to the decoder, which says so in its own words.
  const Lecture nature = natureFichier(chemin);
  if (nature != Lecture::Lu && nature != Lecture::Absent) {
    journal(ligneFichierIgnore(chemin, nature));
    return nullptr;
  }
  Surface s(IMG_Load(chemin.c_str()));
  if (!s) {
    journalErreurSDL();
    return s;
  }
  // SDL over SDL2 leaves "Surface doesn't have a colorkey" behind a good decode: not an error.
  SDL_ClearError();
  const int oc = s->format->BytesPerPixel;
  if (oc == 1 || oc == 3 || oc == 4) return s;
  const bool petit = SDL_BYTEORDER == SDL_LIL_ENDIAN;
  Surface rgba(
      SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, petit ? 0x000000FFu : 0xFF000000u,
                           petit ? 0x0000FF00u : 0x00FF0000u, petit ? 0x00FF0000u : 0x0000FF00u,
                           petit ? 0xFF000000u : 0x000000FFu));
  if (!rgba) {
    journalErreurSDL();
    return nullptr;
  }
  SDL_SetAlpha(s.get(), 0, 255);  // copy the alpha instead of blending with it
  SDL_BlitSurface(s.get(), nullptr, rgba.get(), nullptr);
  return rgba;
}

// The pixels row after row without padding (the GL is told rows are tightly packed).
const void* pixelsSerres(SDL_Surface* s, std::vector<uint8_t>& copie) {
  const size_t ligne = static_cast<size_t>(s->w) * s->format->BytesPerPixel;
  if (static_cast<size_t>(s->pitch) == ligne) return s->pixels;
  copie.resize(ligne * static_cast<size_t>(s->h));
  for (int y = 0; y < s->h; ++y)
    std::memcpy(copie.data() + ligne * y, static_cast<uint8_t*>(s->pixels) + s->pitch * y, ligne);
  return copie.data();
}

GLenum formatSimple(int oc, unsigned drapeaux) {
  if (oc == 1) return (drapeaux & TexAlpha) ? GL_ALPHA : GL_LUMINANCE;
  return oc == 3 ? GL_RGB : GL_RGBA;
}

GLenum formatCompresse(int oc, unsigned drapeaux) {
  if (oc == 1) return (drapeaux & TexAlpha) ? GL_COMPRESSED_ALPHA_ARB : GL_COMPRESSED_LUMINANCE_ARB;
  return oc == 3 ? GL_COMPRESSED_RGB_ARB : GL_COMPRESSED_RGBA_ARB;
}

bool estFaceCube(GLenum cible) {
  return cible >= GL_TEXTURE_CUBE_MAP_POSITIVE_X && cible <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z;
}

std::string texteRendu() {
  const GLubyte* r = glGetString(GL_RENDERER);
  return r ? reinterpret_cast<const char*>(r) : "";
}

void traceErreur() { journal("Err #" + std::to_string(prendreErreurGL())); }

// The decoded pixels into level 0 of `cible` (1D, 2D or one cube-map face), or every level with
// mipmaps. The only place images reach the GL.
void televerser(SDL_Surface* image, GLenum cible, GLint interne, GLenum format, bool mipmaps) {
  std::vector<uint8_t> copie;
  const void* pixels = pixelsSerres(image, copie);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (mipmaps)
    gluBuild2DMipmaps(cible, format, image->w, image->h, format, GL_UNSIGNED_BYTE, pixels);
  else if (cible == GL_TEXTURE_1D)
    glTexImage1D(cible, 0, interne, image->w, 0, format, GL_UNSIGNED_BYTE, pixels);
  else glTexImage2D(cible, 0, interne, image->w, image->h, 0, format, GL_UNSIGNED_BYTE, pixels);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

std::string dossierUtilisateur() {
  if (!repertoires) return "";
  for (const EntreeRepertoire& e : repertoires->entrees())
    if (e.prefixe == "conf/" && e.dossier.size() >= 5)
      return e.dossier.substr(0, e.dossier.size() - 5);
  return "";
}

// The driver's own format behind a generic compressed one (glCompressedTexImage2D refuses the
// generic names): a scratch texture asks. The same renderer always makes the same choice.
GLenum formatReel(GLenum generique, int oc, GLenum active, GLuint nom) {
  GLuint essai = 0;
  glGenTextures(1, &essai);
  lierTexture(essai);
  glTexImage2D(GL_TEXTURE_2D, 0, generique, 4, 4, 0, formatSimple(oc, 0), GL_UNSIGNED_BYTE,
               nullptr);
  GLint reel = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &reel);
  supprimerTexture(essai);
  lierTextureCible(active, nom);
  return static_cast<GLenum>(reel);
}

// Step 7: the texture from a cache file written by this renderer. False means: decode.
bool lireCache(const std::string& chemin, unsigned drapeaux, GLenum cible, GLenum active,
               GLuint nom) {
  const CheminsPak chemins = cheminsPak(chemin);
  const std::string rendu = texteRendu();
  for (const std::string& pak : {chemins.aCote, chemins.utilisateur}) {
    std::string octets;
    if (pak.empty() || lireFichierOrdinaire(pak, PakTailleMax, octets) != Lecture::Lu) continue;
    EntetePak e;
    const LecturePak l =
        lireEntetePak(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), rendu, e);
    if (l != LecturePak::Valide) {
      journal("Cache ignoré " + pak + " : " + texteLecturePak(l));
      continue;
    }
    journal(chemin + " (chargé compresé) : " + std::to_string(e.largeur) + "x" +
            std::to_string(e.hauteur) + " sur " + std::to_string(e.octetsParPixel) + "oc");
    // Without the upload entry point the image is decoded instead of leaving the texture empty.
    if (!glext || !glext->glCompressedTexImage2D) return false;
    // The stored bytes per pixel decide the format (a 1-byte image comes back as luminance).
    prendreErreurGL();
    const GLenum format = formatReel(formatCompresse(e.octetsParPixel, drapeaux & ~TexAlpha),
                                     e.octetsParPixel, active, nom);
    glext->glCompressedTexImage2D(cible, 0, format, e.largeur, e.hauteur, 0,
                                  static_cast<GLsizei>(e.tailleDonnees),
                                  octets.data() + e.debutDonnees);
    // The driver checks the length against the size and format; a file that claims more than it
    // holds is refused there.
    const GLenum erreur = prendreErreurGL();
    if (erreur == GL_NO_ERROR) return true;
    journal("Cache ignoré " + pak + " : refusé #" + std::to_string(erreur));
  }
  return false;
}

bool ecrireFichierAtomique(const std::string& chemin, const std::vector<uint8_t>& entete,
                           const std::vector<uint8_t>& donnees) {
  std::string octets(entete.begin(), entete.end());
  octets.append(donnees.begin(), donnees.end());
  return static_cast<bool>(remplacerFichier(chemin, octets));
}

// Step 10: keeps the driver's compressed level 0 for the next run.
void ecrireCache(const std::string& chemin, GLenum cible, int largeur, int hauteur, int oc) {
  traceErreur();
  const std::vector<uint8_t> entete = ecrireEntetePak(texteRendu(), largeur, hauteur, oc);
  traceErreur();
  GLint taille = 0;
  glGetTexLevelParameteriv(cible, 0, GL_TEXTURE_COMPRESSED_IMAGE_SIZE_ARB, &taille);
  journal("texsize " + std::to_string(taille));
  traceErreur();
  std::vector<uint8_t> donnees;
  if (taille > 0 && glext && glext->glGetCompressedTexImage) {
    donnees.resize(static_cast<size_t>(taille));
    glext->glGetCompressedTexImage(cible, 0, donnees.data());
    journal("glGetCompressedTexImage");
  }
  traceErreur();
  // Without the compressed bytes the file would be a header alone: better no file at all.
  bool ecrit = false;
  if (!donnees.empty()) {
    const CheminsPak chemins = cheminsPak(chemin);
    ecrit = ecrireFichierAtomique(chemins.aCote, entete, donnees);
    if (!ecrit && !chemins.utilisateur.empty()) {
      const size_t barre = chemins.utilisateur.rfind('/');
      if (barre != std::string::npos) creerDossier(chemins.utilisateur.substr(0, barre + 1));
      ecrit = ecrireFichierAtomique(chemins.utilisateur, entete, donnees);
    }
  }
  traceErreur();
  if (!ecrit && !donnees.empty()) journal("Cache non écrit " + chemin + ".pak");
  traceErreur();
}

}  // namespace

CheminsPak cheminsPak(const std::string& cheminImage) {
  CheminsPak c;
  c.aCote = cheminImage + ".pak";
  const std::string utilisateur = dossierUtilisateur();
  if (utilisateur.empty()) return c;
  std::string relatif = cheminImage;
  const std::string donnees = repertoires ? repertoires->dossierDonnees() : "";
  if (!donnees.empty() && relatif.compare(0, donnees.size(), donnees) == 0)
    relatif = relatif.substr(donnees.size());
  while (!relatif.empty() && relatif[0] == '/') relatif.erase(0, 1);
  // A path outside the data directory must not climb out of the cache folder.
  for (size_t p; (p = relatif.find("..")) != std::string::npos;) relatif.replace(p, 2, "__");
  c.utilisateur = utilisateur + "cache/" + relatif + ".pak";
  return c;
}

GLuint chargerTexture(const std::string& chemin, unsigned drapeaux, GLenum cible, GLuint nom) {
  const GLenum active = estFaceCube(cible) ? GL_TEXTURE_CUBE_MAP : cible;
  glEnable(active);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  if (nom == 0) glGenTextures(1, &nom);
  lierTextureCible(active, nom);

  const GLint enveloppe = (drapeaux & TexClamp) ? GL_CLAMP : GL_REPEAT;
  glTexParameteri(active, GL_TEXTURE_WRAP_S, enveloppe);
  if (active != GL_TEXTURE_1D) glTexParameteri(active, GL_TEXTURE_WRAP_T, enveloppe);
  if (active == GL_TEXTURE_CUBE_MAP) glTexParameteri(active, GL_TEXTURE_WRAP_R, enveloppe);
  const GLint filtre = (drapeaux & TexPixels) ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(active, GL_TEXTURE_MAG_FILTER, filtre);
  if (drapeaux & TexMipmap) {
    glTexParameteri(active, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameterf(active, GL_TEXTURE_MIN_LOD, 1.0f);
    glTexParameterf(active, GL_TEXTURE_MAX_LOD, 2.0f);
  } else {
    glTexParameteri(active, GL_TEXTURE_MIN_FILTER, filtre);
  }
  // Only when the driver advertises it: asking otherwise is a GL error.
  if ((drapeaux & TexAnisotrope) &&
      contientExtension(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)),
                        "GL_EXT_texture_filter_anisotropic")) {
    GLfloat maxi = 1.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maxi);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maxi);
  }

  const bool compresse = (drapeaux & TexCompresse) != 0;
  if (!(compresse && lireCache(chemin, drapeaux, cible, active, nom))) {
    Surface image = decoder(chemin);
    if (image) {
      const int oc = image->format->BytesPerPixel;
      journal(chemin + " : " + std::to_string(image->w) + "x" + std::to_string(image->h) + " sur " +
              std::to_string(oc) + "oc");
      const GLenum format = formatSimple(oc, drapeaux);
      const GLint interne = compresse ? formatCompresse(oc, drapeaux) : format;
      const bool mipmaps = (drapeaux & TexMipmap) != 0;
      televerser(image.get(), cible, interne, format, mipmaps);
      if (!mipmaps && compresse && cible != GL_TEXTURE_1D) {
        GLint estCompresse = 0;
        glGetTexLevelParameteriv(cible, 0, GL_TEXTURE_COMPRESSED_ARB, &estCompresse);
        if (estCompresse == 1) ecrireCache(chemin, cible, image->w, image->h, oc);
      }
    }
  }
  verifierErreursGL("Err");
  glDisable(active);
  return nom;
}

GLuint creerTexture(int largeur, int hauteur, int composantes, GLenum format) {
  journal("New : " + std::to_string(largeur) + "x" + std::to_string(hauteur) + " sur " +
          std::to_string(composantes) + "oc");
  const size_t n = largeur > 0 && hauteur > 0 && composantes > 0
                       ? static_cast<size_t>(largeur) * hauteur * composantes
                       : 0;
  std::vector<uint8_t> zeros(n, 0);
  GLuint nom = 0;
  glGenTextures(1, &nom);
  lierTexture(nom);
  verifierErreursGL("Err0");
  glTexImage2D(GL_TEXTURE_2D, 0, composantes, largeur, hauteur, 0, format, GL_UNSIGNED_BYTE,
               n ? zeros.data() : nullptr);
  verifierErreursGL("Err1");
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  verifierErreursGL("Err2");
  lierTexture(0);
  verifierErreursGL("Err");
  return nom;
}

namespace {

// The decoded image as packed pixels, halved to `coteMax`; empty when it cannot be read.
// A picture decoded and halved, with its file's size for the log line.
struct ImageReduite {
  PixelsImage pixels;
  int largeur = 0, hauteur = 0, coteMax = 0;
};

// Safe on any thread: it logs nothing but errors (the log has its own lock).
ImageReduite decoderReduit(const std::string& chemin, int coteMax) {
  ImageReduite r;
  r.coteMax = coteMax;
  Surface image = decoder(chemin);
  if (!image) return r;
  PixelsImage& p = r.pixels;
  r.largeur = p.largeur = image->w;
  r.hauteur = p.hauteur = image->h;
  p.octetsParPixel = image->format->BytesPerPixel;
  std::vector<uint8_t> copie;
  const auto* debut = static_cast<const uint8_t*>(pixelsSerres(image.get(), copie));
  p.octets.assign(debut, debut + static_cast<size_t>(p.largeur) * p.hauteur * p.octetsParPixel);
  image.reset();
  reduireImage(p, coteMax);
  return r;
}

// The sky picture being decoded ahead (prechargerCiel). An SDL thread, not a std::thread: SDL
// keeps its error text per thread and frees it only for its own threads. Written by the worker,
// read by the main thread once it has joined it.
struct Prechargement {
  SDL_Thread* fil = nullptr;
  std::string chemin;
  int coteMax = 0;
  ImageReduite resultat;
  ImageReduite attendre() {
    SDL_WaitThread(fil, nullptr);
    fil = nullptr;
    return std::move(resultat);
  }
  // A start-up that stops before the textures (no window) still joins the worker.
  ~Prechargement() {
    if (fil) SDL_WaitThread(fil, nullptr);
  }
} cielEnAvance;

int prechargerCielFil(void* donnees) {
  auto* p = static_cast<Prechargement*>(donnees);
  p->resultat = decoderReduit(p->chemin, p->coteMax);
  return 0;
}

PixelsImage pixelsReduits(const std::string& chemin, int coteMax, const char* nature) {
  ImageReduite r;
  if (cielEnAvance.fil && cielEnAvance.chemin == chemin) {
    r = cielEnAvance.attendre();
    // Decoded for a smaller need than now (the window fell back to another size): again.
    if (r.coteMax < coteMax &&
        std::max(r.pixels.largeur, r.pixels.hauteur) < std::max(r.largeur, r.hauteur))
      r = decoderReduit(chemin, coteMax);
  } else {
    r = decoderReduit(chemin, coteMax);
  }
  if (r.pixels.octets.empty()) return {};
  journal(chemin + " (" + nature + ") : " + std::to_string(r.largeur) + "x" +
          std::to_string(r.hauteur) + " sur " + std::to_string(r.pixels.octetsParPixel) + "oc");
  reduireImage(r.pixels, coteMax);
  return std::move(r.pixels);
}

void televerserPixels(const PixelsImage& p, GLenum cible) {
  const GLenum format = formatSimple(p.octetsParPixel, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(cible, 0, format, p.largeur, p.hauteur, 0, format, GL_UNSIGNED_BYTE,
               p.octets.data());
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace

namespace {

GLuint cubeDepuis(const PixelsImage& p) {
  GLuint nom = 0;
  glGenTextures(1, &nom);
  lierTextureCible(GL_TEXTURE_CUBE_MAP, nom);
  glEnable(GL_TEXTURE_CUBE_MAP);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_R, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  if (!p.octets.empty()) {
    for (GLenum face = GL_TEXTURE_CUBE_MAP_POSITIVE_X; face <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z;
         ++face)
      televerserPixels(p, face);
    verifierErreursGL("Err");
  }
  glDisable(GL_TEXTURE_CUBE_MAP);
  verifierErreursGL("Err");
  return nom;
}

GLuint cielDepuis(const PixelsImage& p) {
  GLuint nom = 0;
  glGenTextures(1, &nom);
  lierTexture(nom);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  if (!p.octets.empty()) televerserPixels(p, GL_TEXTURE_2D);
  verifierErreursGL("Err");
  return nom;
}

}  // namespace

void prechargerCiel() {
  const bool ciel = options.Fond && !options.FondShader;
  if (!repertoires || (!options.Reflets && !ciel) || cielEnAvance.fil) return;
  cielEnAvance.chemin = repertoires->chemin("imgs/fond/gal.png");
  cielEnAvance.coteMax = ciel ? coteUtile(options.resYSure(), ChampCiel) : CoteReflets;
  // Without a thread the picture is simply decoded later, on the main thread.
  cielEnAvance.fil = SDL_CreateThread(prechargerCielFil, &cielEnAvance);
}

void abandonnerCielEnAvance() {
  if (cielEnAvance.fil) cielEnAvance.attendre();
}

GLuint chargerCubeMap(const std::string& chemin, int coteMax) {
  return cubeDepuis(pixelsReduits(chemin, coteMax, "cubemap"));
}

GLuint chargerCiel(const std::string& chemin, int coteMax) {
  return cielDepuis(pixelsReduits(chemin, coteMax, "ciel"));
}

void creerTexturesFenetre() {
  TableTextures& t = textures;
  // Made again at a new window size: the old ones go first.
  for (GLuint* nom : {&t.texFondShader, &t.texBloom, &t.texHalo, &t.texHaloAlpha}) {
    if (*nom != 0) glDeleteTextures(1, nom);
    *nom = 0;
  }
  const int resX = options.resXSure(), resY = options.resYSure();
  if (options.FondShader) {
    const int taille = options.fondShaderTailleSure();
    t.largeurFondShader = puiss2(resX / taille);
    t.hauteurFondShader = puiss2(resY / taille);
    t.texFondShader = creerTexture(t.largeurFondShader, t.hauteurFondShader, 3, GL_RGB);
  }
  if (options.Bloom) {
    t.largeurBloom = puiss2(resX);
    t.hauteurBloom = puiss2(resY);
    t.texBloom = creerTexture(t.largeurBloom, t.hauteurBloom, 4, GL_RGBA);
    // The glow itself is worked out at a quarter of the window's size (image.cpp).
    t.largeurHalo = puiss2(std::max(1, resX / ReductionHalo));
    t.hauteurHalo = puiss2(std::max(1, resY / ReductionHalo));
    t.texHalo = creerTexture(t.largeurHalo, t.hauteurHalo, 3, GL_RGB);
    // An intensity texture: the grey copied into it is also its alpha (image.cpp).
    t.texHaloAlpha = creerTexture(t.largeurHalo, t.hauteurHalo, 3, GL_RGB);
    lierTexture(t.texHaloAlpha);
    glTexImage2D(
        GL_TEXTURE_2D, 0, GL_INTENSITY8, t.largeurHalo, t.hauteurHalo, 0, GL_RGB, GL_UNSIGNED_BYTE,
        std::vector<uint8_t>(static_cast<size_t>(t.largeurHalo) * t.hauteurHalo * 3).data());
    lierTexture(0);
  }
}

void chargerImages() {
  auto img = [](const std::string& relatif) { return repertoires->chemin("imgs/" + relatif); };
  TableTextures& t = textures;

  t.texBoom = chargerTexture(img("boom/1.png"), TexClamp | TexCompresse);
  t.texParticule = chargerTexture(img("boom/particule.png"), TexClamp);
  t.texCasse = chargerTexture(img("briques/casse.png"), 0);
  t.texBlinde = chargerTexture(img("briques/blinde.png"), 0);
  t.texRessort = chargerTexture(img("briques/ressort.png"), TexAlpha);
  t.texUn = chargerTexture(img("briques/un.png"), 0);
  t.texDeux = chargerTexture(img("briques/deux.png"), 0);
  // The goal's tick shows in every look; the danger's sign only in colour-blind mode.
  t.texWin = chargerTexture(img("briques/win.png"), 0);
  if (options.ModeDaltonien) t.texLost = chargerTexture(img("briques/lost.png"), 0);

  const int resY = options.resYSure();
  creerTexturesFenetre();

  // One decoding for both: the sky first, then the same pixels halved on for the reflections.
  const bool ciel = options.Fond && !options.FondShader;
  if (options.Reflets || ciel) {
    PixelsImage p =
        pixelsReduits(img("fond/gal.png"), ciel ? coteUtile(resY, ChampCiel) : CoteReflets, "ciel");
    if (ciel) t.texFondCiel = cielDepuis(p);
    if (options.Reflets) {
      reduireImage(p, CoteReflets);
      t.texRefletCube = cubeDepuis(p);
    }
  }
  // A picture decoded ahead for options the driver then switched off: not kept.
  if (cielEnAvance.fil) cielEnAvance.attendre();

  for (int code = 0; code < 20; ++code)
    t.texBoutonsEdit[code] =
        chargerTexture(img("boutons_edit/" + std::to_string(code) + ".png"), TexClamp);
  t.texBoutonsEdit[254] = chargerTexture(img("boutons_edit/254.png"), TexClamp);
  t.texBoutonsEdit[255] = chargerTexture(img("boutons_edit/255.png"), TexClamp);
  for (int i = 0; i < 3; ++i)
    t.texMove[i] = chargerTexture(img("msg/move" + std::to_string(i) + ".png"), TexClamp);
  for (int i = 0; i < 2; ++i)
    t.texBoomMsg[i] = chargerTexture(img("msg/boom" + std::to_string(i) + ".png"), TexClamp);
  t.texOptions = chargerTexture(img("boutons/options.png"), TexClamp);
  t.texLangue = chargerTexture(img("boutons/langue.png"), TexAlpha | TexClamp);
  t.texCroix = chargerTexture(img("boutons/croix.png"), TexClamp);
  t.texPlus = chargerTexture(img("boutons/plus.png"), TexClamp);
  t.texSave = chargerTexture(img("boutons/save.png"), TexClamp);
  t.texMoins = chargerTexture(img("boutons/moins.png"), TexClamp);
  t.texJulia = chargerTexture(img("fond/julia.png"), 0);
  t.texTitre = chargerTexture(img("msg/titre.png"), TexClamp);
  t.texCache = chargerTexture(img("msg/cache.png"), 0);
  const char* couleurs[] = {"rouge", "jaune", "vert", "bleu"};
  for (int i = 0; i < 4; ++i)
    t.texCouleur[i] =
        chargerTexture(img(std::string("briques/") + couleurs[i] + ".png"), TexPixels);
  t.texCouleurAtlas = creerAtlasCouleurs(t.texCouleur);
  for (int i = 0; i < 4; ++i)
    t.texCouleurT[i] =
        chargerTexture(img(std::string("briques/") + couleurs[i] + "_t.png"), TexPixels);
  journal("Load maps ok");
}
