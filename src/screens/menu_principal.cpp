#include "screens/menu_principal.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "gui/mise_en_page.h"
#include "gui/widgets.h"
#include "platform/langues.h"
#include "platform/processus.h"
#include "platform/repertoires.h"
#include "render/textures.h"
#include "screens/boucle_ecran.h"
#include "screens/bilan_fichier.h"
#include "screens/cadre_menus.h"
#include "screens/fond_menu.h"
#include "screens/catalogue_menu.h"
#include "screens/choix_niveau.h"
#include "sound/sons.h"

namespace {

// Where a hidden choice goes: out of sight and out of reach.
constexpr int HorsEcran = 30000;

// Width in pixels of a marked-up text drawn on one line.
int largeurTexte(const std::string& texte) {
  if (!gui->police()) return 0;
  std::vector<GlyphePlace> places;
  const float blanc[3] = {1, 1, 1};
  mettreEnPage(codesTexte(texte), *gui->police(), StyleTexte(), blanc, 1 << 20, places);
  return places.empty() ? 0 : places.back().x + places.back().avance;
}

// Spaces up to pixel `x` of a line already `largeur` wide (a space is a quarter of a line).
std::string espacesJusqua(int largeur, int x) {
  const int espace = gui->police() ? std::max(1, gui->police()->taille() / 4) : 4;
  return std::string(static_cast<size_t>(std::max(0, (x - largeur) / espace)), ' ');
}

// The credits line, W - 500 from the left: the manual's name under the first link zone (20..160
// of the line), the credits page's under the second (375..500), the game's name between them.
std::string ligneCredits() {
  const std::string lien = "<u1><cffdd77>", fin = "<u><cffffff>";
  std::string ligne = espacesJusqua(0, 24) + lien + traducteur->traduire("LienManuel") + fin;
  ligne += espacesJusqua(largeurTexte(ligne), 235) + "Zarvinel";
  ligne +=
      espacesJusqua(largeurTexte(ligne), 380) + lien + traducteur->traduire("LienCredits") + fin;
  return ligne;
}

}  // namespace

int menuPrincipal(std::string& chemin) {
  int premier = 1;
  return menuPrincipal(chemin, premier);
}

