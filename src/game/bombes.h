#pragma once
// The bomb label's text: the translation of "Bomb" followed at once by the count in decimal.
// The count is written into a 4-byte buffer, so 1000 bombs or more show their last three
// digits only (the label has room for three).
#include <cstdint>
#include <string>

std::string texteBombes(const std::string& traduction, int32_t bombes);
