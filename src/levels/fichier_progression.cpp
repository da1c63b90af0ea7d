#include "levels/fichier_progression.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>
#include <mutex>
#include <thread>

#include "base/ecriture_atomique.h"
#include "base/journal.h"

namespace {

const char* const EnteteProgression = "Zarvinel progression 1";
const char* const MotDernier = "dernier";
// More than any real progress file; a larger one is damaged.
constexpr size_t TailleMaxProgression = 4u << 20;

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

bool decouper(const std::string& texte, LigneProgression& l) {
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

bool memeNiveau(const LigneProgression& a, const LigneProgression& b) {
  return a.nom == b.nom && a.empreinte == b.empreinte && a.niveau == b.niveau;
}

bool memeLigne(const LigneProgression& a, const LigneProgression& b) {
  return memeNiveau(a, b) && a.pas == b.pas;
}

// `r` into `lignes` when it beats every line of its level (which then go); whether it did.
bool fusionner(std::vector<LigneProgression>& lignes, const LigneProgression& r) {
  const uint32_t meilleur = meilleurPas(lignes, r.nom, r.empreinte, r.niveau);
  if (meilleur != 0 && meilleur <= r.pas) return false;
  std::vector<LigneProgression> restent;
  for (const LigneProgression& l : lignes)
    if (!memeNiveau(l, r)) restent.push_back(l);
  restent.push_back(r);
  lignes.swap(restent);
  return true;
}

std::string texteLigne(const LigneProgression& l) {
  return l.nom + "\t" + l.empreinte + "\t" + std::to_string(l.niveau) + "\t" +
         std::to_string(l.pas);
}

std::string texteRecord(const LigneProgression& l) {
  return l.nom + " niveau " + std::to_string(l.niveau);
}

// A free name beside `chemin`: "progression.txt.illisible-20261211-063000", then "-2"...; empty
// when none can be had.
std::string nomLibre(const std::string& chemin, const char* raison) {
  char date[32] = "";
  const std::time_t t = std::time(nullptr);
  struct tm tm;
  if (localtime_r(&t, &tm)) std::strftime(date, sizeof date, "%Y%m%d-%H%M%S", &tm);
  const std::string base = chemin + "." + raison + "-" + date;
  for (int i = 1; i < 1000; ++i) {
    const std::string nom = i == 1 ? base : base + "-" + std::to_string(i);
    struct stat st;
    if (lstat(nom.c_str(), &st) == 0) continue;
    return errno == ENOENT ? nom : "";
  }
  return "";
}

// The file (or link) at `chemin` moved to a free name beside it; that name, or empty when it could
// not be moved. Called under the lock: no other game takes the name between the check and the move.
std::string mettreDeCote(const std::string& chemin, const char* raison) {
  const std::string cible = nomLibre(chemin, raison);
  return !cible.empty() && std::rename(chemin.c_str(), cible.c_str()) == 0 ? cible : "";
}

// "dernier<TAB>NAME": the file played last.
bool lireDernier(const std::string& texte, std::string& dernier) {
  const std::string debut = std::string(MotDernier) + "\t";
  if (texte.compare(0, debut.size(), debut) != 0) return false;
  const std::string nom = texte.substr(debut.size());
  if (!nomStockable(nom)) return false;
  dernier = nom;
  return true;
}

std::mutex attenteMutex;
std::map<std::string, std::vector<LigneProgression>>& attente() {
  static std::map<std::string, std::vector<LigneProgression>> a;
  return a;
}
std::map<std::string, std::string>& derniersEnAttente() {
  static std::map<std::string, std::string> d;
  return d;
}

ResultatEcriture refuser(const std::string& chemin, const LigneProgression* nouveau,
                         ResultatEcriture r) {
  journal("***** Erreur : écriture impossible de " + chemin);
  if (nouveau) journal("Record non enregistré : " + texteRecord(*nouveau));
  r.etat = Ecriture::Refuse;
  return r;
}

}  // namespace

bool nomStockable(const std::string& nom) {
  if (nom.empty() || nom.size() > 255) return false;
  for (char c : nom)
    if (c == '\t' || c == '\n' || c == '\r' || c == '\0') return false;
  return true;
}

ContenuProgression lireContenuProgression(const std::string& chemin) {
  ContenuProgression c;
  std::string contenu;
  c.lecture = lireFichierOrdinaire(chemin, TailleMaxProgression, contenu);
  if (c.lecture == Lecture::Absent) return c;
  if (c.lecture != Lecture::Lu) {
    c.illisible = true;
    journal(ligneFichierIgnore(chemin, c.lecture));
    return c;
  }
  if (contenu.empty()) return c;
  std::vector<std::string> textes;
  for (size_t debut = 0; debut < contenu.size();) {
    size_t fin = contenu.find('\n', debut);
    if (fin == std::string::npos) fin = contenu.size();
    std::string t = contenu.substr(debut, fin - debut);
    // Line ends written on another system: CR LF reads as LF.
    if (!t.empty() && t.back() == '\r') t.pop_back();
    textes.push_back(std::move(t));
    debut = fin + 1;
  }
  if (textes.empty() || textes[0] != EnteteProgression) {
    c.illisible = true;
    journal("Progression illisible, ignorée : " + chemin);
    return c;
  }
  int ignorees = 0;
  for (size_t i = 1; i < textes.size(); ++i) {
    if (textes[i].empty()) continue;
    LigneProgression l;
    if (decouper(textes[i], l)) {
      c.lignes.push_back(l);
    } else if (lireDernier(textes[i], c.dernier)) {
      // The last such line holds: only one is ever written.
    } else {
      c.autres.push_back(textes[i]);
      ++ignorees;
    }
  }
  if (ignorees > 0) journal("Progression : lignes ignorées " + std::to_string(ignorees));
  return c;
}

uint32_t meilleurPas(const std::vector<LigneProgression>& lignes, const std::string& nom,
                     const std::string& empreinte, int niveau) {
  uint32_t meilleur = 0;
  for (const LigneProgression& l : lignes)
    if (l.nom == nom && l.empreinte == empreinte && l.niveau == niveau &&
        (meilleur == 0 || l.pas < meilleur))
      meilleur = l.pas;
  return meilleur;
}

VerrouProgression::VerrouProgression(const std::string& chemin, int attenteMs) {
  struct stat st;
  // The lock file holds nothing: a link planted in its place goes, its target is never opened.
  if (lstat(chemin.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && unlink(chemin.c_str()) == 0)
    journal("Verrou de progression : lien supprimé : " + chemin);
  fd_ = ::open(chemin.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd_ >= 0 && (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd_);
    fd_ = -1;
  }
  if (fd_ < 0) {
    journal("Verrou de progression impossible : " + chemin);
    return;
  }
  // Polled rather than waited for: a game that holds the lock for long must not hold this one.
  const auto fin = std::chrono::steady_clock::now() + std::chrono::milliseconds(attenteMs);
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      etat_ = Etat::Tenu;
      return;
    }
    if (errno == EINTR) continue;
    const bool occupe = errno == EWOULDBLOCK;
    if (!occupe || std::chrono::steady_clock::now() >= fin) {
      ::close(fd_);
      fd_ = -1;
      etat_ = occupe ? Etat::Occupe : Etat::Impossible;
      if (!occupe) journal("Verrou de progression impossible : " + chemin);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

VerrouProgression::~VerrouProgression() {
  if (fd_ >= 0) ::close(fd_);
}

void mettreEnAttente(const std::string& chemin, const LigneProgression& ligne) {
  std::lock_guard<std::mutex> garde(attenteMutex);
  fusionner(attente()[chemin], ligne);
}

std::vector<LigneProgression> lignesEnAttente(const std::string& chemin) {
  std::lock_guard<std::mutex> garde(attenteMutex);
  const auto it = attente().find(chemin);
  return it == attente().end() ? std::vector<LigneProgression>() : it->second;
}

void retirerDeLAttente(const std::string& chemin, const std::vector<LigneProgression>& ecrites) {
  if (ecrites.empty()) return;
  std::lock_guard<std::mutex> garde(attenteMutex);
  const auto it = attente().find(chemin);
  if (it == attente().end()) return;
  std::vector<LigneProgression> restent;
  for (const LigneProgression& l : it->second) {
    bool ecrite = false;
    for (const LigneProgression& e : ecrites) ecrite = ecrite || memeLigne(l, e);
    if (!ecrite) restent.push_back(l);
  }
  if (restent.empty()) {
    attente().erase(it);
  } else {
    it->second.swap(restent);
  }
}

std::string dernierEnAttente(const std::string& chemin) {
  std::lock_guard<std::mutex> garde(attenteMutex);
  const auto it = derniersEnAttente().find(chemin);
  return it == derniersEnAttente().end() ? std::string() : it->second;
}

std::vector<std::string> progressionsEnAttente() {
  std::lock_guard<std::mutex> garde(attenteMutex);
  std::vector<std::string> chemins;
  for (const auto& a : attente()) chemins.push_back(a.first);
  for (const auto& d : derniersEnAttente())
    if (attente().count(d.first) == 0) chemins.push_back(d.first);
  return chemins;
}

namespace {

void attendreDernier(const std::string& chemin, const std::string& dernier) {
  std::lock_guard<std::mutex> garde(attenteMutex);
  derniersEnAttente()[chemin] = dernier;
}

// Forgets the waiting file played last once `ecrit` is on disk (unless a newer one came since).
void oublierDernier(const std::string& chemin, const std::string& ecrit) {
  std::lock_guard<std::mutex> garde(attenteMutex);
  const auto it = derniersEnAttente().find(chemin);
  if (it != derniersEnAttente().end() && it->second == ecrit) derniersEnAttente().erase(it);
}

}  // namespace

ResultatEcriture ecrireProgression(const std::string& chemin, const LigneProgression* nouveau,
                                   int attenteMs, const std::string* dernier) {
  ResultatEcriture r;
  if (dernier && !nomStockable(*dernier)) dernier = nullptr;
  const VerrouProgression verrou(chemin + ".verrou", attenteMs);
  if (verrou.etat() == VerrouProgression::Etat::Occupe) {
    if (dernier) {
      attendreDernier(chemin, *dernier);
      journal("Progression verrouillée, dernier fichier gardé en mémoire : " + *dernier);
    }
    // Another game is writing, or holds the lock for long: the record waits in memory and the
    // game goes on. The file is read whole (it is only ever replaced whole) for the best before.
    if (nouveau) {
      std::vector<LigneProgression> connues = lireContenuProgression(chemin).lignes;
      for (const LigneProgression& l : lignesEnAttente(chemin)) connues.push_back(l);
      r.ancien = meilleurPas(connues, nouveau->nom, nouveau->empreinte, nouveau->niveau);
      if (r.ancien == 0 || nouveau->pas < r.ancien) {
        mettreEnAttente(chemin, *nouveau);
        journal("Progression verrouillée, record gardé en mémoire : " + texteRecord(*nouveau));
      }
    }
    r.etat = lignesEnAttente(chemin).empty() && dernierEnAttente(chemin).empty()
                 ? Ecriture::Ecrit
                 : Ecriture::EnAttente;
    return r;
  }

  const std::vector<LigneProgression> enAttente = lignesEnAttente(chemin);
  const std::string dernierVoulu = dernier ? *dernier : dernierEnAttente(chemin);
  struct stat st;
  const bool present = lstat(chemin.c_str(), &st) == 0;
  if (!present && errno != ENOENT) return refuser(chemin, nouveau, r);
  const bool lien = present && S_ISLNK(st.st_mode);
  // A folder, a pipe or a device: nothing of ours, left as it is.
  if (present && !lien && !S_ISREG(st.st_mode)) return refuser(chemin, nouveau, r);
  ContenuProgression contenu;
  if (present) contenu = lireContenuProgression(chemin);
  std::vector<LigneProgression> lignes = contenu.lignes;
  if (nouveau) {
    std::vector<LigneProgression> connues = lignes;
    connues.insert(connues.end(), enAttente.begin(), enAttente.end());
    r.ancien = meilleurPas(connues, nouveau->nom, nouveau->empreinte, nouveau->niveau);
  }
  bool change = false;
  for (const LigneProgression& l : enAttente) change = fusionner(lignes, l) || change;
  if (nouveau) change = fusionner(lignes, *nouveau) || change;
  const std::string dernierEcrit = dernierVoulu.empty() ? contenu.dernier : dernierVoulu;
  change = change || dernierEcrit != contenu.dernier;
  if (!change) {
    // Nothing better than what the file holds: it is left untouched.
    retirerDeLAttente(chemin, enAttente);
    oublierDernier(chemin, dernierVoulu);
    r.etat = Ecriture::Ecrit;
    return r;
  }
  if (lien || contenu.illisible) {
    // A read-only file is the player's choice: refused like any read-only file.
    if (!lien && ((st.st_mode & 0222) == 0 || access(chemin.c_str(), W_OK) != 0))
      return refuser(chemin, nouveau, r);
    // Never written through nor over: the link, or the file as it is, stays beside the new one.
    r.misDeCote = mettreDeCote(chemin, lien ? "lien" : "illisible");
    if (r.misDeCote.empty()) return refuser(chemin, nouveau, r);
    journal(std::string(lien ? "Progression : lien mis de côté : "
                             : "Progression illisible, mise de côté : ") +
            r.misDeCote);
  }
  std::string sortie = std::string(EnteteProgression) + "\n";
  for (const LigneProgression& l : lignes) sortie += texteLigne(l) + "\n";
  if (!dernierEcrit.empty()) sortie += std::string(MotDernier) + "\t" + dernierEcrit + "\n";
  for (const std::string& a : contenu.autres) sortie += a + "\n";
  if (!remplacerFichier(chemin, sortie, LienCible::Remplacer)) return refuser(chemin, nouveau, r);
  if (!enAttente.empty())
    journal("Progression : records en attente écrits " + std::to_string(enAttente.size()));
  retirerDeLAttente(chemin, enAttente);
  oublierDernier(chemin, dernierVoulu);
  r.etat = Ecriture::Ecrit;
  return r;
}

void ecrireProgressionsEnAttente(int attenteMs) {
  for (const std::string& chemin : progressionsEnAttente()) {
    ecrireProgression(chemin, nullptr, attenteMs);
    // Only a convenience: the file played last is not worth a file of its own.
    const std::string dernier = dernierEnAttente(chemin);
    if (!dernier.empty()) journal("Progression : dernier fichier non enregistré : " + dernier);
    const std::vector<LigneProgression> restent = lignesEnAttente(chemin);
    if (restent.empty()) continue;
    // The lock is still held: the records go to a progress file of their own beside it, so that
    // the player keeps them (the game reads only the main file).
    std::string texte = std::string(EnteteProgression) + "\n";
    for (const LigneProgression& l : restent) texte += texteLigne(l) + "\n";
    const std::string aPart = nomLibre(chemin, "en-attente");
    if (!aPart.empty() && remplacerFichier(aPart, texte, LienCible::Remplacer)) {
      journal("Progression verrouillée, records écrits à part : " + aPart);
      retirerDeLAttente(chemin, restent);
      continue;
    }
    for (const LigneProgression& l : restent)
      journal("Progression non enregistrée : " + texteRecord(l) + " pas " + std::to_string(l.pas));
  }
}
