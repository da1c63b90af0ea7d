// The physics step: one fixed 10 ms tick of the ball, as a list of named stages (limits, spring,
// camera, move and fall, walls, rolling sound, bomb, new position, switch, result). Their order
// is the game's rule book; changing it changes how levels play. The stages ask for sounds in a
// list of their own, which the step hands to the sound queue once it is done.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "game/terrain.h"
#include "base/requetes_sons.h"
#include "base/maths.h"

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
constexpr int ParticulesParExplosion = 200;
constexpr double RayonParticules = 0.5;
constexpr float TailleParticule = 0.2f;

// Cells outside the grid count as free: the probes test the grid border of their own axis
// themselves, and the wall probes may look at the row just below the bottom row.
bool solide(const Terrain& t, int c, int r) { return estSolide(t.lireCase(c, r)); }

// Distance from the ball centre to the border of its cell on one side, plus one cell when the
// next cell on that side exists and is free.
float libreBas(const Terrain& t, float x, float y) {
  const int cx = static_cast<int>(x), cy = static_cast<int>(y);
  float libre = 1.0f - (y - static_cast<float>(cy));
  if (cy + 1 < t.hauteur && !solide(t, cx, cy + 1)) libre += 1.0f;
  return libre;
}

float libreHaut(const Terrain& t, float x, float y) {
  const int cx = static_cast<int>(x), cy = static_cast<int>(y);
  float libre = y - static_cast<float>(cy);
  if (cy > 0 && !solide(t, cx, cy - 1)) libre += 1.0f;
  return libre;
}

float libreDroite(const Terrain& t, float x, int ligne) {
  const int cx = static_cast<int>(x);
  float libre = 1.0f - (x - static_cast<float>(cx));
  if (cx + 1 < t.largeur && !solide(t, cx + 1, ligne)) libre += 1.0f;
  return libre;
}

float libreGauche(const Terrain& t, float x, int ligne) {
  const int cx = static_cast<int>(x);
  float libre = x - static_cast<float>(cx);
  if (cx > 0 && !solide(t, cx - 1, ligne)) libre += 1.0f;
  return libre;
}

// rand() scaled to [0, 1].
double alea01() { return static_cast<double>(std::rand()) / RAND_MAX; }

// The sounds one step asks for, in the order it asks. The step only fills the list; the caller
// queues it once the step is done, so the stages themselves touch no sound queue.
struct SonsEtape {
  // Spring, fall, two walls, rolling, blast, switch, bomb: never more in one step.
  static constexpr int Capacite = 8;
  std::array<RequeteSon, Capacite> requetes{};
  int nombre = 0;

  void ajouter(int32_t type, int canal, int effet, int boucles) {
    if (nombre >= Capacite) return;
    requetes[static_cast<size_t>(nombre++)] = RequeteSon{type, canal, boucles, effet};
  }
  void jouer(int effet) { ajouter(RequeteJouer, -1, effet, 0); }
  void jouerEnBoucle(int canal, int effet) { ajouter(RequeteJouer, canal, effet, -1); }
  void arreter(int canal) { ajouter(RequeteArreter, canal, -1, 0); }

  void envoyer(RequetesSons* file) const {
    if (!file) return;
    for (int i = 0; i < nombre; ++i) {
      const RequeteSon& r = requetes[static_cast<size_t>(i)];
      if (r.type == RequeteJouer) file->jouer(r.canal, r.effet, r.boucles);
      else file->arreterCanal(r.canal);
    }
  }
};

// What the stages pass on to each other within one step.
struct Pas {
  float x = 0, y = 0;    // the ball at the start of the step, inside the grid
  int cx = 0, cy = 0;    // its cell
  bool enLAir = false;   // free space below it at the start of the step
  float nx = 0, ny = 0;  // the position the step is building
  bool choc = false;     // a wall pushed the ball back
};

bool grilleJouable(const Terrain& t) {
  return t.largeur > 0 && t.hauteur > 0 &&
         t.grille.size() == static_cast<size_t>(t.largeur) * static_cast<size_t>(t.hauteur);
}

