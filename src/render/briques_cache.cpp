#include "render/briques_cache.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "base/maths.h"
#include "render/aspect_cases.h"
#include "render/etat_gl.h"
#include "render/glext.h"
#include "render/textures.h"

namespace {

// Face directions: the front, then the sides by the neighbour they face (top, bottom, left,
// right), as the box drawing orders them.
enum Direction { Devant, Haut, Bas, Gauche, Droite, NombreDirections };
const float Normales[NombreDirections][3] = {
    {0, 0, -1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}};

struct Groupe {
  GLuint texture = 0;
  Direction direction = Devant;
  std::vector<float> positions;  // 3 per vertex
  std::vector<float> coords;     // 2 per vertex (the third coordinate is 0)
  std::vector<float> couleurs;   // 4 per vertex
  // Sides: the row (top, bottom) or column (left, right) of each quad, in increasing order, so
  // that the sides an eye can see are one run of the arrays.
  std::vector<int> lignes;
};

// What the arrays were built from.
struct Cle {
  int32_t largeur = 0, hauteur = 0;
  std::vector<uint8_t> grille;
  float couleurs[4][4] = {};
  bool editeur = false;
  std::array<GLuint, 256> textures{};  // each brick code's picture, by code
};

// The board in square tiles of arrays: a painted cell rebuilds the tiles it touches (its own,
// and a neighbour's whose side faces it), not the whole board, and a frame draws only the tiles
// the view can show.
constexpr int TailleTuile = 64;

struct Tuile {
  int c0 = 0, r0 = 0, c1 = 0, r1 = 0;  // cells covered, inclusive
  std::vector<Groupe> groupes;
  bool aRefaire = true;
};

struct Cache {
  Cle cle;
  bool valide = false;
  std::vector<Tuile> tuiles;
  int tuilesL = 0;  // tiles per row
  uint32_t constructions = 0;
  uint32_t tuilesConstruites = 0;
};

Cache& cache() {
  static Cache c;
  return c;
}

bool actifs = true;

// The brick's picture from the cell-look table. Bricks have no colour-blind variant (the table's
// tests hold it), so the arrays need not know the mode.
GLuint textureBrique(uint8_t code, bool editeur, const TableTextures& textures) {
  const Apparence ap = apparenceCase(aspectCase(code), editeur, false);
  return textureCase(ap.image, code, 0, textures);
}

// The picture of each code the arrays draw, by code (0 for the others).
std::array<GLuint, 256> texturesBriques(bool editeur, const TableTextures& textures) {
  std::array<GLuint, 256> t{};
  for (int code = 0; code < 256; ++code) {
    const uint8_t c = static_cast<uint8_t>(code);
    if (aspectCase(c).brique) t[c] = textureBrique(c, editeur, textures);
  }
  return t;
}

// Everything but the grid: a change there rebuilds every tile.
bool memeCadre(const Cle& c, const InstantaneTerrain& t, bool editeur,
               const TableTextures& textures) {
  return c.largeur == t.largeur && c.hauteur == t.hauteur && c.editeur == editeur &&
         c.textures == texturesBriques(editeur, textures) &&
         std::memcmp(c.couleurs, t.couleurs, sizeof c.couleurs) == 0 &&
         c.grille.size() == t.grille.size();
}

Groupe& groupe(std::vector<Groupe>& groupes, GLuint texture, Direction d) {
  for (Groupe& g : groupes)
    if (g.texture == texture && g.direction == d) return g;
  groupes.push_back(Groupe{});
  groupes.back().texture = texture;
  groupes.back().direction = d;
  return groupes.back();
}

void sommet(Groupe& g, float x, float y, float z, float s, float tt, const float c[4]) {
  g.positions.insert(g.positions.end(), {x, y, z});
  g.coords.insert(g.coords.end(), {s, tt});
  g.couleurs.insert(g.couleurs.end(), c, c + 4);
}

// The same vertices, in the same order, as the immediate box drawing: the sides where the
// neighbour inside the grid holds another code (sides turned away from the eye included: the
// arrays serve every eye, and behind the opaque front those never show), then the front.
void construireTuile(const InstantaneTerrain& t, bool editeur, const TableTextures& textures,
                     Tuile& tuile) {
  for (Groupe& g : tuile.groupes)
    g.positions.clear(), g.coords.clear(), g.couleurs.clear(), g.lignes.clear();
  const int W = t.largeur, H = t.hauteur;
  // Row by row for the fronts and the top and bottom sides, column by column for the left and
  // right sides: each side group comes out sorted by the coordinate that decides its visibility.
  const int debut[2][2] = {{tuile.r0, tuile.c0}, {tuile.c0, tuile.r0}};
  const int fin[2][2] = {{tuile.r1, tuile.c1}, {tuile.c1, tuile.r1}};
  for (int passe = 0; passe < 2; ++passe)
    for (int i1 = debut[passe][0]; i1 <= fin[passe][0]; ++i1) {
      for (int i2 = debut[passe][1]; i2 <= fin[passe][1]; ++i2) {
        const int r = passe == 0 ? i1 : i2, c = passe == 0 ? i2 : i1;
        const uint8_t code = t.grille[static_cast<size_t>(r) * W + c];
        if (!briqueEnCache(code)) continue;
        const GLuint tex = textureBrique(code, editeur, textures);
        float couleur[4];
        interpolerCouleur(static_cast<float>(c) / W, static_cast<float>(r) / H, t.couleurs[0],
                          t.couleurs[1], t.couleurs[2], t.couleurs[3], couleur);
        const float x = static_cast<float>(c), y = static_cast<float>(r);
        const int dc[4] = {0, 0, -1, 1}, dr[4] = {-1, 1, 0, 0};
        // Each side's first edge, from a to b, as the box drawing takes it.
        const float cotes[4][4] = {
            {x, y, x + 1, y}, {x, y + 1, x + 1, y + 1}, {x, y, x, y + 1}, {x + 1, y, x + 1, y + 1}};
        for (int i = passe * 2; i < passe * 2 + 2; ++i) {
          const int vc = c + dc[i], vr = r + dr[i];
          if (vc < 0 || vr < 0 || vc >= W || vr >= H) continue;
          if (t.grille[static_cast<size_t>(vr) * W + vc] == code) continue;
          Groupe& g = groupe(tuile.groupes, tex, static_cast<Direction>(Haut + i));
          const float ax = cotes[i][0], ay = cotes[i][1], bx = cotes[i][2], by = cotes[i][3];
          sommet(g, ax, ay, 0, 0, 1, couleur);
          sommet(g, ax, ay, 1, 0, 0, couleur);
          sommet(g, bx, by, 1, 1, 0, couleur);
          sommet(g, bx, by, 0, 1, 1, couleur);
          g.lignes.push_back(i < 2 ? r : c);
        }
        if (passe == 1) continue;
        Groupe& g = groupe(tuile.groupes, tex, Devant);
        sommet(g, x, y, 0, 0, 0, couleur);
        sommet(g, x, y + 1, 0, 0, 1, couleur);
        sommet(g, x + 1, y + 1, 0, 1, 1, couleur);
        sommet(g, x + 1, y, 0, 1, 0, couleur);
      }
    }
  tuile.aRefaire = false;
  ++cache().tuilesConstruites;
}

// Brings the tiles up to `t`: all of them after a change of size, colours or textures, else
// those around the cells that changed. Returns whether anything was rebuilt.
bool mettreAJour(const InstantaneTerrain& t, bool editeur, const TableTextures& textures) {
  Cache& k = cache();
  const int W = t.largeur, H = t.hauteur;
  if (k.valide && memeCadre(k.cle, t, editeur, textures)) {
    if (k.cle.grille == t.grille) return false;
    auto marquer = [&](int c, int r) {
      if (c < 0 || r < 0 || c >= W || r >= H) return;
      k.tuiles[static_cast<size_t>((r / TailleTuile) * k.tuilesL + c / TailleTuile)].aRefaire =
          true;
    };
    for (size_t i = 0; i < t.grille.size(); ++i) {
      if (k.cle.grille[i] == t.grille[i]) continue;
      const int c = static_cast<int>(i % static_cast<size_t>(W)),
                r = static_cast<int>(i / static_cast<size_t>(W));
      marquer(c, r), marquer(c - 1, r), marquer(c + 1, r), marquer(c, r - 1), marquer(c, r + 1);
    }
  } else {
    k.tuilesL = (W + TailleTuile - 1) / TailleTuile;
    const int tuilesH = (H + TailleTuile - 1) / TailleTuile;
    k.tuiles.resize(static_cast<size_t>(k.tuilesL) * static_cast<size_t>(tuilesH));
    for (int tr = 0; tr < tuilesH; ++tr)
      for (int tc = 0; tc < k.tuilesL; ++tc) {
        Tuile& u = k.tuiles[static_cast<size_t>(tr * k.tuilesL + tc)];
        u.c0 = tc * TailleTuile, u.r0 = tr * TailleTuile;
        u.c1 = std::min(W, u.c0 + TailleTuile) - 1, u.r1 = std::min(H, u.r0 + TailleTuile) - 1;
        u.aRefaire = true;
      }
  }
  for (Tuile& u : k.tuiles)
    if (u.aRefaire) construireTuile(t, editeur, textures, u);
  Cle& cle = k.cle;
  cle.largeur = W, cle.hauteur = H, cle.editeur = editeur;
  cle.grille = t.grille;
  std::memcpy(cle.couleurs, t.couleurs, sizeof cle.couleurs);
  cle.textures = texturesBriques(editeur, textures);
  k.valide = true;
  ++k.constructions;
  return true;
}

// The reflected view direction as the immediate drawing sends it, from the vertex position:
// on the front, (eye - p) with its depth turned over; on a side, (p - eye) mirrored across the
// side (the immediate drawing normalises that one per vertex; the direction is the same at the
// corners and differs inside the face by less than the face's own curvature of view).
void matriceReflet(Direction d, const float o[3]) {
  // Column-major 4 x 4: texture coordinate = M (x, y, z, 1).
  float m[16] = {};
  m[15] = 1;
  float sx = 1, sy = 1, sz = 1;
  if (d == Devant) sx = -1, sy = -1, sz = 1;
  if (d == Gauche || d == Droite) sx = -1;
  if (d == Haut || d == Bas) sy = -1;
  m[0] = sx, m[5] = sy, m[10] = sz;
  // For the front: (o0 - x, o1 - y, z - o2); for the sides: sign (p - o).
  if (d == Devant) {
    m[12] = o[0], m[13] = o[1], m[14] = -o[2];
  } else {
    m[12] = -sx * o[0], m[13] = -sy * o[1], m[14] = -sz * o[2];
  }
  glMultMatrixf(m);
}

// The quads of a group the eye can see: every front; the sides turned toward the eye, as the
// box drawing keeps them (a top side at row r faces an eye above r, a bottom one an eye below
// r + 1, a left one at column c an eye left of c, a right one an eye right of c + 1).
std::pair<GLint, GLsizei> quadsVisibles(const Groupe& g, const float o[3]) {
  const GLint n = static_cast<GLint>(g.positions.size() / 12);
  if (g.direction == Devant) return {0, n};
  const auto debut = g.lignes.begin(), fin = g.lignes.end();
  auto rang = [&](std::vector<int>::const_iterator i) { return static_cast<GLint>(i - debut); };
  switch (g.direction) {
    case Haut: {  // o1 < r
      const GLint p = rang(std::find_if(debut, fin, [&](int r) { return o[1] < r; }));
      return {p, n - p};
    }
    case Bas:  // o1 > r + 1
      return {0, rang(std::find_if(debut, fin, [&](int r) { return !(o[1] > r + 1); }))};
    case Gauche: {  // o0 < c
      const GLint p = rang(std::find_if(debut, fin, [&](int c) { return o[0] < c; }));
      return {p, n - p};
    }
    default:  // right: o0 > c + 1
      return {0, rang(std::find_if(debut, fin, [&](int c) { return !(o[0] > c + 1); }))};
  }
}

void texgenPosition(bool actif) {
  const GLenum coords[3] = {GL_S, GL_T, GL_R};
  const GLenum gen[3] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R};
  for (int i = 0; i < 3; ++i) {
    if (actif) {
      GLfloat plan[4] = {0, 0, 0, 0};
      plan[i] = 1;
      glTexGeni(coords[i], GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
      glTexGenfv(coords[i], GL_OBJECT_PLANE, plan);
      glEnable(gen[i]);
    } else {
      glDisable(gen[i]);
    }
  }
}

}  // namespace

