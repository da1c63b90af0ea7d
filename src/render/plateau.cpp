#include "render/plateau.h"

#include <algorithm>
#include <cmath>

#include "base/maths.h"
#include "game/cases.h"
#include "render/aspect_cases.h"
#include "render/atlas_couleurs.h"
#include "render/briques_cache.h"
#include "render/etat_gl.h"
#include "render/glext.h"
#include "render/maillages.h"
#include "render/textures.h"

namespace {

const float BLANC[4] = {1, 1, 1, 1};

// GL state the cell drawing changes often, set only when it differs.
struct EtatDessin {
  const InstantaneTerrain& t;
  uint32_t ticks;
  Reflet reflet;
  bool daltonien;
  bool editeur;
  const TableTextures& textures;
  bool ouvert = false;  // inside glBegin(GL_QUADS): cells sharing texture and blending

  // The material follows the current colour (colour material on ambient and diffuse), so that
  // a colour change costs nothing and consecutive cells share one quad list.
  void fixerMateriau(const float c[4]) { glColor4fv(c); }
  void ouvrir() {
    if (!ouvert) glBegin(GL_QUADS);
    ouvert = true;
  }
  void fermer() {
    if (ouvert) glEnd();
    ouvert = false;
  }
  // A bind or a blend change cannot happen inside glBegin: the quad list closes first, and
  // only when the state really changes.
  void lier(GLuint tex) {
    if (textureDejaLiee(tex)) return;
    fermer();
    lierTexture(tex);
  }
  void fixerMelange(bool on) {
    if (melangeDejaActif(on)) return;
    fermer();
    activerMelange(on);
  }
  void degrade(int c, int r, float sortie[4]) const {
    const float u = static_cast<float>(c) / t.largeur, v = static_cast<float>(r) / t.hauteur;
    interpolerCouleur(u, v, t.couleurs[0], t.couleurs[1], t.couleurs[2], t.couleurs[3], sortie);
  }
  Voisins voisins(int c, int r) const {
    Voisins v;
    const int dc[4] = {0, 0, -1, 1}, dr[4] = {-1, 1, 0, 0};
    for (int i = 0; i < 4; ++i) {
      const int x = c + dc[i], y = r + dr[i];
      v.dedans[i] = x >= 0 && y >= 0 && x < t.largeur && y < t.hauteur;
      v.code[i] = t.lireCase(x, y);
    }
    return v;
  }
  void boite(float x, float y, float w, float h, float z0, float z1, uint8_t code,
             const Voisins& v) {
    ouvrir();
    sommetsBoite(x, y, w, h, z0, z1, code, v, reflet, !melangeDejaActif(true));
  }
  void plaque(float x0, float y0, float x1, float y1) {
    ouvrir();
    sommetsQuadPlat(x0, y0, x1, y1, 1.0f, -1.0f, reflet);
  }
};

// A switch: its plate (the coloured one, or the editor's marker of a grey colour), then the
// lever.
void dessinerInterrupteur(EtatDessin& e, const AspectCase& a, const Apparence& ap, uint8_t code,
                          int c, int r) {
  const float x = static_cast<float>(c), y = static_cast<float>(r);
  const float* levier = couleurFixeCase(TeinteCase::Levier, code);
  const float* couleurPlaque = levier;
  if (ap.image != ImageCase::Aucune) {
    couleurPlaque = couleurFixeCase(ap.teinte, code);
    e.fixerMateriau(couleurPlaque);
    e.lier(textureCase(ap.image, code, e.ticks, e.textures));
    e.fixerMelange(a.translucide);
    e.plaque(x + 0.1f, y + 0.1f, x + 0.9f, y + 0.9f);
  }
  // A marker drawn in the lever's colour leaves it set: no second call for the same colour.
  if (ap.image == ImageCase::Aucune || couleurPlaque != levier) e.fixerMateriau(levier);
  e.fixerMelange(false);
  e.lier(0);
  e.boite(x + 0.25f, y + 0.8f, 0.5f, 0.2f, 0.25f, 0.75f, code, e.voisins(c, r));
}

void dessinerCase(EtatDessin& e, int c, int r) {
  const uint8_t code = e.t.lireCase(c, r);
  const AspectCase& a = aspectCase(code);
  if (a.forme == FormeCase::Rien || briqueEnCache(code)) return;
  const Apparence ap = apparenceCase(a, e.editeur, e.daltonien);
  if (a.forme == FormeCase::Interrupteur) {
    dessinerInterrupteur(e, a, ap, code, c, r);
    return;
  }
  const float x = static_cast<float>(c), y = static_cast<float>(r);
  if (ap.teinte == TeinteCase::Degrade) {
    float degrade[4];
    e.degrade(c, r, degrade);
    e.fixerMateriau(degrade);
  } else if (const float* couleur = couleurFixeCase(ap.teinte, code)) {
    e.fixerMateriau(couleur);
  }
  if (ap.image == ImageCase::Couleur && e.textures.texCouleurAtlas != 0) {
    // One texture for the four colours: the quad list goes on from brick to brick.
    float ox, oy;
    coinAtlasCouleurs(couleurDeCase(code), ox, oy);
    e.lier(e.textures.texCouleurAtlas);
    e.fixerMelange(a.translucide);
    transformerCoordsTexture(ox, oy, 0.5f);
    e.boite(x, y, 1, 1, 0, 1, code, e.voisins(c, r));
    transformerCoordsTexture(0, 0, 1);
    return;
  }
  e.lier(textureCase(ap.image, code, e.ticks, e.textures));
  e.fixerMelange(a.translucide);
  switch (a.forme) {
    case FormeCase::Boite: e.boite(x, y, 1, 1, 0, 1, code, e.voisins(c, r)); return;
    case FormeCase::Ressort:
      e.ouvrir();
      sommetsRessort(c, r, 16, e.reflet);
      return;
    case FormeCase::Sphere: {
      const float vue[3] = {e.reflet.oeil[0] - x, e.reflet.oeil[1] - y, e.reflet.oeil[2] - 0.5f};
      const float centre[3] = {x + 0.5f, y + 0.5f, 0.5f};
      e.ouvrir();
      sommetsSphere(centre, 0.3f, 8, 4, e.reflet, vue);
      return;
    }
    case FormeCase::Panneau: e.plaque(x, y, x + a.largeur, y + a.hauteur); return;
    default: return;
  }
}

void dessinerFlash(const InstantaneTerrain& t, GLuint texture) {
  const float s = 2.0f * (100 - t.minuteurExplosion) + 15.0f;
  glPushMatrix();
  glTranslatef(t.explosionX, t.explosionY, 0.5f);
  glRotatef(t.explosionAlea, 0, 0, 1);
  glEnable(GL_TEXTURE_2D);
  lierTexture(texture);
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE);
  glColor4f(1, 1, 1, t.minuteurExplosion / 100.0f);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex3f(-s, -s, 0);
  glTexCoord2f(0, 1), glVertex3f(-s, s, 0);
  glTexCoord2f(1, 1), glVertex3f(s, s, 0);
  glTexCoord2f(1, 0), glVertex3f(s, -s, 0);
  glEnd();
  activerMelange(false);
  glDisable(GL_TEXTURE_2D);
  glPopMatrix();
}

