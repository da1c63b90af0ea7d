// The bounded reader of regular files and the language-code check.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "base/fichiers.h"
#include "base/texte.h"
#include "fixtures.h"

namespace {

TEST(LireFichierOrdinaire, SeulementUnFichierOrdinaireEtBorne) {
  DossierTemporaire d;
  ecrireFichierTest(d / "petit.txt", "0123456789");
  mkdir((d / "dossier").c_str(), 0755);
  ASSERT_EQ(symlink("petit.txt", (d / "lien").c_str()), 0);
  const struct {
    std::string chemin;
    size_t maximum;
    bool debut;
    Lecture attendu;
    const char* contenu;
  } cas[] = {
      {d / "petit.txt", 10, false, Lecture::Lu, "0123456789"},
      {d / "lien", 10, false, Lecture::Lu, "0123456789"},
      {d / "petit.txt", 9, false, Lecture::TropGrand, ""},
      {d / "petit.txt", 4, true, Lecture::Lu, "0123"},
      {d / "absent.txt", 10, false, Lecture::Absent, ""},
      {d / "dossier", 10, false, Lecture::PasOrdinaire, ""},
      {"/dev/zero", 10, false, Lecture::PasOrdinaire, ""},
      {"/dev/null", 10, false, Lecture::PasOrdinaire, ""},
  };
  for (const auto& c : cas) {
    std::string lu = "avant";
    EXPECT_EQ(lireFichierOrdinaire(c.chemin, c.maximum, lu, c.debut), c.attendu) << c.chemin;
    EXPECT_EQ(lu, c.contenu) << c.chemin;
  }
  EXPECT_EQ(natureFichier(d / "lien"), Lecture::Lu);
  EXPECT_EQ(natureFichier(d / "absent.txt"), Lecture::Absent);
  EXPECT_EQ(natureFichier(d / "dossier"), Lecture::PasOrdinaire);
  EXPECT_EQ(natureFichier("/dev/zero"), Lecture::PasOrdinaire);
  EXPECT_EQ(ligneFichierIgnore("/x", Lecture::TropGrand), "Fichier ignoré : /x (trop grand)");
}

TEST(CodeLangueValide, LettresChiffresSouligneTiret) {
  for (const char* bon : {"fr", "en", "pt_BR", "zh-Hant", "x1", "_", "-"})
    EXPECT_TRUE(codeLangueValide(bon)) << bon;
  for (const char* mauvais : {"", "../../x", "fr/../en", "/etc/passwd", "fr.txt", "f r", "fr\n",
                              "\xc3\xa9", "fr\\x", "a:b"})
    EXPECT_FALSE(codeLangueValide(mauvais)) << mauvais;
  EXPECT_FALSE(codeLangueValide(std::string("fr\0x", 4)));
}

}  // namespace
