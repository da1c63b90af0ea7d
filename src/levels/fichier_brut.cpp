#include "levels/fichier_brut.h"

#include <cstring>

#include "levels/fichier_niveaux.h"

void tailleApresEntete(const std::vector<uint8_t>& entete, int32_t& largeur, int32_t& hauteur) {
  // The reader skips a level with no cell without taking its size.
  if (entete.size() >= static_cast<size_t>(LongueurEnteteMinimale) && entete[0] > 0 &&
      entete[1] > 0) {
    largeur = entete[0];
    hauteur = entete[1];
  }
}

bool analyserFichierBrut(const std::string& octets, FichierBrut& f, std::string& erreur) {
  f = FichierBrut{};
  const size_t n = octets.size();
  if (n < static_cast<size_t>(TailleMagie) ||
      std::memcmp(octets.data(), MagieFichier, TailleMagie) != 0) {
    erreur = "not a level file (its first 11 bytes are not \"GameZorvik\" and a zero byte)";
    return false;
  }
  if (n < static_cast<size_t>(TaillePreambule)) {
    erreur = "file cut inside its 14-byte preamble";
    return false;
  }
  const auto octet = [&](size_t i) { return static_cast<uint8_t>(octets[i]); };
  f.reserve = octet(11);
  const size_t longueur = octet(12) * 256u + octet(13);
  size_t pos = TaillePreambule;
  if (n - pos < longueur) {
    erreur = "file cut inside its file header";
    return false;
  }
  f.enteteFichier.assign(octets.begin() + pos, octets.begin() + pos + longueur);
  pos += longueur;

  int32_t W = 15, H = 15;
  while (pos < n) {
    const size_t L = octet(pos);
    const size_t debut = pos;
    if (n - pos - 1 < L) break;
    NiveauBrut niveau;
    niveau.entete.assign(octets.begin() + pos + 1, octets.begin() + pos + 1 + L);
    int32_t w = W, h = H;
    if (L >= static_cast<size_t>(LongueurEnteteMinimale)) {
      w = niveau.entete[0];
      h = niveau.entete[1];
    }
    const size_t taille = static_cast<size_t>(w) * static_cast<size_t>(h);
    if (n - pos - 1 - L < taille) {
      pos = debut;
      break;
    }
    niveau.largeur = w;
    niveau.hauteur = h;
    niveau.grille.assign(octets.begin() + pos + 1 + L, octets.begin() + pos + 1 + L + taille);
    pos += 1 + L + taille;
    tailleApresEntete(niveau.entete, W, H);
    f.niveaux.push_back(std::move(niveau));
  }
  f.reste.assign(octets.begin() + pos, octets.end());
  return true;
}

std::string octetsFichierBrut(const FichierBrut& f) {
  std::string s(MagieFichier, TailleMagie);
  s.push_back(static_cast<char>(f.reserve));
  s.push_back(static_cast<char>((f.enteteFichier.size() >> 8) & 0xFF));
  s.push_back(static_cast<char>(f.enteteFichier.size() & 0xFF));
  s.append(f.enteteFichier.begin(), f.enteteFichier.end());
  for (const NiveauBrut& niveau : f.niveaux) {
    s.push_back(static_cast<char>(niveau.entete.size()));
    s.append(niveau.entete.begin(), niveau.entete.end());
    s.append(niveau.grille.begin(), niveau.grille.end());
  }
  s.append(f.reste.begin(), f.reste.end());
  return s;
}