using Vec3 = Vecteur3<float>;

}  // namespace

float ratioFenetre() {
  GLint vue[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vue);
  return vue[3] > 0 ? static_cast<float>(vue[2]) / vue[3] : 1.0f;
}

void appliquerCamera(const Camera& k, float ratio) {
  double proche = 0, loin = 0;
  plansCamera(k, proche, loin);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, ratio, proche, loin);
  gluLookAt(k.oeilX, k.oeilY, k.oeilZ, k.centreX, k.centreY, k.centreZ, k.hautX, k.hautY, k.hautZ);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

ZoneVisible zoneVisible(const Camera& k, float ratio, int largeur, int hauteur) {
  ZoneVisible tout{0, largeur - 1, 0, hauteur - 1};
  const Vec3 oeil{k.oeilX, k.oeilY, k.oeilZ};
  const Vec3 f = unitaire(moins(Vec3{k.centreX, k.centreY, k.centreZ}, oeil));
  const Vec3 s = unitaire(vectoriel(f, Vec3{k.hautX, k.hautY, k.hautZ}));
  const Vec3 u = vectoriel(s, f);
  const float ty = std::tan(30.0f * 3.14159265f / 180.0f), tx = ty * ratio;
  float minX = 1e30f, maxX = -1e30f, minY = 1e30f, maxY = -1e30f;
  for (float z : {0.0f, 1.0f}) {
    for (float a : {-1.0f, 1.0f}) {
      for (float b : {-1.0f, 1.0f}) {
        const Vec3 d{f.x + a * tx * s.x + b * ty * u.x, f.y + a * tx * s.y + b * ty * u.y,
                     f.z + a * tx * s.z + b * ty * u.z};
        // A corner ray that does not reach the plane ahead: the view is unbounded there.
        if (d.z < 1e-4f || z - oeil.z < 0) return tout;
        const float l = (z - oeil.z) / d.z;
        const float x = oeil.x + l * d.x, y = oeil.y + l * d.y;
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
    }
  }
  if (!(maxX - minX < 1e6f && maxY - minY < 1e6f)) return tout;
  // Four cells more on the low sides: a hint sign drawn from a cell reaches four cells on.
  auto borne = [](float v, int lo, int hi) {
    return static_cast<int>(std::max<float>(lo, std::min<float>(hi, std::floor(v))));
  };
  return {borne(minX - 4, 0, largeur - 1), borne(maxX + 1, -1, largeur - 1),
          borne(minY - 4, 0, hauteur - 1), borne(maxY + 1, -1, hauteur - 1)};
}

void dessinerParticule(const Particule& p, GLuint texture) {
  if (p.vie <= 0) return;
  glEnable(GL_TEXTURE_2D);
  lierTexture(texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex3f(p.x - p.taille, p.y - p.taille, p.z);
  glTexCoord2f(1, 0), glVertex3f(p.x + p.taille, p.y - p.taille, p.z);
  glTexCoord2f(1, 1), glVertex3f(p.x + p.taille, p.y + p.taille, p.z);
  glTexCoord2f(0, 1), glVertex3f(p.x - p.taille, p.y + p.taille, p.z);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

void dessinerScene(const InstantaneTerrain& t, uint32_t ticks, const ReglagesScene& reglages) {
  if (!t.aGrille() || t.largeur < 1 || t.hauteur < 1 ||
      t.grille.size() < static_cast<size_t>(t.largeur) * t.hauteur)
    return;
  const Camera& k = t.camera;
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);

  const GLfloat lumiere0[4] = {0, 0, -20, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, lumiere0);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  if (t.minuteurExplosion != 0) {
    const float f = (t.minuteurExplosion - 1) / 100.0f;
    const GLfloat pos[4] = {t.explosionX, t.explosionY, 0.5f, 1};
    const GLfloat couleur[4] = {f, f * 0.5f, 0, 1};
    glLightfv(GL_LIGHT1, GL_POSITION, pos);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, couleur);
    glLightfv(GL_LIGHT1, GL_SPECULAR, couleur);
    glEnable(GL_LIGHT1);
  }

  static const TableTextures aucune{};
  const TableTextures& textures = reglages.textures ? *reglages.textures : aucune;
  const GlExt* glext = reglages.glext;
  EtatDessin e{t, ticks, Reflet{}, reglages.daltonien, reglages.editeur, textures};
  e.reflet.oeil[0] = k.oeilX, e.reflet.oeil[1] = k.oeilY, e.reflet.oeil[2] = k.oeilZ;
  const bool reflets = reglages.reflets && textures.texRefletCube != 0 && glext &&
                       glext->glActiveTexture && glext->glMultiTexCoord3f;
  activerMelange(false);

  e.fixerMateriau(BLANC);
  dessinerCadre(t.largeur, t.hauteur);

  // The ball, with the slowly turning sky on unit 1 when reflections are on.
  lierTexture(0);
  if (reflets) {
    glext->glActiveTexture(GL_TEXTURE1);
    lierTextureCible(GL_TEXTURE_CUBE_MAP, textures.texRefletCube);
    glEnable(GL_TEXTURE_CUBE_MAP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
    const float angle = ticks * 0.005f;
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glRotatef(angle, 1, 0, 0);
    glRotatef(angle, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    e.reflet.actif = true;
  }
  {
    const float bx = t.balle.x, by = t.balle.y;
    const float vue[3] = {k.oeilX - bx, k.oeilY - by, k.oeilZ - 0.5f};
    const float centre[3] = {bx, by, 0.5f};
    glBegin(GL_QUADS);
    sommetsSphere(centre, 0.5f, 16, 32, e.reflet, vue);
    glEnd();
  }
  if (reflets) {
    glext->glActiveTexture(GL_TEXTURE0);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_TEXTURE_CUBE_MAP);
  }

  // Cells, from the board's edges toward the eye so that translucent cells blend over what lies
  // behind them. Translucent cells blend as text does.
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  lierTexture(0);
  // The opaque bricks first, from their arrays: they need no order.
  const int W = t.largeur, H = t.hauteur;
  const ZoneVisible z = zoneVisible(k, ratioFenetre(), W, H);
  dessinerBriquesCache(t, reglages.editeur, reflets, e.reflet.oeil, ticks * 0.005f, z, textures,
                       glext);
  const int ex = static_cast<int>(k.oeilX), ey = static_cast<int>(k.oeilY);
  auto ligne = [&](int r) {
    for (int c = z.c0; c <= std::min({ex, W - 1, z.c1}); ++c) dessinerCase(e, c, r);
    for (int c = std::min(W - 1, z.c1); c >= std::max({ex - 1, 0, z.c0}); --c)
      dessinerCase(e, c, r);
  };
  for (int r = z.r0; r <= std::min({ey, H - 1, z.r1}); ++r) ligne(r);
  for (int r = std::min(H - 1, z.r1); r >= std::max({ey, 0, z.r0}); --r) ligne(r);
  e.fermer();
  e.fixerMelange(false);
  glDisable(GL_TEXTURE_2D);
  if (reflets) {
    glext->glActiveTexture(GL_TEXTURE1);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glDisable(GL_TEXTURE_CUBE_MAP);
    glext->glActiveTexture(GL_TEXTURE0);
  }

  // Particles: additive, without writing depth.
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE);
  glDepthMask(GL_FALSE);
  glColor4f(1, 1, 1, 1);
  for (const Particule& p : t.particules) dessinerParticule(p, textures.texParticule);
  activerMelange(false);
  glDepthMask(GL_TRUE);

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_LIGHT0);
  glDisable(GL_COLOR_MATERIAL);
  if (t.minuteurExplosion != 0) {
    glDisable(GL_LIGHT1);
    dessinerFlash(t, textures.texBoom);
  }
}

std::optional<CaseChoisie> choisirCase(const InstantaneTerrain& t, float ratio, int mx, int my) {
  if (!t.aGrille() || t.largeur < 1 || t.hauteur < 1 ||
      t.grille.size() < static_cast<size_t>(t.largeur) * static_cast<size_t>(t.hauteur))
    return std::nullopt;
  GLint vue[4];
  glGetIntegerv(GL_VIEWPORT, vue);
  if (vue[2] <= 0 || vue[3] <= 0) return std::nullopt;
  // The centre of the window pixel (origin top-left), where the drawing samples what it shows
  // there, in the picture's normalised coordinates, y upward.
  const double gx = mx + 0.5, gy = static_cast<double>(vue[1]) + vue[3] - my - 0.5;
  const double ndcX = 2.0 * (gx - vue[0]) / vue[2] - 1.0;
  const double ndcY = 2.0 * (gy - vue[1]) / vue[3] - 1.0;
  return caseVisee(t.camera, ratio, ndcX, ndcY, t.largeur, t.hauteur);
}
