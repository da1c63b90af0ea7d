#pragma once
// The order a player expects of numbered names: "9-x" before "10-x".
#include <string>

// True when `a` comes before `b`: bytes compared as they are, except that two runs of digits
// met at the same place compare as numbers ("2" < "10"; leading zeros do not count, and when
// two runs are the same number the one with fewer zeros comes first). Names equal as numbers
// fall back on byte order, so the order is total and matches byte order where no digits differ.
bool avantOrdreNaturel(const std::string& a, const std::string& b);
