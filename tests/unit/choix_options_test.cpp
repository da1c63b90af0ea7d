#include <gtest/gtest.h>

#include "platform/choix_options.h"

namespace {

using Modes = std::vector<ModeEcran>;

std::vector<std::string> lignes(const ChoixOptions& c) {
  std::vector<std::string> r;
  for (const auto& m : c.modes) r.push_back(texteMode(m));
  return r;
}

TEST(ChoixOptions, Resolutions) {
  const Modes bureau = {{1920, 1080}, {1280, 1024}, {800, 600}, {640, 480},
                        {640, 400},   {320, 240},   {800, 600}};
  const struct {
    int resX, resY;
    Modes modes;
    std::vector<std::string> lignes;
    int selection;
    int resXSauve, resYSauve;  // after confirming without touching the list
  } cas[] = {
      {800, 600, bureau, {"1920 x 1080", "1280 x 1024", "800 x 600", "640 x 480"}, 2, 800, 600},
      // a window size that is no display mode stays first and selected
      {1000,
       700,
       bureau,
       {"1000 x 700", "1920 x 1080", "1280 x 1024", "800 x 600", "640 x 480"},
       0,
       1000,
       700},
      // a size below 640 x 480 is never offered: the first mode is selected
      {320, 240, bureau, {"1920 x 1080", "1280 x 1024", "800 x 600", "640 x 480"}, 0, 1920, 1080},
      // no list (or "any size"): nothing offered, the size is kept
      {1024, 768, {}, {}, 0, 1024, 768},
      {1024, 768, {{320, 200}}, {}, 0, 1024, 768},
  };
  for (const auto& c : cas) {
    Options o;
    o.ResX = c.resX;
    o.ResY = c.resY;
    const ChoixOptions choix = choixDepuisOptions(o, c.modes, true, true);
    EXPECT_EQ(lignes(choix), c.lignes) << c.resX;
    EXPECT_EQ(choix.ligneResolution, c.selection) << c.resX;
    const Options sauve = optionsDepuisChoix(o, choix);
    EXPECT_EQ(sauve.ResX, c.resXSauve) << c.resX;
    EXPECT_EQ(sauve.ResY, c.resYSauve) << c.resX;
  }
  // Choosing another row saves its size.
  Options o;
  ChoixOptions choix = choixDepuisOptions(o, bureau, true, true);
  choix.ligneResolution = 1;
  EXPECT_EQ(optionsDepuisChoix(o, choix).ResX, 1280);
  EXPECT_EQ(optionsDepuisChoix(o, choix).ResY, 1024);
}

TEST(ChoixOptions, Antialias) {
  const struct {
    int multisample, ligne, sauve;
  } cas[] = {{1, 0, 1}, {0, 0, 1},   {-3, 0, 1}, {2, 1, 2}, {4, 2, 4},
             {8, 3, 8}, {16, 4, 16}, {3, 0, 1},  {32, 0, 1}};
  for (const auto& c : cas) {
    Options o;
    o.Multisample = c.multisample;
    const ChoixOptions choix = choixDepuisOptions(o, {}, true, true);
    EXPECT_EQ(choix.ligneAntialias, c.ligne) << c.multisample;
    EXPECT_EQ(optionsDepuisChoix(o, choix).Multisample, c.sauve) << c.multisample;
  }
  const std::vector<std::string> textes = {"OFF", "2", "4", "8", "16"};
  for (int i = 0; i < NbLignesAntialias; ++i) EXPECT_EQ(texteLigneAntialias(i), textes[i]);
}

TEST(ChoixOptions, NetteteVitesseIterations) {
  const struct {
    int taille, div, iter;  // in the options
    int nettete, vitesse;   // shown
    int netteteChoisie, vitesseChoisie, iterChoisie;
    int tailleSauvee, divSauvee;
  } cas[] = {
      {2, 2, 15, 9, 3, 10, 4, 60, 1, 1},
      {10, 4, 8, 1, 1, 1, 1, 8, 10, 4},
      {1, 1, 60, 10, 4, 9, 3, 15, 2, 2},
  };
  for (const auto& c : cas) {
    Options o;
    o.FondShaderTaille = c.taille;
    o.FondShaderDiv = c.div;
    o.FondShaderIter = c.iter;
    ChoixOptions choix = choixDepuisOptions(o, {}, true, true);
    EXPECT_EQ(choix.nettete, c.nettete);
    EXPECT_EQ(choix.vitesse, c.vitesse);
    EXPECT_EQ(choix.iterations, c.iter);
    EXPECT_EQ(optionsDepuisChoix(o, choix), o);  // untouched values come back unchanged
    choix.nettete = c.netteteChoisie;
    choix.vitesse = c.vitesseChoisie;
    choix.iterations = c.iterChoisie;
    const Options s = optionsDepuisChoix(o, choix);
    EXPECT_EQ(s.FondShaderTaille, c.tailleSauvee);
    EXPECT_EQ(s.FondShaderDiv, c.divSauvee);
    EXPECT_EQ(s.FondShaderIter, c.iterChoisie);
  }
}

TEST(ChoixOptions, CasesEtLignesCacheesSansCapacites) {
  Options o;
  o.Reflets = true;
  o.Fond = false;
  o.FondShader = true;
  o.FondShaderTaille = 3;
  o.FondShaderDiv = 4;
  o.FondShaderIter = 20;
  o.Bloom = true;
  o.BloomPart = 7;
  o.BPP = 16;
  o.Langue = "de";
  const struct {
    bool cube, shaders;
  } cas[] = {{true, true}, {false, true}, {true, false}, {false, false}};
  for (const auto& c : cas) {
    ChoixOptions choix = choixDepuisOptions(o, {}, c.cube, c.shaders);
    EXPECT_EQ(choix.avecCubeMap, c.cube);
    EXPECT_EQ(choix.avecShaders, c.shaders);
    // The player flips every box and moves every number.
    choix.pleinEcran = choix.vsync = choix.afficheIPS = choix.daltonien = true;
    choix.menuTrenteImages = true;
    choix.reflets = false;
    choix.fond = true;
    choix.fondShader = false;
    choix.nettete = 5;
    choix.vitesse = 2;
    choix.iterations = 40;
    const Options s = optionsDepuisChoix(o, choix);
    EXPECT_TRUE(s.Fullscreen && s.AfficheIPS && s.ModeDaltonien && s.VSync && s.MenuTrenteImages);
    EXPECT_EQ(s.Reflets, c.cube ? false : true) << c.cube;
    EXPECT_EQ(s.Fond, c.cube ? true : false) << c.cube;
    EXPECT_EQ(s.FondShader, c.shaders ? false : true) << c.shaders;
    EXPECT_EQ(s.FondShaderTaille, c.shaders ? 6 : 3);
    EXPECT_EQ(s.FondShaderDiv, c.shaders ? 3 : 4);
    EXPECT_EQ(s.FondShaderIter, c.shaders ? 40 : 20);
    // Never on the screen: kept.
    EXPECT_TRUE(s.Bloom);
    EXPECT_EQ(s.BloomPart, 7);
    EXPECT_EQ(s.BPP, 16);
    EXPECT_EQ(s.Langue, "de");
  }
}

}  // namespace

