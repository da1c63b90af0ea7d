#include "game/recherche.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "game/cases.h"

namespace {

const Touches Cles[] = {
    {false, false, false}, {true, false, false}, {false, true, false},
    {false, false, true},  {true, false, true},  {false, true, true},
};
constexpr int NombreCles = 6;
constexpr uint32_t Aucune = UINT32_MAX;
constexpr uint64_t GraineFnv = 1469598103934665603ULL;

inline uint64_t melanger(uint64_t h, uint64_t v) { return (h ^ v) * 1099511628211ULL; }

uint64_t hacherGrille(const std::vector<uint8_t>& g) {
  uint64_t h = GraineFnv;
  for (uint8_t c : g) h = melanger(h, c);
  return h;
}

// One state: the grid by its number in the pool, the rest in full.
struct Etat {
  Balle balle;
  int32_t bombes = 0;
  uint32_t grille = 0;
  uint32_t noeud = 0;
  uint8_t minuteur = 0;
};
static_assert(sizeof(Etat) <= 32, "a state stays small");

struct Noeud {
  uint32_t parent;
  uint8_t cle;
};

// The state's key: the grid's hash carried on over the ball, the bombs and the blast timer.
uint64_t cleEtat(uint64_t hGrille, const Balle& b, int32_t bombes, uint8_t minuteur) {
  uint64_t h = hGrille;
  h = melanger(h, static_cast<uint64_t>(std::lround(b.x * 20.0f)) + 1000);
  h = melanger(h, static_cast<uint64_t>(std::lround(b.y * 20.0f)) + 1000);
  h = melanger(h, static_cast<uint64_t>(b.saut) + 1000);
  h = melanger(h, b.vitesseX > 0 ? 1 : b.vitesseX < 0 ? 2 : 3);
  h = melanger(h, static_cast<uint64_t>(bombes));
  h = melanger(h, minuteur);
  return h;
}

// An open-addressing table of 64-bit keys (and, when asked, a number for each): 8 or 12 bytes
// a slot, at most 70 % full, doubled when it would pass that.
class Table {
 public:
  explicit Table(bool avecValeurs) : avecValeurs_(avecValeurs) {}

  // The slot of `cle`, found or free.
  size_t place(uint64_t cle) const {
    const size_t masque = cles_.size() - 1;
    size_t i = static_cast<size_t>((cle * 0x9E3779B97F4A7C15ULL) >> 20) & masque;
    while (occupe_[i] && cles_[i] != cle) i = (i + 1) & masque;
    return i;
  }
  bool contient(uint64_t cle) const { return !cles_.empty() && occupe_[place(cle)]; }
  uint32_t valeur(uint64_t cle) const {
    if (cles_.empty()) return Aucune;
    const size_t i = place(cle);
    return occupe_[i] ? valeurs_[i] : Aucune;
  }
  // `cle` must not be there yet.
  void inserer(uint64_t cle, uint32_t valeur = 0) {
    if (croissance() > 0) grandir();
    const size_t i = place(cle);
    occupe_[i] = 1;
    cles_[i] = cle;
    if (avecValeurs_) valeurs_[i] = valeur;
    ++taille_;
  }
  size_t taille() const { return taille_; }
  size_t octets() const { return octetsPour(cles_.size()); }
  // What the next insertion allocates on top of what is held (the old table lives on while the
  // new one fills).
  size_t croissance() const {
    return (taille_ + 1) * 10 > cles_.size() * 7 ? octetsPour(nouvelleTaille()) : 0;
  }

 private:
  size_t nouvelleTaille() const { return cles_.empty() ? 1024 : cles_.size() * 2; }
  size_t octetsPour(size_t n) const { return n * (sizeof(uint64_t) + 1 + (avecValeurs_ ? 4 : 0)); }
  void grandir() {
    std::vector<uint64_t> cles(nouvelleTaille());
    std::vector<uint8_t> occupe(cles.size());
    std::vector<uint32_t> valeurs(avecValeurs_ ? cles.size() : 0);
    cles.swap(cles_);
    occupe.swap(occupe_);
    valeurs.swap(valeurs_);
    for (size_t i = 0; i < cles.size(); ++i) {
      if (!occupe[i]) continue;
      const size_t j = place(cles[i]);
      occupe_[j] = 1;
      cles_[j] = cles[i];
      if (avecValeurs_) valeurs_[j] = valeurs[i];
    }
  }

