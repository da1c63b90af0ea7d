#pragma once
// Writing the window's pixels as a PNG, shared by the drawing tools.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace png_simple {

// PNG with stored (uncompressed) deflate blocks: no library needed, any viewer reads it.
inline uint32_t crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
  static uint32_t table[256];
  static bool prete = false;
  if (!prete) {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[i] = c;
    }
    prete = true;
  }
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

inline void ajouter32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 3; i >= 0; --i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

inline void bloc(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& donnees) {
  ajouter32(png, static_cast<uint32_t>(donnees.size()));
  std::vector<uint8_t> corps(type, type + 4);
  corps.insert(corps.end(), donnees.begin(), donnees.end());
  png.insert(png.end(), corps.begin(), corps.end());
  ajouter32(png, crc32(corps.data(), corps.size()));
}

// `rgb`: rows bottom-up as glReadPixels gives them.
inline bool ecrirePng(const std::string& chemin, int l, int h, const std::vector<uint8_t>& rgb) {
  std::vector<uint8_t> brut;
  for (int y = h - 1; y >= 0; --y) {
    brut.push_back(0);  // no filter
    brut.insert(brut.end(), rgb.begin() + static_cast<size_t>(y) * l * 3,
                rgb.begin() + static_cast<size_t>(y + 1) * l * 3);
  }
  std::vector<uint8_t> z = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t o : brut) a = (a + o) % 65521, b = (b + a) % 65521;
  for (size_t i = 0; i < brut.size() || i == 0; i += 65535) {
    const size_t n = std::min<size_t>(65535, brut.size() - i);
    z.push_back(i + n >= brut.size() ? 1 : 0);
    z.push_back(n & 0xFF), z.push_back(n >> 8);
    z.push_back(~n & 0xFF), z.push_back((~n >> 8) & 0xFF);
    z.insert(z.end(), brut.begin() + i, brut.begin() + i + n);
  }
  ajouter32(z, (b << 16) | a);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  ajouter32(ihdr, static_cast<uint32_t>(l));
  ajouter32(ihdr, static_cast<uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
  bloc(png, "IHDR", ihdr);
  bloc(png, "IDAT", z);
  bloc(png, "IEND", {});
  FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return (std::fclose(f) == 0) && ok;
}

}  // namespace png_simple
