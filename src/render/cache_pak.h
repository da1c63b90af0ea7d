#pragma once
// The ".pak" file beside a compressed texture's image: the renderer that wrote it (text and a 0
// byte), width and height (signed 32-bit little-endian), the source image's bytes per pixel, then
// the driver's compressed level 0 up to the end of the file.
//
// A cache file is untrusted input (cut short, edited, left by another driver), so reading it is a
// pure function over the bytes: nothing here needs a GL context, and nothing reads past `taille`.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct EntetePak {
  int32_t largeur = 0;
  int32_t hauteur = 0;
  int32_t octetsParPixel = 0;
  size_t debutDonnees = 0;   // offset of the compressed bytes
  size_t tailleDonnees = 0;  // how many there are (to the end of the file)
};

enum class LecturePak {
  Valide,
  AutreRendu,        // written by another renderer (or the text differs in any byte)
  Tronque,           // ends inside the header, or holds no compressed byte
  TailleInvalide,    // width or height outside 1..16384, or bytes per pixel not 1, 3 or 4
  DonneesExcessives  // more bytes than any 4x4-block format needs for that size
};

// The largest side a cached texture may claim (no driver of this game's era goes further).
constexpr int32_t PakCoteMax = 16384;

inline int32_t lireEntier32LE(const uint8_t* p) {
  const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                     (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  int32_t r;
  std::memcpy(&r, &v, sizeof r);
  return r;
}

inline void ecrireEntier32LE(std::vector<uint8_t>& sortie, int32_t valeur) {
  uint32_t v;
  std::memcpy(&v, &valeur, sizeof v);
  for (int i = 0; i < 4; ++i) sortie.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Checks `donnees` (the whole file, `taille` bytes) against the current renderer text and fills
// `entete` when it is usable.
inline LecturePak lireEntetePak(const uint8_t* donnees, size_t taille, const std::string& rendu,
                                EntetePak& entete) {
  const size_t l = rendu.size();
  // The stored text and its 0 byte must equal the current one exactly: a prefix of it, or a
  // longer text, is another renderer.
  const size_t comparables = taille < l + 1 ? taille : l + 1;
  if ((comparables > 0 && std::memcmp(donnees, rendu.c_str(), comparables) != 0))
    return LecturePak::AutreRendu;
  if (taille < l + 10) return LecturePak::Tronque;
  const uint8_t* p = donnees + l + 1;
  EntetePak e;
  e.largeur = lireEntier32LE(p);
  e.hauteur = lireEntier32LE(p + 4);
  e.octetsParPixel = p[8];
  e.debutDonnees = l + 10;
  e.tailleDonnees = taille - e.debutDonnees;
  if (e.largeur < 1 || e.largeur > PakCoteMax || e.hauteur < 1 || e.hauteur > PakCoteMax ||
      (e.octetsParPixel != 1 && e.octetsParPixel != 3 && e.octetsParPixel != 4))
    return LecturePak::TailleInvalide;
  if (e.tailleDonnees == 0) return LecturePak::Tronque;
  // Every compressed format a driver picks here stores at most 16 bytes per 4 x 4 block.
  const uint64_t blocs =
      ((static_cast<uint64_t>(e.largeur) + 3) / 4) * ((static_cast<uint64_t>(e.hauteur) + 3) / 4);
  if (e.tailleDonnees > blocs * 16) return LecturePak::DonneesExcessives;
  entete = e;
  return LecturePak::Valide;
}

inline const char* texteLecturePak(LecturePak l) {
  switch (l) {
    case LecturePak::Valide: return "valide";
    case LecturePak::AutreRendu: return "autre rendu";
    case LecturePak::Tronque: return "tronque";
    case LecturePak::TailleInvalide: return "taille invalide";
    case LecturePak::DonneesExcessives: return "donnees en trop";
  }
  return "?";
}

// The header bytes as the cache writes them (the compressed data follows).
inline std::vector<uint8_t> ecrireEntetePak(const std::string& rendu, int32_t largeur,
                                            int32_t hauteur, int32_t octetsParPixel) {
  std::vector<uint8_t> sortie(rendu.begin(), rendu.end());
  sortie.push_back(0);
  ecrireEntier32LE(sortie, largeur);
  ecrireEntier32LE(sortie, hauteur);
  sortie.push_back(static_cast<uint8_t>(octetsParPixel));
  return sortie;
}
