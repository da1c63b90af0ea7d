#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <algorithm>

#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "base/maths.h"
#include "base/texte.h"
#include "platform/processus.h"
#include "fixtures.h"

namespace {

struct CasEntier {
  int32_t valeur;
  int base;
  int capacite;
  const char* texte;
  int resultat;
};

TEST(EntierVersTexte, TableDeCas) {
  const CasEntier cas[] = {
      {640, 10, 10, "640", 0},
      {-7, 10, 10, "-7", 0},
      {255, 16, 10, "FF", 0},
      {4567, 10, 3, "67", 45},
      {0, 10, 10, "0", 0},
      {35, 36, 10, "Z", 0},
      {5, 2, 10, "101", 0},
      {-4567, 10, 4, "-67", 45},
      {-1, 10, 2, "-", 1},
      {7, 10, 2, "7", 0},
      {INT32_MAX, 10, 11, "2147483647", 0},
      {INT32_MAX, 10, 10, "147483647", 2},
      {INT32_MIN, 10, 12, "-2147483648", 0},
      {INT32_MIN, 16, 12, "-80000000", 0},
      {INT32_MIN, 10, 2, "-", INT32_MAX},  // 2147483648 did not fit: capped
      {12, 1, 10, "[ERR]", -1},
      {12, 37, 6, "[ERR]", -1},
      {12, 37, 5, "!", -1},  // "[ERR]" needs 6 bytes with its terminator
      {12, 0, 2, "!", -1},
      {12, 37, 1, "", -1},
      {0, 10, 1, "", 0},
      {42, 10, 1, "", 42},
      {-42, 10, 1, "", 42},
  };
  for (const CasEntier& c : cas) {
    char tampon[16];
    std::memset(tampon, 'x', sizeof tampon);
    int r = entierVersTexte(c.valeur, tampon, c.base, c.capacite);
    EXPECT_EQ(r, c.resultat) << c.valeur << " base " << c.base << " cap " << c.capacite;
    EXPECT_STREQ(tampon, c.texte) << c.valeur << " base " << c.base << " cap " << c.capacite;
    // Nothing is written past the capacity.
    for (int i = c.capacite; i < 16; ++i) EXPECT_EQ(tampon[i], 'x') << c.valeur << " at " << i;
  }
}

TEST(EntierVersTexte, TamponNulOuCapaciteNulle) {
  char tampon[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(entierVersTexte(5, nullptr, 10, 10), -2);
  EXPECT_EQ(entierVersTexte(5, tampon, 10, 0), -2);
  EXPECT_EQ(entierVersTexte(5, tampon, 10, -3), -2);
  EXPECT_EQ(tampon[0], 'x');
}

TEST(Booleens, TexteEtRetour) {
  char t[2];
  boolVersTexte(true, t);
  EXPECT_STREQ(t, "1");
  boolVersTexte(false, t);
  EXPECT_STREQ(t, "0");

  const struct {
    const char* texte;
    bool defaut, attendu;
  } cas[] = {{"1", false, true},     {"0", true, false}, {"2", true, true},
             {"2", false, false},    {"00", true, true}, {"1 ", false, false},
             {"true", false, false}, {"", true, true},   {nullptr, true, true}};
  for (const auto& c : cas)
    EXPECT_EQ(texteVersBool(c.texte, c.defaut), c.attendu) << (c.texte ? c.texte : "(null)");
}

TEST(TexteVersEntier, CommeAtoiSansDebordement) {
  const struct {
    const char* texte;
    int32_t attendu;
  } cas[] = {{"1024abc", 1024},
             {"", 0},
             {"abc", 0},
             {"  \t-12", -12},
             {"+7", 7},
             {"- 5", 0},
             {"0800", 800},
             {"99999999999", INT32_MAX},
             {"-99999999999", INT32_MIN},
             {"2147483648", INT32_MAX},
             {"-2147483648", INT32_MIN},
             {nullptr, 0}};
  for (const auto& c : cas)
    EXPECT_EQ(texteVersEntier(c.texte), c.attendu) << (c.texte ? c.texte : "(null)");
}

TEST(FinitPar, TableDeCas) {
  const struct {
    const char* texte;
    const char* suffixe;
    bool attendu;
  } cas[] = {{"a.map", ".map", true},  {"a.MAP", ".map", false}, {"map", ".map", false},
             {".map", ".map", true},   {"x", "", true},          {"", "", true},
             {"a.map", nullptr, true}, {nullptr, ".map", false}, {nullptr, nullptr, true}};
  for (const auto& c : cas) EXPECT_EQ(finitPar(c.texte, c.suffixe), c.attendu);
}

TEST(ListerFichiers, FiltreParSuffixe) {
  DossierTemporaire d;
  ecrireFichierTest(d / "a.map", "");
  ecrireFichierTest(d / "b.map", "");
  ecrireFichierTest(d / "c.MAP", "");
  ecrireFichierTest(d / "notes.txt", "");
  mkdir((d / "dossier.map").c_str(), 0755);
  auto liste = listerFichiers(d.chemin(), ".map");
  ASSERT_TRUE(liste.has_value());
  std::sort(liste->begin(), liste->end());
  EXPECT_EQ(*liste, (std::vector<std::string>{"a.map", "b.map", "dossier.map"}));
  EXPECT_EQ(compterFichiers(d.chemin(), ".map"), 3);
}

TEST(ListerFichiers, AucunOuDossierAbsent) {
  DossierTemporaire d;
  ecrireFichierTest(d / "notes.txt", "");
  auto liste = listerFichiers(d.chemin(), ".map");
  ASSERT_TRUE(liste.has_value());
  EXPECT_TRUE(liste->empty());
  EXPECT_EQ(compterFichiers(d.chemin(), ".map"), 0);
  EXPECT_FALSE(listerFichiers(d / "absent/", ".map").has_value());
  EXPECT_EQ(compterFichiers(d / "absent/", ".map"), 0);
}

TEST(Fichiers, ExisteEtModifiable) {
  DossierTemporaire d;
  ecrireFichierTest(d / "f.txt", "abc");
  ecrireFichierTest(d / "lecture.txt", "abc");
  chmod((d / "lecture.txt").c_str(), 0444);
  EXPECT_TRUE(fichierExiste(d / "f.txt"));
  EXPECT_TRUE(fichierModifiable(d / "f.txt"));
  EXPECT_EQ(lireFichierTest(d / "f.txt"), "abc");  // "r+" does not truncate
  EXPECT_FALSE(fichierExiste(d / "absent.txt"));
  EXPECT_FALSE(fichierModifiable(d / "absent.txt"));
  EXPECT_FALSE(fichierExiste(d.chemin()));  // a directory is no file
  EXPECT_FALSE(fichierModifiable(d.chemin()));
  EXPECT_TRUE(fichierExiste(d / "lecture.txt"));
  if (geteuid() != 0) {
    EXPECT_FALSE(fichierModifiable(d / "lecture.txt"));
  }
}

TEST(RemplacerTout, TableDeCas) {
  const struct {
    const char* texte;
    const char* cherche;
    const char* remplace;
    const char* attendu;
  } cas[] = {
      {"aaa", "a", "aa", "aaaaaa"},  // replacements are not scanned again
      {"aaaa", "aa", "b", "bb"},     // occurrences do not overlap
      {"abc", "x", "y", "abc"},     {"", "a", "b", ""}, {"a\nb\n", "\n", "\r\n", "a\r\nb\r\n"},
      {"abc", "", "x", "abc"}};  // nothing to search for: unchanged, no endless loop
  for (const auto& c : cas) EXPECT_EQ(remplacerTout(c.texte, c.cherche, c.remplace), c.attendu);
}

TEST(NormaliserFinsDeLigne, TousLesStyles) {
  EXPECT_EQ(normaliserFinsDeLigne("a\r\nb\rc\nd", "\n"), "a\nb\nc\nd");
  EXPECT_EQ(normaliserFinsDeLigne("a\r\nb\rc\nd", "\r\n"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(normaliserFinsDeLigne("\r\r\n", "\n"), "\n\n");
  EXPECT_EQ(normaliserFinsDeLigne("", "\n"), "");
}

TEST(LireFichier, ContenuEntierOuVide) {
  DossierTemporaire d;
  std::string gros;
  for (int i = 0; i < 1000; ++i) gros += static_cast<char>(i * 7);  // not a multiple of 64, NULs
  ecrireFichierTest(d / "gros.bin", gros);
  ecrireFichierTest(d / "vide.txt", "");
  EXPECT_EQ(lireFichier(d / "gros.bin"), gros);
  EXPECT_EQ(lireFichier(d / "vide.txt"), "");
  EXPECT_EQ(lireFichier(d / "absent.txt"), "");
}

// A shader of many megabytes once took seconds to start: the line ends are rewritten in one
// pass over the text (a replacement in place would move the whole rest of the text each time).
TEST(NormaliserFinsDeLigne, GrandTexteEnUnPassage) {
  std::string texte;
  for (int i = 0; i < (64 << 20) / 8; ++i) texte += "abcdef\r\n";
  const std::string r = normaliserFinsDeLigne(texte, "\n");
  ASSERT_EQ(r.size(), texte.size() / 8 * 7);
  EXPECT_EQ(r.substr(0, 14), "abcdef\nabcdef\n");
  EXPECT_EQ(r.find('\r'), std::string::npos);
}

// The whole-file reader stops at its limit: a huge file (sparse here) gives an empty text
// instead of gigabytes.
TEST(LireFichier, FichierTropGrandDonneUnTexteVide) {
  DossierTemporaire d;
  const std::string chemin = d / "enorme.txt";
  ecrireFichierTest(chemin, "");
  ASSERT_EQ(truncate(chemin.c_str(), static_cast<off_t>(LireFichierMax) + 1), 0);
  EXPECT_EQ(lireFichier(chemin), "");
  EXPECT_FALSE(fichierExiste(d.chemin()));  // a directory is no file
}

// The safe writer: never through a leftover temporary's link, never over a read-only file, and
// through a symlinked file to the file it points to.
TEST(RemplacerFichier, LienTemporaireLaisseIntact) {
  DossierTemporaire d;
  ecrireFichierTest(d / "victime", "a garder");
  ASSERT_EQ(symlink((d / "victime").c_str(), (d / "f.map.tmp").c_str()), 0);
  ASSERT_TRUE(remplacerFichier(d / "f.map", "nouveau"));
  EXPECT_EQ(lireFichierTest(d / "victime"), "a garder");
  EXPECT_EQ(lireFichierTest(d / "f.map"), "nouveau");
}

TEST(RemplacerFichier, LectureSeuleRefusee) {
  // The permission bits decide, so the file stays as it is for root too.
  DossierTemporaire d;
  ecrireFichierTest(d / "f.map", "ancien");
  chmod((d / "f.map").c_str(), 0444);
  EXPECT_FALSE(remplacerFichier(d / "f.map", "nouveau"));
  EXPECT_EQ(lireFichierTest(d / "f.map"), "ancien");
  struct stat st;
  ASSERT_EQ(stat((d / "f.map").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(listerFichiers(d.chemin(), "")->size(), 3u);  // nothing left behind
  // Not a regular file: refused as well.
  mkdir((d / "dossier").c_str(), 0755);
  EXPECT_FALSE(remplacerFichier(d / "dossier", "x"));
}

// A refused or failed write gives its own reason, whatever the clean-up did after it.
TEST(RemplacerFichier, RaisonDeLEchec) {
  DossierTemporaire d;
  ecrireFichierTest(d / "protege.map", "ancien");
  chmod((d / "protege.map").c_str(), 0444);
  mkdir((d / "dossier").c_str(), 0755);
  struct Cas {
    const char* chemin;
    int erreur;
  };
  const Cas cas[] = {
      {"protege.map", EACCES},
      {"dossier", EISDIR},
      {"absent/f.map", ENOENT},  // the temporary file cannot be made
  };
  for (const Cas& c : cas) {
    const IssueEcriture r = remplacerFichier(d / c.chemin, "x");
    EXPECT_FALSE(r) << c.chemin;
    EXPECT_EQ(r.erreur, c.erreur) << c.chemin << ": " << std::strerror(r.erreur);
  }
}

TEST(RemplacerFichier, LienSuiviEtGarde) {
  DossierTemporaire d;
  mkdir((d / "vrai").c_str(), 0755);
  ecrireFichierTest(d / "vrai/f.map", "ancien");
  chmod((d / "vrai/f.map").c_str(), 0640);
  ASSERT_EQ(symlink("vrai/f.map", (d / "relatif").c_str()), 0);
  ASSERT_EQ(symlink((d / "relatif").c_str(), (d / "chaine").c_str()), 0);
  ASSERT_EQ(symlink("vrai/nouveau.map", (d / "pendant").c_str()), 0);
  const struct {
    const char* lien;
    const char* cible;
  } cas[] = {{"relatif", "vrai/f.map"}, {"chaine", "vrai/f.map"}, {"pendant", "vrai/nouveau.map"}};
  for (const auto& c : cas) {
    const std::string contenu = std::string("par ") + c.lien;
    ASSERT_TRUE(remplacerFichier(d / c.lien, contenu)) << c.lien;
    struct stat st;
    ASSERT_EQ(lstat((d / c.lien).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << c.lien;
    EXPECT_EQ(lireFichierTest(d / c.cible), contenu) << c.lien;
  }
  struct stat st;
  ASSERT_EQ(stat((d / "vrai/f.map").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);  // the permissions of the replaced file
}

// The game's own files: a link in their place is replaced, never written through.
TEST(RemplacerFichier, FichierPropreRemplaceLeLien) {
  DossierTemporaire d;
  ecrireFichierTest(d / "victime", "a garder");
  mkdir((d / "rep").c_str(), 0755);
  ASSERT_EQ(symlink((d / "victime").c_str(), (d / "copie").c_str()), 0);
  ASSERT_EQ(symlink((d / "absent").c_str(), (d / "pendant").c_str()), 0);
  ASSERT_EQ(symlink((d / "rep").c_str(), (d / "vers-dossier").c_str()), 0);
  for (const char* lien : {"copie", "pendant", "vers-dossier"}) {
    ASSERT_TRUE(remplacerFichier(d / lien, "propre", LienCible::Remplacer)) << lien;
    struct stat st;
    ASSERT_EQ(lstat((d / lien).c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode)) << lien;
    EXPECT_EQ(lireFichierTest(d / lien), "propre") << lien;
  }
  EXPECT_EQ(lireFichierTest(d / "victime"), "a garder");
  EXPECT_FALSE(fichierExiste(d / "absent"));
  EXPECT_EQ(listerFichiers(d / "rep", "")->size(), 2u);  // "." and "..": nothing went in
  // A plain file is replaced as before, a directory still refused.
  ASSERT_TRUE(remplacerFichier(d / "copie", "encore", LienCible::Remplacer));
  EXPECT_EQ(lireFichierTest(d / "copie"), "encore");
  EXPECT_FALSE(remplacerFichier(d / "rep", "x", LienCible::Remplacer));
}

// Start-up removes what a killed save left: only the writer's own temporary names, regular
// files, a minute old.
TEST(TemporairesPerimes, SeulementLesSiensAnciensEtOrdinaires) {
  DossierTemporaire d;
  const int64_t maintenant = 1'000'000'000;
  auto vieillir = [&](const std::string& nom, int64_t age) {
    const timespec t[2] = {{static_cast<time_t>(maintenant - age), 0},
                           {static_cast<time_t>(maintenant - age), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (d / nom).c_str(), t, AT_SYMLINK_NOFOLLOW), 0) << nom;
  };
  const struct {
    const char* nom;
    int64_t age;
    bool part;
  } fichiers[] = {
      {"a.map.tmp.Ab12Cd", 3600, true},  // a killed save of a.map
      {"a.map.tmp.Xy98Zz", 61, true},
      {"a.map.tmp.Qq11Rr", 10, false},  // a save running now in another game
      {"a.map", 3600, false},
      {"a.map.recup", 3600, false},
      {"b.tmp.abc", 3600, false},    // not six characters
      {".tmp.abcdef", 3600, false},  // no name before it
      {"c.tmp.ab-def", 3600, false},
  };
  for (const auto& f : fichiers) {
    ecrireFichierTest(d / f.nom, "x");
    vieillir(f.nom, f.age);
  }
  ecrireFichierTest(d / "cible", "x");
  ASSERT_EQ(symlink((d / "cible").c_str(), (d / "l.map.tmp.Lien00").c_str()), 0);
  vieillir("l.map.tmp.Lien00", 3600);
  mkdir((d / "r.map.tmp.Dossie").c_str(), 0755);
  vieillir("r.map.tmp.Dossie", 3600);

  CaptureJournal j;
  EXPECT_EQ(supprimerTemporairesPerimes(d.chemin(), maintenant), 2);
  for (const auto& f : fichiers) EXPECT_EQ(fichierExiste(d / f.nom), !f.part) << f.nom;
  EXPECT_TRUE(fichierExiste(d / "cible"));
  struct stat st;
  EXPECT_EQ(lstat((d / "l.map.tmp.Lien00").c_str(), &st), 0);
  EXPECT_EQ(lstat((d / "r.map.tmp.Dossie").c_str(), &st), 0);
  ASSERT_EQ(j.lignes().size(), 2u);
  EXPECT_EQ(j.lignes()[0].rfind("Fichier temporaire abandonné supprimé : ", 0), 0u);
  EXPECT_EQ(supprimerTemporairesPerimes(d / "absent", maintenant), 0);
}

TEST(InterpolerCouleur, CoinsEtMilieu) {
  const float c0[4] = {1, 0, 0, 1}, c1[4] = {0, 1, 0, 1}, c2[4] = {0, 0, 1, 1},
              c3[4] = {1, 1, 1, 0};
  const struct {
    float u, v;
    const float* attendu;
  } coins[] = {{1, 1, c0}, {0, 1, c1}, {1, 0, c2}, {0, 0, c3}};
  for (const auto& c : coins) {
    float out[4];
    interpolerCouleur(c.u, c.v, c0, c1, c2, c3, out);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out[i], c.attendu[i]);
  }
  float out[4];
  interpolerCouleur(0.5f, 0.5f, c0, c1, c2, c3, out);
  const float milieu[4] = {0.5f, 0.5f, 0.5f, 0.75f};
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out[i], milieu[i]);
}

TEST(Normaliser, LongueurUnEtVecteurNul) {
  float v[3] = {3, 0, 4};
  normaliser(v);
  EXPECT_FLOAT_EQ(v[0], 0.6f);
  EXPECT_FLOAT_EQ(v[1], 0.0f);
  EXPECT_FLOAT_EQ(v[2], 0.8f);
  float nul[3] = {0, 0, 0};
  normaliser(nul);  // no NaN from a division by zero
  for (float x : nul) EXPECT_EQ(x, 0.0f);
}

// ouvrirDocument: the desktop opener is found along PATH, so a fake one shows what it receives.
class OuvrirDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* p = std::getenv("PATH");
    ancienPath_ = p ? p : "";
  }
  void TearDown() override { setenv("PATH", ancienPath_.c_str(), 1); }

  void script(const std::string& chemin, const std::string& corps) {
    ecrireFichierTest(chemin, "#!/bin/sh\n" + corps);
    chmod(chemin.c_str(), 0755);
  }
  // The file appears once the detached program has run.
  static std::string attendreFichier(const std::string& chemin) {
    for (int i = 0; i < 200 && !existeTest(chemin + ".fini"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return lireFichierTest(chemin);
  }

  DossierTemporaire d_;
  std::string ancienPath_;
};

TEST_F(OuvrirDocument, AdresseRemiseAXdgOpenSansShell) {
  script(d_ / "xdg-open", "printf '%s|' \"$#\" \"$@\" > " + d_.chemin() + "args\n/usr/bin/touch " +
                              d_.chemin() + "args.fini\n");
  setenv("PATH", d_.chemin().c_str(), 1);
  const std::string adresse = "https://example.org/?a=1&b=$(touch " + d_.chemin() + "injecte);x";
  EXPECT_EQ(ouvrirPageWeb(adresse), 0);
  EXPECT_EQ(attendreFichier(d_ / "args"), "1|" + adresse + "|");
  EXPECT_FALSE(existeTest(d_ / "injecte"));
}

TEST_F(OuvrirDocument, ExecutableLanceAvecSonParametre) {
  script(d_ / "jeu", "printf '%s|' \"$#\" \"$@\" > " + d_.chemin() + "args\n/usr/bin/touch " +
                         d_.chemin() + "args.fini\n");
  EXPECT_EQ(ouvrirDocument(d_ / "jeu", "--rebooted"), 0);
  EXPECT_EQ(attendreFichier(d_ / "args"), "1|--rebooted|");
}

TEST_F(OuvrirDocument, Echecs) {
  setenv("PATH", d_.chemin().c_str(), 1);  // no xdg-open anywhere
  EXPECT_EQ(ouvrirPageWeb("https://example.org/"), -1);
  EXPECT_EQ(ouvrirDocument("", ""), -1);
  // An executable that cannot be executed (bad interpreter) fails to start.
  ecrireFichierTest(d_ / "casse", "#!/nonexistent/interpreter\n");
  chmod((d_ / "casse").c_str(), 0755);
  EXPECT_EQ(ouvrirDocument(d_ / "casse", "--rebooted"), -1);
}

}  // namespace
