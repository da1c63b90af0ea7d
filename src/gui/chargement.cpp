#include "gui/chargement.h"

#include <memory>
#include <string>

#include "base/journal.h"
#include "platform/repertoires.h"
#include "render/textures.h"

void remplirStyles(Gui& g, const TexturesCadre& t) {
  StyleGUI b;
  b.texCentre = t.centre;
  b.texHaut = t.haut;
  b.texBas = t.bas;
  b.texDroite = t.droite;
  b.texGauche = t.gauche;
  b.texHautDroite = t.hautDroite;
  b.texBasDroite = t.basDroite;
  b.texHautGauche = t.hautGauche;
  b.texBasGauche = t.basGauche;
  b.bordureHaut = b.bordureBas = b.bordureGauche = b.bordureDroite = 2;
  b.modeX = 1;
  b.valeurX = 4;
  b.modeY = 0;
  b.valeurY = 2;
  b.couleurTexte[0] = b.couleurTexte[1] = b.couleurTexte[2] = 1;
  g.styleBouton = b;
  g.stylePanneau = b;
  g.styleSaisie = b;
  g.styleListe = b;
  g.styleListe.flecheHaut = t.flecheHaut;
  g.styleListe.flecheBas = t.flecheBas;
  g.styleListe.flecheHautLargeur = g.styleListe.flecheBasLargeur = 16;
  g.styleListe.flecheHautHauteur = g.styleListe.flecheBasHauteur = 20;

  StyleGUI i;
  i.modeX = i.modeY = i.valeurX = i.valeurY = 1;
  i.couleurTexte[0] = i.couleurTexte[1] = i.couleurTexte[2] = 1;
  g.styleImage = i;
  g.styleLabel = i;
}

void chargerImagesGui(Gui& g) {
  auto img = [](const std::string& relatif) { return repertoires->chemin("imgs/" + relatif); };
  auto police = std::make_unique<FontGUI>(17, '?');
  police->chargerImage(img("lettres/assci7.png"), 0x21, 0x7F);
  police->chargerImage(img("lettres/assci8.png"), 0x80, 0xFF);
  g.setPolice(std::move(police));
  journal("Fonts ok");

  TexturesCadre t;
  GLuint* pieces[] = {&t.centre, &t.hautGauche, &t.haut, &t.hautDroite, &t.gauche,
                      &t.droite, &t.basGauche,  &t.bas,  &t.basDroite};
  const char* fichiers[] = {"gui_fond", "gui_hg", "gui_h", "gui_hd", "gui_g",
                            "gui_d",    "gui_bg", "gui_b", "gui_bd"};
  for (int k = 0; k < 9; ++k)
    *pieces[k] = chargerTexture(img(std::string("gui/") + fichiers[k] + ".png"), 0);
  t.flecheHaut = chargerTexture(img("gui/haut.png"), TexClamp);
  t.flecheBas = chargerTexture(img("gui/bas.png"), TexClamp);
  remplirStyles(g, t);
}
