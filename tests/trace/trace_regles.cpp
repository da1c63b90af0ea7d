// A trace of the whole play state after every step, to prove that a rework of the step or of
// who reacts to it changes nothing: every shipped level played with its recorded solution, its
// recorded wrong move and a few random key scripts, each the way the play screen runs it (the
// start camera, the particle ring, the sound queue), the same scripts through the headless
// replays, and the menu background's flight and automaton. One line per run: the number of
// steps, the first result and a hash of every step's state; compare the whole output's md5
// before and after.
//
// Usage: zarvinel_trace_regles SOURCE_DIR OUTPUT  (the log goes to standard output)
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/requetes_sons.h"
#include "game/animation_fond_menu.h"
#include "game/camera.h"
#include "game/instantane.h"
#include "game/partie.h"
#include "game/solution.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"

namespace {

struct Hache {
  uint64_t h = 1469598103934665603ull;
  void octets(const void* p, size_t n) {
    const auto* o = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) h = (h ^ o[i]) * 1099511628211ull;
  }
  template <class T>
  void valeur(const T& v) {
    octets(&v, sizeof v);
  }
};

void hacherCamera(Hache& h, const Camera& k) {
  const float f[] = {k.oeilX, k.oeilY, k.oeilZ, k.centreX,  k.centreY,    k.centreZ,
                     k.hautX, k.hautY, k.hautZ, k.tauxOeil, k.tauxCentre, k.profondeurOeil};
  h.octets(f, sizeof f);
  h.valeur(k.suivre);
}

void hacherBalle(Hache& h, const Balle& b) {
  h.valeur(b.x);
  h.valeur(b.y);
  h.valeur(b.saut);
  h.valeur(b.vitesseX);
}

// Everything a frame may show, and the step's result and sounds.
void hacherPas(Hache& h, const InstantaneTerrain& v, int r, const RequeteSon* sons, int n) {
  h.valeur(r);
  hacherBalle(h, v.balle);
  h.valeur(v.bombes);
  h.valeur(v.minuteurExplosion);
  h.valeur(v.explosionX);
  h.valeur(v.explosionY);
  h.valeur(v.explosionAlea);
  h.valeur(v.largeur);
  h.valeur(v.hauteur);
  h.valeur(v.departX);
  h.valeur(v.departY);
  h.octets(v.couleurs, sizeof v.couleurs);
  hacherCamera(h, v.camera);
  h.octets(v.grille.data(), v.grille.size());
  for (const Particule& p : v.particules) {
    h.valeur(p.vie);
    const float f[] = {p.x, p.y, p.z, p.vx, p.vy, p.vz, p.taille};
    h.octets(f, sizeof f);
    h.valeur(p.gravite);
  }
  h.valeur(n);
  for (int i = 0; i < n; ++i) {
    h.valeur(sons[i].type);
    h.valeur(sons[i].canal);
    h.valeur(sons[i].boucles);
    h.valeur(sons[i].effet);
  }
}

