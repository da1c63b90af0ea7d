#pragma once
// The player's settings, one field per key of the options file "conf/options.conf".
#include <cstdint>
#include <memory>
#include <initializer_list>
#include <string>

#include "base/raison_ecriture.h"

class Options {
 public:
  int32_t ResX;
  int32_t ResY;
  int32_t BPP;
  int32_t Multisample;
  bool Fullscreen;
  bool VSync;
  bool Reflets;
  bool Fond;
  bool FondShader;
  int32_t FondShaderTaille;
  int32_t FondShaderDiv;
  int32_t FondShaderIter;
  bool Bloom;
  int32_t BloomPart;
  bool ModeDaltonien;
  bool AfficheIPS;
  // The menus at 30 frames a second instead of the display's pace: half the work on a laptop.
  bool MenuTrenteImages;
  std::string Langue;
  // Sound volumes in percent (0..100), applied at once; a file without them gives 100.
  int32_t VolumeMusique;
  int32_t VolumeEffets;
  // The play keys, as SDL key symbols (SDLK_*): arrows, space, R, Escape and H by default; one
  // action per key (platform/touches_options.h, applied when the file is read).
  int32_t ToucheGauche;
  int32_t ToucheDroite;
  int32_t ToucheBombe;
  int32_t ToucheRecommencer;
  int32_t TouchePause;
  int32_t ToucheIndice;  // the hint, once offered
  int32_t ToucheApercu;  // held: the whole level in view (Tab)
  // The GUI's scale: 0 follows the window (gui/echelle.h), 1..4 the player's factor.
  int32_t EchelleInterface;

  Options();

  // Every field to its factory value (640 x 480, 32 bits, windowed, "fr", ...).
  void defauts();

  // Reads "conf/options.conf" (through the global `repertoires`) into this record; fields the
  // file does not mention keep their values. A missing file changes nothing. True when a file
  // was read (a first start has none).
  bool charger();
  bool chargerDepuis(const std::string& chemin);

  // Writes this record to "conf/options.conf". The file is written beside the old one and then
  // renamed over it, so an interrupted write never leaves a truncated file. False when it could
  // not be written (the old file is kept, `raison` says why, and "Options sauvegardées" is not
  // logged).
  bool sauvegarder(RaisonEcriture* raison = nullptr) const;
  bool sauvegarderVers(const std::string& chemin, RaisonEcriture* raison = nullptr) const;

  // Writes only the keys `cles` of this record into the stored file: every other line stays as
  // the player's file has it (the running record may hold values the start-up lowered, or the
  // defaults of "--default"). A key the file lacks is added at its end; a missing file is made
  // from the defaults with these keys. A file that is no options file (a folder, too large) is
  // left alone. False when nothing could be written.
  bool sauvegarderCles(std::initializer_list<const char*> cles,
                       RaisonEcriture* raison = nullptr) const;
  bool sauvegarderClesVers(const std::string& chemin, std::initializer_list<const char*> cles,
                           RaisonEcriture* raison = nullptr) const;
  // The text of key `cle` as the file holds it ("" for an unknown key).
  std::string valeurCle(const std::string& cle) const;
  // Sets the field of key `cle` from its text, as the reader does (unknown key: nothing).
  void prendreCle(const std::string& cle, const std::string& valeur);

  std::unique_ptr<Options> copier() const;

  // Switches off what the graphics driver cannot do: without cube maps no reflections and no 3D
  // background; without shaders no fractal background.
  void filtrerCapacites(bool cubeMapDisponible, bool shaderDisponible);

  // The values as their users may safely take them: the file is read without range checks, so a
  // hand-edited 0 or a huge number must not divide by zero or allocate absurdly.
  // Window size: 1..8192, and below 1 the factory size (640 x 480).
  int resXSure() const;
  int resYSure() const;
  // Divisor of the window size for the fractal background: 1..min(width, height), so the
  // background textures are at least one pixel wide and high.
  int fondShaderTailleSure() const;
  // Number of frames (slices) per fractal image: 1..height of the background texture, so every
  // slice has at least one row.
  int fondShaderDivSure() const;
  // A volume as the mixer takes it: 0..128 from the clamped percentage.
  int volumeMusiqueMixer() const;
  int volumeEffetsMixer() const;

  bool operator==(const Options& autre) const;
  bool operator!=(const Options& autre) const { return !(*this == autre); }
};

extern Options options;

// The options file, data-relative.
extern const char* const FichierOptions;
