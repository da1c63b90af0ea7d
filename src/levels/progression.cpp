#include "levels/progression.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "base/journal.h"
#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "levels/fichier_niveaux.h"
#include "platform/repertoires.h"

namespace {

const char* const EnteteProgression = "Zarvinel progression 1";
// More than any real progress file; a larger one is damaged.
constexpr size_t TailleMaxProgression = 4u << 20;

struct Ligne {
  std::string nom, empreinte;
  int niveau = 0;
  uint32_t pas = 0;
};

bool nomStockable(const std::string& nom) {
  if (nom.empty() || nom.size() > 255) return false;
  for (char c : nom)
    if (c == '\t' || c == '\n' || c == '\r' || c == '\0') return false;
  return true;
}

// A decimal number of 1 to 9 digits, nothing else.
bool lireNombre(const std::string& s, uint32_t& v) {
  if (s.empty() || s.size() > 9) return false;
  v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint32_t>(c - '0');
  }
  return true;
}

bool decouper(const std::string& texte, Ligne& l) {
  std::vector<std::string> champs;
  size_t debut = 0;
  for (;;) {
    const size_t tab = texte.find('\t', debut);
    champs.push_back(
        texte.substr(debut, tab == std::string::npos ? std::string::npos : tab - debut));
    if (tab == std::string::npos) break;
    debut = tab + 1;
  }
  uint32_t niveau = 0;
  if (champs.size() != 4 || !nomStockable(champs[0]) || champs[1].size() != 16 ||
      !lireNombre(champs[2], niveau) || niveau < 1 || !lireNombre(champs[3], l.pas) || l.pas == 0)
    return false;
  l.nom = champs[0];
  l.empreinte = champs[1];
  l.niveau = static_cast<int>(niveau);
  return true;
}

// Every sound line of the progress file; a wrong header or unreadable file gives none.
std::vector<Ligne> lireLignes(const std::string& chemin) {
  std::vector<Ligne> lignes;
  std::string contenu;
  const Lecture r = lireFichierOrdinaire(chemin, TailleMaxProgression, contenu);
  if (r == Lecture::Absent) return lignes;
  if (r != Lecture::Lu) {
    journal(ligneFichierIgnore(chemin, r));
    return lignes;
  }
  std::istringstream flux(contenu);
  std::string texte;
  if (!std::getline(flux, texte) || texte != EnteteProgression) {
    if (!contenu.empty()) journal("Progression illisible, ignorée : " + chemin);
    return lignes;
  }
  int ignorees = 0;
  while (std::getline(flux, texte)) {
    if (texte.empty()) continue;
    Ligne l;
    if (decouper(texte, l)) {
      lignes.push_back(l);
    } else {
      ++ignorees;
    }
  }
  if (ignorees > 0) journal("Progression : lignes ignorées " + std::to_string(ignorees));
  return lignes;
}

