// The physics step: one fixed 10 ms tick of the ball. The order of the effects below is the
// game's rule book; changing it changes how levels play.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/terrain.h"
#include "base/requetes_sons.h"
#include "base/maths.h"

namespace {

constexpr float MargeBord = 0.5f;      // the ball centre stays this far inside the grid
constexpr float SeuilSol = 0.5f;       // more free space below than this: airborne
constexpr float ChuteMax = 0.2f;       // largest fall per step, also the jump's vertical scale
constexpr float VitesseRoule = 0.075f;
constexpr int32_t DureeSaut = 120;
constexpr float ArcSaut = 2.6f;        // arc f = saut * 2.6 / 130 - 1.3
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

void jouerEffet(RequetesSons* s, int effet) {
  if (s) s->jouer(-1, effet, 0);
}

// rand() scaled to [0, 1].
double alea01() { return static_cast<double>(std::rand()) / RAND_MAX; }

}  // namespace

int Terrain::avancer(const Touches& touches, RequetesSons* sonsEtape) {
  std::lock_guard<std::mutex> garde(verrou);
  return avancerSansVerrou(touches, sonsEtape);
}

void Terrain::exploser(float nx, float ny, RequetesSons* sonsEtape) {
  explosionX = nx;
  explosionY = ny;
  explosionAlea = static_cast<float>(std::rand());
  minuteurExplosion = DureeExplosion;
  jouerEffet(sonsEtape, SonBoom);
  --bombes;

  const int bx = static_cast<int>(nx), by = static_cast<int>(ny);
  for (int c = bx - 1; c <= bx + 1; ++c) {
    for (int r = by - 1; r <= by + 1; ++r) {
      if (c < 0 || c >= largeur || r < 0 || r >= hauteur) continue;
      uint8_t& cellule = grille[static_cast<size_t>(r) * largeur + c];
      if (estDestructible(cellule)) cellule = Vide;
    }
  }

  // The burst starts around the position stored at the start of the step, not the new one.
  const double X = balle.x, Y = balle.y;
  for (int i = 0; i < ParticulesParExplosion; ++i) {
    const double a = alea01() * 2.0 * Pi;
    const double s = alea01() / 6.0;
    const double w = (alea01() - 0.5) / 3.0;
    const double sinus = std::sin(a), cosinus = std::cos(a);
    Particule p;
    p.initialiser(static_cast<float>(X + RayonParticules * sinus),
                  static_cast<float>(Y + RayonParticules * cosinus), 0.0f,
                  static_cast<float>(s * sinus), static_cast<float>(s * cosinus),
                  static_cast<float>(w), TailleParticule);
    ajouterParticule(p);
  }
}