void activerBriquesCache(bool actif) { actifs = actif; }
bool briquesCacheActif() { return actifs; }

bool briqueEnCache(uint8_t code) { return actifs && aspectCase(code).brique; }

uint32_t constructionsBriquesCache() { return cache().constructions; }
uint32_t tuilesConstruitesBriquesCache() { return cache().tuilesConstruites; }

void dessinerBriquesCache(const InstantaneTerrain& t, bool editeur, bool reflets,
                          const float oeil[3], float angleCiel, const ZoneVisible& zone,
                          const TableTextures& textures, const GlExt* glext) {
  if (!actifs) return;
  Cache& k = cache();
  mettreAJour(t, editeur, textures);
  reflets = reflets && glext && glext->glActiveTexture;
  if (reflets) {
    glext->glActiveTexture(GL_TEXTURE1);
    texgenPosition(true);
    glext->glActiveTexture(GL_TEXTURE0);
  }
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  for (const Tuile& u : k.tuiles) {
    if (u.c1 < zone.c0 || u.c0 > zone.c1 || u.r1 < zone.r0 || u.r0 > zone.r1) continue;
    for (const Groupe& g : u.groupes) {
      if (g.positions.empty()) continue;
      if (reflets) {
        glext->glActiveTexture(GL_TEXTURE1);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glRotatef(angleCiel, 1, 0, 0);
        glRotatef(angleCiel, 0, 1, 0);
        matriceReflet(g.direction, oeil);
        glMatrixMode(GL_MODELVIEW);
        glext->glActiveTexture(GL_TEXTURE0);
      }
      lierTexture(g.texture);
      glNormal3fv(Normales[g.direction]);
      glVertexPointer(3, GL_FLOAT, 0, g.positions.data());
      glTexCoordPointer(2, GL_FLOAT, 0, g.coords.data());
      glColorPointer(4, GL_FLOAT, 0, g.couleurs.data());
      const auto [premier, nombre] = quadsVisibles(g, oeil);
      if (nombre > 0) glDrawArrays(GL_QUADS, 4 * premier, 4 * nombre);
    }
  }
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  if (reflets) {
    glext->glActiveTexture(GL_TEXTURE1);
    texgenPosition(false);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glRotatef(angleCiel, 1, 0, 0);
    glRotatef(angleCiel, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glext->glActiveTexture(GL_TEXTURE0);
  }
}