int menuPrincipal(std::string& chemin, int& premierNiveau) {
  int resultat = -1;
  premierNiveau = 1;
  const int W = gui->largeur, H = gui->hauteur;
  CatalogueMenu catalogue(resultat);
  ChoixNiveau choixNiveau;

  // Play, Opt, Langue, Quit and the links: a click sets the result to the choice's data; Edit
  // only while the selected file may be edited.
  const auto choisir = [&](int donnee) {
    return surClic([&, donnee] {
      if (donnee == MenuEditer && !catalogue.selectionModifiable()) return;
      if (donnee == MenuJouer && !catalogue.selection()) return;  // nothing to play
      resultat = donnee;
    });
  };
  const RappelGUI nouveau = surClic([&] { catalogue.basculerSaisieNom(); });

  struct Choix {
    GLuint texture;
    int yIcone, yLabel;
    std::string texte;
    int donnee;
  };
  const Choix choix[] = {
      {textures.texBoutonsEdit[255], H - 224, H - 220, traducteur->traduire("Play"), MenuJouer},
      {textures.texBoutonsEdit[0], H - 192, H - 188, traducteur->traduire("NewMap"), MenuNouveau},
      {textures.texBoutonsEdit[1], H - 160, H - 156, traducteur->traduire("EditMap"), MenuEditer},
      {textures.texOptions, H - 128, H - 122, traducteur->traduire("Opt"), MenuOptions},
      {textures.texLangue, H - 96, H - 90, "Langue", MenuLangue},
      {textures.texCroix, H - 64, H - 58, traducteur->traduire("Quit"), MenuQuitter},
  };
  std::vector<std::unique_ptr<ObjHelpGUI>> widgets;
  ImageGUI* iconeEditer = nullptr;
  LabelGUI* labelEditer = nullptr;
  LabelGUI* labelLangue = nullptr;
  for (const Choix& c : choix) {
    const RappelGUI rappel = c.donnee == MenuNouveau ? nouveau : choisir(c.donnee);
    auto icone = std::make_unique<ImageGUI>(32, c.yIcone, 32, 32, c.texture, rappel, c.donnee);
    auto label = std::make_unique<LabelGUI>(66, c.yLabel, 100, c.texte, rappel, c.donnee);
    if (c.donnee == MenuEditer) {
      iconeEditer = icone.get();
      labelEditer = label.get();
    }
    if (c.donnee == MenuLangue) labelLangue = label.get();
    widgets.push_back(std::move(icone));
    widgets.push_back(std::move(label));
  }
  widgets.push_back(std::make_unique<ImageGUI>(16, 16, 256, 64, textures.texTitre, RappelGUI(), 0));
  widgets.push_back(
      std::make_unique<LabelGUI>(W - 500, H - 20, 640, ligneCredits(), RappelGUI(), 0));
  widgets.push_back(std::make_unique<LabelGUI>(W - 480, H - 20, 140, "", choisir(MenuLienManuel),
                                               MenuLienManuel));
  widgets.push_back(std::make_unique<LabelGUI>(W - 125, H - 20, 125, "", choisir(MenuLienCredits),
                                               MenuLienCredits));

  catalogue.construireListe();
  // The medals of every file, under the title.
  const CompteMedailles compte = catalogue.medailles();
  if (compte.sur > 0) {
    widgets.push_back(std::make_unique<LabelGUI>(20, 84, std::max(100, W - 250 - 30),
                                                 texteTotalMedailles(compte), RappelGUI(), 0));
    journal("Médailles : " + std::to_string(compte.ors) + " or, " + std::to_string(compte.argents) +
            " argent, " + std::to_string(compte.bronzes) + " bronze sur " +
            std::to_string(compte.sur));
  }

  const std::vector<std::string> langues =
      lireListeLangues(repertoires->chemin(FichierListeLangues));
  journal(std::to_string(langues.size()) + " langues");
  if (sons) sons->changerMusique("ziks/start.ogg");

  size_t indiceLangue = 0;
  uint32_t prochaineLangue = 0;
  GestionnairesEcran ecran;
  // Escape closes the name panel (its text is lost, as with a second click on NewMap).
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return;
    const SDLKey touche = e.key.keysym.sym;
    if (touche == SDLK_ESCAPE && catalogue.saisieOuverte()) catalogue.basculerSaisieNom();
    // Enter (or a pad's first button) plays the selected file, unless the name field has it.
    if ((touche == SDLK_RETURN || touche == SDLK_KP_ENTER) && !catalogue.saisieOuverte() &&
        resultat == -1 && catalogue.selection())
      resultat = MenuJouer;
  };
  // A level of the chooser plays the file from there; a resized window ends the menu with no
  // choice: it is laid out again at the new size.
  ecran.fini = [&] {
    if (resultat == -1 && choixNiveau.choisi() > 0) {
      premierNiveau = choixNiveau.choisi();
      resultat = MenuJouer;
    }
    return resultat != -1 || gui->largeur != W || gui->hauteur != H;
  };
  ecran.avancer = [&](uint32_t maintenant) {
    // The edit choice follows the selection: only an editable file of the player shows it.
    const int x = catalogue.selectionModifiable() ? 32 : HorsEcran;
    iconeEditer->zone()->setPropriete(PROP_X, x);
    labelEditer->zone()->setPropriete(PROP_X, x == HorsEcran ? HorsEcran : 66);
    // The level chooser follows the selection; the name panel takes its place while open.
    const EntreeCatalogue* selection = catalogue.selection();
    choixNiveau.suivre(selection ? selection->chemin : std::string(), !catalogue.saisieOuverte());
    if (maintenant >= prochaineLangue && !langues.empty()) {
      labelLangue->zone()->setTexte(langues[indiceLangue]);
      indiceLangue = (indiceLangue + 1) % langues.size();
      prochaineLangue = maintenant + 1000;
    }
  };
  cadrerMenus(ecran);
  ecran.premiereImage = [] {
    // The start-up's length, once per process: from exec to the menu's first frame on screen.
    static bool journalise = false;
    if (journalise) return;
    journalise = true;
    char texte[96];
    std::snprintf(texte, sizeof texte, "Premiere image du menu : %.0f ms, monotone %.3f s",
                  msDepuisLancement(), secondesMonotones());
    journal(texte);
  };
  if (bouclerEcran(ecran) == FinEcran::Quitter) resultat = MenuQuitter;

  if (sons) sons->arreterMusique();
  if (resultat == MenuNouveau) {
    chemin = cheminNiveauUtilisateur(catalogue.nomSaisi());
  } else {
    // Play goes on where the player left off: the first level not won.
    const EtatFichier* etat = catalogue.etatSelection();
    if (resultat == MenuJouer && choixNiveau.choisi() == 0 && etat)
      premierNiveau = etat->premierNonGagne();
    const EntreeCatalogue* e = catalogue.selection();
    chemin = e ? e->chemin : std::string();
  }
  journal("bouttonClicked");
  choixNiveau.suivre("", false);
  widgets.clear();
  journal("Menu : ordre " + std::to_string(resultat));
  return resultat;
}
