// Any bytes as a level file: every level is loaded and played a few hundred steps with keys
// taken from the input itself; the whole-file reader, the automaton and the text form run too.
// Nothing may read or write outside a buffer, and the text form must give the bytes back.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/journal.h"
#include "game/animation_fond_menu.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "levels/fichier_brut.h"
#include "levels/fichier_niveaux.h"
#include "levels/texte_niveaux.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool silence = [] {
    journalDetourner([](const std::string&) {});
    return true;
  }();
  (void)silence;
  const std::string octets(reinterpret_cast<const char*>(data), size);
  std::srand(static_cast<unsigned>(size));

  Terrain t;
  Spectacle sp;
  LecteurNiveaux lecteur;
  if (lecteur.ouvrirDepuis(std::make_unique<std::istringstream>(octets), "fuzz")) {
    // A small ring: it wraps after a blast or two, and keeps the runs quick.
    sp.allouerParticules(64);
    TamponsVie tampons;
    for (int niveau = 0; niveau < 8 && !lecteur.chargerNiveauSuivant(t); ++niveau) {
      for (int pas = 0; pas < 250; ++pas) {
        const uint8_t k = size ? data[(static_cast<size_t>(pas) * 7 + niveau) % size] : 0;
        avancer(t, sp, Touches{(k & 1) != 0, (k & 2) != 0, (k & 4) != 0}, nullptr);
      }
      etapeVie(t, tampons);
      ajouterPlaneur(t);
    }
    sp.libererParticules();
    t.libererGrille();
    lecteur.fermer();
  }

  std::istringstream in(octets);
  std::vector<Niveau> niveaux;
  chargerToutDepuis(in, "fuzz", niveaux);
  (void)octetsFichier(niveaux);

  FichierBrut brut, relu;
  std::string erreur;
  if (analyserFichierBrut(octets, brut, erreur)) {
    if (octetsFichierBrut(brut) != octets) std::abort();
    const std::string texte = texteDepuisFichier(brut);
    if (!fichierDepuisTexte(texte, relu, erreur) || octetsFichierBrut(relu) != octets) std::abort();
  }
  // The text reader on arbitrary text.
  fichierDepuisTexte(octets, relu, erreur);
  return 0;
}
