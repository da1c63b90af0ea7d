#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <unistd.h>
#include <sys/stat.h>

#include "platform/options.h"
#include "platform/repertoires.h"
#include "base/fichiers.h"
#include "fixtures.h"

namespace {

const char* const FICHIER_DEFAUTS =
    "# Attention ce fichier sera modifié par le programme.\n"
    "# Caution this file will be overwrited by the program.\n\n"
    "ResX=640\nResY=480\nBPP=32\nMultisample=1\nFullscreen=0\nVSync=1\nReflets=1\nFond=1\n"
    "FondShader=0\nFondShaderTaille=2\nFondShaderDiv=2\nFondShaderIter=15\nBloom=0\n"
    "BloomPart=5\nLangue=fr\nModeDaltonien=0\nAfficheIPS=0\nMenuTrenteImages=0\n"
    "VolumeMusique=100\n"
    "VolumeEffets=100\nToucheGauche=276\nToucheDroite=275\nToucheBombe=32\n"
    "ToucheRecommencer=114\nTouchePause=27\nToucheIndice=104\nToucheApercu=9\n"
    "EchelleInterface=0\n";

Options chargerTexte(const std::string& contenu, std::vector<std::string>* journal = nullptr) {
  DossierTemporaire d;
  ecrireFichierTest(d / "options.conf", contenu);
  Options o;
  CaptureJournal capture;
  o.chargerDepuis(d / "options.conf");
  if (journal) *journal = capture.lignes();
  return o;
}

TEST(Options, Defauts) {
  Options o;
  EXPECT_EQ(o.ResX, 640);
  EXPECT_EQ(o.ResY, 480);
  EXPECT_EQ(o.BPP, 32);
  EXPECT_EQ(o.Multisample, 1);
  EXPECT_FALSE(o.Fullscreen);
  EXPECT_TRUE(o.VSync);
  EXPECT_TRUE(o.Reflets);
  EXPECT_TRUE(o.Fond);
  EXPECT_FALSE(o.FondShader);
  EXPECT_EQ(o.FondShaderTaille, 2);
  EXPECT_EQ(o.FondShaderDiv, 2);
  EXPECT_EQ(o.FondShaderIter, 15);
  EXPECT_FALSE(o.Bloom);
  EXPECT_EQ(o.BloomPart, 5);
  EXPECT_FALSE(o.ModeDaltonien);
  EXPECT_FALSE(o.AfficheIPS);
  EXPECT_FALSE(o.MenuTrenteImages);
  EXPECT_EQ(o.Langue, "fr");
  o.ResX = 1;
  o.Langue = "de";
  o.defauts();
  EXPECT_EQ(o, Options());
}

TEST(Options, EcritureExacteEtJournal) {
  DossierTemporaire d;
  CaptureJournal capture;
  Options().sauvegarderVers(d / "options.conf");
  EXPECT_EQ(lireFichierTest(d / "options.conf"), FICHIER_DEFAUTS);
  ASSERT_EQ(capture.lignes().size(), 29u);
  EXPECT_EQ(capture.lignes()[0], "Save ResX=640");
  EXPECT_EQ(capture.lignes()[14], "Save Langue=fr");
  EXPECT_EQ(capture.lignes()[16], "Save AfficheIPS=0");
  EXPECT_EQ(capture.lignes()[17], "Save MenuTrenteImages=0");
  EXPECT_EQ(capture.lignes()[18], "Save VolumeMusique=100");
  EXPECT_EQ(capture.lignes()[24], "Save TouchePause=27");
  EXPECT_EQ(capture.lignes()[25], "Save ToucheIndice=104");
  EXPECT_EQ(capture.lignes()[26], "Save ToucheApercu=9");
  EXPECT_EQ(capture.lignes()[27], "Save EchelleInterface=0");
  EXPECT_EQ(capture.lignes()[28], "Options sauvegardées");
  // Nothing is left behind beside the file.
  EXPECT_EQ(listerFichiers(d.chemin(), "")->size(), 3u);  // ".", "..", options.conf
}

TEST(Options, AllerRetour) {
  Options o;
  o.ResX = 1920;
  o.ResY = -1080;
  o.BPP = 16;
  o.Multisample = 8;
  o.Fullscreen = true;
  o.VSync = false;
  o.Reflets = false;
  o.Fond = false;
  o.FondShader = true;
  o.FondShaderTaille = 12345678;
  o.FondShaderDiv = -99999999;
  o.FondShaderIter = INT32_MAX;  // ten digits: kept whole
  o.Bloom = true;
  o.BloomPart = INT32_MIN;
  o.ModeDaltonien = true;
  o.AfficheIPS = true;
  o.MenuTrenteImages = true;
  o.Langue = "es";
  o.VolumeMusique = 0;
  o.VolumeEffets = 55;
  o.ToucheGauche = 97;
  o.ToucheDroite = 100;
  o.ToucheBombe = 306;
  o.ToucheRecommencer = 8;
  o.TouchePause = 112;
  o.ToucheIndice = 105;
  o.ToucheApercu = 96;
  DossierTemporaire d;
  CaptureJournal capture;
  o.sauvegarderVers(d / "options.conf");
  Options relu;
  relu.chargerDepuis(d / "options.conf");
  EXPECT_EQ(relu, o);
  EXPECT_EQ(*o.copier(), o);
}

TEST(Options, LignesParticulieres) {
  struct Cas {
    std::string contenu;
    std::function<void(Options&)> attendu;  // applied to the defaults
  };
  const Cas cas[] = {
      {"Fullscreen=yes\n", [](Options& o) { o.Fullscreen = false; }},
      {"Fullscreen=1\n", [](Options& o) { o.Fullscreen = true; }},
      {"VSync=\n", [](Options& o) { o.VSync = false; }},
      {"VSync=1 \n", [](Options& o) { o.VSync = false; }},
      {"ResX=1024abc\n", [](Options& o) { o.ResX = 1024; }},
      {"ResX=\n", [](Options& o) { o.ResX = 0; }},
      {"ResX=99999999999\n", [](Options& o) { o.ResX = INT32_MAX; }},
      {"ResX=640=800\n", [](Options& o) { o.ResX = 800; }},
      {"ResX=  -12\n", [](Options& o) { o.ResX = -12; }},
      {"ResX = 800\n", [](Options&) {}},
      {"resx=800\n", [](Options&) {}},
      {"Langue=de\n", [](Options& o) { o.Langue = "de"; }},
      {"Langue=\n", [](Options& o) { o.Langue = ""; }},
      {"#ResX=800\n", [](Options&) {}},
      {"a=\n", [](Options&) {}},
      {"ResX\n", [](Options&) {}},
      {"ResX=1\nResX=2\n", [](Options& o) { o.ResX = 2; }},
      {"BPP=16\nAfficheIPS=1", [](Options& o) { o.BPP = 16; }},
      {"ResX=800\r\nVSync=0\r\nLangue=en\r\n",
       [](Options& o) {
         o.ResX = 800;
         o.VSync = false;
         o.Langue = "en";
       }},
      {std::string("Langue=e\0n\nBPP=8\n", 17),
       [](Options& o) {
         o.Langue = "e";
         o.BPP = 8;
       }},
      {"Inconnu=5\nBPP=24\n", [](Options& o) { o.BPP = 24; }},
      {"BPP=24\n" + std::string(255, 'x') + "\nResX=1\n", [](Options& o) { o.BPP = 24; }},
      {"BPP=24\nLangue=" + std::string(247, 'x') + "\nResX=1\n",
       [](Options& o) {
         o.BPP = 24;
         o.Langue = std::string(247, 'x');
         o.ResX = 1;
       }},
      // A code that is no plain name (it would reach a file outside "lang/") gives the default.
      {"Langue=en\nLangue=../../x\n", [](Options&) {}},
      {"Langue=/etc/passwd\n", [](Options&) {}},
      {"Langue=pt_BR\n", [](Options& o) { o.Langue = "pt_BR"; }},
  };
  for (const Cas& c : cas) {
    Options attendu;
    c.attendu(attendu);
    EXPECT_EQ(chargerTexte(c.contenu), attendu) << c.contenu;
  }
}

TEST(Options, JournalDeLecture) {
  std::vector<std::string> journal;
  chargerTexte(std::string(FICHIER_DEFAUTS) + "ResX=640=800\nrien\nX=\nXY=\n", &journal);
  ASSERT_EQ(journal.size(), 30u);  // 28 keys, then the two lines with a key
  EXPECT_EQ(journal[0], "ResX : 640");
  EXPECT_EQ(journal[14], "Langue : fr");
  EXPECT_EQ(journal[17], "MenuTrenteImages : 0");
  EXPECT_EQ(journal[24], "TouchePause : 27");
  EXPECT_EQ(journal[25], "ToucheIndice : 104");
  EXPECT_EQ(journal[26], "ToucheApercu : 9");
  EXPECT_EQ(journal[27], "EchelleInterface : 0");
  EXPECT_EQ(journal[28], "ResX : 800");
  EXPECT_EQ(journal[29], "XY : ");
}

TEST(Options, CodeDeLangueInvalideDitPourquoi) {
  std::vector<std::string> journal;
  EXPECT_EQ(chargerTexte("Langue=../../x\n", &journal).Langue, "fr");
  EXPECT_EQ(journal, (std::vector<std::string>{"Langue : ../../x",
                                               "Options : code de langue invalide, langue fr"}));
}

// Something that is not a readable options file (a folder, or a file far too large to be one):
// the values stay as they were, a log line says why, and nothing is thrown.
TEST(Options, PasUnFichierDOptions) {
  DossierTemporaire d;
  creerDossier(d / "dossier.conf");
  ecrireFichierTest(d / "gros.conf", std::string(70000, '#') + "\nResX=800\n");
  const struct {
    std::string chemin;
    const char* raison;
  } cas[] = {{d / "dossier.conf", "pas un fichier ordinaire"}, {d / "gros.conf", "trop grand"}};
  for (const auto& c : cas) {
    Options o;
    o.ResX = 1234;
    CaptureJournal capture;
    EXPECT_NO_THROW(o.chargerDepuis(c.chemin)) << c.chemin;
    EXPECT_EQ(o.ResX, 1234);
    EXPECT_EQ(capture.lignes(),
              std::vector<std::string>{"Fichier ignoré : " + c.chemin + " (" + c.raison + ")"});
  }
}

TEST(Options, FichierAbsentGardeLesValeurs) {
  DossierTemporaire d;
  Options o;
  o.ResX = 1234;
  CaptureJournal capture;
  o.chargerDepuis(d / "absent.conf");
  EXPECT_EQ(o.ResX, 1234);
  EXPECT_TRUE(capture.lignes().empty());
}

TEST(Options, EcritureImpossibleGardeLAncienFichier) {
  // Two ways for the write to fail: the player made the file read-only (refused for every user,
  // root included), and a read-only folder (root writes there anyway: only checked for other
  // users).
  const struct {
    const char* nom;
    bool pourRoot;
    void (*empecher)(const std::string& conf);
    void (*retablir)(const std::string& conf);
  } cas[] = {
      {"fichier en lecture seule", true,
       [](const std::string& c) { chmod((c + "/options.conf").c_str(), 0444); },
       [](const std::string& c) { chmod((c + "/options.conf").c_str(), 0644); }},
      {"dossier en lecture seule", false, [](const std::string& c) { chmod(c.c_str(), 0555); },
       [](const std::string& c) { chmod(c.c_str(), 0755); }},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    if (!c.pourRoot && geteuid() == 0) continue;
    DossierTemporaire d;
    creerDossier(d / "conf");
    ecrireFichierTest(d / "conf/options.conf", "ResX=800\n");
    c.empecher(d / "conf");
    CaptureJournal capture;
    RaisonEcriture raison = RaisonEcriture::Aucune;
    EXPECT_FALSE(Options().sauvegarderVers(d / "conf/options.conf", &raison));
    c.retablir(d / "conf");
    EXPECT_EQ(raison, RaisonEcriture::LectureSeule);
    EXPECT_EQ(lireFichierTest(d / "conf/options.conf"), "ResX=800\n");
    EXPECT_EQ(capture.lignes().front(), "Save ResX=640");
    // A failure is no success: the log says the old file is kept, never "saved".
    EXPECT_FALSE(capture.contient("Options sauvegardées"));
    EXPECT_NE(capture.lignes().back().find("ancien fichier garde"), std::string::npos);
  }
}

TEST(Options, EcritureImpossibleNeLaisseRien) {
  DossierTemporaire d;
  CaptureJournal capture;
  // No such folder: nothing can be written, and the caller is told.
  RaisonEcriture raison = RaisonEcriture::Aucune;
  EXPECT_FALSE(Options().sauvegarderVers(d / "absent/options.conf", &raison));
  EXPECT_EQ(raison, RaisonEcriture::Impossible);
  EXPECT_FALSE(existeTest(d / "absent"));
  EXPECT_FALSE(capture.contient("Options sauvegardées"));
  // The target is a folder that cannot be replaced: the temporary file does not stay behind.
  creerDossier(d / "options.conf/x");
  EXPECT_FALSE(Options().sauvegarderVers(d / "options.conf", &raison));
  EXPECT_EQ(raison, RaisonEcriture::Dossier);
  EXPECT_FALSE(Options().sauvegarderClesVers(d / "options.conf", {"Langue"}, &raison));
  EXPECT_EQ(raison, RaisonEcriture::Dossier);
  EXPECT_EQ(listerFichiers(d.chemin(), "")->size(), 3u);  // ".", "..", options.conf/
  EXPECT_FALSE(capture.contient("Options sauvegardées"));
  EXPECT_TRUE(Options().sauvegarderVers(d / "bon.conf", &raison));
  EXPECT_EQ(raison, RaisonEcriture::Aucune);
  EXPECT_EQ(capture.lignes().back(), "Options sauvegardées");
}

TEST(Options, PermissionsDuFichierGardees) {
  DossierTemporaire d;
  ecrireFichierTest(d / "options.conf", "ResX=800\n");
  chmod((d / "options.conf").c_str(), 0640);
  CaptureJournal capture;
  Options().sauvegarderVers(d / "options.conf");
  struct stat st;
  ASSERT_EQ(stat((d / "options.conf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(Options, LangueAvecFinDeLigneNeCreePasDeCle) {
  DossierTemporaire d;
  Options o;
  o.Langue = "fr\nResX=1";
  CaptureJournal capture;
  o.sauvegarderVers(d / "options.conf");
  Options relu;
  relu.chargerDepuis(d / "options.conf");
  EXPECT_EQ(relu.ResX, 640);
  EXPECT_EQ(relu.Langue, "fr");
}

TEST(Options, ParLeRepertoireUtilisateur) {
  DossierTemporaire d;
  CaptureJournal capture;
  Repertoires r(d / "data/", d / "home/");
  Repertoires* ancien = repertoires;
  repertoires = &r;
  Options o;
  o.ResX = 1024;
  o.sauvegarder();
  Options relu;
  relu.charger();
  repertoires = ancien;
  EXPECT_TRUE(existeTest(d / "home/conf/options.conf"));
  EXPECT_EQ(relu.ResX, 1024);
}

TEST(Options, FiltrerCapacites) {
  const struct {
    bool cube, shader;
    bool reflets, fond, fondShader;
  } cas[] = {{true, true, true, true, true},
             {false, true, false, false, true},
             {true, false, true, true, false},
             {false, false, false, false, false}};
  for (const auto& c : cas) {
    Options o;
    o.FondShader = true;
    o.Bloom = true;
    o.filtrerCapacites(c.cube, c.shader);
    EXPECT_EQ(o.Reflets, c.reflets);
    EXPECT_EQ(o.Fond, c.fond);
    EXPECT_EQ(o.FondShader, c.fondShader);
    EXPECT_TRUE(o.Bloom);  // the start-up clears Bloom itself
  }
}

TEST(Options, ValeursSures) {
  const struct {
    int resX, resY, taille, div;
    int sureX, sureY, sureTaille, sureDiv;
  } cas[] = {
      {640, 480, 2, 2, 640, 480, 2, 2},         {0, -5, 2, 2, 640, 480, 2, 2},
      {100000, 100000, 2, 2, 8192, 8192, 2, 2}, {16384, 9000, 2, 2, 8192, 8192, 2, 2},
      {640, 480, 0, 0, 640, 480, 1, 1},         {640, 480, -3, -3, 640, 480, 1, 1},
      {640, 480, 5000, 2, 640, 480, 480, 1},    {640, 480, 2, 100000, 640, 480, 2, 240},
      {800, 600, 4, 3, 800, 600, 4, 3},
  };
  for (const auto& c : cas) {
    Options o;
    o.ResX = c.resX;
    o.ResY = c.resY;
    o.FondShaderTaille = c.taille;
    o.FondShaderDiv = c.div;
    EXPECT_EQ(o.resXSure(), c.sureX);
    EXPECT_EQ(o.resYSure(), c.sureY);
    EXPECT_EQ(o.fondShaderTailleSure(), c.sureTaille) << c.taille;
    EXPECT_EQ(o.fondShaderDivSure(), c.sureDiv) << c.div;
    // The stored values are not changed: they are what the file said.
    EXPECT_EQ(o.FondShaderTaille, c.taille);
  }
}

TEST(Options, UneCleSeuleChangeDansLeFichier) {
  Options o;
  o.Langue = "de";
  o.Fullscreen = true;
  o.AfficheIPS = true;  // not asked for: stays as the file has it
  const struct {
    const char* nom;
    const char* avant;  // nullptr: no file
    const char* apres;
  } cas[] = {
      {"cle remplacee, le reste intact", "# mine\nResX=1024\nLangue=fr\nAfficheIPS=0\nX=y\n",
       "# mine\nResX=1024\nLangue=de\nAfficheIPS=0\nX=y\n"},
      {"cle ajoutee a la fin", "ResX=800\n", "ResX=800\nLangue=de\n"},
      {"derniere ligne sans fin", "ResX=800", "ResX=800\nLangue=de\n"},
      {"commentaire garde", "#Langue=fr\nLangue=es\n", "#Langue=fr\nLangue=de\n"},
      {"fin de ligne CR LF gardee", "Langue=fr\r\nResX=9\r\n", "Langue=de\r\nResX=9\r\n"},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    DossierTemporaire d;
    ecrireFichierTest(d / "options.conf", c.avant);
    CaptureJournal capture;
    EXPECT_TRUE(o.sauvegarderClesVers(d / "options.conf", {"Langue"}));
    EXPECT_EQ(lireFichierTest(d / "options.conf"), c.apres);
    EXPECT_EQ(capture.lignes(),
              (std::vector<std::string>{"Save Langue=de", "Options sauvegardées"}));
  }
  // No file: the factory values with the keys asked for.
  DossierTemporaire d;
  CaptureJournal capture;
  EXPECT_TRUE(o.sauvegarderClesVers(d / "options.conf", {"Langue", "Fullscreen"}));
  Options relu;
  relu.chargerDepuis(d / "options.conf");
  Options attendu;
  attendu.Langue = "de";
  attendu.Fullscreen = true;
  EXPECT_EQ(relu, attendu);
}

TEST(Options, AncienFichierSansVolumesNiTouches) {
  const Options o = chargerTexte("ResX=800\nLangue=en\nAfficheIPS=1\n");
  EXPECT_EQ(o.VolumeMusique, 100);
  EXPECT_EQ(o.VolumeEffets, 100);
  EXPECT_EQ(o.ToucheGauche, 276);
  EXPECT_EQ(o.TouchePause, 27);
  const struct {
    int32_t pourcent, mixer;
  } cas[] = {{100, 128}, {0, 0}, {50, 64}, {-5, 0}, {250, 128}};
  for (const auto& c : cas) {
    Options v;
    v.VolumeMusique = v.VolumeEffets = c.pourcent;
    EXPECT_EQ(v.volumeMusiqueMixer(), c.mixer) << c.pourcent;
    EXPECT_EQ(v.volumeEffetsMixer(), c.mixer) << c.pourcent;
  }
}

}  // namespace
