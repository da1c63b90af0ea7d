// The texture table as the options shape it, the compressed cache on this driver, and the two
// shader programs.
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "rendu_commun.h"
#include "gui/chargement.h"
#include "render/cache_pak.h"
#include "render/etat_gl.h"
#include "render/shaders.h"

namespace {

GLint tailleTexture(GLuint nom, GLenum quoi) {
  GLint v = -1;
  lierTexture(nom);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, quoi, &v);
  lierTexture(0);
  return v;
}

std::vector<uint8_t> lireOctets(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
void ecrireOctets(const std::string& chemin, const std::vector<uint8_t>& o) {
  std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

using TexturesTable = FenetreRendu;

TEST_F(TexturesTable, SuitLesOptions) {
  options.ResX = 800;
  options.ResY = 600;
  const struct {
    const char* nom;
    bool daltonien, fondShader, bloom, fond, reflets;
    int taille;
    bool cube;
  } cas[] = {
      {"tout coupe", false, false, false, false, false, 1, false},
      {"daltonien, fractale taille 3", true, true, false, true, false, 3, false},
      {"reflets et fond 3D", false, false, true, true, true, 2, true},
      {"fond 3D seul", false, false, false, true, false, 1, true},
  };
  for (const auto& c : cas) {
    ouvrir(800, 600);
    options.ModeDaltonien = c.daltonien;
    options.FondShader = c.fondShader;
    options.Bloom = c.bloom;
    options.Fond = c.fond;
    options.Reflets = c.reflets;
    options.FondShaderTaille = c.taille;
    CaptureJournal capture;
    Gui g(800, 600);
    chargerImagesGui(g);
    chargerImages();
    const TableTextures& t = textures;
    EXPECT_TRUE(capture.contient("Fonts ok")) << c.nom;
    EXPECT_EQ(capture.lignes().back(), "Load maps ok") << c.nom;
    EXPECT_NE(t.texWin, 0u) << c.nom;  // the goal's tick shows in every look
    EXPECT_EQ(t.texLost != 0, c.daltonien) << c.nom;
    EXPECT_EQ(t.texFondShader != 0, c.fondShader) << c.nom;
    EXPECT_EQ(t.texBloom != 0, c.bloom) << c.nom;
    EXPECT_EQ(t.texRefletCube != 0, c.reflets) << c.nom;
    EXPECT_EQ(t.texFondCiel != 0, c.cube && c.fond) << c.nom;
    // The 2048-pixel sky at what a 600-pixel window shows of it (one face spans about 1039
    // pixels), the reflections far smaller: 6 x 256 x 256 instead of 6 x 2048 x 2048.
    if (t.texFondCiel) {
      EXPECT_EQ(tailleTexture(t.texFondCiel, GL_TEXTURE_WIDTH), 1024) << c.nom;
      EXPECT_EQ(tailleTexture(t.texFondCiel, GL_TEXTURE_HEIGHT), 1024) << c.nom;
    }
    if (t.texRefletCube) {
      GLint cote = -1;
      lierTextureCible(GL_TEXTURE_CUBE_MAP, t.texRefletCube);
      for (GLenum face = GL_TEXTURE_CUBE_MAP_POSITIVE_X; face <= GL_TEXTURE_CUBE_MAP_NEGATIVE_Z;
           ++face) {
        glGetTexLevelParameteriv(face, 0, GL_TEXTURE_WIDTH, &cote);
        EXPECT_EQ(cote, CoteReflets) << c.nom << " " << face;
      }
      lierTextureCible(GL_TEXTURE_CUBE_MAP, 0);
    }
    for (int code = 0; code < 256; ++code)
      EXPECT_EQ(t.texBoutonsEdit[code] != 0, code < 20 || code == 254 || code == 255) << c.nom << " " << code;
    for (GLuint n : {t.texCasse, t.texBlinde, t.texRessort, t.texBoom, t.texParticule, t.texMove[2],
                     t.texBoomMsg[1], t.texCouleur[3], t.texCouleurT[0], t.texJulia,
                     g.styleBouton.texBasDroite, g.styleListe.flecheBas})
      EXPECT_NE(n, 0u) << c.nom;
    EXPECT_TRUE(g.police()->contient(0xE9)) << c.nom;  // a glyph of the second sheet
    // A loaded image really sits in its texture.
    EXPECT_EQ(tailleTexture(t.texCasse, GL_TEXTURE_WIDTH), 64) << c.nom;
    if (c.fondShader) {  // 800 / 3 = 266 -> 512, 600 / 3 = 200 -> 256
      EXPECT_EQ(tailleTexture(t.texFondShader, GL_TEXTURE_WIDTH), 512);
      EXPECT_EQ(tailleTexture(t.texFondShader, GL_TEXTURE_HEIGHT), 256);
      EXPECT_TRUE(capture.contient("New : 512x256 sur 3oc"));
    }
    if (c.bloom) {
      EXPECT_TRUE(capture.contient("New : 1024x1024 sur 4oc"));
    }
    TearDown();
    SetUp();
    options.ResX = 800;
    options.ResY = 600;
  }
}

// The sky decoded ahead on the worker thread gives the same textures and one log line, in the
// same place as when chargerImages decodes it itself.
TEST_F(TexturesTable, CielDecodeEnAvance) {
  for (bool avance : {false, true}) {
    options.ResX = 800;
    options.ResY = 600;
    ouvrir(800, 600);
    options.Fond = options.Reflets = true;
    options.FondShader = false;
    CaptureJournal capture;
    if (avance) prechargerCiel();
    Gui g(800, 600);
    chargerImagesGui(g);
    chargerImages();
    std::vector<std::string> ciel;
    for (const auto& l : capture.lignes())
      if (l.find("gal.png") != std::string::npos) ciel.push_back(l);
    ASSERT_EQ(ciel.size(), 1u) << avance;
    EXPECT_NE(ciel[0].find("(ciel) : 2048x2048 sur 3oc"), std::string::npos) << ciel[0];
    EXPECT_EQ(tailleTexture(textures.texFondCiel, GL_TEXTURE_WIDTH), 1024) << avance;
    EXPECT_NE(textures.texRefletCube, 0u) << avance;
    TearDown();
    SetUp();
  }
}

TEST_F(TexturesTable, ImageAbsenteDonneUneTextureVide) {
  ouvrir();
  CaptureJournal capture;
  const GLuint n = chargerTexture(d_ / "data/imgs/absente.png", 0);
  EXPECT_NE(n, 0u);
  bool erreur = false;
  for (const auto& l : capture.lignes()) erreur |= l.rfind("SDL_Error ", 0) == 0;
  EXPECT_TRUE(erreur);
  EXPECT_EQ(tailleTexture(n, GL_TEXTURE_WIDTH), 0);
}

// The cache on this driver: written on the first load when the driver compresses, used on the
// next, and refused when damaged (the image is decoded instead and the texture is whole).
TEST_F(TexturesTable, CacheCompresse) {
  ouvrir();
  const std::string image = d_ / "data/imgs/boom/1.png";
  const std::string pak = image + ".pak";
  GLuint premier;
  {
    CaptureJournal capture;
    premier = chargerTexture(image, TexClamp | TexCompresse);
    EXPECT_TRUE(capture.contient(image + " : 128x128 sur 3oc"));
  }
  GLint compresse = 0;
  lierTexture(premier);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_COMPRESSED_ARB, &compresse);
  const std::string rendu = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  std::vector<uint8_t> octets;
  if (compresse == 1) {
    octets = lireOctets(pak);
    ASSERT_FALSE(octets.empty()) << "the driver compresses, so the cache must be written";
    EntetePak e;
    ASSERT_EQ(lireEntetePak(octets.data(), octets.size(), rendu, e), LecturePak::Valide);
    EXPECT_EQ(e.largeur, 128);
    EXPECT_EQ(e.octetsParPixel, 3);
  } else {
    // No compression here: a cache made from known bytes (a plain, valid DXT1 block pattern).
    GTEST_LOG_(INFO) << "driver does not compress; cache tested with a made-up file";
    EXPECT_FALSE(existeTest(pak));
    octets = ecrireEntetePak(rendu, 128, 128, 3);
    octets.insert(octets.end(), 32 * 32 * 8, 0x55);
    ecrireOctets(pak, octets);
  }
  auto charge = [&](const char* cas) {
    CaptureJournal capture;
    const GLuint n = chargerTexture(image, TexClamp | TexCompresse);
    EXPECT_EQ(tailleTexture(n, GL_TEXTURE_WIDTH), 128) << cas;
    return capture;
  };
  {
    const CaptureJournal c = charge("valide");
    EXPECT_TRUE(c.contient(image + " (chargé compresé) : 128x128 sur 3oc"));
    EXPECT_FALSE(c.contient(image + " : 128x128 sur 3oc"));
  }
  std::string autre = rendu;
  autre[0] ^= 1;
  std::vector<uint8_t> autreRendu = ecrireEntetePak(autre, 128, 128, 3);
  autreRendu.insert(autreRendu.end(), octets.begin() + rendu.size() + 10, octets.end());
  std::vector<uint8_t> tropGrand = octets;  // claims 4x the size it holds
  tropGrand[rendu.size() + 1] = 0;
  tropGrand[rendu.size() + 2] = 1;  // width 256
  tropGrand[rendu.size() + 6] = 1;  // height 256 + 128
  const struct {
    const char* nom;
    std::vector<uint8_t> contenu;
  } abimes[] = {
      {"coupe", std::vector<uint8_t>(octets.begin(), octets.begin() + octets.size() / 2)},
      {"coupe dans l'entete",
       std::vector<uint8_t>(octets.begin(), octets.begin() + rendu.size() + 4)},
      {"taille annoncee plus grande", tropGrand},
      {"autre rendu", autreRendu},
  };
  for (const auto& a : abimes) {
    ecrireOctets(pak, a.contenu);
    const CaptureJournal c = charge(a.nom);
    EXPECT_TRUE(c.contient(image + " : 128x128 sur 3oc")) << a.nom << ": decoded instead";
    bool ignore = false;
    for (const auto& l : c.lignes()) ignore |= l.rfind("Cache ignoré " + pak, 0) == 0;
    EXPECT_TRUE(ignore) << a.nom;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << a.nom;
  }
}

// A data directory where the cache cannot be written (here: its name is taken by a folder): the
// cache goes under the user directory and is found there on the next load.
// A leftover temporary beside the cache that links to another file: the cache is written
// without ever writing through that link.
TEST_F(TexturesTable, CacheNEcritPasParUnLienLaisse) {
  ouvrir();
  const std::string image = d_ / "data/imgs/boom/1.png";
  ecrireOctets(d_ / "victime", {'k', 'e', 'e', 'p'});
  ASSERT_EQ(symlink((d_ / "victime").c_str(), (image + ".pak.tmp").c_str()), 0);
  CaptureJournal capture;
  const GLuint n = chargerTexture(image, TexClamp | TexCompresse);
  GLint compresse = 0;
  lierTexture(n);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_COMPRESSED_ARB, &compresse);
  lierTexture(0);
  EXPECT_EQ(lireOctets(d_ / "victime"), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
  // (Only a driver that compresses writes the cache at all.)
  if (compresse == 1) {
    EXPECT_GT(lireOctets(image + ".pak").size(), 20u);
  }
}

TEST_F(TexturesTable, CacheSousLeRepertoireUtilisateur) {
  ouvrir();
  const std::string image = d_ / "data/imgs/boom/1.png";
  std::filesystem::create_directory(image + ".pak");
  chargerTexture(image, TexClamp | TexCompresse);
  GLint compresse = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_COMPRESSED_ARB, &compresse);
  if (compresse != 1) GTEST_SKIP() << "the driver does not compress";
  const CheminsPak chemins = cheminsPak(image);
  EXPECT_EQ(chemins.utilisateur, d_ / "home/cache/imgs/boom/1.png.pak");
  ASSERT_TRUE(existeTest(chemins.utilisateur));
  CaptureJournal capture;
  chargerTexture(image, TexClamp | TexCompresse);
  EXPECT_TRUE(capture.contient(image + " (chargé compresé) : 128x128 sur 3oc"));
}