std::string lireTexte(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  if (!f) return "";
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Random keys from a generator of the trace's own (rand() belongs to the game).
Solution scriptHasard(uint32_t graine, uint32_t pas) {
  static const Touches cles[] = {{},
                                 {true, false, false},
                                 {false, true, false},
                                 {false, false, true},
                                 {true, false, true},
                                 {false, true, true}};
  Solution s;
  uint32_t x = graine * 2654435761u + 12345u;
  auto suivant = [&x] {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return x;
  };
  for (uint32_t p = 0; p < pas;) {
    s.push_back(ConsigneSolution{p, cles[suivant() % 6]});
    p += 5 + suivant() % 80;
  }
  return s;
}

constexpr uint32_t PasApresResultat = 150;

// As the play screen runs a level: the start camera, the particle ring, the sound queue, and no
// key once a result is there. One Spectacle goes from run to run, as the play screen's goes
// from level to level.
std::string jouerEcran(Terrain& t, Spectacle& sp, const Niveau& depart, const Solution& s,
                       uint32_t pasMax) {
  std::srand(12345);
  t.commencerNiveau(depart);
  sp.poserCamera(cameraDepart(t.largeur, t.hauteur, t.balle.x, t.balle.y));
  sp.allouerParticules(ParticulesParNiveau);
  RequetesSons file;
  InstantaneTerrain v;
  std::array<RequeteSon, CapaciteRequetes> sons{};
  Hache h;
  int resultat = EnCours;
  uint32_t pasResultat = 0, p = 0;
  for (; p < pasMax; ++p) {
    if (resultat != EnCours && p > pasResultat + PasApresResultat) break;
    const Touches touches = resultat != EnCours ? Touches{} : touchesAuPas(s, p);
    const int r = avancer(t, sp, touches, &file);
    const int n = file.prendreRequetes(sons);
    prendreInstantane(t, sp, v);
    hacherPas(h, v, r, sons.data(), n);
    if (resultat == EnCours && r != EnCours) {
      resultat = r;
      pasResultat = p;
    }
  }
  char ligne[128];
  std::snprintf(ligne, sizeof ligne, "ecran %u pas, resultat %d au pas %u, %016llx", p, resultat,
                pasResultat, static_cast<unsigned long long>(h.h));
  return ligne;
}

// The same keys through the headless replays: the rule state after every step.
std::string jouerPartie(const Niveau& depart, const Solution& s, uint32_t pasMax) {
  std::srand(12345);
  Partie partie;
  partie.preparer(depart);
  Script script;
  for (const ConsigneSolution& c : s)
    script.push_back(Consigne{static_cast<long>(c.pas), c.touches});
  Hache h;
  const Issue issue = partie.jouer(script, pasMax, false, [&](long, int r) {
    h.valeur(r);
    hacherBalle(h, partie.t.balle);
    h.valeur(partie.t.bombes);
    h.valeur(partie.t.minuteurExplosion);
    h.octets(partie.t.grille.data(), partie.t.grille.size());
  });
  char ligne[128];
  std::snprintf(ligne, sizeof ligne, "partie resultat %d au pas %ld, %016llx", issue.resultat,
                issue.pas, static_cast<unsigned long long>(h.h));
  return ligne;
}

std::string fondMenu(const std::string& source) {
  Terrain t;
  LecteurNiveaux lecteur;
  if (!lecteur.ouvrir(source + "/data/mapsoff/logom.map") || lecteur.chargerNiveauSuivant(t))
    return "fond: logom.map illisible";
  lecteur.fermer();
  std::srand(777);
  Spectacle sp;
  sp.suivreCameraVers(128, 101, -300);
  EtatFondMenu etat;
  InstantaneTerrain v;
  Hache h;
  for (int i = 0; i < 6000; ++i) {
    pasFondMenu(etat, t, sp, t.largeur, t.hauteur);
    prendreInstantane(t, sp, v);
    hacherPas(h, v, 0, nullptr, 0);
  }
  char ligne[64];
  std::snprintf(ligne, sizeof ligne, "fond 6000 pas, %016llx",
                static_cast<unsigned long long>(h.h));
  return ligne;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOURCE_DIR OUTPUT\n", argv[0]);
    return 2;
  }
  const std::string source = argv[1];
  std::ofstream sortie(argv[2]);
  static const char* fichiers[] = {"1-Premiers-pas", "2-Briques-fragiles", "3-Ressorts",
                                   "4-Bombes",       "5-Interrupteurs",    "6-Melanges",
                                   "7-Casse-tetes",  "8-Grand-final",      "9-Reflexion",
                                   "10-Sommets",     "11-Descentes",       "12-Abimes"};
  Terrain t;
  Spectacle sp;
  int runs = 0;
  for (const char* nom : fichiers) {
    LecteurNiveaux lecteur;
    const std::string carte = source + "/data/mapsoff/" + nom + ".map";
    if (!lecteur.ouvrir(carte)) {
      sortie << nom << ": illisible\n";
      continue;
    }
    std::vector<Niveau> niveaux;
    while (!lecteur.chargerNiveauSuivant(t)) niveaux.push_back(t.niveau());
    lecteur.fermer();
    for (size_t i = 0; i < niveaux.size(); ++i) {
      const std::string niveau = std::string(nom) + "-" + std::to_string(i + 1);
      std::vector<std::pair<std::string, Solution>> scripts;
      Solution s;
      if (lireSolution(lireTexte(source + "/data/mapsoff/solutions/" + niveau + ".txt"), s))
        scripts.emplace_back("solution", s);
      if (lireSolution(lireTexte(source + "/tools/niveaux/solutions/" + niveau + "-perdu.txt"), s))
        scripts.emplace_back("perdu", s);
      for (uint32_t k = 0; k < 4; ++k)
        scripts.emplace_back("hasard" + std::to_string(k),
                             scriptHasard(static_cast<uint32_t>(runs * 7 + k), 4000));
      for (const auto& [genre, script] : scripts) {
        sortie << niveau << " " << genre << " " << jouerEcran(t, sp, niveaux[i], script, 4000)
               << " | " << jouerPartie(niveaux[i], script, 4000) << "\n";
        ++runs;
      }
    }
  }
  sortie << fondMenu(source) << "\n";
  sortie << runs << " parties\n";
  return 0;
}
