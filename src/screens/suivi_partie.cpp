#include "screens/suivi_partie.h"

#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

}  // namespace

SuiviPartie::SuiviPartie(const std::string& fichier) {
  EtatFichier e = lireEtatFichier(fichier, progressionJoueur());
  nom_ = e.nom;
  empreinte_ = e.empreinte;
  total_ = e.total;
  records_ = std::move(e.records);
}

std::string SuiviPartie::texteInfos(uint32_t pas) const {
  std::string nom = nom_;
  if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
  return nom + "   " + traduire("Niveau") + " " + std::to_string(numero_) + " / " +
         std::to_string(total_) + "   " + texteSecondes(pas) + " s";
}

std::string SuiviPartie::victoire(uint32_t pas) {
  uint32_t ancien = 0;
  const auto it = records_.find(numero_);
  if (it != records_.end()) ancien = it->second;
  if (!empreinte_.empty()) {
    uint32_t ecrit = 0;
    if (progressionJoueur().enregistrer(nom_, empreinte_, numero_, pas, ecrit) && ecrit != 0)
      ancien = ecrit;
  }
  const uint32_t meilleur = ancien == 0 || pas < ancien ? pas : ancien;
  records_[numero_] = meilleur;
  journal("Temps " + texteSecondes(pas) + " meilleur " + texteSecondes(meilleur));
  std::string texte = traduire("Temps") + texteSecondes(pas) + " s";
  if (ancien != 0) texte += "   " + traduire("Record") + texteSecondes(ancien) + " s";
  if (ancien == 0 || pas < ancien) texte += "   " + traduire("NouveauRecord");
  return texte;
}
