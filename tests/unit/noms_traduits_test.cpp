// Names shown in the player's language: the shipped files' titles and the keys' names, from a
// language file, with the name itself when the file has no translation.
#include <gtest/gtest.h>

#include <SDL.h>

#include "base/traducteur.h"
#include "fixtures.h"
#include "levels/catalogue.h"
#include "screens/aide_touches.h"

namespace {

class NomsTraduits : public ::testing::Test {
 protected:
  void SetUp() override {
    ecrireFichierTest(d_ / "en.txt",
                      "English\nTitre_1-Premiers-pas=1 - First steps\nTouche_left=Left\n"
                      "Touche_page_up=Page Up\nTouche_space=<Space>\n");
    t_.charger(d_ / "en.txt");
    traducteur = &t_;
  }
  void TearDown() override { traducteur = nullptr; }
  DossierTemporaire d_;
  Traducteur t_;
};

TEST_F(NomsTraduits, TitresDesFichiers) {
  EXPECT_EQ(titreFichier("1-Premiers-pas"), "1 - First steps");
  EXPECT_EQ(titreFichier("mon-niveau"), "mon-niveau");  // a player's file: its own name
  traducteur = nullptr;
  EXPECT_EQ(titreFichier("1-Premiers-pas"), "1-Premiers-pas");
}

TEST_F(NomsTraduits, NomsDesTouches) {
  const struct {
    int32_t symbole;
    const char* attendu;
  } cas[] = {
      {SDLK_LEFT, "Left"},
      {SDLK_PAGEUP, "Page Up"},
      {SDLK_SPACE, "<(>Space<)>"},  // markup characters shown as themselves
      {SDLK_r, "R"},                // a letter, upper-case
      {SDLK_F5, "F5"},
      {SDLK_RIGHT, "right"},  // no translation in this file: SDL's name
      {0, "?"},
  };
  for (const auto& c : cas) EXPECT_EQ(nomTouche(c.symbole), c.attendu) << c.symbole;
}

TEST(NomsTraduitsFichiers, ChaqueLangueNommeLesTouchesDuJeuEtLesFichiersLivres) {
  for (const char* code : {"fr", "en", "de", "es"}) {
    Traducteur t;
    t.charger(std::string(ZARVINEL_SOURCE_DIR) + "/data/lang/" + code + ".txt");
    traducteur = &t;
    for (int32_t k : {SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_ESCAPE, SDLK_RETURN, SDLK_BACKSPACE})
      EXPECT_STRNE(nomTouche(k).c_str(), SDL_GetKeyName(static_cast<SDLKey>(k)))
          << code << " " << k;
    EXPECT_NE(titreFichier("12-Abimes"), "12-Abimes") << code;
    traducteur = nullptr;
  }
}

}  // namespace
