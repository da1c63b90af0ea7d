#include "screens/jeu.h"

#include <SDL.h>

#include <mutex>
#include <thread>

#include "base/journal.h"
#include "base/traducteur.h"
#include "game/action.h"
#include "game/donnees_action.h"
#include "game/manette.h"
#include "game/musique.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/repertoires.h"
#include "render/etat_gl.h"
#include "render/image.h"
#include "render/textures.h"
#include "screens/boucle_ecran.h"
#include "screens/jeu_widgets.h"
#include "sound/sons.h"

namespace {

// One level, from its start to its release. True when the window was closed.
class PartieNiveau {
 public:
  bool jouer() {
    donneesAction.reinitialiser();
    lancerMusique();
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      terrain->camera = cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x,
                                     terrain->balle.y);
    }
    terrain->allouerParticules(ParticulesParNiveau);
    widgets_.commencer();

    GestionnairesEcran ecran;
    ecran.evenement = [this](const SDL_Event& e) { evenement(e); };
    ecran.fini = [this] { return !continuer_; };
    ecran.avancer = [this](uint32_t) {
      // The keys the next steps read: SDL's keyboard state as the events just left it.
      donneesAction.deposerTouches(combiner(lireClavier(), touchesManette(lireManette())));
      if (texResultat_ == 0 && donneesAction.resultat.load() != 0) montrerResultat();
    };
    ecran.dessiner = [this](const InstantaneTerrain& vue, uint32_t ticks) {
      dessinerImage(vue, ticks);
      widgets_.montrerBombes(vue.bombes);
    };
    const bool quitter = bouclerEcran(ecran, terrain) == FinEcran::Quitter;
    terminer();
    return quitter;
  }

 private:
  void lancerMusique() {
    // Listed in the real folder, named as the player resolves them.
    const std::string dossier = repertoires ? repertoires->chemin("ziks/") : "ziks/";
    const std::string piste = choisirMusique(dossier, ".ogg", "ziks/");
    if (sons && !piste.empty()) sons->changerMusique(piste);
    journal("musicStart");
  }

  void evenement(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return;
    const SDLKey touche = e.key.keysym.sym;
    if (touche == SDLK_RETURN || touche == SDLK_KP_ENTER) {
      entree();
    } else if (touche == SDLK_F11) {
      verifierCode();
    } else {
      // The typed character; a key without one (a synthetic event, say) counts by its symbol
      // when that is plain ASCII, as letters are.
      dernierCaractere_ = e.key.keysym.unicode != 0
                              ? e.key.keysym.unicode
                              : (touche < 128 ? static_cast<uint16_t>(touche) : 0);
    }
  }

  void entree() {
    if (!fil_.joinable() && donneesAction.resultat.load() == 0) {
      widgets_.lancer();
      journal("Lancement du thread d'action");
      fil_ = std::thread([] { threadAction(donneesAction, *terrain); });
    }
    if (donneesAction.resultat.load() != 0) {
      continuer_ = false;
      journal("Termine");
    }
  }

  void verifierCode() {
    if (dernierCaractere_ == static_cast<uint16_t>(LettreCodeBombe) && widgets_.bombesVisibles()) {
      journal("Bombe avec code");
      terrain->ajouterBombe();
    } else if (dernierCaractere_ == static_cast<uint16_t>(LettreCodeGagne)) {
      journal("Gagne avec code");
      donneesAction.proposerResultat(Gagne);
    }
  }

  void montrerResultat() {
    const int r = donneesAction.resultat.load();
    const std::string langue = traducteur ? traducteur->nom() : "";
    const std::string image =
        "imgs/msg/" + langue + (r == Gagne ? "_gagne.png" : "_perdu.png");
    widgets_.retirerQuitter();
    texResultat_ = chargerTexture(repertoires ? repertoires->chemin(image) : image, 0);
    if (texResultat_ == 0) texResultat_ = creerTexture(1, 1, 4, GL_RGBA);
    widgets_.montrerResultat(texResultat_);
  }

  void terminer() {
    widgets_.retirerResultat();
    journal("unload result_tex");
    if (texResultat_ != 0) supprimerTexture(texResultat_);
    texResultat_ = 0;
    journal("musicStop");
    if (sons) sons->arreterMusique();
    journal("Attente fin thread...");
    // The thread first: a rolling sound its last step queued is halted with the others.
    arreterThreadAction(fil_, donneesAction, sons);
    if (sons) sons->executerRequetes();
    widgets_.retirerBombes();
    journal("Niveau terminé");
    terrain->libererGrille();
    terrain->libererParticules();
  }

  WidgetsNiveau widgets_;
  std::thread fil_;
  GLuint texResultat_ = 0;
  bool continuer_ = true;
  uint16_t dernierCaractere_ = 0;
};

}  // namespace

bool jouerFichier(const std::string& fichier) {
  bool quitter = false;
  journal(fichier + " joue");
  donneesAction.reinitialiser();
  LecteurNiveaux lecteur;
  if (!terrain || !lecteur.ouvrir(fichier)) {
    journal("***** Erreur : Fichier " + fichier + " inexistant ou défectueux");
    return false;
  }
  journal(fichier + " headok");
  for (;;) {
    if (donneesAction.resultat.load() == Perdu || quitter) break;
    if (lecteur.chargerNiveauSuivant(*terrain)) break;
    PartieNiveau partie;
    quitter = partie.jouer();
  }
  journal("Fichier terminé");
  lecteur.fermer();
  return quitter;
}
