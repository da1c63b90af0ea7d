#include "base/journal.h"

#include <cstdio>
#include <mutex>

namespace {
std::mutex verrouJournal;  // the action and menu-background threads log too
std::function<void(const std::string&)> detour;
}

void journal(const std::string& ligne) {
  std::lock_guard<std::mutex> garde(verrouJournal);
  if (detour) {
    detour(ligne);
    return;
  }
  std::fwrite(ligne.data(), 1, ligne.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void journalDetourner(std::function<void(const std::string&)> destination) {
  std::lock_guard<std::mutex> garde(verrouJournal);
  detour = std::move(destination);
}