// Serialises the records' read-merge-write between games: an advisory lock on a file beside the
// progress file, released when closed.
class VerrouFichier {
 public:
  explicit VerrouFichier(const std::string& chemin) {
    fd_ = ::open(chemin.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~VerrouFichier() {
    if (fd_ >= 0) ::close(fd_);
  }
  VerrouFichier(const VerrouFichier&) = delete;
  VerrouFichier& operator=(const VerrouFichier&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

int compterNiveaux(const std::string& o) {
  // The reader's rules without its log lines: counting is no loading.
  if (o.size() < static_cast<size_t>(TaillePreambule) ||
      o.compare(0, TailleMagie, std::string(MagieFichier, TailleMagie)) != 0)
    return 0;
  size_t i = TailleMagie + 1;
  const size_t charge =
      (static_cast<size_t>(static_cast<uint8_t>(o[i])) << 8) | static_cast<uint8_t>(o[i + 1]);
  i += 2 + charge;
  size_t W = Niveau().largeur, H = Niveau().hauteur;
  int n = 0;
  while (i < o.size()) {
    const size_t L = static_cast<uint8_t>(o[i++]);
    if (i + L > o.size()) break;
    if (L >= static_cast<size_t>(LongueurEnteteMinimale)) {
      W = static_cast<uint8_t>(o[i]);
      H = static_cast<uint8_t>(o[i + 1]);
    }
    i += L;
    if (W == 0 || H == 0) continue;
    if (i + W * H > o.size()) break;
    i += W * H;
    ++n;
  }
  return n;
}

std::string empreinteOctets(const std::string& octets) {
  uint64_t h = 14695981039346656037ull;
  for (unsigned char c : octets) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char texte[17];
  std::snprintf(texte, sizeof texte, "%016llx", static_cast<unsigned long long>(h));
  return texte;
}

std::string empreinteFichier(const std::string& chemin) {
  std::string contenu;
  if (lireFichierOrdinaire(chemin, LireFichierMax, contenu) != Lecture::Lu) return "";
  return empreinteOctets(contenu);
}

RecordsFichier Progression::lire(const std::string& nom, const std::string& empreinte) const {
  RecordsFichier records;
  for (const Ligne& l : lireLignes(chemin_)) {
    if (l.nom != nom || l.empreinte != empreinte) continue;
    auto it = records.find(l.niveau);
    if (it == records.end() || l.pas < it->second) records[l.niveau] = l.pas;
  }
  return records;
}

bool Progression::enregistrer(const std::string& nom, const std::string& empreinte, int niveau,
                              uint32_t pas, uint32_t& ancien) const {
  ancien = 0;
  if (!nomStockable(nom) || empreinte.size() != 16 || niveau < 1 || pas == 0 || pas > 999999999)
    return false;
  VerrouFichier verrou(chemin_ + ".verrou");
  std::vector<Ligne> lignes = lireLignes(chemin_);
  bool trouve = false;
  for (Ligne& l : lignes) {
    if (l.nom != nom || l.empreinte != empreinte || l.niveau != niveau) continue;
    if (!trouve || l.pas < ancien) ancien = l.pas;
    trouve = true;
  }
  if (trouve && ancien <= pas) return true;  // no better: nothing to write
  std::string sortie = std::string(EnteteProgression) + "\n";
  for (const Ligne& l : lignes) {
    if (l.nom == nom && l.empreinte == empreinte && l.niveau == niveau) continue;
    sortie += l.nom + "\t" + l.empreinte + "\t" + std::to_string(l.niveau) + "\t" +
              std::to_string(l.pas) + "\n";
  }
  sortie +=
      nom + "\t" + empreinte + "\t" + std::to_string(niveau) + "\t" + std::to_string(pas) + "\n";
  if (!remplacerFichier(chemin_, sortie)) {
    journal("***** Erreur : écriture impossible de " + chemin_);
    return false;
  }
  return true;
}

bool EtatFichier::termine() const {
  if (total <= 0) return false;
  for (int n = 1; n <= total; ++n)
    if (records.count(n) == 0) return false;
  return true;
}

std::vector<int> EtatFichier::atteints() const {
  std::vector<int> v;
  for (int n = 1; n <= total; ++n) {
    v.push_back(n);
    if (records.count(n) == 0) break;
  }
  // Won levels past a gap (reached through the chooser before) stay offered.
  for (const auto& r : records)
    if (r.first <= total && (v.empty() || r.first > v.back())) v.push_back(r.first);
  return v;
}

EtatFichier lireEtatFichier(const std::string& chemin, const Progression& progression) {
  EtatFichier e;
  const size_t barre = chemin.find_last_of('/');
  e.nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
  std::string octets;
  if (lireFichierOrdinaire(chemin, LireFichierMax, octets) != Lecture::Lu) return e;
  e.empreinte = empreinteOctets(octets);
  e.total = compterNiveaux(octets);
  e.records = progression.lire(e.nom, e.empreinte);
  return e;
}

Progression progressionJoueur() {
  return Progression(repertoires ? repertoires->chemin(FichierProgression) : FichierProgression);
}

std::string texteSecondes(uint32_t pas) {
  const uint32_t centiemes = pas % 100;
  return std::to_string(pas / 100) + (centiemes < 10 ? ".0" : ".") + std::to_string(centiemes);
}
