#include "screens/jeu.h"

#include <SDL.h>

#include <mutex>
#include <thread>

#include "base/journal.h"
#include "base/traducteur.h"
#include "game/action.h"
#include "game/donnees_action.h"
#include "game/musique.h"
#include "game/terrain.h"
#include "game/vue_entiere.h"
#include "gui/gui.h"
#include "levels/fichier_niveaux.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "render/etat_gl.h"
#include "render/image.h"
#include "render/textures.h"
#include "screens/boucle_ecran.h"
#include "screens/jeu_widgets.h"
#include "screens/pause_jeu.h"
#include "screens/suivi_partie.h"
#include "screens/touches_jeu.h"
#include "sound/sons.h"

namespace {

// How long the camera takes from the whole level to the play camera once Enter starts it.
constexpr uint32_t DureeEnvol = 600;

// How one level ended for the file.
enum class IssueNiveau {
  Suivant,  // won: the file goes on with the next level
  Menu,     // back to the main menu: the file ends
  Fenetre,  // the window was closed
};

// One level, from its start to its release.
class PartieNiveau {
 public:
  PartieNiveau(const Niveau& depart, SuiviPartie& suivi) : depart_(depart), suivi_(suivi) {}

  IssueNiveau jouer() {
    donneesAction.reinitialiser();
    lancerMusique();
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      terrain->camera = cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x,
                                     terrain->balle.y);
    }
    terrain->allouerParticules(ParticulesParNiveau);
    widgets_.commencer();
    widgets_.montrerInfos(suivi_.texteInfos(0));

