#pragma once
// What the command-line tools read: a whole regular file, or standard input for "-", never more
// than the tool's limit (a path to /dev/zero or a pipe that never ends must not make a tool grow
// without end), and never a directory or a device.
#include <cstdio>
#include <string>

#include "base/fichiers.h"

// True with the whole input in `contenu`. Otherwise prints "TOOL: cannot read PATH (REASON)" to
// standard error and returns false.
inline bool lireEntreeOutil(const char* outil, const std::string& chemin, size_t maximum,
                            std::string& contenu) {
  Lecture lecture = Lecture::Lu;
  contenu.clear();
  if (chemin == "-") {
    char bloc[65536];
    size_t n;
    while (lecture == Lecture::Lu && (n = std::fread(bloc, 1, sizeof bloc, stdin)) > 0) {
      if (contenu.size() + n > maximum) lecture = Lecture::TropGrand;
      else contenu.append(bloc, n);
    }
    if (lecture == Lecture::Lu && std::ferror(stdin)) lecture = Lecture::Illisible;
  } else {
    lecture = lireFichierOrdinaire(chemin, maximum, contenu);
  }
  if (lecture == Lecture::Lu) return true;
  contenu.clear();
  std::fprintf(stderr, "%s: cannot read %s (%s)\n", outil, chemin.c_str(), texteLecture(lecture));
  return false;
}
