#include "platform/choix_options.h"

#include <algorithm>

std::string texteLigneAntialias(int ligne) {
  return ligne == 0 ? "OFF" : std::to_string(1 << ligne);
}

std::string texteMode(const ModeEcran& m) {
  return std::to_string(m.largeur) + " x " + std::to_string(m.hauteur);
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
  return sansReglagesVivants != avant;
}
