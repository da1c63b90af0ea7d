#include "game/bombes.h"

#include "base/texte.h"

std::string texteBombes(const std::string& traduction, int32_t bombes) {
  char chiffres[4] = {0, 0, 0, 0};
  entierVersTexte(bombes, chiffres, 10, static_cast<int>(sizeof chiffres));
  return traduction + chiffres;
}