int Terrain::avancerSansVerrou(const Touches& touches, RequetesSons* sonsEtape) {
  const int W = largeur, H = hauteur;
  if (W <= 0 || H <= 0 || grille.size() != static_cast<size_t>(W) * static_cast<size_t>(H)) {
    return EnCours;
  }

  // 1. Clamp into the grid (written back at once). A NaN position goes to the top-left corner.
  if (!(balle.x >= MargeBord)) balle.x = MargeBord;
  if (balle.x > W - MargeBord) balle.x = W - MargeBord;
  if (!(balle.y >= MargeBord)) balle.y = MargeBord;
  if (balle.y > H - MargeBord) balle.y = H - MargeBord;
  const float x = balle.x, y = balle.y;
  const int cx = static_cast<int>(x), cy = static_cast<int>(y);

  // 2. Airborne?
  const bool enLAir = libreBas(*this, x, y) > SeuilSol;

  // 3. Spring.
  if (balle.saut <= 0 && lireCase(cx, cy) == Ressort) {
    balle.saut = DureeSaut;
    jouerEffet(sonsEtape, SonRessort);
  }

  // 4. The camera follows the ball.
  suivreCameraBalle();

  // 5. The keys were read by the caller, as held now.
  // 6. Movement.
  float nx = x, ny = y;
  if (balle.saut > 0) {
    // Wider intermediates make f exactly 0 at saut = 65 (2.6f is exactly twice 1.3f).
    const double f = static_cast<double>(balle.saut) * static_cast<double>(ArcSaut) / 130.0 -
                     static_cast<double>(DemiArcSaut);
    nx = x + FacteurSautX * balle.vitesseX;
    if (f > 0 && libreHaut(*this, nx, y) <= SeuilSol) {
      balle.saut = 0;
      ny = static_cast<float>(cy) + 0.5f;
    } else if (f < 0 && libreBas(*this, nx, y) <= SeuilSol) {
      balle.saut = 0;
      ny = static_cast<float>(cy) + 0.5f;
    } else {
      balle.saut -= 1;
      chocJoue = false;
      ny = static_cast<float>(static_cast<double>(y) - static_cast<double>(ChuteMax) * f);
    }
  } else if (!enLAir) {
    balle.vitesseX = 0.0f;
    if (touches.gauche) {
      balle.vitesseX = -VitesseRoule;
      nx = x - VitesseRoule;
    } else if (touches.droite) {
      balle.vitesseX = VitesseRoule;
      nx = x + VitesseRoule;
    } else {
      balle.vitesseX = VitesseRoule;  // a jump from rest drifts to the right
    }
    chocJoue = false;
  } else {
    const float d = libreBas(*this, x, y) - 0.5f;
    ny = d < ChuteMax ? y + d : y + ChuteMax;
    if (!chocJoue && libreBas(*this, x, ny) < 1.0f) {
      jouerEffet(sonsEtape, SonChoc);
      chocJoue = true;
    }
    if (cy + 1 < H && lireCase(cx, cy + 1) == Casse) {
      grille[static_cast<size_t>(cy + 1) * W + cx] = Vide;
      chocJoue = false;
    }
  }

  // 7. Walls, probed at the row of y' + 0.49.
  bool choc = false;
  const int ligneMur = static_cast<int>(static_cast<double>(ny) + HauteurSondeMur);
  const float droite = libreDroite(*this, nx, ligneMur);
  if (droite < 0.5f) {
    nx -= std::min(0.5f - droite, PousseeMurMax);
    if (balle.saut != 0) {
      balle.vitesseX = -VitesseRoule;
      jouerEffet(sonsEtape, SonChoc);
    }
    choc = true;
  }
  const bool murDroit = choc;
  const float gauche = libreGauche(*this, nx, ligneMur);
  if (gauche < 0.5f) {
    nx += std::min(0.5f - gauche, PousseeMurMax);
    if (balle.saut != 0) {
      balle.vitesseX = VitesseRoule;
      if (!murDroit || balle.saut % 5 == 1) jouerEffet(sonsEtape, SonChoc);
    }
    choc = true;
  }

  // 8. Rolling sound: start and stop requests alternate through rouleEnCours.
  if ((touches.gauche != touches.droite) && !choc && !enLAir) {
    if (!rouleEnCours) {
      if (sonsEtape) sonsEtape->jouer(CanalRoule, SonRoule, -1);
      rouleEnCours = true;
    }
  } else if (rouleEnCours) {
    if (sonsEtape) sonsEtape->arreterCanal(CanalRoule);
    rouleEnCours = false;
  }

  // 9. Bomb.
  if (minuteurExplosion == 0 && bombes > 0 && touches.espace) exploser(nx, ny, sonsEtape);

  // 10. Particles.
  for (int32_t i = 0; i < capaciteParticules && particules; ++i) particules[i].avancerParticule(1.0f);

  // 11. Explosion timer.
  if (minuteurExplosion > 0) --minuteurExplosion;

  // 12. The new position and the code of its cell.
  balle.x = nx;
  balle.y = ny;
  const int nc = static_cast<int>(nx), nr = static_cast<int>(ny);
  const uint8_t n = lireCase(nc, nr);

  // 13. A switch in the start cell clears the bricks of its colour, then itself.
  const uint8_t depart = lireCase(cx, cy);
  if (estInterrupteur(depart)) {
    const uint8_t brique = static_cast<uint8_t>(depart + 1);
    // Local bounds and a branch-free body: byte stores may alias the vector's own fields.
    uint8_t* cellule = grille.data();
    uint8_t* const fin = cellule + grille.size();
    for (; cellule != fin; ++cellule) *cellule = *cellule == brique ? static_cast<uint8_t>(Vide) : *cellule;
    grille[static_cast<size_t>(cy) * W + cx] = Vide;
    jouerEffet(sonsEtape, SonInterrupteur);
  }

  // 14. Result from the new cell as it was before the switch.
  if (n == Lost) return Perdu;
  if (n == Win) return Gagne;
  if (n == Bombe) {
    ++bombes;
    if (nc >= 0 && nc < W && nr >= 0 && nr < H) grille[static_cast<size_t>(nr) * W + nc] = Vide;
    jouerEffet(sonsEtape, SonBombe);
  }
  return EnCours;
}
