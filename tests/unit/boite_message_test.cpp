#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

#include "platform/repertoires.h"
#include "fixtures.h"
#include "platform/boite_message.h"

namespace {

TEST(BoiteMessage, ArgumentsParProgramme) {
  const std::string m = "Ligne 1\nLigne <b>2</b> & $(rm -rf x)";
  EXPECT_EQ(argumentsBoiteMessage("/usr/bin/zenity", m),
            (std::vector<std::string>{"/usr/bin/zenity", "--error", "--no-markup", "--text=" + m}));
  EXPECT_EQ(argumentsBoiteMessage("/usr/bin/kdialog", m),
            (std::vector<std::string>{"/usr/bin/kdialog", "--error", m}));
  EXPECT_EQ(argumentsBoiteMessage("/usr/bin/xmessage", m),
            (std::vector<std::string>{"/usr/bin/xmessage", "-center", "-buttons", "OK", m}));
  // A message starting like an option is not read as one.
  EXPECT_EQ(argumentsBoiteMessage("/usr/bin/kdialog", "--help").back(), " --help");
  EXPECT_TRUE(argumentsBoiteMessage("/usr/bin/autre", m).empty());
}

// Environment changes undone at the end of each test.
class BoiteMessageEnvironnement : public ::testing::Test {
 protected:
  // A fake zenity that takes a while, then records its arguments.
  void fauxZenity() {
    ecrireFichierTest(d_ / "zenity", "#!/bin/sh\n/bin/sleep 0.3\nprintf '%s|' \"$@\" > " +
                                         d_.chemin() + "montre\n");
    chmod((d_ / "zenity").c_str(), 0755);
    setenv("PATH", d_.chemin().c_str(), 1);
  }
  EnvironnementSauve environnement_{"PATH", "DISPLAY", "WAYLAND_DISPLAY", "ZARVINEL_SANS_DIALOGUE"};
  DossierTemporaire d_;
};

TEST_F(BoiteMessageEnvironnement, MontreEtAttend) {
  fauxZenity();
  setenv("DISPLAY", ":99", 1);
  unsetenv("ZARVINEL_SANS_DIALOGUE");
  CaptureJournal capture;
  afficherErreur("Erreur grave");
  // Waited for: the fake dialog has finished by the time the message reaches the log.
  EXPECT_EQ(lireFichierTest(d_ / "montre"), "--error|--no-markup|--text=Erreur grave|");
  EXPECT_EQ(capture.lignes(), std::vector<std::string>{"Erreur grave"});
}

TEST_F(BoiteMessageEnvironnement, PasDeDialogueSansEcranNiQuandCoupe) {
  fauxZenity();
  unsetenv("ZARVINEL_SANS_DIALOGUE");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  EXPECT_FALSE(montrerBoiteMessage("x"));
  setenv("DISPLAY", ":99", 1);
  setenv("ZARVINEL_SANS_DIALOGUE", "1", 1);
  EXPECT_FALSE(montrerBoiteMessage("x"));
  EXPECT_FALSE(existeTest(d_ / "montre"));
  // With a display but no dialog program: standard error alone.
  unsetenv("ZARVINEL_SANS_DIALOGUE");
  setenv("PATH", (d_ / "vide").c_str(), 1);
  EXPECT_FALSE(montrerBoiteMessage("x"));
}

}  // namespace
