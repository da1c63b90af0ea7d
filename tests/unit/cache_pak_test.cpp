// The ".pak" header reader over raw bytes: only a file written by this very renderer, complete
// and plausible, is used; everything else is refused without reading past its end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/cache_pak.h"
#include "render/puissance2.h"

namespace {

const std::string RENDU = "llvmpipe (LLVM 15.0.6, 256 bits)";

std::vector<uint8_t> fichier(const std::string& rendu, int32_t l, int32_t h, int oc, size_t n) {
  std::vector<uint8_t> f = ecrireEntetePak(rendu, l, h, oc);
  f.insert(f.end(), n, 0xAB);
  return f;
}

TEST(CachePak, EnteteEcriteRelue) {
  const std::vector<uint8_t> f = fichier(RENDU, 128, 64, 3, 4096);
  // The width sits right after the text and its 0 byte, little-endian.
  const size_t L = RENDU.size();
  EXPECT_EQ(f[L], 0);
  EXPECT_EQ(f[L + 1], 128);
  EXPECT_EQ(f[L + 5], 64);
  EXPECT_EQ(f[L + 9], 3);
  EntetePak e;
  ASSERT_EQ(lireEntetePak(f.data(), f.size(), RENDU, e), LecturePak::Valide);
  EXPECT_EQ(e.largeur, 128);
  EXPECT_EQ(e.hauteur, 64);
  EXPECT_EQ(e.octetsParPixel, 3);
  EXPECT_EQ(e.debutDonnees, L + 10);
  EXPECT_EQ(e.tailleDonnees, 4096u);
}

TEST(CachePak, FichiersRefuses) {
  const std::vector<uint8_t> bon = fichier(RENDU, 128, 128, 3, 8192);
  std::string unOctet = RENDU;
  unOctet[3] ^= 1;
  const struct {
    const char* nom;
    std::vector<uint8_t> octets;
    LecturePak attendu;
  } cas[] = {
      {"vide", {}, LecturePak::Tronque},
      {"autre rendu, un octet", fichier(unOctet, 128, 128, 3, 8192), LecturePak::AutreRendu},
      {"rendu prefixe du courant", fichier(RENDU.substr(0, 8), 128, 128, 3, 8192),
       LecturePak::AutreRendu},
      {"rendu plus long", fichier(RENDU + "x", 128, 128, 3, 8192), LecturePak::AutreRendu},
      {"coupe dans le texte", std::vector<uint8_t>(bon.begin(), bon.begin() + 5),
       LecturePak::Tronque},
      {"coupe dans la taille", std::vector<uint8_t>(bon.begin(), bon.begin() + RENDU.size() + 6),
       LecturePak::Tronque},
      {"entete sans donnees", fichier(RENDU, 128, 128, 3, 0), LecturePak::Tronque},
      {"largeur nulle", fichier(RENDU, 0, 128, 3, 16), LecturePak::TailleInvalide},
      {"hauteur negative", fichier(RENDU, 128, -1, 3, 16), LecturePak::TailleInvalide},
      {"largeur enorme", fichier(RENDU, 1 << 20, 4, 3, 16), LecturePak::TailleInvalide},
      {"2 octets par pixel", fichier(RENDU, 4, 4, 2, 16), LecturePak::TailleInvalide},
      {"plus de donnees que la taille", fichier(RENDU, 4, 4, 4, 17), LecturePak::DonneesExcessives},
  };
  for (const auto& c : cas) {
    EntetePak e;
    e.largeur = -7;
    EXPECT_EQ(lireEntetePak(c.octets.data(), c.octets.size(), RENDU, e), c.attendu) << c.nom;
    EXPECT_EQ(e.largeur, -7) << c.nom << ": the header is left alone when refused";
  }
  // A cut file is read only up to its own end (the buffer here is exactly its size).
  for (size_t n = 0; n < bon.size(); n += 7) {
    std::vector<uint8_t> coupe(bon.begin(), bon.begin() + n);
    EntetePak e;
    const LecturePak l = lireEntetePak(coupe.data(), coupe.size(), RENDU, e);
    if (n < RENDU.size() + 11) {
      EXPECT_NE(l, LecturePak::Valide) << n;
    }
  }
}

TEST(CachePak, Puiss2) {
  const struct {
    int32_t n, p;
  } cas[] = {{-5, 1},
             {0, 1},
             {1, 1},
             {2, 2},
             {3, 4},
             {266, 512},
             {200, 256},
             {1024, 1024},
             {768, 1024},
             {(1 << 30) + 1, 1 << 30},
             {INT32_MAX, 1 << 30}};
  for (const auto& c : cas) EXPECT_EQ(puiss2(c.n), c.p) << c.n;
}

}  // namespace
