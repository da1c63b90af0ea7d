// Drawing zones: their frame pieces and texts in a few batches, then their owners' own drawing
// (needs the GL context).
#include <algorithm>
#include <vector>

#include "render/etat_gl.h"
#include "gui/gui.h"
#include "gui/mise_en_page.h"
#include "gui/zone.h"

namespace {

struct Piece {
  GLuint texture;
  GLenum source, destination;
  int x0, y0, x1, y1;
  float s, t;  // texture coordinates at the far corner
};

// Texture coordinate span of a piece `taillePiece` pixels long: `valeur` repetitions over the
// content length (mode 1) or one every `valeur` pixels.
float repetitions(int32_t mode, int32_t valeur, int contenu, int taillePiece) {
  if (mode == 1) return static_cast<float>(valeur) * static_cast<float>(contenu) / taillePiece;
  return static_cast<float>(taillePiece) / static_cast<float>(valeur > 0 ? valeur : 1);
}

void ajouterPieces(const ZoneGUI& z, std::vector<Piece>& pieces) {
  const int L = z.bordureGauche, R = z.bordureDroite, T = z.bordureHaut, B = z.bordureBas;
  const int x0 = z.x, y0 = z.y, x1 = z.x + z.largeur, y1 = z.y + z.hauteur;
  const int lc = z.largeur - L - R, hc = z.hauteur - T - B;
  const float sC = lc > 0 ? repetitions(z.modeX, z.valeurX, lc, lc) : 1;
  const float tC = hc > 0 ? repetitions(z.modeY, z.valeurY, hc, hc) : 1;
  auto piece = [&](GLuint tex, int a, int b, int c, int d, float s, float t) {
    if (tex != 0 && c > a && d > b)
      pieces.push_back({tex, z.melangeSource, z.melangeDestination, a, b, c, d, s, t});
  };
  piece(z.texCentre, x0 + L, y0 + T, x1 - R, y1 - B, sC, tC);
  piece(z.texHaut, x0 + L, y0, x1 - R, y0 + T, sC, 1);
  piece(z.texBas, x0 + L, y1 - B, x1 - R, y1, sC, 1);
  piece(z.texGauche, x0, y0 + T, x0 + L, y1 - B, 1, tC);
  piece(z.texDroite, x1 - R, y0 + T, x1, y1 - B, 1, tC);
  piece(z.texHautGauche, x0, y0, x0 + L, y0 + T, 1, 1);
  piece(z.texHautDroite, x1 - R, y0, x1, y0 + T, 1, 1);
  piece(z.texBasDroite, x1 - R, y1 - B, x1, y1, 1, 1);
  piece(z.texBasGauche, x0, y1 - B, x0 + L, y1, 1, 1);
}

// `net`: the GUI is drawn larger than its pictures; each of their pixels then becomes a sharp
// square instead of a blur. The textures may be the board's too (the menu's icons), which keep
// their own filter outside the GUI.
void dessinerPieces(std::vector<Piece>& pieces, bool net) {
  // One batch per texture and blending: pieces of one layer never overlap.
  std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
    if (a.texture != b.texture) return a.texture < b.texture;
    if (a.source != b.source) return a.source < b.source;
    return a.destination < b.destination;
  });
  glEnable(GL_TEXTURE_2D);
  activerMelange(true);
  glColor4f(1, 1, 1, 1);
  for (size_t i = 0; i < pieces.size();) {
    const Piece& p0 = pieces[i];
    fonctionMelange(p0.source, p0.destination);
    lierTexture(p0.texture);
    GLint filtre = GL_NEAREST;
    if (net) {
      glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filtre);
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    glBegin(GL_QUADS);
    for (; i < pieces.size() && pieces[i].texture == p0.texture && pieces[i].source == p0.source &&
           pieces[i].destination == p0.destination;
         ++i) {
      const Piece& p = pieces[i];
      glTexCoord2f(0, 0);
      glVertex2i(p.x0, p.y0);
      glTexCoord2f(p.s, 0);
      glVertex2i(p.x1, p.y0);
      glTexCoord2f(p.s, p.t);
      glVertex2i(p.x1, p.y1);
      glTexCoord2f(0, p.t);
      glVertex2i(p.x0, p.y1);
    }
    glEnd();
    if (filtre != GL_NEAREST) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtre);
  }
}

