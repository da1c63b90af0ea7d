#include "render/reglages_scene.h"

#include "base/etat.h"
#include "platform/options.h"
#include "render/glext.h"
#include "render/textures.h"

ReglagesScene reglagesScene() {
  ReglagesScene r;
  r.daltonien = options.ModeDaltonien;
  r.reflets = options.Reflets;
  r.editeur = modeEditeur;
  r.textures = &textures;
  r.glext = glext;
  return r;
}