  bool avecValeurs_;
  std::vector<uint64_t> cles_;
  std::vector<uint8_t> occupe_;
  std::vector<uint32_t> valeurs_;
  size_t taille_ = 0;
};

// Every distinct grid once, found again by its hash (grids of equal hash chained).
struct Grille {
  std::vector<uint8_t> cases;
  uint64_t hachage = 0;
  uint32_t suivante = Aucune;
};

class Grilles {
 public:
  Grilles() : index_(true) {}
  const Grille& operator[](uint32_t i) const { return grilles_[i]; }
  // The number of `g` (of hash `h`) when it is kept, Aucune otherwise.
  uint32_t trouver(const std::vector<uint8_t>& g, uint64_t h) const {
    for (uint32_t i = index_.valeur(h); i != Aucune; i = grilles_[i].suivante) {
      if (grilles_[i].cases == g) return i;
    }
    return Aucune;
  }
  // Bytes that keeping one more grid of `n` cells would add.
  size_t croissance(size_t n) const {
    const size_t tableau = grilles_.size() == grilles_.capacity()
                               ? std::max<size_t>(64, 2 * grilles_.capacity()) * sizeof(Grille)
                               : 0;
    return n + tableau + index_.croissance();
  }
  uint32_t ajouter(const std::vector<uint8_t>& g, uint64_t h) {
    if (grilles_.size() == grilles_.capacity()) {
      grilles_.reserve(std::max<size_t>(64, 2 * grilles_.capacity()));
    }
    const uint32_t n = static_cast<uint32_t>(grilles_.size());
    const uint32_t premiere = index_.valeur(h);
    grilles_.push_back(Grille{g, h, Aucune});
    grilles_.back().cases.shrink_to_fit();
    octetsCases_ += grilles_.back().cases.capacity();
    if (premiere == Aucune) {
      index_.inserer(h, n);
    } else {
      uint32_t i = premiere;
      while (grilles_[i].suivante != Aucune) i = grilles_[i].suivante;
      grilles_[i].suivante = n;
    }
    return n;
  }
  size_t octets() const {
    return octetsCases_ + grilles_.capacity() * sizeof(Grille) + index_.octets();
  }

 private:
  std::vector<Grille> grilles_;
  Table index_;
  size_t octetsCases_ = 0;
};

// Grows `v` ahead of a push (doubling, at least 64) so its bytes are known before they are spent.
template <class T>
size_t croissance(const std::vector<T>& v) {
  return v.size() == v.capacity() ? std::max<size_t>(64, 2 * v.capacity()) * sizeof(T) : 0;
}
template <class T>
void pousser(std::vector<T>& v, T x) {
  if (v.size() == v.capacity()) v.reserve(std::max<size_t>(64, 2 * v.capacity()));
  v.push_back(std::move(x));
}
template <class T>
size_t octets(const std::vector<T>& v) {
  return v.capacity() * sizeof(T);
}

}  // namespace

bool departValable(const Niveau& n) {
  // Compared as floats first: a start far outside (or not a number) is never cast.
  if (!n.aGrille() || !(n.departX >= 0.0f && n.departX < static_cast<float>(n.largeur)) ||
      !(n.departY >= 0.0f && n.departY < static_cast<float>(n.hauteur))) {
    return false;
  }
  return !estSolide(n.lireCase(static_cast<int>(n.departX), static_cast<int>(n.departY)));
}

