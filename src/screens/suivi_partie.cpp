#include "screens/suivi_partie.h"

#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
#include "levels/catalogue.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

}  // namespace

SuiviPartie::SuiviPartie(const std::string& fichier) {
  // Records a locked progress file kept waiting in memory get another chance.
  progressionJoueur().reessayer();
  EtatFichier e = lireEtatFichier(fichier, progressionJoueur());
  nom_ = e.nom;
  empreinte_ = e.empreinte;
  total_ = e.total;
  records_ = std::move(e.records);
}

std::string SuiviPartie::texteInfos(uint32_t pas) const {
  std::string nom = nom_;
  if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
  return titreFichier(nom) + "   " + traduire("Niveau") + " " + std::to_string(numero_) + " / " +
         std::to_string(total_) + "   " + texteSecondes(pas) + " s";
}

std::string SuiviPartie::victoire(uint32_t pas) {
  uint32_t ancien = 0;
  const auto it = records_.find(numero_);
  if (it != records_.end()) ancien = it->second;
  ResultatEnregistrement r;
  if (!empreinte_.empty()) {
    r = progressionJoueur().enregistrer(nom_, empreinte_, numero_, pas);
    if (r.ancien != 0) ancien = r.ancien;
  }
  const uint32_t meilleur = ancien == 0 || pas < ancien ? pas : ancien;
  records_[numero_] = meilleur;
  journal("Temps " + texteSecondes(pas) + " meilleur " + texteSecondes(meilleur));
  std::string texte = traduire("Temps") + texteSecondes(pas) + " s";
  // The player learns once that the old progress file was put aside (its records are in it).
  if (!r.misDeCote.empty()) return texte + "   " + traduire("ProgressionMiseDeCote");
  if (ancien != 0) texte += "   " + traduire("Record") + texteSecondes(ancien) + " s";
  if (ancien == 0 || pas < ancien)
    texte +=
        "   " + traduire(!empreinte_.empty() && r.etat == Enregistrement::Refuse ? "RecordNonGarde"
                                                                                 : "NouveauRecord");
  return texte;
}
