#pragma once
// What the board drawing takes from the settings and the GL set-up. dessinerImage reads the
// globals once per picture and passes this record down, so the board drawing depends only on its
// arguments (and tests can set them).
class GlExt;
struct TableTextures;

struct ReglagesScene {
  bool daltonien = false;  // win and lose cells carry their signs
  bool reflets = false;    // asked for; used only with the sky cube map and the entry points
  bool editeur = false;    // the cells only the editor shows
  const TableTextures* textures = nullptr;  // none: every cell untextured
  const GlExt* glext = nullptr;             // none: no reflections
};

// The record as the options, modeEditeur, textures and glext are now.
ReglagesScene reglagesScene();
