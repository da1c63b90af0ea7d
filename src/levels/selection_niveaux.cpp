#include "levels/selection_niveaux.h"

#include <algorithm>

namespace {

bool dedans(const Niveau& n, int c, int l) {
  return c >= 0 && l >= 0 && c < n.largeur && l < n.hauteur &&
         static_cast<size_t>(l) * static_cast<size_t>(n.largeur) + static_cast<size_t>(c) <
             n.grille.size();
}

uint8_t& caseDe(Niveau& n, int c, int l) {
  return n.grille[static_cast<size_t>(l) * static_cast<size_t>(n.largeur) + static_cast<size_t>(c)];
}

}  // namespace

std::optional<ZoneCases> zoneEntre(int c0, int l0, int c1, int l1, int largeur, int hauteur) {
  const int gauche = std::max(0, std::min(c0, c1)),
            droite = std::min(largeur - 1, std::max(c0, c1));
  const int haut = std::max(0, std::min(l0, l1)), bas = std::min(hauteur - 1, std::max(l0, l1));
  if (gauche > droite || haut > bas) return std::nullopt;
  return ZoneCases{gauche, haut, droite - gauche + 1, bas - haut + 1};
}

PressePapiers copierZone(const Niveau& niveau, const ZoneCases& zone) {
  PressePapiers bloc;
  if (zone.largeur < 1 || zone.hauteur < 1) return bloc;
  bloc.largeur = zone.largeur;
  bloc.hauteur = zone.hauteur;
  bloc.cases.reserve(static_cast<size_t>(zone.largeur) * static_cast<size_t>(zone.hauteur));
  for (int l = 0; l < zone.hauteur; ++l)
    for (int c = 0; c < zone.largeur; ++c)
      bloc.cases.push_back(niveau.lireCase(zone.colonne + c, zone.ligne + l));
  return bloc;
}

int viderZone(Niveau& niveau, const ZoneCases& zone) {
  int changees = 0;
  for (int l = zone.ligne; l < zone.ligne + zone.hauteur; ++l)
    for (int c = zone.colonne; c < zone.colonne + zone.largeur; ++c) {
      if (!dedans(niveau, c, l) || caseDe(niveau, c, l) == Vide) continue;
      caseDe(niveau, c, l) = Vide;
      ++changees;
    }
  return changees;
}

int collerZone(Niveau& niveau, const PressePapiers& bloc, int colonne, int ligne) {
  if (bloc.vide() || bloc.cases.size() < static_cast<size_t>(bloc.largeur) * bloc.hauteur) return 0;
  int changees = 0;
  for (int l = 0; l < bloc.hauteur; ++l)
    for (int c = 0; c < bloc.largeur; ++c) {
      if (!dedans(niveau, colonne + c, ligne + l)) continue;
      uint8_t& cible = caseDe(niveau, colonne + c, ligne + l);
      if (cible == bloc.lire(c, l)) continue;
      cible = bloc.lire(c, l);
      ++changees;
    }
  return changees;
}

std::optional<ZoneCases> zoneCollee(const Niveau& niveau, const PressePapiers& bloc, int colonne,
                                    int ligne) {
  if (bloc.vide()) return std::nullopt;
  return zoneEntre(colonne, ligne, colonne + bloc.largeur - 1, ligne + bloc.hauteur - 1,
                   niveau.largeur, niveau.hauteur);
}

int deplacerZone(Niveau& niveau, const ZoneCases& zone, int dc, int dl) {
  if (dc == 0 && dl == 0) return 0;
  const std::vector<uint8_t> avant = niveau.grille;
  const PressePapiers bloc = copierZone(niveau, zone);
  viderZone(niveau, zone);
  collerZone(niveau, bloc, zone.colonne + dc, zone.ligne + dl);
  int changees = 0;
  for (size_t i = 0; i < avant.size() && i < niveau.grille.size(); ++i)
    changees += avant[i] != niveau.grille[i] ? 1 : 0;
  // The start travels with its cell, unless that cell left the level.
  const int sc = static_cast<int>(niveau.departX), sl = static_cast<int>(niveau.departY);
  if (niveau.departX >= 0 && niveau.departY >= 0 && zone.contient(sc, sl) &&
      dedans(niveau, sc + dc, sl + dl)) {
    niveau.departX += static_cast<float>(dc);
    niveau.departY += static_cast<float>(dl);
    ++changees;
  }
  return changees;
}

PressePapiers& pressePapiersSession() {
  static PressePapiers bloc;
  return bloc;
}
