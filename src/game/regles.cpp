// The physics step: one fixed 10 ms tick of the ball, as a list of named stages (limits, spring,
// move and fall, walls, rolling sound, bomb, new position, switch, result). Their order is the
// game's rule book; changing it changes how levels play. The stages change the rule state and
// note what happened in the step's events (the sounds asked for, a blast, a switch).
#include "game/regles.h"

#include <algorithm>

namespace {

constexpr float MargeBord = 0.5f;  // the ball centre stays this far inside the grid
constexpr float SeuilSol = 0.5f;   // more free space below than this: airborne
constexpr float ChuteMax = 0.2f;   // largest fall per step, also the jump's vertical scale
constexpr float VitesseRoule = 0.075f;
constexpr int32_t DureeSaut = 120;
constexpr float ArcSaut = 2.6f;  // arc f = saut * 2.6 / 130 - 1.3
constexpr float DemiArcSaut = 1.3f;
constexpr float FacteurSautX = 0.5f;
constexpr double HauteurSondeMur = 0.49;
constexpr float PousseeMurMax = 0.15f;
constexpr uint8_t DureeExplosion = 100;

// Cells outside the grid count as free: the probes test the grid border of their own axis
// themselves, and the wall probes may look at the row just below the bottom row.
bool solide(const EtatRegles& t, int c, int r) { return estSolide(t.lireCase(c, r)); }

// Distance from the ball centre to the border of its cell on one side, plus one cell when the
// next cell on that side exists and is free.
float libreBas(const EtatRegles& t, float x, float y) {
  const int cx = static_cast<int>(x), cy = static_cast<int>(y);
  float libre = 1.0f - (y - static_cast<float>(cy));
  if (cy + 1 < t.hauteur && !solide(t, cx, cy + 1)) libre += 1.0f;
  return libre;
}

float libreHaut(const EtatRegles& t, float x, float y) {
  const int cx = static_cast<int>(x), cy = static_cast<int>(y);
  float libre = y - static_cast<float>(cy);
  if (cy > 0 && !solide(t, cx, cy - 1)) libre += 1.0f;
  return libre;
}

float libreDroite(const EtatRegles& t, float x, int ligne) {
  const int cx = static_cast<int>(x);
  float libre = 1.0f - (x - static_cast<float>(cx));
  if (cx + 1 < t.largeur && !solide(t, cx + 1, ligne)) libre += 1.0f;
  return libre;
}

float libreGauche(const EtatRegles& t, float x, int ligne) {
  const int cx = static_cast<int>(x);
  float libre = x - static_cast<float>(cx);
  if (cx > 0 && !solide(t, cx - 1, ligne)) libre += 1.0f;
  return libre;
}

// What the stages pass on to each other within one step.
struct Pas {
  float x = 0, y = 0;    // the ball at the start of the step, inside the grid
  int cx = 0, cy = 0;    // its cell
  bool enLAir = false;   // free space below it at the start of the step
  float nx = 0, ny = 0;  // the position the step is building
  bool choc = false;     // a wall pushed the ball back
};

bool grilleJouable(const EtatRegles& t) {
  return t.largeur > 0 && t.hauteur > 0 &&
         t.grille.size() == static_cast<size_t>(t.largeur) * static_cast<size_t>(t.hauteur);
}

// Limits: the ball is clamped into the grid (written back at once); a NaN position goes to the
// top-left corner. Whether it is airborne is judged there.
Pas borner(EtatRegles& t) {
  Balle& b = t.balle;
  if (!(b.x >= MargeBord)) b.x = MargeBord;
  if (b.x > t.largeur - MargeBord) b.x = t.largeur - MargeBord;
  if (!(b.y >= MargeBord)) b.y = MargeBord;
  if (b.y > t.hauteur - MargeBord) b.y = t.hauteur - MargeBord;
  Pas p;
  p.x = p.nx = b.x;
  p.y = p.ny = b.y;
  p.cx = static_cast<int>(p.x), p.cy = static_cast<int>(p.y);
  p.enLAir = libreBas(t, p.x, p.y) > SeuilSol;
  return p;
}

// Spring: a ball on a spring and not already jumping starts a jump.
void ressort(EtatRegles& t, const Pas& p, SonsEtape& sons) {
  if (t.balle.saut <= 0 && t.lireCase(p.cx, p.cy) == Ressort) {
    t.balle.saut = DureeSaut;
    sons.jouer(SonRessort);
  }
}

// A jump follows its arc until a ceiling (rising) or a floor (falling) ends it.
void sauter(EtatRegles& t, Pas& p) {
  Balle& b = t.balle;
  // Wider intermediates make f exactly 0 at saut = 65 (2.6f is exactly twice 1.3f).
  const double f = static_cast<double>(b.saut) * static_cast<double>(ArcSaut) / 130.0 -
                   static_cast<double>(DemiArcSaut);
  p.nx = p.x + FacteurSautX * b.vitesseX;
  if (f > 0 && libreHaut(t, p.nx, p.y) <= SeuilSol) {
    b.saut = 0;
    p.ny = static_cast<float>(p.cy) + 0.5f;
  } else if (f < 0 && libreBas(t, p.nx, p.y) <= SeuilSol) {
    b.saut = 0;
    p.ny = static_cast<float>(p.cy) + 0.5f;
  } else {
    b.saut -= 1;
    t.chocJoue = false;
    p.ny = static_cast<float>(static_cast<double>(p.y) - static_cast<double>(ChuteMax) * f);
  }
}

// On the ground the arrows roll the ball; the speed kept is the next jump's drift.
void rouler(EtatRegles& t, const Touches& touches, Pas& p) {
  Balle& b = t.balle;
  b.vitesseX = 0.0f;
  if (touches.gauche) {
    b.vitesseX = -VitesseRoule;
    p.nx = p.x - VitesseRoule;
  } else if (touches.droite) {
    b.vitesseX = VitesseRoule;
    p.nx = p.x + VitesseRoule;
  } else {
    b.vitesseX = VitesseRoule;  // a jump from rest drifts to the right
  }
  t.chocJoue = false;
}

// A fall: at most ChuteMax per step, a bump once when the ground comes near, and a fragile
// brick under the ball breaks.
void tomber(EtatRegles& t, Pas& p, SonsEtape& sons) {
  const float d = libreBas(t, p.x, p.y) - 0.5f;
  p.ny = d < ChuteMax ? p.y + d : p.y + ChuteMax;
  if (!t.chocJoue && libreBas(t, p.x, p.ny) < 1.0f) {
    sons.jouer(SonChoc);
    t.chocJoue = true;
  }
  if (p.cy + 1 < t.hauteur && t.lireCase(p.cx, p.cy + 1) == Casse) {
    t.grille[static_cast<size_t>(p.cy + 1) * t.largeur + p.cx] = Vide;
    t.chocJoue = false;
  }
}

// Move and fall. The keys are the ones held now, read by the caller.
void deplacer(EtatRegles& t, const Touches& touches, Pas& p, SonsEtape& sons) {
  if (t.balle.saut > 0) sauter(t, p);
  else if (!p.enLAir) rouler(t, touches, p);
  else tomber(t, p, sons);
}

// Walls, probed at the row of the new y + 0.49: the ball is pushed back out (a little per
// step), and a jump bounces off.
void murs(EtatRegles& t, Pas& p, SonsEtape& sons) {
  Balle& b = t.balle;
  const int ligneMur = static_cast<int>(static_cast<double>(p.ny) + HauteurSondeMur);
  const float droite = libreDroite(t, p.nx, ligneMur);
  if (droite < 0.5f) {
    p.nx -= std::min(0.5f - droite, PousseeMurMax);
    if (b.saut != 0) {
      b.vitesseX = -VitesseRoule;
      sons.jouer(SonChoc);
    }
    p.choc = true;
  }
  const bool murDroit = p.choc;
  const float gauche = libreGauche(t, p.nx, ligneMur);
  if (gauche < 0.5f) {
    p.nx += std::min(0.5f - gauche, PousseeMurMax);
    if (b.saut != 0) {
      b.vitesseX = VitesseRoule;
      if (!murDroit || b.saut % 5 == 1) sons.jouer(SonChoc);
    }
    p.choc = true;
  }
}

// Rolling sound: start and stop requests alternate through rouleEnCours.
void sonRoulement(EtatRegles& t, const Touches& touches, const Pas& p, SonsEtape& sons) {
  if ((touches.gauche != touches.droite) && !p.choc && !p.enLAir) {
    if (!t.rouleEnCours) {
      sons.jouerEnBoucle(CanalRoule, SonRoule);
      t.rouleEnCours = true;
    }
  } else if (t.rouleEnCours) {
    sons.arreter(CanalRoule);
    t.rouleEnCours = false;
  }
}

// A blast at (nx, ny): the destructible cells of the 3 x 3 block around it go. What shows it
// (the flash, the burst of particles) reacts to the event.
void exploser(EtatRegles& t, float nx, float ny, EvenementsPas& ev) {
  ev.explosion = true;
  ev.explosionX = nx;
  ev.explosionY = ny;
  t.minuteurExplosion = DureeExplosion;
  ev.sons.jouer(SonBoom);
  --t.bombes;

  const int bx = static_cast<int>(nx), by = static_cast<int>(ny);
  for (int c = bx - 1; c <= bx + 1; ++c) {
    for (int r = by - 1; r <= by + 1; ++r) {
      if (c < 0 || c >= t.largeur || r < 0 || r >= t.hauteur) continue;
      uint8_t& cellule = t.grille[static_cast<size_t>(r) * t.largeur + c];
      if (estDestructible(cellule)) cellule = Vide;
    }
  }
}

// Bomb: the space bar sets one off when the last blast is over; then the blast's timer runs
// down.
void bombe(EtatRegles& t, const Touches& touches, const Pas& p, EvenementsPas& ev) {
  if (t.minuteurExplosion == 0 && t.bombes > 0 && touches.espace) exploser(t, p.nx, p.ny, ev);
  if (t.minuteurExplosion > 0) --t.minuteurExplosion;
}

// The ball takes its new position; returns the code of the cell it lands in, read now, before
// a switch can clear it.
uint8_t poser(EtatRegles& t, const Pas& p) {
  t.balle.x = p.nx;
  t.balle.y = p.ny;
  return t.lireCase(static_cast<int>(p.nx), static_cast<int>(p.ny));
}

// Switch: one in the start cell clears the bricks of its colour, then itself.
void interrupteur(EtatRegles& t, const Pas& p, EvenementsPas& ev) {
  const uint8_t depart = t.lireCase(p.cx, p.cy);
  if (!estInterrupteur(depart)) return;
  const uint8_t brique = static_cast<uint8_t>(depart + 1);
  // Local bounds and a branch-free body: byte stores may alias the vector's own fields.
  uint8_t* cellule = t.grille.data();
  uint8_t* const fin = cellule + t.grille.size();
  for (; cellule != fin; ++cellule)
    *cellule = *cellule == brique ? static_cast<uint8_t>(Vide) : *cellule;
  t.grille[static_cast<size_t>(p.cy) * t.largeur + p.cx] = Vide;
  ev.interrupteur = depart;
  ev.sons.jouer(SonInterrupteur);
}

// Result, from the cell landed in as it was before the switch: lost, won, or a bomb picked up.
int resultat(EtatRegles& t, const Pas& p, uint8_t arrivee, SonsEtape& sons) {
  if (arrivee == Lost) return Perdu;
  if (arrivee == Win) return Gagne;
  if (arrivee == Bombe) {
    ++t.bombes;
    const int nc = static_cast<int>(p.nx), nr = static_cast<int>(p.ny);
    if (nc >= 0 && nc < t.largeur && nr >= 0 && nr < t.hauteur) {
      t.grille[static_cast<size_t>(nr) * t.largeur + nc] = Vide;
    }
    sons.jouer(SonBombe);
  }
  return EnCours;
}

}  // namespace

// The step: its stages in the rule book's order.
EvenementsPas pasRegles(EtatRegles& t, const Touches& touches) {
  EvenementsPas ev;
  if (!grilleJouable(t)) return ev;
  ev.joue = true;
  Pas p = borner(t);
  ev.departX = p.x;
  ev.departY = p.y;
  ressort(t, p, ev.sons);
  deplacer(t, touches, p, ev.sons);
  murs(t, p, ev.sons);
  sonRoulement(t, touches, p, ev.sons);
  bombe(t, touches, p, ev);
  const uint8_t arrivee = poser(t, p);
  interrupteur(t, p, ev);
  ev.resultat = t.resultat = resultat(t, p, arrivee, ev.sons);
  return ev;
}

void SonsEtape::envoyer(RequetesSons* file) const {
  if (!file) return;
  for (int i = 0; i < nombre; ++i) {
    const RequeteSon& r = requetes[static_cast<size_t>(i)];
    if (r.type == RequeteJouer) file->jouer(r.canal, r.effet, r.boucles);
    else file->arreterCanal(r.canal);
  }
}
