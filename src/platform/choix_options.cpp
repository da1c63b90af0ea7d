#include "platform/choix_options.h"

#include <algorithm>

std::string texteLigneAntialias(int ligne) {
  return ligne == 0 ? "OFF" : std::to_string(1 << ligne);
}

std::string texteMode(const ModeEcran& m) {
  return std::to_string(m.largeur) + " x " + std::to_string(m.hauteur);
}

ModeEcran tailleFenetreInitiale(int largeurBureau, int hauteurBureau) {
  if (largeurBureau < 1 || hauteurBureau < 1) return {640, 480};
  return {std::min(largeurBureau, std::max(640, largeurBureau * 2 / 3)),
          std::min(hauteurBureau, std::max(480, hauteurBureau * 2 / 3))};
}

std::vector<ModeEcran> modesProposes(const std::vector<ModeEcran>& modesSDL, int largeurBureau,
                                     int hauteurBureau) {
  // Windows in the usual shapes (4:3, 16:10, 16:9) from the smallest the layouts take up.
  static const ModeEcran Courants[] = {{640, 480},   {800, 600},   {1024, 768},  {1280, 720},
                                       {1280, 800},  {1280, 960},  {1366, 768},  {1440, 900},
                                       {1600, 900},  {1600, 1200}, {1920, 1080}, {1920, 1200},
                                       {2560, 1440}, {3840, 2160}};
  std::vector<ModeEcran> modes;
  auto ajouter = [&](const ModeEcran& m) {
    if (std::find(modes.begin(), modes.end(), m) == modes.end()) modes.push_back(m);
  };
  for (const ModeEcran& m : modesSDL) ajouter(m);
  const bool bureauConnu = largeurBureau > 0 && hauteurBureau > 0;
  for (const ModeEcran& m : Courants)
    if (!bureauConnu || (m.largeur <= largeurBureau && m.hauteur <= hauteurBureau)) ajouter(m);
  std::stable_sort(modes.begin(), modes.end(), [](const ModeEcran& a, const ModeEcran& b) {
    return a.largeur != b.largeur ? a.largeur > b.largeur : a.hauteur > b.hauteur;
  });
  return modes;
}

int echelleSuivante(int echelle) {
  return echelle >= 0 && echelle + 1 < NbEchelles ? echelle + 1 : 0;
}

ChoixOptions choixDepuisOptions(const Options& o, const std::vector<ModeEcran>& modesSDL,
                                bool cubeMapDisponible, bool shaderDisponible) {
  ChoixOptions c;
  for (const ModeEcran& m : modesSDL)
    if (m.largeur >= 640 && m.hauteur >= 480 &&
        std::find(c.modes.begin(), c.modes.end(), m) == c.modes.end())
      c.modes.push_back(m);
  const ModeEcran actuel{o.ResX, o.ResY};
  const auto trouve = std::find(c.modes.begin(), c.modes.end(), actuel);
  if (trouve != c.modes.end()) {
    c.ligneResolution = static_cast<int>(trouve - c.modes.begin());
  } else if (!c.modes.empty() && actuel.largeur >= 640 && actuel.hauteur >= 480) {
    c.modes.insert(c.modes.begin(), actuel);
    c.ligneResolution = 0;
  }

  const int echantillons = std::max(o.Multisample, 1);
  c.ligneAntialias = 0;
  for (int i = 0; i < NbLignesAntialias; ++i)
    if ((1 << i) == echantillons) c.ligneAntialias = i;

  c.pleinEcran = o.Fullscreen;
  c.vsync = o.VSync;
  c.afficheIPS = o.AfficheIPS;
  c.menuTrenteImages = o.MenuTrenteImages;
  c.daltonien = o.ModeDaltonien;
  c.avecCubeMap = cubeMapDisponible;
  c.reflets = o.Reflets;
  c.fond = o.Fond;
  c.avecShaders = shaderDisponible;
  c.fondShader = o.FondShader;
  c.nettete = 11 - o.FondShaderTaille;
  c.vitesse = 5 - o.FondShaderDiv;
  c.iterations = o.FondShaderIter;
  // A hand-edited value out of range reads as automatic, which is also what the GUI makes of it.
  c.echelle = o.EchelleInterface >= 0 && o.EchelleInterface < NbEchelles ? o.EchelleInterface : 0;
  return c;
}

Options optionsDepuisChoix(const Options& o, const ChoixOptions& c) {
  Options copie = *o.copier();
  if (c.ligneResolution >= 0 && c.ligneResolution < static_cast<int>(c.modes.size())) {
    copie.ResX = c.modes[c.ligneResolution].largeur;
    copie.ResY = c.modes[c.ligneResolution].hauteur;
  }
  if (c.ligneAntialias >= 0 && c.ligneAntialias < NbLignesAntialias)
    copie.Multisample = 1 << c.ligneAntialias;
  copie.Fullscreen = c.pleinEcran;
  copie.VSync = c.vsync;
  copie.AfficheIPS = c.afficheIPS;
  copie.MenuTrenteImages = c.menuTrenteImages;
  copie.ModeDaltonien = c.daltonien;
  copie.EchelleInterface = c.echelle;
  if (c.avecCubeMap) {
    copie.Reflets = c.reflets;
    copie.Fond = c.fond;
  }
  if (c.avecShaders) {
    copie.FondShader = c.fondShader;
    copie.FondShaderTaille = 11 - c.nettete;
    copie.FondShaderDiv = 5 - c.vitesse;
    copie.FondShaderIter = c.iterations;
  }
  return copie;
}

bool redemarrageNecessaire(const Options& avant, const Options& apres) {
  Options sansReglagesVivants = apres;
  sansReglagesVivants.MenuTrenteImages = avant.MenuTrenteImages;
  sansReglagesVivants.VolumeMusique = avant.VolumeMusique;
  sansReglagesVivants.VolumeEffets = avant.VolumeEffets;
  sansReglagesVivants.ToucheGauche = avant.ToucheGauche;
  sansReglagesVivants.ToucheDroite = avant.ToucheDroite;
  sansReglagesVivants.ToucheBombe = avant.ToucheBombe;
  sansReglagesVivants.ToucheRecommencer = avant.ToucheRecommencer;
  sansReglagesVivants.TouchePause = avant.TouchePause;
  sansReglagesVivants.ToucheIndice = avant.ToucheIndice;
  sansReglagesVivants.ToucheApercu = avant.ToucheApercu;
  sansReglagesVivants.EchelleInterface = avant.EchelleInterface;
  return sansReglagesVivants != avant;
}
