#include "platform/options.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/journal.h"
#include "platform/repertoires.h"
#include "platform/touches_options.h"
#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "base/texte.h"

Options options;

const char* const FichierOptions = "conf/options.conf";

namespace {

// One key of the file. Exactly one of the three member pointers is set.
struct Cle {
  const char* nom;
  int32_t Options::*entier;
  bool Options::*booleen;
  std::string Options::*texte;
};

// In the order of the file (Langue comes before ModeDaltonien and AfficheIPS there).
const Cle CLES[] = {
    {"ResX", &Options::ResX, nullptr, nullptr},
    {"ResY", &Options::ResY, nullptr, nullptr},
    {"BPP", &Options::BPP, nullptr, nullptr},
    {"Multisample", &Options::Multisample, nullptr, nullptr},
    {"Fullscreen", nullptr, &Options::Fullscreen, nullptr},
    {"VSync", nullptr, &Options::VSync, nullptr},
    {"Reflets", nullptr, &Options::Reflets, nullptr},
    {"Fond", nullptr, &Options::Fond, nullptr},
    {"FondShader", nullptr, &Options::FondShader, nullptr},
    {"FondShaderTaille", &Options::FondShaderTaille, nullptr, nullptr},
    {"FondShaderDiv", &Options::FondShaderDiv, nullptr, nullptr},
    {"FondShaderIter", &Options::FondShaderIter, nullptr, nullptr},
    {"Bloom", nullptr, &Options::Bloom, nullptr},
    {"BloomPart", &Options::BloomPart, nullptr, nullptr},
    {"Langue", nullptr, nullptr, &Options::Langue},
    {"ModeDaltonien", nullptr, &Options::ModeDaltonien, nullptr},
    {"AfficheIPS", nullptr, &Options::AfficheIPS, nullptr},
    {"MenuTrenteImages", nullptr, &Options::MenuTrenteImages, nullptr},
    {"VolumeMusique", &Options::VolumeMusique, nullptr, nullptr},
    {"VolumeEffets", &Options::VolumeEffets, nullptr, nullptr},
    {"ToucheGauche", &Options::ToucheGauche, nullptr, nullptr},
    {"ToucheDroite", &Options::ToucheDroite, nullptr, nullptr},
    {"ToucheBombe", &Options::ToucheBombe, nullptr, nullptr},
    {"ToucheRecommencer", &Options::ToucheRecommencer, nullptr, nullptr},
    {"TouchePause", &Options::TouchePause, nullptr, nullptr},
    {"ToucheIndice", &Options::ToucheIndice, nullptr, nullptr},
    {"ToucheApercu", &Options::ToucheApercu, nullptr, nullptr},
    {"EchelleInterface", &Options::EchelleInterface, nullptr, nullptr},
};

// Longest line the reader takes (a 255-byte buffer); a longer one ends the reading.
constexpr size_t LigneMax = 254;

// The file the game writes is under 1 KiB: one many times larger is no options file.
constexpr size_t OptionsTailleMax = 64u << 10;

const char* const LangueParDefaut = "fr";

std::string cheminOptions() {
  return repertoires ? repertoires->chemin(FichierOptions) : std::string();
}

}  // namespace

Options::Options() {
  Langue = "";
  defauts();
}

void Options::defauts() {
  ResX = 640;
  ResY = 480;
  BPP = 32;
  Multisample = 1;
  Fullscreen = false;
  VSync = true;
  Reflets = true;
  Fond = true;
  FondShader = false;
  FondShaderTaille = 2;
  FondShaderDiv = 2;
  FondShaderIter = 15;
  Bloom = false;
  BloomPart = 5;
  ModeDaltonien = false;
  AfficheIPS = false;
  MenuTrenteImages = false;
  Langue = LangueParDefaut;
  VolumeMusique = 100;
  VolumeEffets = 100;
  // SDL's key symbols: left and right arrows, space, "r", Escape, "h", Tab.
  ToucheGauche = 276;
  ToucheDroite = 275;
  ToucheBombe = 32;
  ToucheRecommencer = 114;
  TouchePause = 27;
  ToucheIndice = 104;
  ToucheApercu = 9;
  EchelleInterface = 0;
}

bool Options::charger() {
  const std::string chemin = cheminOptions();
  return !chemin.empty() && chargerDepuis(chemin);
}

