#pragma once
// Number, boolean and language-code texts, and whole-text replacements.
#include <cstdint>
#include <string>

// Writes `valeur` in `base` (2..36, digits then upper-case letters) into `tampon`, never using
// more than `capacite` bytes including the terminator. Returns 0 when every digit fitted, the
// part of the absolute value that did not fit when the most significant digits were cut off
// (capped at INT32_MAX), -1 for a bad base ("!" or "[ERR]" written), -2 for a null buffer or a
// capacity below 1 (nothing written). A capacity of 1 leaves room for the terminator alone.
int entierVersTexte(int32_t valeur, char* tampon, int base, int capacite);

// "1" or "0"; the buffer needs 2 bytes.
void boolVersTexte(bool valeur, char* tampon);

// Exactly "1" is true, exactly "0" is false, anything else (or a null text) is `defaut`.
bool texteVersBool(const char* texte, bool defaut);

// Reads a decimal integer the way atoi does (leading blanks, optional sign, digits up to the
// first other character, no digit gives 0) but saturates at the int32 limits instead of
// overflowing. A null text gives 0.
int32_t texteVersEntier(const char* texte);

// True when `suffixe` is null; false when `texte` is null; else whether texte ends with suffixe
// (case-sensitive).
bool finitPar(const char* texte, const char* suffixe);

// A language code names a file of the data's "lang/" folder: letters, digits, '_' and '-' only
// (and at least one of them), so that no code can reach a file outside that folder.
bool codeLangueValide(const std::string& code);

// Replaces every occurrence of `cherche` (left to right, never rescanning a replacement).
// An empty `cherche` leaves the text unchanged.
std::string remplacerTout(const std::string& texte, const std::string& cherche,
                          const std::string& remplacement);

// CR LF and lone CR become LF, then LF becomes `fin` when `fin` is not LF.
std::string normaliserFinsDeLigne(const std::string& texte, const std::string& fin);
