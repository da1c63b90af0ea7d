// Built twice: with the checkout's data folder for the programs run from the build tree, without
// it for the installed game (src/CMakeLists.txt).
#include "platform/dossiers.h"

const char* dossierDonneesSource() {
#ifdef ZARVINEL_DONNEES_SOURCE
  return ZARVINEL_DONNEES_SOURCE;
#else
  return "";
#endif
}
