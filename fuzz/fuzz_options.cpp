// The options reader on arbitrary file contents: never a crash, and whatever it reads is
// written back and read again to the same record.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/options.h"
#include "fichier_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  const std::string chemin = fichier_fuzz::ecrire("options.conf", donnees, taille);

  Options lu;
  lu.chargerDepuis(chemin);
  // Used values are always safe, whatever the file said.
  if (lu.resXSure() < 1 || lu.resYSure() < 1 || lu.fondShaderTailleSure() < 1 ||
      lu.fondShaderDivSure() < 1)
    std::abort();

  lu.sauvegarderVers(chemin);
  Options relu;
  relu.chargerDepuis(chemin);
  // A line end inside the language code is cut when writing; everything else comes back.
  Options attendu = lu;
  attendu.Langue = attendu.Langue.substr(0, attendu.Langue.find_first_of("\r\n"));
  if (relu != attendu) std::abort();
  return 0;
}