TEST(ChoixOptions, SeulsLesReglagesDeLaFenetreDemandentLeRedemarrage) {
  const Options avant;
  const struct {
    const char* nom;
    void (*changer)(Options&);
    bool redemarrage;
  } cas[] = {
      {"rien", [](Options&) {}, false},
      {"volumes",
       [](Options& o) {
         o.VolumeMusique = 30;
         o.VolumeEffets = 0;
       },
       false},
      {"touches",
       [](Options& o) {
         o.ToucheGauche = 97;
         o.TouchePause = 112;
       },
       false},
      {"plein ecran", [](Options& o) { o.Fullscreen = true; }, true},
      {"resolution et volume",
       [](Options& o) {
         o.ResX = 800;
         o.VolumeEffets = 10;
       },
       true},
      {"daltonien", [](Options& o) { o.ModeDaltonien = true; }, true},
      {"echelle", [](Options& o) { o.EchelleInterface = 2; }, false},
  };
  for (const auto& c : cas) {
    Options apres = avant;
    c.changer(apres);
    EXPECT_EQ(redemarrageNecessaire(avant, apres), c.redemarrage) << c.nom;
  }
}

TEST(ChoixOptions, EchelleAutoPuisUnAQuatre) {
  const struct { int fichier, montre; } cas[] = {{0, 0}, {1, 1}, {4, 4}, {5, 0}, {-3, 0}};
  for (const auto& c : cas) {
    Options o;
    o.EchelleInterface = c.fichier;
    ChoixOptions choix = choixDepuisOptions(o, {}, true, true);
    EXPECT_EQ(choix.echelle, c.montre) << c.fichier;
    EXPECT_EQ(optionsDepuisChoix(o, choix).EchelleInterface, c.montre) << c.fichier;
  }
  // A click moves through Auto, 1, 2, 3, 4 and back to Auto.
  int e = 0;
  std::vector<int> vus;
  for (int i = 0; i < 6; ++i) vus.push_back(e = echelleSuivante(e));
  EXPECT_EQ(vus, (std::vector<int>{1, 2, 3, 4, 0, 1}));
}

TEST(ChoixOptions, FenetreDuPremierDemarrage) {
  const struct {
    int largeurBureau, hauteurBureau;
    ModeEcran attendue;
  } cas[] = {
      {1920, 1080, {1280, 720}}, {3840, 2160, {2560, 1440}}, {1280, 1024, {853, 682}},
      {1024, 768, {682, 512}},   {800, 600, {640, 480}},     {640, 480, {640, 480}},
      {600, 400, {600, 400}},  // smaller than the layouts: the whole desktop, never more
      {0, 0, {640, 480}},        {2560, 1080, {1706, 720}},
  };
  for (const auto& c : cas) {
    const ModeEcran m = tailleFenetreInitiale(c.largeurBureau, c.hauteurBureau);
    EXPECT_EQ(m, c.attendue) << c.largeurBureau << "x" << c.hauteurBureau << " -> " << texteMode(m);
  }
}

TEST(ChoixOptions, ModesDuBureauEtTaillesCourantes) {
  const Modes sdl = {{1920, 1080}, {1680, 1050}, {1280, 1024}, {1920, 1080}};
  const Modes proposes = modesProposes(sdl, 1920, 1080);
  std::vector<std::string> textes;
  for (const auto& m : proposes) textes.push_back(texteMode(m));
  const std::vector<std::string> attendus = {
      "1920 x 1080", "1680 x 1050", "1600 x 900", "1440 x 900", "1366 x 768", "1280 x 1024",
      "1280 x 960",  "1280 x 800",  "1280 x 720", "1024 x 768", "800 x 600",  "640 x 480"};
  EXPECT_EQ(textes, attendus);
  // An unknown desktop: every common size, up to 3840 x 2160.
  const Modes tous = modesProposes({}, 0, 0);
  ASSERT_FALSE(tous.empty());
  EXPECT_EQ(tous.front(), (ModeEcran{3840, 2160}));
  EXPECT_EQ(tous.back(), (ModeEcran{640, 480}));
}
