#pragma once
// The player's settings, one field per key of the options file "conf/options.conf".
#include <cstdint>
#include <memory>
#include <string>

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

  Options();

  // Every field to its factory value (640 x 480, 32 bits, windowed, "fr", ...).
  void defauts();

  // Reads "conf/options.conf" (through the global `repertoires`) into this record; fields the
  // file does not mention keep their values. A missing file changes nothing.
  void charger();
  void chargerDepuis(const std::string& chemin);

  // Writes this record to "conf/options.conf". The file is written beside the old one and then
  // renamed over it, so an interrupted write never leaves a truncated file.
  void sauvegarder() const;
  void sauvegarderVers(const std::string& chemin) const;

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

  bool operator==(const Options& autre) const;
  bool operator!=(const Options& autre) const { return !(*this == autre); }
};

extern Options options;

// The options file, data-relative.
extern const char* const FichierOptions;