using ShadersProgrammes = FenetreRendu;

TEST_F(ShadersProgrammes, CompilentLientEtSeLiberent) {
  ouvrir();
  ASSERT_TRUE(glext->shaderDisponible());
  options.FondShader = true;
  options.Bloom = true;
  options.BloomPart = 5;
  Shaders s;
  CaptureJournal capture;
  s.preparerShaders();
  ASSERT_EQ(s.listeShaders.size(), 4u);
  // Order: julia.vert, julia.frag, bloom.vert, bloom.frag (log order and handles agree).
  std::vector<std::string> charges, ids;
  for (const auto& l : capture.lignes()) {
    if (l.rfind("Load shader ", 0) == 0) charges.push_back(l.substr(l.rfind('/') + 1));
    if (l.rfind(" : loaded @id ", 0) == 0) ids.push_back(l.substr(14));
  }
  EXPECT_EQ(charges,
            (std::vector<std::string>{"julia.vert", "julia.frag", "bloom.vert", "bloom.frag"}));
  ASSERT_EQ(ids.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(ids[i], std::to_string(s.listeShaders[i]));
  int compiles = 0;
  for (const auto& l : capture.lignes()) compiles += l == "Result comp shader: 1";
  EXPECT_EQ(compiles, 4);
  EXPECT_TRUE(capture.contient("Result link shader : 1"));
  for (GLhandleARB p : {s.programmeFractal, s.programmeBloom}) {
    GLint lie = 0;
    glext->glGetObjectParameterivARB(p, GL_OBJECT_LINK_STATUS_ARB, &lie);
    EXPECT_EQ(lie, 1);
  }
  EXPECT_GE(s.locPart, 0);
  GLfloat part = 0;
  auto getUniform =
      reinterpret_cast<PFNGLGETUNIFORMFVARBPROC>(SDL_GL_GetProcAddress("glGetUniformfvARB"));
  ASSERT_NE(getUniform, nullptr);
  getUniform(s.programmeBloom, s.locPart, &part);
  EXPECT_FLOAT_EQ(part, 0.5f);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  const std::vector<GLhandleARB> objets = s.listeShaders;
  s.libererShaders();
  EXPECT_TRUE(s.listeShaders.empty());
  EXPECT_EQ(s.programmeFractal, 0u);
  // Deleted objects are no longer known to the GL.
  while (glGetError() != GL_NO_ERROR) {
  }
  for (GLhandleARB o : objets) {
    GLint type = 0;
    glext->glGetObjectParameterivARB(o, GL_OBJECT_TYPE_ARB, &type);
    EXPECT_NE(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << o;
  }
}

TEST_F(ShadersProgrammes, RienSansLesOptions) {
  ouvrir();
  options.FondShader = false;
  options.Bloom = false;
  Shaders s;
  CaptureJournal capture;
  s.preparerShaders();
  EXPECT_TRUE(s.listeShaders.empty());
  EXPECT_EQ(s.programmeFractal, 0u);
  EXPECT_EQ(s.programmeBloom, 0u);
  EXPECT_TRUE(capture.lignes().empty());
}

}  // namespace
