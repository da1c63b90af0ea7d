// Undo and redo of the editor without a window: each sequence of edits, undos and redos gives
// the expected level list, a drag is one step, a step that changed nothing is not kept, and the
// history stays bounded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/historique_editeur.h"
#include "levels/operations_niveaux.h"

namespace {

// A level list told apart by bomb counts; one character of the script per operation:
// a digit d sets the current level's bombs to d as one step, '+' appends a level, '-' drops the
// last, 'u' undoes, 'r' redoes, '[' opens a drag, ']' closes it, 'x' is a drag that changes
// nothing.
struct Cas {
  const char* script;
  std::vector<int> attendu;  // bombs of each level at the end
  size_t annulables;
  size_t refaisables;
};

std::vector<int> marques(const InstantaneEditeur& e) {
  std::vector<int> m;
  for (const Niveau& n : e.niveaux) m.push_back(n.bombes);
  return m;
}

InstantaneEditeur jouer(const std::string& script, HistoriqueEditeur& h) {
  InstantaneEditeur e;
  e.niveaux.push_back(nouveauNiveau());
  bool glisse = false;
  for (char c : script) {
    if (c >= '0' && c <= '9') {
      InstantaneEditeur avant = e;
      e.niveaux.back().bombes = c - '0';
      if (glisse) continue;  // inside a drag: only the drag's ends count
      h.enregistrer(avant, e);
    } else if (c == '+' || c == '-') {
      InstantaneEditeur avant = e;
      if (c == '+') e.niveaux.push_back(nouveauNiveau());
      else e.niveaux.pop_back();
      h.enregistrer(avant, e);
    } else if (c == 'u') {
      h.annuler(e);
    } else if (c == 'r') {
      h.refaire(e);
    } else if (c == '[') {
      h.commencer(e);
      glisse = true;
    } else if (c == ']') {
      h.terminer(e);
      glisse = false;
    } else if (c == 'x') {
      h.commencer(e);
      h.terminer(e);
    }
  }
  return e;
}

TEST(HistoriqueEditeur, TableDesSequences) {
  const Cas cas[] = {
      {"", {0}, 0, 0},          {"u", {0}, 0, 0},  // nothing to undo
      {"r", {0}, 0, 0},                            // nothing to redo
      {"12", {2}, 2, 0},        {"12u", {1}, 1, 1},
      {"12uu", {0}, 0, 2},      {"12uuu", {0}, 0, 2},  // one undo too many changes nothing
      {"12uur", {1}, 1, 1},     {"12uurr", {2}, 2, 0},
      {"12u3", {3}, 2, 0},                             // a new edit drops the redo list
      {"[123]", {3}, 1, 0},                            // a whole drag is one step
      {"[123]u", {0}, 0, 1},    {"[12", {2}, 0, 0},    // still dragging: nothing kept yet
      {"[12u", {0}, 0, 1},                             // undo mid-drag closes and undoes the drag
      {"x", {0}, 0, 0},                                // a drag that changed nothing
      {"1+2", {1, 2}, 3, 0},    {"1+2uu", {1}, 1, 2},  // the inserted level goes
      {"1+-u", {1, 0}, 2, 1},                          // the deleted level comes back
      {"1+-uur", {1, 0}, 2, 1},
  };
  for (const Cas& c : cas) {
    HistoriqueEditeur h;
    const InstantaneEditeur fin = jouer(c.script, h);
    EXPECT_EQ(marques(fin), c.attendu) << c.script;
    EXPECT_EQ(h.pasAnnuler(), c.annulables) << c.script;
    EXPECT_EQ(h.pasRefaire(), c.refaisables) << c.script;
  }
}

TEST(HistoriqueEditeur, UndoRendLeNiveauOuLaModificationAEuLieu) {
  HistoriqueEditeur h;
  InstantaneEditeur e;
  e.niveaux = {nouveauNiveau(), nouveauNiveau()};
  e.indice = 1;
  InstantaneEditeur avant = e;
  e.niveaux[1].grille[0] = 7;
  h.enregistrer(avant, e);
  e.indice = 0;  // the author moved to another level afterwards
  ASSERT_TRUE(h.annuler(e));
  EXPECT_EQ(e.indice, 1);
  EXPECT_NE(e.niveaux[1].grille[0], 7);
}

TEST(HistoriqueEditeur, ChangerDeNiveauSeulNEstPasUnPas) {
  HistoriqueEditeur h;
  InstantaneEditeur e;
  e.niveaux = {nouveauNiveau(), nouveauNiveau()};
  InstantaneEditeur avant = e;
  e.indice = 1;
  EXPECT_FALSE(h.enregistrer(avant, e));
  EXPECT_FALSE(h.peutAnnuler());
}

TEST(HistoriqueEditeur, BorneEnPasEtEnOctets) {
  HistoriqueEditeur h;
  InstantaneEditeur e;
  e.niveaux.push_back(nouveauNiveau());
  for (size_t i = 0; i < HistoriqueEditeur::kPasMax + 50; ++i) {
    InstantaneEditeur avant = e;
    e.niveaux[0].bombes = static_cast<int32_t>(i + 1);
    h.enregistrer(avant, e);
  }
  EXPECT_EQ(h.pasAnnuler(), HistoriqueEditeur::kPasMax);

  // Largest levels: each step is 64 KiB times the level count, the total stays under the bound.
  HistoriqueEditeur gros;
  InstantaneEditeur g;
  g.niveaux.assign(40, nouveauNiveau());
  for (Niveau& n : g.niveaux) n.redimensionner(255, 255);
  for (int i = 0; i < 60; ++i) {
    InstantaneEditeur avant = g;
    g.niveaux[0].bombes = i + 1;
    gros.enregistrer(avant, g);
  }
  const size_t parPas = 40u * 255u * 255u;
  EXPECT_LE(gros.pasAnnuler() * parPas, HistoriqueEditeur::kOctetsMax);
  EXPECT_GE(gros.pasAnnuler(), 10u);
}

TEST(HistoriqueEditeur, UneHistoireParFichier) {
  HistoriquesSession s;
  InstantaneEditeur a, b;
  a.niveaux.push_back(nouveauNiveau());
  b = a;
  b.niveaux[0].bombes = 4;
  s.pour("un.map").enregistrer(a, b);
  EXPECT_TRUE(s.pour("un.map").peutAnnuler());
  EXPECT_FALSE(s.pour("deux.map").peutAnnuler());
}

}  // namespace