// Limits: the ball is clamped into the grid (written back at once); a NaN position goes to the
// top-left corner. Whether it is airborne is judged there.
Pas borner(Terrain& t) {
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
void ressort(Terrain& t, const Pas& p, SonsEtape& sons) {
  if (t.balle.saut <= 0 && t.lireCase(p.cx, p.cy) == Ressort) {
    t.balle.saut = DureeSaut;
    sons.jouer(SonRessort);
  }
}

// A jump follows its arc until a ceiling (rising) or a floor (falling) ends it.
void sauter(Terrain& t, Pas& p) {
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
void rouler(Terrain& t, const Touches& touches, Pas& p) {
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
void tomber(Terrain& t, Pas& p, SonsEtape& sons) {
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
void deplacer(Terrain& t, const Touches& touches, Pas& p, SonsEtape& sons) {
  if (t.balle.saut > 0) sauter(t, p);
  else if (!p.enLAir) rouler(t, touches, p);
  else tomber(t, p, sons);
}

// Walls, probed at the row of the new y + 0.49: the ball is pushed back out (a little per
// step), and a jump bounces off.
void murs(Terrain& t, Pas& p, SonsEtape& sons) {
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
void sonRoulement(Terrain& t, const Touches& touches, const Pas& p, SonsEtape& sons) {
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

// A blast at (nx, ny): the destructible cells of the 3 x 3 block around it go, and a burst of
// particles starts.
void exploser(Terrain& t, float nx, float ny, SonsEtape& sons) {
  t.explosionX = nx;
  t.explosionY = ny;
  t.explosionAlea = static_cast<float>(std::rand());
  t.minuteurExplosion = DureeExplosion;
  sons.jouer(SonBoom);
  --t.bombes;

  const int bx = static_cast<int>(nx), by = static_cast<int>(ny);
  for (int c = bx - 1; c <= bx + 1; ++c) {
    for (int r = by - 1; r <= by + 1; ++r) {
      if (c < 0 || c >= t.largeur || r < 0 || r >= t.hauteur) continue;
      uint8_t& cellule = t.grille[static_cast<size_t>(r) * t.largeur + c];
      if (estDestructible(cellule)) cellule = Vide;
    }
  }

  // The burst starts around the position stored at the start of the step, not the new one.
  const double X = t.balle.x, Y = t.balle.y;
  for (int i = 0; i < ParticulesParExplosion; ++i) {
    const double a = alea01() * 2.0 * Pi;
    const double s = alea01() / 6.0;
    const double w = (alea01() - 0.5) / 3.0;
    const double sinus = std::sin(a), cosinus = std::cos(a);
    Particule q;
    q.initialiser(static_cast<float>(X + RayonParticules * sinus),
                  static_cast<float>(Y + RayonParticules * cosinus), 0.0f,
                  static_cast<float>(s * sinus), static_cast<float>(s * cosinus),
                  static_cast<float>(w), TailleParticule);
    t.ajouterParticule(q);
  }
}

// Bomb: the space bar sets one off when the last blast is over; then the particles move and
// the blast's timer runs down.
void bombe(Terrain& t, const Touches& touches, const Pas& p, SonsEtape& sons) {
  if (t.minuteurExplosion == 0 && t.bombes > 0 && touches.espace) exploser(t, p.nx, p.ny, sons);
  for (int32_t i = 0; i < t.capaciteParticules && t.particules; ++i) {
    t.particules[i].avancerParticule(1.0f);
  }
  if (t.minuteurExplosion > 0) --t.minuteurExplosion;
}

// The ball takes its new position; returns the code of the cell it lands in, read now, before
// a switch can clear it.
uint8_t poser(Terrain& t, const Pas& p) {
  t.balle.x = p.nx;
  t.balle.y = p.ny;
  return t.lireCase(static_cast<int>(p.nx), static_cast<int>(p.ny));
}

// Switch: one in the start cell clears the bricks of its colour, then itself.
void interrupteur(Terrain& t, const Pas& p, SonsEtape& sons) {
  const uint8_t depart = t.lireCase(p.cx, p.cy);
  if (!estInterrupteur(depart)) return;
  const uint8_t brique = static_cast<uint8_t>(depart + 1);
  // Local bounds and a branch-free body: byte stores may alias the vector's own fields.
  uint8_t* cellule = t.grille.data();
  uint8_t* const fin = cellule + t.grille.size();
  for (; cellule != fin; ++cellule)
    *cellule = *cellule == brique ? static_cast<uint8_t>(Vide) : *cellule;
  t.grille[static_cast<size_t>(p.cy) * t.largeur + p.cx] = Vide;
  sons.jouer(SonInterrupteur);
}

// Result, from the cell landed in as it was before the switch: lost, won, or a bomb picked up.
int resultat(Terrain& t, const Pas& p, uint8_t arrivee, SonsEtape& sons) {
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

// The step: its stages in the rule book's order.
int pasPhysique(Terrain& t, const Touches& touches, SonsEtape& sons) {
  if (!grilleJouable(t)) return EnCours;
  Pas p = borner(t);
  ressort(t, p, sons);
  t.suivreCameraBalle();
  deplacer(t, touches, p, sons);
  murs(t, p, sons);
  sonRoulement(t, touches, p, sons);
  bombe(t, touches, p, sons);
  const uint8_t arrivee = poser(t, p);
  interrupteur(t, p, sons);
  return resultat(t, p, arrivee, sons);
}

}  // namespace

int Terrain::avancer(const Touches& touches, RequetesSons* sonsEtape) {
  std::lock_guard<std::mutex> garde(verrou);
  SonsEtape sons;
  const int r = pasPhysique(*this, touches, sons);
  sons.envoyer(sonsEtape);
  return r;
}