    GestionnairesEcran ecran;
    ecran.evenement = [this](const SDL_Event& e) { evenement(e); };
    ecran.fini = [this] { return !continuer_; };
    ecran.avancer = [this](uint32_t maintenant) { avancer(maintenant); };
    ecran.dessiner = [this](const InstantaneTerrain& vue, uint32_t ticks) {
      dessiner(vue, ticks);
      widgets_.montrerBombes(vue.bombes);
    };
    if (bouclerEcran(ecran, terrain) == FinEcran::Quitter) issue_ = IssueNiveau::Fenetre;
    terminer();
    return issue_;
  }

 private:
  void lancerMusique() {
    // Listed in the real folder, named as the player resolves them.
    const std::string dossier = repertoires ? repertoires->chemin("ziks/") : "ziks/";
    const std::string piste = choisirMusique(dossier, ".ogg", "ziks/");
    if (sons && !piste.empty()) sons->changerMusique(piste);
    journal("musicStart");
  }

  bool lance() const { return fil_.joinable(); }
  bool resultat() const { return donneesAction.resultat.load() != 0; }
  // The quit button stops the thread with a loss: that one ends the file.
  bool abandonne() const {
    return donneesAction.resultat.load() == Perdu && donneesAction.arret.load();
  }

  void avancer(uint32_t maintenant) {
    // A choice of the pause panel, acted on outside the click that made it.
    const Demande d = demande_;
    demande_ = Demande::Aucune;
    if (d == Demande::Continuer) fermerPause();
    if (d == Demande::Recommencer) recommencer();
    if (d == Demande::Menu) allerAuMenu();
    // The keys the next steps read: SDL's keyboard state as the events just left it.
    donneesAction.deposerTouches(lireClavier());
    if (texResultat_ == 0 && resultat()) montrerResultat();
    if (lance() && !resultat()) widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pas.load()));
    (void)maintenant;
  }

  void dessiner(const InstantaneTerrain& vue, uint32_t ticks) {
    // Before Enter the whole level shows; once it runs the view flies to the play camera.
    const int W = gui ? gui->largeur : options.resXSure();
    const int H = gui ? gui->hauteur : options.resYSure();
    const uint32_t ecoule = lance() ? ticks - debutEnvol_ : 0;
    if (lance() && ecoule >= DureeEnvol) {
      dessinerImage(vue, ticks);
      return;
    }
    copie_ = vue;
    const Camera entiere = cameraNiveauEntier(vue.largeur, vue.hauteur, W, H);
    if (!lance()) {
      copie_.camera = entiere;
    } else {
      float a = static_cast<float>(ecoule) / DureeEnvol;
      a = a * a * (3 - 2 * a);
      const Camera& b = vue.camera;
      Camera& k = copie_.camera;
      k.oeilX = entiere.oeilX + a * (b.oeilX - entiere.oeilX);
      k.oeilY = entiere.oeilY + a * (b.oeilY - entiere.oeilY);
      k.oeilZ = entiere.oeilZ + a * (b.oeilZ - entiere.oeilZ);
      k.centreX = entiere.centreX + a * (b.centreX - entiere.centreX);
      k.centreY = entiere.centreY + a * (b.centreY - entiere.centreY);
      k.centreZ = entiere.centreZ + a * (b.centreZ - entiere.centreZ);
    }
    dessinerImage(copie_, ticks);
  }

  void evenement(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return;
    const SDLKey touche = e.key.keysym.sym;
    if (estToucheEntree(touche)) {
      entree();
    } else if (estTouchePause(touche)) {
      echap();
    } else if (estToucheRecommencer(touche)) {
      if ((lance() || resultat()) && !abandonne()) recommencer();
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
    if (pause_) return;
    if (!lance() && !resultat()) {
      lancer();
      return;
    }
    if (!resultat()) return;
    if (donneesAction.resultat.load() == Perdu && !abandonne()) {
      // Lost by play: the same level again at once.
      recommencer();
      return;
    }
    if (donneesAction.resultat.load() == Gagne) issue_ = IssueNiveau::Suivant;
    continuer_ = false;
    journal("Termine");
  }

  void echap() {
    if (pause_) {
      fermerPause();
    } else if (resultat()) {
      allerAuMenu();
    } else {
      ouvrirPause();
    }
  }

  void lancer() {
    widgets_.lancer();
    journal("Lancement du thread d'action");
    debutEnvol_ = SDL_GetTicks();
    fil_ = std::thread([] { threadAction(donneesAction, *terrain); });
  }

  void ouvrirPause() {
    donneesAction.pause = true;
    PanneauPause::Actions a;
    a.continuer = [this] { demande_ = Demande::Continuer; };
    a.recommencer = [this] { demande_ = Demande::Recommencer; };
    a.menu = [this] { demande_ = Demande::Menu; };
    pause_ = std::make_unique<PanneauPause>(std::move(a));
    journal("Pause au pas " + std::to_string(donneesAction.pas.load()));
  }

  void fermerPause() {
    if (!pause_) return;
    pause_.reset();
    journal("Reprise au pas " + std::to_string(donneesAction.pas.load()));
    donneesAction.pause = false;
  }

  void allerAuMenu() {
    fermerPause();
    issue_ = IssueNiveau::Menu;
    continuer_ = false;
    journal("Retour au menu");
  }

  // The level back to its start as the file holds it, and running at once.
  void recommencer() {
    const uint32_t debut = SDL_GetTicks();
    fermerPause();
    if (fil_.joinable()) {
      donneesAction.arret = true;
      fil_.join();
    }
    if (sons) sons->arreterCanal(CanalRoule);
    widgets_.recommencer();
    if (texResultat_ != 0) supprimerTexture(texResultat_);
    texResultat_ = 0;
    terrain->commencerNiveau(depart_);
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      terrain->camera = cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x,
                                     terrain->balle.y);
    }
    donneesAction.reinitialiser();
    widgets_.montrerInfos(suivi_.texteInfos(0));
    journal("Niveau recommencé");
    lancer();
    debutEnvol_ = SDL_GetTicks() - DureeEnvol;  // already at the play camera
    journal("Recommencé en " + std::to_string(SDL_GetTicks() - debut) + " ms");
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
    const bool rejouable = r == Perdu && !abandonne();
    std::string temps;
    if (r == Gagne) temps = suivi_.victoire(donneesAction.pasResultat.load());
    widgets_.montrerResultat(texResultat_, rejouable, temps);
  }

  void terminer() {
    fermerPause();
    widgets_.retirerResultat();
    journal("unload result_tex");
    if (texResultat_ != 0) supprimerTexture(texResultat_);
    texResultat_ = 0;
    journal("musicStop");
    if (sons) {
      sons->arreterMusique();
      sons->arreterCanal(CanalRoule);
      sons->executerRequetes();
    }
    journal("Attente fin thread...");
    if (fil_.joinable()) {
      donneesAction.arret = true;
      fil_.join();
    }
    widgets_.retirerBombes();
    journal("Niveau terminé");
    terrain->libererGrille();
    terrain->libererParticules();
  }

  enum class Demande { Aucune, Continuer, Recommencer, Menu };

  const Niveau& depart_;
  SuiviPartie& suivi_;
  WidgetsNiveau widgets_;
  std::unique_ptr<PanneauPause> pause_;
  Demande demande_ = Demande::Aucune;
  std::thread fil_;
  GLuint texResultat_ = 0;
  bool continuer_ = true;
  IssueNiveau issue_ = IssueNiveau::Menu;
  uint16_t dernierCaractere_ = 0;
  uint32_t debutEnvol_ = 0;
  InstantaneTerrain copie_;
};

}  // namespace

bool jouerFichier(const std::string& fichier, int premierNiveau) {
  bool quitter = false;
  journal(fichier + " joue");
  donneesAction.reinitialiser();
  LecteurNiveaux lecteur;
  if (!terrain || !lecteur.ouvrir(fichier)) {
    journal("***** Erreur : Fichier " + fichier + " inexistant ou défectueux");
    return false;
  }
  journal(fichier + " headok");
  SuiviPartie suivi(fichier);
  for (int numero = 1;; ++numero) {
    if (lecteur.chargerNiveauSuivant(*terrain)) break;
    // Levels before the chosen one are read and passed over.
    if (numero < premierNiveau) continue;
    journal("Niveau " + std::to_string(numero));
    suivi.niveau(numero);
    const Niveau depart = terrain->niveau();
    PartieNiveau partie(depart, suivi);
    const IssueNiveau issue = partie.jouer();
    if (issue == IssueNiveau::Fenetre) quitter = true;
    if (issue != IssueNiveau::Suivant) break;
  }
  journal("Fichier terminé");
  lecteur.fermer();
  return quitter;
}
