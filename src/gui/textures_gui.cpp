#include "gui/textures_gui.h"

#include <string>

#include "base/journal.h"
#include "platform/repertoires.h"
#include "render/textures.h"

TexturesGui texturesGui;

void chargerTexturesGui() {
  auto img = [](const std::string& relatif) { return repertoires->chemin("imgs/" + relatif); };
  TexturesGui& t = texturesGui;

  // Whole glyph sheets, crisp and clamped.
  t.texPolice7 = chargerTexture(img("lettres/assci7.png"), TexClamp | TexPixels);
  t.texPolice8 = chargerTexture(img("lettres/assci8.png"), TexClamp | TexPixels);
  journal("Fonts ok");

  GLuint* cadre[] = {&t.texCentre, &t.texHautGauche, &t.texHaut,      &t.texHautDroite, &t.texGauche,
                     &t.texDroite, &t.texBasGauche,  &t.texBas,       &t.texBasDroite};
  const char* fichiersCadre[] = {"gui_fond", "gui_hg", "gui_h",  "gui_hd", "gui_g",
                                 "gui_d",    "gui_bg", "gui_b",  "gui_bd"};
  for (int i = 0; i < 9; ++i)
    *cadre[i] = chargerTexture(img(std::string("gui/") + fichiersCadre[i] + ".png"), 0);
  t.texFlecheHaut = chargerTexture(img("gui/haut.png"), TexClamp);
  t.texFlecheBas = chargerTexture(img("gui/bas.png"), TexClamp);
}
