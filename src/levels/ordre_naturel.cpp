#include "levels/ordre_naturel.h"

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool avantOrdreNaturel(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  int zeros = 0;  // first difference in leading zeros, a tie-break of equal numbers
  while (i < a.size() && j < b.size()) {
    if (chiffre(a[i]) && chiffre(b[j])) {
      size_t fa = i, fb = j;
      while (fa < a.size() && a[fa] == '0') ++fa;
      while (fb < b.size() && b[fb] == '0') ++fb;
      size_t ea = fa, eb = fb;
      while (ea < a.size() && chiffre(a[ea])) ++ea;
      while (eb < b.size() && chiffre(b[eb])) ++eb;
      // Without leading zeros, a longer run is a bigger number; same length: by digits.
      if (ea - fa != eb - fb) return ea - fa < eb - fb;
      int c = a.compare(fa, ea - fa, b, fb, eb - fb);
      if (c != 0) return c < 0;
      if (zeros == 0 && fa - i != fb - j) zeros = fa - i < fb - j ? -1 : 1;
      i = ea;
      j = eb;
      continue;
    }
    unsigned char ca = a[i], cb = b[j];
    if (ca != cb) return ca < cb;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i == a.size();  // a prefix comes first
  if (zeros != 0) return zeros < 0;
  return a < b;
}