// The glyphs of `z`'s text at their screen positions, appended to `tous`.
void ajouterTexte(const ZoneGUI& z, const FontGUI& police, std::vector<GlyphePlace>& zone,
                  std::vector<GlyphePlace>& tous) {
  if (z.codes().empty()) return;
  const int gauche = z.x + z.bordureGauche, haut = z.y + z.bordureHaut;
  const int droite = z.x + z.largeur - z.bordureDroite;
  mettreEnPage(z.codes(), police, z.styleTexte, z.couleurTexte, droite - gauche, zone);
  for (GlyphePlace p : zone) {
    p.x += gauche;
    p.y += haut;
    tous.push_back(p);
  }
}

void dessinerGlyphes(const std::vector<GlyphePlace>& tous, const FontGUI& police) {
  if (tous.empty()) return;
  glEnable(GL_TEXTURE_2D);
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.01f);

  // One batch per atlas (a sheet of the font), whatever the number of zones and characters.
  static std::vector<GLuint> faites;
  faites.clear();
  bool lignes = false;
  for (size_t debut = 0; debut < tous.size(); ++debut) {
    const GLuint tex = tous[debut].glyphe->texture;
    lignes = lignes || tous[debut].style.souligne || tous[debut].style.barre;
    if (tex == 0 || std::find(faites.begin(), faites.end(), tex) != faites.end()) continue;
    faites.push_back(tex);
    lierTexture(tex);
    glBegin(GL_QUADS);
    for (size_t i = debut; i < tous.size(); ++i) {
      const GlyphePlace& p = tous[i];
      const Glyphe& g = *p.glyphe;
      if (g.texture != tex) continue;
      glColor4f(p.couleur[0], p.couleur[1], p.couleur[2], 1);
      const int gx = p.x + g.xOffset, gy = p.y + g.yOffset, ital = p.style.italique;
      for (int passe = 0; passe <= p.style.gras; ++passe) {
        glTexCoord2f(g.s0, g.t0);
        glVertex2i(gx + passe + ital, gy);
        glTexCoord2f(g.s1, g.t0);
        glVertex2i(gx + g.width + passe + ital, gy);
        glTexCoord2f(g.s1, g.t1);
        glVertex2i(gx + g.width + passe, gy + g.height);
        glTexCoord2f(g.s0, g.t1);
        glVertex2i(gx + passe, gy + g.height);
      }
    }
    glEnd();
  }
  glDisable(GL_ALPHA_TEST);

  if (lignes) {
    // Strike-through and underline span each glyph's advance, in its colour: one-pixel quads,
    // whose coverage (unlike a line's last pixel) is the same on every driver.
    glDisable(GL_TEXTURE_2D);
    const int taille = police.taille();
    const int yBarre = static_cast<int>(taille * 0.6f), ySouligne = taille - 1;
    glBegin(GL_QUADS);
    for (const GlyphePlace& p : tous) {
      if (!p.style.barre && !p.style.souligne) continue;
      glColor4f(p.couleur[0], p.couleur[1], p.couleur[2], 1);
      for (int y : {p.style.barre ? yBarre : -1, p.style.souligne ? ySouligne : -1}) {
        if (y < 0) continue;
        glVertex2i(p.x, p.y + y);
        glVertex2i(p.x + p.avance, p.y + y);
        glVertex2i(p.x + p.avance, p.y + y + 1);
        glVertex2i(p.x, p.y + y + 1);
      }
    }
    glEnd();
  }
  glColor4f(1, 1, 1, 1);
}

// Kept between frames so that drawing does not allocate every frame.
std::vector<Piece> piecesCouche;
std::vector<GlyphePlace> glyphesCouche, glyphesZone;

}  // namespace

void Gui::dessinerCouche(const std::vector<ZoneGUI*>& couche) {
  piecesCouche.clear();
  glyphesCouche.clear();
  for (const ZoneGUI* z : couche) ajouterPieces(*z, piecesCouche);
  dessinerPieces(piecesCouche, echelle_ > 1);
  if (police_)
    for (const ZoneGUI* z : couche) ajouterTexte(*z, *police_, glyphesZone, glyphesCouche);
  if (police_) dessinerGlyphes(glyphesCouche, *police_);
  glDisable(GL_TEXTURE_2D);
  activerMelange(false);
}

void ZoneGUI::dessiner() {
  if (gui) gui->dessinerCouche({this});
  transmettre(EV_DESSINE, 0, 0);  // may delete this zone: no member is used after it
}
