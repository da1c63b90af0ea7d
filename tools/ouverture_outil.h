#pragma once
// The opening the command-line tools share: the game's log lines go to standard error, so that
// standard output carries only the tool's own result, and "--help" or "-h" as the only argument
// prints the help text to standard output. True when the help was asked: the tool ends with 0.
#include <cstdio>
#include <cstring>
#include <string>

#include "base/journal.h"

inline bool ouvrirOutil(int argc, char** argv, const char* aide) {
  journalDetourner([](const std::string& ligne) { std::fprintf(stderr, "%s\n", ligne.c_str()); });
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(aide, stdout);
    return true;
  }
  return false;
}
