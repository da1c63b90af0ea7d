#pragma once
// The language list "lang/liste.txt": one line per language, code "|" name "|", for example
// "en|English|". The main menu cycles through the names; the language screen offers them and
// loads "lang/" + code + ".txt".
#include <string>
#include <vector>

struct LangueListee {
  std::string code;  // the translation file's name before ".txt"
  std::string nom;   // the language's own name, as shown
};

// The list file, data-relative.
extern const char* const FichierListeLangues;

// The menu's reading: for each line holding a "|", the text after the first "|" without the
// line's last character (so "en|English|" gives "English"). Lines without "|" are skipped; a
// missing file gives an empty list. A CR before the line end is no part of the name.
std::vector<std::string> lireListeLangues(const std::string& chemin);

// The language screen's reading: code up to the first "|", name up to the next "|", the rest
// of the line ignored; a line with no "|" or with an empty code is skipped. Each field keeps at
// most 254 characters. A missing file gives an empty list.
std::vector<LangueListee> lireLanguesDisponibles(const std::string& chemin);

// The language screen's confirmation with the code of the chosen row: loads "lang/" + code +
// ".txt" into the translator, then records the code in the global options and stores it in
// the options file (that key alone: the player's other settings in the file stay as they are). A
// code that cannot be part of a path, or a translation file that cannot be read or holds nothing,
// leaves the language in force (a log line, nothing saved). True when the language changed.
bool choisirLangue(const std::string& code);
