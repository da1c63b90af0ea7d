#include "platform/dossiers.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/fichiers.h"

namespace {
std::string sansSlashFinal(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}
bool absolu(const char* s) { return s && s[0] == '/'; }
}  // namespace

std::string dossierSpecial(const char* xdgDataHome, const char* home) {
  if (absolu(xdgDataHome)) return sansSlashFinal(xdgDataHome);
  if (absolu(home)) {
    std::string h = sansSlashFinal(home);
    return (h == "/" ? "" : h) + "/.local/share";
  }
  throw std::runtime_error("Repertoire utilisateur inaccessible");
}

std::string dossierSpecial() {
  return dossierSpecial(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string lireRegistre(const RegistreDonnees& registre, const std::string& executable) {
  if (!registre.present) return "Registry key don't exist";
  if (!executable.empty() && !registre.relatives.empty()) {
    std::filesystem::path bin = std::filesystem::path(executable).parent_path();
    std::string installe = (bin / registre.relatives).lexically_normal().string();
    if (installe.empty() || installe.back() != '/') installe += '/';
    if (fichierExiste(installe + "zarvinel.dir")) return installe;
  }
  if (!registre.source.empty()) return registre.source;
  throw std::runtime_error("Registry value not REG_SZ");
}

RegistreDonnees registreCompile() {
  RegistreDonnees r;
  r.source = dossierDonneesSource();
#ifdef ZARVINEL_DONNEES_RELATIVES
  r.relatives = ZARVINEL_DONNEES_RELATIVES;
#endif
  r.present = !r.source.empty() || !r.relatives.empty();
  return r;
}

std::string lireRegistre() { return lireRegistre(registreCompile(), cheminExecutable()); }

std::string cheminExecutable() {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

void creerDossier(const std::string& chemin) {
  if (chemin.empty()) return;
  // On Linux the parent folder (~/.local/share) may not exist yet on a fresh account.
  std::error_code ec;
  std::filesystem::create_directories(chemin, ec);
}
