// Drawing a zone: its frame pieces, its text, then its owner's own drawing (needs the GL context).
#include <algorithm>
#include <vector>

#include "gui/etat_gl_provisoire.h"
#include "gui/gui.h"
#include "gui/mise_en_page.h"
#include "gui/zone.h"

namespace {

// Texture coordinate span of a piece `taillePiece` pixels long: `valeur` repetitions over the
// content length (mode 1) or one every `valeur` pixels.
float repetitions(int32_t mode, int32_t valeur, int contenu, int taillePiece) {
  if (mode == 1) return static_cast<float>(valeur) * static_cast<float>(contenu) / taillePiece;
  return static_cast<float>(taillePiece) / static_cast<float>(valeur > 0 ? valeur : 1);
}

void piece(GLuint texture, int x0, int y0, int x1, int y1, float s, float t) {
  if (texture == 0 || x1 <= x0 || y1 <= y0) return;
  lierTexture(texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(x0, y0);
  glTexCoord2f(s, 0);
  glVertex2i(x1, y0);
  glTexCoord2f(s, t);
  glVertex2i(x1, y1);
  glTexCoord2f(0, t);
  glVertex2i(x0, y1);
  glEnd();
}

// Laid-out glyphs, kept between calls so that drawing does not allocate every frame.
std::vector<GlyphePlace> disposition;

}  // namespace

void ZoneGUI::dessiner() {
  glEnable(GL_TEXTURE_2D);
  activerMelange(true);
  fonctionMelange(melangeSource, melangeDestination);
  glColor4f(1, 1, 1, 1);
  // All zones lie at depth 0: the offset puts a higher z in front for the depth test.
  glPolygonOffset(1, -static_cast<float>(z));
  glEnable(GL_POLYGON_OFFSET_FILL);
  glEnable(GL_POLYGON_OFFSET_LINE);
  glEnable(GL_POLYGON_OFFSET_POINT);

  const int L = bordureGauche, R = bordureDroite, T = bordureHaut, B = bordureBas;
  const int x0 = x, y0 = y, x1 = x + largeur, y1 = y + hauteur;
  const int largeurContenu = largeur - L - R, hauteurContenu = hauteur - T - B;
  const float sC = repetitions(modeX, valeurX, largeurContenu, largeurContenu);
  const float tC = repetitions(modeY, valeurY, hauteurContenu, hauteurContenu);
  piece(texCentre, x0 + L, y0 + T, x1 - R, y1 - B, sC, tC);
  piece(texHaut, x0 + L, y0, x1 - R, y0 + T, sC, 1);
  piece(texBas, x0 + L, y1 - B, x1 - R, y1, sC, 1);
  piece(texGauche, x0, y0 + T, x0 + L, y1 - B, 1, tC);
  piece(texDroite, x1 - R, y0 + T, x1, y1 - B, 1, tC);
  piece(texHautGauche, x0, y0, x0 + L, y0 + T, 1, 1);
  piece(texHautDroite, x1 - R, y0, x1, y0 + T, 1, 1);
  piece(texBasDroite, x1 - R, y1 - B, x1, y1, 1, 1);
  piece(texBasGauche, x0, y1 - B, x0 + L, y1, 1, 1);

  dessinerTexte(x0 + L, y0 + T, x1 - R, y1 - B);

  glDisable(GL_TEXTURE_2D);
  activerMelange(false);
  transmettre(EV_DESSINE, 0, 0);  // may delete this zone: no member is used after it
  glDisable(GL_POLYGON_OFFSET_FILL);
  glDisable(GL_POLYGON_OFFSET_LINE);
  glDisable(GL_POLYGON_OFFSET_POINT);
}

void ZoneGUI::dessinerTexte(int gauche, int haut, int droite, int /*bas*/) {
  if (codes_.empty() || !gui_ || !gui_->police()) return;
  const FontGUI& police = *gui_->police();
  mettreEnPage(codes_, police, styleTexte, couleurTexte, droite - gauche, disposition);
  if (disposition.empty()) return;

  glEnable(GL_TEXTURE_2D);
  activerMelange(true);
  fonctionMelange(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.01f);

  // Glyphs grouped by atlas: a text needs one bind per sheet it uses, not one per character.
  static std::vector<GLuint> faites;
  faites.clear();
  bool lignes = false;
  for (size_t debut = 0; debut < disposition.size(); ++debut) {
    const GLuint tex = disposition[debut].glyphe->texture;
    lignes = lignes || disposition[debut].style.souligne || disposition[debut].style.barre;
    if (tex == 0) continue;
    if (std::find(faites.begin(), faites.end(), tex) != faites.end()) continue;
    faites.push_back(tex);
    lierTexture(tex);
    glBegin(GL_QUADS);
    for (size_t i = debut; i < disposition.size(); ++i) {
      const GlyphePlace& p = disposition[i];
      const Glyphe& g = *p.glyphe;
      if (g.texture != tex) continue;
      glColor4f(p.couleur[0], p.couleur[1], p.couleur[2], 1);
      const int gx = gauche + p.x + g.xOffset, gy = haut + p.y + g.yOffset;
      const int ital = p.style.italique;
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

  if (lignes) {
    // Strike-through and underline span each glyph's advance, in its colour: one-pixel quads,
    // whose coverage (unlike a line's last pixel) is the same on every driver.
    glDisable(GL_TEXTURE_2D);
    const int taille = police.taille();
    const int yBarre = static_cast<int>(taille * 0.6f), ySouligne = taille - 1;
    glBegin(GL_QUADS);
    for (const GlyphePlace& p : disposition) {
      if (!p.style.barre && !p.style.souligne) continue;
      glColor4f(p.couleur[0], p.couleur[1], p.couleur[2], 1);
      const int xa = gauche + p.x, xb = xa + p.avance;
      for (int y : {p.style.barre ? yBarre : -1, p.style.souligne ? ySouligne : -1}) {
        if (y < 0) continue;
        const int yl = haut + p.y + y;
        glVertex2i(xa, yl);
        glVertex2i(xb, yl);
        glVertex2i(xb, yl + 1);
        glVertex2i(xa, yl + 1);
      }
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
  }

  glDisable(GL_ALPHA_TEST);
  glEnable(GL_DEPTH_TEST);
  glColor4f(1, 1, 1, 1);
}