bool Options::chargerDepuis(const std::string& chemin) {
  std::string contenu;
  const Lecture lecture = lireFichierOrdinaire(chemin, OptionsTailleMax, contenu);
  if (lecture != Lecture::Lu) {
    // A missing file is the usual first run: the defaults, silently.
    if (lecture != Lecture::Absent) journal(ligneFichierIgnore(chemin, lecture));
    return false;
  }
  size_t pos = 0;
  for (;;) {
    // A line counts only with its line end: a last line without one is dropped.
    size_t fin = contenu.find('\n', pos);
    if (fin == std::string::npos) break;
    std::string ligne = contenu.substr(pos, fin - pos);
    pos = fin + 1;
    // The file is a text file: a CR LF line end (written on another system) reads as LF.
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    if (ligne.size() > LigneMax) {
      journal("Options : ligne de plus de 254 caracteres, fin de la lecture");
      break;
    }
    // The line is handled as a C string: a NUL byte ends it.
    size_t nul = ligne.find('\0');
    if (nul != std::string::npos) ligne.resize(nul);
    if (ligne.size() < 3 || ligne[0] == '#') continue;
    size_t premier = ligne.find('=');
    if (premier == std::string::npos) continue;  // a key without a value: nothing to take
    const std::string cle = ligne.substr(0, premier);
    const std::string valeur = ligne.substr(ligne.rfind('=') + 1);
    journal(cle + " : " + valeur);
    for (const Cle& c : CLES) {
      if (cle != c.nom) continue;
      if (c.entier) this->*c.entier = texteVersEntier(valeur.c_str());
      if (c.booleen) this->*c.booleen = texteVersBool(valeur.c_str(), false);
      if (c.texte) {
        // The code names a file of "lang/": nothing else may be reached through it. (An empty
        // code names no file there and is kept, as the file says.)
        if (valeur.empty() || codeLangueValide(valeur)) {
          this->*c.texte = valeur;
        } else {
          this->*c.texte = LangueParDefaut;
          journal("Options : code de langue invalide, langue " + std::string(LangueParDefaut));
        }
      }
    }
  }
  // A hand-edited file may give one key to two actions: one of them could never act.
  for (const std::string& ligne : reparerTouches(*this)) journal(ligne);
  return true;
}

bool Options::sauvegarder(RaisonEcriture* raison) const {
  const std::string chemin = cheminOptions();
  if (chemin.empty()) {
    journal("Options : aucun repertoire utilisateur, rien n'est ecrit");
    if (raison) *raison = RaisonEcriture::Impossible;
    return false;
  }
  return sauvegarderVers(chemin, raison);
}

std::string Options::valeurCle(const std::string& cle) const {
  for (const Cle& c : CLES) {
    if (cle != c.nom) continue;
    if (c.entier) {
      // Room for every int32 ("-2147483648"), so no digit is ever cut off.
      char tampon[12];
      entierVersTexte(this->*c.entier, tampon, 10, sizeof tampon);
      return tampon;
    }
    if (c.booleen) {
      char tampon[2];
      boolVersTexte(this->*c.booleen, tampon);
      return tampon;
    }
    // A line end (or NUL) inside the language code would break the line into another key.
    const std::string& valeur = this->*c.texte;
    return valeur.substr(0, valeur.find_first_of(std::string("\r\n\0", 3)));
  }
  return std::string();
}

namespace {

bool ecrireOptions(const std::string& chemin, const std::string& contenu, RaisonEcriture* raison) {
  if (remplacerFichier(chemin, contenu)) {
    journal("Options sauvegardées");
    if (raison) *raison = RaisonEcriture::Aucune;
    return true;
  }
  journal("Options : ecriture de " + chemin + " impossible, ancien fichier garde");
  if (raison) *raison = raisonEcriture(chemin);
  return false;
}

}  // namespace

bool Options::sauvegarderVers(const std::string& chemin, RaisonEcriture* raison) const {
  std::string contenu =
      "# Attention ce fichier sera modifié par le programme.\n"
      "# Caution this file will be overwrited by the program.\n\n";
  for (const Cle& c : CLES) {
    const std::string valeur = valeurCle(c.nom);
    contenu += std::string(c.nom) + "=" + valeur + "\n";
    journal("Save " + std::string(c.nom) + "=" + valeur);
  }
  return ecrireOptions(chemin, contenu, raison);
}

bool Options::sauvegarderCles(std::initializer_list<const char*> cles,
                              RaisonEcriture* raison) const {
  const std::string chemin = cheminOptions();
  if (chemin.empty()) {
    journal("Options : aucun repertoire utilisateur, rien n'est ecrit");
    if (raison) *raison = RaisonEcriture::Impossible;
    return false;
  }
  return sauvegarderClesVers(chemin, cles, raison);
}

