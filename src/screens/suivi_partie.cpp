#include "screens/suivi_partie.h"

#include <algorithm>
#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
#include "levels/catalogue.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

const char* const Blanc = "<cffffff>";

}  // namespace

std::string texteNomMedaille(Medaille m) {
  return couleurMedaille(m) + traduire(cleMedaille(m)) + Blanc;
}

SuiviPartie::SuiviPartie(const std::string& fichier) : chemin_(fichier) {
  // Records a locked progress file kept waiting in memory get another chance.
  progressionJoueur().reessayer();
  EtatFichier e = lireEtatFichier(fichier, progressionJoueur());
  nom_ = e.nom;
  empreinte_ = e.empreinte;
  total_ = e.total;
  records_ = std::move(e.records);
  objectifs_ = std::move(e.objectifs);
}

std::string SuiviPartie::texteInfos(uint32_t pas) const {
  std::string nom = nom_;
  if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
  return titreFichier(nom) + "   " + traduire("Niveau") + " " + std::to_string(numero_) + " / " +
         std::to_string(total_) + "   " + texteSecondes(pas) + " s";
}

Objectifs SuiviPartie::objectifs() const {
  const auto it = objectifs_.find(numero_);
  return it == objectifs_.end() ? Objectifs() : it->second;
}

Medaille SuiviPartie::meilleureMedaille() const {
  const auto it = records_.find(numero_);
  return it == records_.end() ? Medaille::Aucune : medaillePour(it->second, objectifs());
}

EtatFichier SuiviPartie::etat() const {
  EtatFichier e;
  e.nom = nom_;
  e.empreinte = empreinte_;
  e.total = total_;
  e.records = records_;
  e.objectifs = objectifs_;
  return e;
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
  derniereMedaille_ = medaillePour(pas, objectifs());
  journal("Temps " + texteSecondes(pas) + " meilleur " + texteSecondes(meilleur));
  journal(std::string("Médaille : ") + motMedaille(derniereMedaille_));
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

void SuiviPartie::victoireSansMedaille() {
  derniereMedaille_ = Medaille::Aucune;
  journal("Médaille : aucune");
}

std::string SuiviPartie::texteObjectifs() const {
  const auto it = records_.find(numero_);
  std::string meilleur = it == records_.end()
                             ? traduire("SansRecord")
                             : traduire("Record") + texteSecondes(it->second) + " s";
  const Objectifs o = objectifs();
  if (!o.existent()) return meilleur;
  if (it != records_.end()) meilleur += " (" + texteNomMedaille(meilleureMedaille()) + ")";
  return traduire("Objectifs") + texteNomMedaille(Medaille::Or) + " " + texteSecondes(o.pasOr) +
         " s   " + texteNomMedaille(Medaille::Argent) + " " + texteSecondes(o.pasArgent()) +
         " s   " + texteNomMedaille(Medaille::Bronze) + " " + traduire("ToutGain") + "   " +
         meilleur;
}

std::string SuiviPartie::texteMedaille() const {
  const Objectifs o = objectifs();
  if (!o.existent()) return "";
  std::string texte = traduire("Medaille") + texteNomMedaille(derniereMedaille_);
  // The next one to reach, above the best the level has given so far.
  const Medaille meilleure = std::max(derniereMedaille_, meilleureMedaille());
  const Medaille suivante = medailleSuivante(meilleure, o);
  if (suivante == Medaille::Aucune) return texte + "   " + traduire("MedailleMax");
  texte += "   " + traduire("MedailleSuivante") + texteNomMedaille(suivante);
  const uint32_t limite = pasMaximum(suivante, o);
  if (limite > 0) texte += " " + traduire("EnMoins") + texteSecondes(limite) + " s";
  return texte;
}
