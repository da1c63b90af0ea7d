#include "base/traducteur.h"

#include "base/journal.h"
#include "base/fichiers.h"

Traducteur* traducteur = nullptr;

namespace {

// Longest name, key or translation, in bytes (a 1024-byte read buffer).
constexpr size_t LongueurMax = 1022;

// The game's language files are a few KiB: a file of a megabyte is no language file.
constexpr size_t LangueTailleMax = 1u << 20;

// Reads from `pos` up to `fin` (consumed, not kept). Returns false when the text is longer than
// LongueurMax; `atteintFin` tells whether the file ended before `fin` was met.
bool lireJusqua(const std::string& contenu, size_t& pos, char fin, std::string& lu,
                bool& atteintFin) {
  size_t trouve = contenu.find(fin, pos);
  size_t bout = trouve == std::string::npos ? contenu.size() : trouve;
  const bool entier = bout - pos <= LongueurMax;
  if (entier) {
    lu.assign(contenu, pos, bout - pos);
    atteintFin = trouve == std::string::npos;
    pos = atteintFin ? contenu.size() : trouve + 1;
  } else {
    lu.assign(contenu, pos, LongueurMax);
    pos += LongueurMax;
  }
  // Texts are handled as C strings by the drawing code: a NUL byte ends them.
  size_t nul = lu.find('\0');
  if (nul != std::string::npos) lu.resize(nul);
  return entier;
}

// One trailing control character (such as the CR of a CR LF line end) is dropped.
void oterControleFinal(std::string& s) {
  if (!s.empty() && static_cast<unsigned char>(s.back()) < 32) s.pop_back();
}

}  // namespace

void Traducteur::charger(const std::string& chemin) {
  std::string contenu;
  const Lecture lecture = lireFichierOrdinaire(chemin, LangueTailleMax, contenu);
  // A missing file reads as an empty language; so does anything else that is no readable file.
  const bool f = lecture == Lecture::Lu;
  if (!f && lecture != Lecture::Absent) journal(ligneFichierIgnore(chemin, lecture));

  std::map<std::string, std::string> textes;
  std::string nom;
  size_t pos = 0;
  bool fin = false;
  bool complet = true;
  if (f) {
    complet = lireJusqua(contenu, pos, '\n', nom, fin);
    oterControleFinal(nom);
  }
  journal("Chargement langue " + nom);
  // Entries: the key runs to the next '=', the translation to the end of that line. The end of
  // the file may leave one empty key behind, which no screen looks up.
  while (f && complet && !fin) {
    std::string cle, texte;
    if (!lireJusqua(contenu, pos, '=', cle, fin)) {
      complet = false;
      break;
    }
    // An over-long translation is kept cut to its first 1022 bytes, and the reading ends there.
    if (!fin && !lireJusqua(contenu, pos, '\n', texte, fin)) complet = false;
    oterControleFinal(texte);
    textes.emplace(std::move(cle), std::move(texte));  // the first entry of a key wins
  }
  if (!complet)
    journal("Langue " + chemin + " : texte de plus de 1022 caracteres, lecture arretee");

  std::lock_guard<std::mutex> garde(verrou_);
  textes_ = std::move(textes);
  nom_ = std::move(nom);
}

std::string Traducteur::traduire(const std::string& cle) {
  std::lock_guard<std::mutex> garde(verrou_);
  return textes_[cle];
}

std::string Traducteur::nom() const {
  std::lock_guard<std::mutex> garde(verrou_);
  return nom_;
}

size_t Traducteur::taille() const {
  std::lock_guard<std::mutex> garde(verrou_);
  return textes_.size();
}
