#pragma once
// The music of a level, picked at random among the tracks of a directory.
#include <string>

// Lists `dossier`, keeps the entries whose name ends with `extension` (case-sensitive; "." and
// ".." never), each as `prefixe` + name, logs each kept entry, picks index rand() mod n and logs
// "i/n". Returns that entry, or an empty text when there is none (the level then stays silent:
// there is nothing to pick from) with a log line.
std::string choisirMusique(const std::string& dossier, const std::string& extension,
                           const std::string& prefixe);
