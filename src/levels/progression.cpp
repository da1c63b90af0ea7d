#include "levels/progression.h"

#include <cstdio>
#include <vector>

#include "base/fichiers.h"
#include "levels/fichier_niveaux.h"
#include "levels/fichier_progression.h"
#include "platform/repertoires.h"

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
  // What waits in memory for the lock counts as much as what is on disk.
  std::vector<LigneProgression> lignes = lireContenuProgression(chemin_).lignes;
  for (const LigneProgression& l : lignesEnAttente(chemin_)) lignes.push_back(l);
  RecordsFichier records;
  for (const LigneProgression& l : lignes) {
    if (l.nom != nom || l.empreinte != empreinte) continue;
    auto it = records.find(l.niveau);
    if (it == records.end() || l.pas < it->second) records[l.niveau] = l.pas;
  }
  return records;
}

ResultatEnregistrement Progression::enregistrer(const std::string& nom,
                                                const std::string& empreinte, int niveau,
                                                uint32_t pas) const {
  ResultatEnregistrement r;
  if (!nomStockable(nom) || empreinte.size() != 16 || niveau < 1 || pas == 0 || pas > 999999999)
    return r;
  const LigneProgression nouveau{nom, empreinte, niveau, pas};
  const ResultatEcriture e = ecrireProgression(chemin_, &nouveau);
  r.ancien = e.ancien;
  r.misDeCote = e.misDeCote;
  r.etat = e.etat == Ecriture::Ecrit       ? Enregistrement::Ecrit
           : e.etat == Ecriture::EnAttente ? Enregistrement::EnAttente
                                           : Enregistrement::Refuse;
  return r;
}

bool Progression::enregistrer(const std::string& nom, const std::string& empreinte, int niveau,
                              uint32_t pas, uint32_t& ancien) const {
  const ResultatEnregistrement r = enregistrer(nom, empreinte, niveau, pas);
  ancien = r.ancien;
  return r.etat != Enregistrement::Refuse;
}

bool Progression::reessayer() const {
  if (lignesEnAttente(chemin_).empty() && dernierEnAttente(chemin_).empty()) return true;
  return ecrireProgression(chemin_, nullptr).etat == Ecriture::Ecrit;
}

std::string Progression::dernierFichier() const {
  const std::string enAttente = dernierEnAttente(chemin_);
  return enAttente.empty() ? lireContenuProgression(chemin_).dernier : enAttente;
}

bool Progression::noterDernierFichier(const std::string& identite) const {
  if (!nomStockable(identite)) return false;
  return ecrireProgression(chemin_, nullptr, AttenteVerrouMs, &identite).etat != Ecriture::Refuse;
}

bool EtatFichier::termine() const {
  if (total <= 0) return false;
  for (int n = 1; n <= total; ++n)
    if (records.count(n) == 0) return false;
  return true;
}

bool EtatFichier::toutEnOr() const {
  if (total <= 0) return false;
  for (int n = 1; n <= total; ++n)
    if (medaille(n) != Medaille::Or) return false;
  return true;
}

Objectifs EtatFichier::objectifsNiveau(int n) const {
  const auto it = objectifs.find(n);
  return it == objectifs.end() ? Objectifs() : it->second;
}

Medaille EtatFichier::medaille(int n) const {
  const auto it = records.find(n);
  return it == records.end() ? Medaille::Aucune : medaillePour(it->second, objectifsNiveau(n));
}

int EtatFichier::premierNonGagne() const {
  for (int n = 1; n <= total; ++n)
    if (records.count(n) == 0) return n;
  return 1;
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
  for (int n = 1; n <= e.total; ++n) {
    const Objectifs o = ::objectifsNiveau(chemin, n);
    if (o.existent()) e.objectifs[n] = o;
  }
  return e;
}

Progression progressionJoueur() {
  return Progression(repertoires ? repertoires->chemin(FichierProgression) : FichierProgression);
}

std::string texteSecondes(uint32_t pas) {
  const uint32_t centiemes = pas % 100;
  return std::to_string(pas / 100) + (centiemes < 10 ? ".0" : ".") + std::to_string(centiemes);
}