Resolution chercherPlusCourt(Partie& partie, const BornesRecherche& bornes,
                             ProgresRecherche* progres, const std::atomic<bool>* annulation) {
  Resolution res;
  if (!departValable(partie.depart) || partie.grille0.empty()) {
    res.fin = FinRecherche::SansDepart;
    return res;
  }
  const long tous = std::max(1L, bornes.tous);
  EtatRegles& t = partie.t;  // the rule state alone: no lock, no camera, no particles
  auto annulee = [&] { return annulation && annulation->load(std::memory_order_relaxed); };

  Grilles grilles;
  Table vus(false);
  std::vector<Noeud> noeuds;
  std::vector<Etat> front, suivant;
  auto tenus = [&] {
    return grilles.octets() + vus.octets() + octets(noeuds) + octets(front) + octets(suivant);
  };
  const uint64_t h0 = hacherGrille(partie.grille0);
  if (grilles.croissance(partie.grille0.size()) + vus.croissance() + croissance(noeuds) +
          croissance(front) >
      bornes.octetsMax) {
    res.fin = FinRecherche::Bornee;
    return res;
  }
  Etat e0;
  e0.balle = partie.balle0;
  e0.bombes = partie.bombes0;
  e0.minuteur = partie.minuteur0;
  e0.grille = grilles.ajouter(partie.grille0, h0);
  pousser(noeuds, Noeud{0, 0});
  pousser(front, e0);
  vus.inserer(cleEtat(h0, e0.balle, e0.bombes, e0.minuteur));
  size_t octetsTenus = tenus();
  res.octetsPic = octetsTenus;

  uint32_t courante = Aucune;  // the pool's grid t.grille holds now, if any
  long gagnePas = -1;
  uint32_t gagneNoeud = 0;
  int gagneCle = 0;
  bool arret = false;
  for (long couche = 0; couche * tous < bornes.pasMax && !front.empty() && gagnePas < 0 && !arret;
       ++couche) {
    if (progres) progres->pas.store(couche * tous, std::memory_order_relaxed);
    suivant.clear();
    for (const Etat& e : front) {
      if (annulee()) {
        res.fin = FinRecherche::Annulee;
        arret = true;
        break;
      }
      for (int k = 0; k < NombreCles && !arret; ++k) {
        if (bornes.sansEspace && Cles[k].espace) continue;
        if (courante != e.grille) {
          t.grille = grilles[e.grille].cases;
          courante = e.grille;
        }
        t.balle = e.balle;
        t.bombes = e.bombes;
        t.minuteurExplosion = e.minuteur;
        int r = EnCours;
        long j = 0;
        for (; j < tous && r == EnCours; ++j) r = pasRegles(t, Cles[k]).resultat;
        // Most steps leave the grid alone: then it need not be copied back for the next key.
        const Grille& avant = grilles[e.grille];
        const bool changee =
            std::memcmp(t.grille.data(), avant.cases.data(), avant.cases.size()) != 0;
        if (changee) courante = Aucune;
        if (r == Perdu) continue;
        if (r == Gagne) {
          const long p = couche * tous + j - 1;
          if (gagnePas < 0 || p < gagnePas) {
            gagnePas = p;
            gagneNoeud = e.noeud;
            gagneCle = k;
          }
          continue;
        }
        const uint64_t hg = changee ? hacherGrille(t.grille) : avant.hachage;
        const uint64_t cle = cleEtat(hg, t.balle, t.bombes, t.minuteurExplosion);
        if (vus.contient(cle)) continue;
        uint32_t g = changee ? grilles.trouver(t.grille, hg) : e.grille;
        const size_t plus = (g == Aucune ? grilles.croissance(t.grille.size()) : 0) +
                            vus.croissance() + croissance(noeuds) + croissance(suivant);
        if (octetsTenus + plus > bornes.octetsMax) {
          arret = true;
          break;
        }
        if (g == Aucune) g = grilles.ajouter(t.grille, hg);
        if (changee) courante = g;
        vus.inserer(cle);
        Etat n;
        n.balle = t.balle;
        n.bombes = t.bombes;
        n.minuteur = t.minuteurExplosion;
        n.grille = g;
        n.noeud = static_cast<uint32_t>(noeuds.size());
        pousser(noeuds, Noeud{e.noeud, static_cast<uint8_t>(k)});
        pousser(suivant, n);
        octetsTenus = tenus();
        res.octetsPic = std::max(res.octetsPic, octetsTenus);
      }
      if (arret) break;
      if (progres) {
        progres->etats.store(vus.taille(), std::memory_order_relaxed);
        progres->octets.store(octetsTenus, std::memory_order_relaxed);
      }
    }
    if (arret) break;
    front.swap(suivant);
    if (static_cast<long>(vus.taille()) > bornes.etatsMax) break;
  }
  res.etats = vus.taille();
  if (progres) progres->etats.store(vus.taille(), std::memory_order_relaxed);
  if (res.fin == FinRecherche::Annulee) return res;
  if (gagnePas < 0) {
    res.fin = front.empty() && !arret ? FinRecherche::Epuisee : FinRecherche::Bornee;
    return res;
  }
  if (bornes.existenceSeule) {
    res.trouvee = true;
    res.fin = FinRecherche::Gagnee;
    res.pas = gagnePas;
    return res;
  }
  // The keys of each block of steps, from the start to the win.
  std::vector<int> blocs{gagneCle};
  for (uint32_t n = gagneNoeud; n != 0; n = noeuds[n].parent) blocs.push_back(noeuds[n].cle);
  std::reverse(blocs.begin(), blocs.end());
  Script s;
  for (size_t b = 0; b < blocs.size(); ++b) {
    if (s.empty() || !memesTouches(s.back().touches, Cles[blocs[b]])) {
      s.push_back(Consigne{static_cast<long>(b) * tous, Cles[blocs[b]]});
    }
  }
  // Fewer key changes when the win comes no later: each change merged into the one before.
  for (size_t i = s.size(); i-- > 1;) {
    if (annulee()) {
      res.fin = FinRecherche::Annulee;
      return res;
    }
    Script essai = s;
    essai.erase(essai.begin() + static_cast<long>(i));
    const Issue is = partie.jouer(essai, gagnePas + 1);
    if (is.resultat == Gagne && is.pas <= gagnePas) {
      s = essai;
      gagnePas = is.pas;
    }
  }
  const Issue fin = partie.jouer(s, gagnePas + 1);
  res.trouvee = fin.resultat == Gagne;
  res.fin = res.trouvee ? FinRecherche::Gagnee : FinRecherche::Bornee;
  res.pas = fin.pas;
  res.script = s;
  return res;
}

BornesRecherche bornesVerification() {
  BornesRecherche b;
  b.pasMax = 12000;
  b.etatsMax = 4000000;
  b.octetsMax = size_t{256} << 20;
  return b;
}
