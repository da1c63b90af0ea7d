#include "levels/medailles.h"

#include "base/fichiers.h"
#include "levels/reprise.h"
#include "platform/repertoires.h"

namespace {

// A hint's first line is short; more than this is no hint of ours.
constexpr size_t TailleLueIndice = 256;

}  // namespace

Medaille medaillePour(uint32_t pas, const Objectifs& o, FaconVictoire facon) {
  if (facon != FaconVictoire::Jeu || !o.existent() || pas == 0) return Medaille::Aucune;
  if (pas <= o.pasOr) return Medaille::Or;
  if (pas <= o.pasArgent()) return Medaille::Argent;
  return Medaille::Bronze;
}

Medaille medailleSuivante(Medaille m, const Objectifs& o) {
  if (!o.existent()) return Medaille::Aucune;
  switch (m) {
    case Medaille::Aucune: return Medaille::Bronze;
    case Medaille::Bronze: return Medaille::Argent;
    case Medaille::Argent: return Medaille::Or;
    case Medaille::Or: break;
  }
  return Medaille::Aucune;
}

uint32_t pasMaximum(Medaille m, const Objectifs& o) {
  if (m == Medaille::Or) return o.pasOr;
  if (m == Medaille::Argent) return o.pasArgent();
  return 0;
}

Objectifs lireObjectifs(const std::string& texte) {
  Objectifs o;
  const std::string debut = "# won at step ";
  if (texte.compare(0, debut.size(), debut) != 0) return o;
  size_t i = debut.size();
  uint64_t s = 0;
  size_t chiffres = 0;
  for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9' && chiffres < 9; ++i, ++chiffres)
    s = s * 10 + static_cast<uint64_t>(texte[i] - '0');
  const bool finLigne = i == texte.size() || texte[i] == '\n' || texte[i] == '\r';
  if (chiffres == 0 || !finLigne) return o;
  o.pasOr = static_cast<uint32_t>(s + 1);
  return o;
}

Objectifs objectifsNiveau(const std::string& cheminFichier, int numero) {
  if (!repertoires || numero < 1 || !estFichierOfficiel(cheminFichier)) return Objectifs();
  std::string nom = cheminFichier.substr(cheminFichier.find_last_of('/') + 1);
  if (nom.size() > 4) nom.resize(nom.size() - 4);
  const std::string chemin =
      repertoires->chemin("mapsoff/solutions/" + nom + "-" + std::to_string(numero) + ".txt");
  std::string texte;
  if (lireFichierOrdinaire(chemin, TailleLueIndice, texte, true) != Lecture::Lu) return Objectifs();
  return lireObjectifs(texte);
}

const char* motMedaille(Medaille m) {
  switch (m) {
    case Medaille::Or: return "or";
    case Medaille::Argent: return "argent";
    case Medaille::Bronze: return "bronze";
    case Medaille::Aucune: break;
  }
  return "aucune";
}

const char* cleMedaille(Medaille m) {
  switch (m) {
    case Medaille::Or: return "MedailleOr";
    case Medaille::Argent: return "MedailleArgent";
    case Medaille::Bronze: return "MedailleBronze";
    case Medaille::Aucune: break;
  }
  return "MedailleAucune";
}

const char* couleurMedaille(Medaille m) {
  switch (m) {
    case Medaille::Or: return "<cffd23c>";
    case Medaille::Argent: return "<cd8e0ea>";
    case Medaille::Bronze: return "<ce0965a>";
    case Medaille::Aucune: break;
  }
  return "<ca0a0a0>";
}

void CompteMedailles::ajouter(Medaille m, bool avecObjectifs) {
  if (!avecObjectifs) return;
  ++sur;
  if (m == Medaille::Or) ++ors;
  if (m == Medaille::Argent) ++argents;
  if (m == Medaille::Bronze) ++bronzes;
}