bool Options::sauvegarderClesVers(const std::string& chemin,
                                  std::initializer_list<const char*> cles,
                                  RaisonEcriture* raison) const {
  std::string contenu;
  const Lecture lecture = lireFichierOrdinaire(chemin, OptionsTailleMax, contenu);
  if (lecture == Lecture::Absent) {
    // No file yet: the factory values, with these keys as this record has them.
    Options fichier;
    for (const char* cle : cles) fichier.prendreCle(cle, valeurCle(cle));
    return fichier.sauvegarderVers(chemin, raison);
  }
  if (lecture != Lecture::Lu) {
    // Something the player put there that is no options file: not ours to replace.
    journal(ligneFichierIgnore(chemin, lecture));
    if (raison) *raison = raisonEcriture(chemin);
    return false;
  }
  std::vector<bool> vues(cles.size(), false);
  std::string sortie;
  size_t pos = 0;
  while (pos < contenu.size()) {
    size_t fin = contenu.find('\n', pos);
    const bool finDeLigne = fin != std::string::npos;
    if (!finDeLigne) fin = contenu.size();
    std::string ligne = contenu.substr(pos, fin - pos);
    pos = fin + 1;
    const bool cr = !ligne.empty() && ligne.back() == '\r';
    const size_t egal = ligne.find('=');
    if (finDeLigne && !ligne.empty() && ligne[0] != '#' && egal != std::string::npos) {
      const std::string cle = ligne.substr(0, egal);
      size_t i = 0;
      for (const char* c : cles) {
        if (cle == c) {
          ligne = cle + "=" + valeurCle(cle) + (cr ? "\r" : "");
          vues[i] = true;
        }
        ++i;
      }
    }
    sortie += ligne;
    if (finDeLigne) sortie += "\n";
  }
  // The reader drops a last line without its end: it gets one before anything is added.
  if (!sortie.empty() && sortie.back() != '\n') sortie += "\n";
  size_t i = 0;
  for (const char* c : cles) {
    if (!vues[i++]) sortie += std::string(c) + "=" + valeurCle(c) + "\n";
  }
  for (const char* c : cles) journal("Save " + std::string(c) + "=" + valeurCle(c));
  return ecrireOptions(chemin, sortie, raison);
}

void Options::prendreCle(const std::string& cle, const std::string& valeur) {
  for (const Cle& c : CLES) {
    if (cle != c.nom) continue;
    if (c.entier) this->*c.entier = texteVersEntier(valeur.c_str());
    if (c.booleen) this->*c.booleen = texteVersBool(valeur.c_str(), false);
    if (c.texte) this->*c.texte = valeur;
  }
}

std::unique_ptr<Options> Options::copier() const { return std::make_unique<Options>(*this); }

void Options::filtrerCapacites(bool cubeMapDisponible, bool shaderDisponible) {
  if (!cubeMapDisponible) {
    Reflets = false;
    Fond = false;
  }
  if (!shaderDisponible) FondShader = false;
}

namespace {
// Derived textures (bloom, fractal background) are a power of two at least this size: 8192 is
// already 256 MiB for the bloom alone.
constexpr int ResolutionMax = 8192;
}

int Options::resXSure() const { return ResX < 1 ? 640 : std::min(ResX, ResolutionMax); }
int Options::resYSure() const { return ResY < 1 ? 480 : std::min(ResY, ResolutionMax); }

int Options::fondShaderTailleSure() const {
  return std::clamp(FondShaderTaille, 1, std::min(resXSure(), resYSure()));
}

int Options::fondShaderDivSure() const {
  return std::clamp(FondShaderDiv, 1, std::max(1, resYSure() / fondShaderTailleSure()));
}

int Options::volumeMusiqueMixer() const { return std::clamp(VolumeMusique, 0, 100) * 128 / 100; }
int Options::volumeEffetsMixer() const { return std::clamp(VolumeEffets, 0, 100) * 128 / 100; }

bool Options::operator==(const Options& o) const {
  return ResX == o.ResX && ResY == o.ResY && BPP == o.BPP && Multisample == o.Multisample &&
         Fullscreen == o.Fullscreen && VSync == o.VSync && Reflets == o.Reflets && Fond == o.Fond &&
         FondShader == o.FondShader && FondShaderTaille == o.FondShaderTaille &&
         FondShaderDiv == o.FondShaderDiv && FondShaderIter == o.FondShaderIter &&
         Bloom == o.Bloom && BloomPart == o.BloomPart && ModeDaltonien == o.ModeDaltonien &&
         AfficheIPS == o.AfficheIPS && MenuTrenteImages == o.MenuTrenteImages &&
         Langue == o.Langue && VolumeMusique == o.VolumeMusique && VolumeEffets == o.VolumeEffets &&
         ToucheGauche == o.ToucheGauche && ToucheDroite == o.ToucheDroite &&
         ToucheBombe == o.ToucheBombe && ToucheRecommencer == o.ToucheRecommencer &&
         TouchePause == o.TouchePause && ToucheIndice == o.ToucheIndice &&
         ToucheApercu == o.ToucheApercu && EchelleInterface == o.EchelleInterface;
}
