#include "fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/journal.h"

namespace {
// No test may stop on a desktop dialog waiting for a click: error dialogs are off in every suite.
[[maybe_unused]] const bool sansDialogue = setenv("ZARVINEL_SANS_DIALOGUE", "1", 1) == 0;
}

DossierTemporaire::DossierTemporaire() {
  std::string modele = (std::filesystem::temp_directory_path() / "zarvinel-test-XXXXXX").string();
  if (!mkdtemp(modele.data())) throw std::runtime_error("mkdtemp failed");
  chemin_ = modele + "/";
}

DossierTemporaire::~DossierTemporaire() {
  std::error_code ec;
  std::filesystem::remove_all(chemin_, ec);
}

void ecrireFichierTest(const std::string& chemin, const std::string& contenu) {
  std::ofstream f(chemin, std::ios::binary);
  f << contenu;
}

std::string lireFichierTest(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool existeTest(const std::string& chemin) { return std::filesystem::exists(chemin); }

CaptureJournal::CaptureJournal() {
  journalDetourner([this](const std::string& l) { lignes_.push_back(l); });
}

CaptureJournal::~CaptureJournal() { journalDetourner({}); }

bool CaptureJournal::contient(const std::string& ligne) const {
  return std::find(lignes_.begin(), lignes_.end(), ligne) != lignes_.end();
}

EnvironnementSauve::EnvironnementSauve(std::initializer_list<const char*> noms) {
  for (const char* n : noms) {
    const char* v = std::getenv(n);
    anciens_.push_back({n, v ? std::optional<std::string>(v) : std::nullopt});
  }
}

EnvironnementSauve::~EnvironnementSauve() {
  for (const auto& [n, v] : anciens_) {
    if (v) setenv(n.c_str(), v->c_str(), 1);
    else unsetenv(n.c_str());
  }
}
