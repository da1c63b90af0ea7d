#include "levels/ordre_naturel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(OrdreNaturel, TableDePaires) {
  const struct {
    const char* a;
    const char* b;
  } avant[] = {
      {"9-Sommets", "10-Sommets"},  // the number, not its first digit
      {"2-x", "10-a"},              // the number decides before what follows
      {"1-Premiers", "11-a"},
      {"x2", "x10"},  // runs anywhere in the name
      {"a9b", "a10a"},
      {"niveau2-3", "niveau2-12"},  // second run decides when the first ties
      {"1", "01"},                  // the same number: fewer leading zeros first
      {"007", "8"},                 // zeros do not make a number bigger
      {"B", "a"},                   // no digits: byte order as before
      {"a", "ab"},                  // a prefix first
      {"1", "1a"},
      {"9", "a"},  // a digit against a letter: bytes
      {"-", "0"},
      {"18446744073709551616", "18446744073709551617"},  // longer than any integer type
      {"5-a", "5-b"},
  };
  for (const auto& c : avant) {
    EXPECT_TRUE(avantOrdreNaturel(c.a, c.b)) << c.a << " < " << c.b;
    EXPECT_FALSE(avantOrdreNaturel(c.b, c.a)) << c.b << " < " << c.a;
  }
  for (const char* s : {"", "a", "10", "0010-x"}) EXPECT_FALSE(avantOrdreNaturel(s, s)) << s;
}

TEST(OrdreNaturel, FichiersDuJeu) {
  std::vector<std::string> noms = {"10-Sommets.map",  "2-Briques.map",   "1-Premiers.map",
                                   "11-Hauteurs.map", "9-Reflexion.map", "logom.map"};
  std::sort(noms.begin(), noms.end(), avantOrdreNaturel);
  const std::vector<std::string> attendu = {"1-Premiers.map", "2-Briques.map",   "9-Reflexion.map",
                                            "10-Sommets.map", "11-Hauteurs.map", "logom.map"};
  EXPECT_EQ(noms, attendu);
}
