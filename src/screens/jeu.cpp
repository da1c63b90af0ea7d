#include "screens/jeu.h"

#include <SDL.h>

#include <mutex>
#include <thread>

#include "base/journal.h"
#include "base/fichiers.h"
#include "base/traducteur.h"
#include "game/action.h"
#include "game/donnees_action.h"
#include "game/manette.h"
#include "game/musique.h"
#include "game/solution.h"
#include "game/terrain.h"
#include "game/vue_entiere.h"
#include "gui/gui.h"
#include "gui/widgets.h"
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
// How long a finished hint stays on screen before the level comes back at its start.
constexpr uint32_t DureeFinDemo = 1500;
// Losses by play on one level after which the lost picture offers the hint.
constexpr int PertesAvantIndice = 2;

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// How one level ended for the file.
enum class IssueNiveau {
  Suivant,  // won: the file goes on with the next level
  Menu,     // back to the main menu: the file ends
  Fenetre,  // the window was closed
};

// One level, from its start to its release.
class PartieNiveau {
 public:
  // `essai`: the editor's test-play: running at once, no records, no hint; a result or Escape
  // ends it at once. With a `route` it plays the route as a hint is shown.
  PartieNiveau(const Niveau& depart, SuiviPartie& suivi, bool essai = false,
               const Solution* route = nullptr)
      : depart_(depart), suivi_(suivi), essai_(essai), indiceVerifie_(essai) {
    if (route) {
      solution_ = *route;
      demo_ = true;
    }
  }

  FinEssai finEssai() const { return finEssai_; }

  IssueNiveau jouer() {
    donneesAction.reinitialiser();
    lancerMusique();
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      terrain->camera =
          cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x, terrain->balle.y);
    }
    terrain->allouerParticules(ParticulesParNiveau);
    widgets_.commencer();
    widgets_.montrerInfos(suivi_.texteInfos(0));
    if (essai_) lancer();

    GestionnairesEcran ecran;
    ecran.evenement = [this](const SDL_Event& e) { evenement(e); };
    ecran.fini = [this] { return !continuer_; };
    ecran.avancer = [this](uint32_t maintenant) { avancer(maintenant); };
    ecran.dessiner = [this](const InstantaneTerrain& vue, uint32_t ticks) {
      dessiner(vue, ticks);
      widgets_.montrerBombes(vue.bombes);
    };
    if (bouclerEcran(ecran, terrain) == FinEcran::Quitter) {
      issue_ = IssueNiveau::Fenetre;
      finEssai_ = FinEssai::Fenetre;
    }
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
    if (d == Demande::Indice) montrerIndice();
    // The keys the next steps read: SDL's keyboard state as the events just left it.
    donneesAction.deposerTouches(combiner(lireClavier(), touchesManette(lireManette())));
    if (demo_) {
      avancerDemo(maintenant);
      return;
    }
    if (essai_ && resultat() && continuer_) {
      // The quit button stops the thread with a loss: that is the author leaving.
      finirEssai(abandonne()                              ? FinEssai::Abandon
                 : donneesAction.resultat.load() == Gagne ? FinEssai::Gagne
                                                          : FinEssai::Perdu);
      return;
    }
    if (texResultat_ == 0 && resultat()) montrerResultat();
    if (lance() && !resultat()) widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pas.load()));
  }

  // The hint playing: the keys it holds on screen; once it ends, a moment to see it, then the
  // level back at its start for the player.
  void avancerDemo(uint32_t maintenant) {
    if (abandonne()) {
      // The quit button during a hint: the file ends as it always does.
      demo_ = false;
      labelDemo_.reset();
      fondDemo_.reset();
      return;
    }
    const Touches t = touchesAuPas(solution_, donneesAction.pas.load());
    const std::string allume = "<cffdd77>", eteint = "<c606060>";
    const std::string texte = traduire("Demo") + "   " + (t.gauche ? allume : eteint) +
                              traduire("TGauche") + "   " + (t.droite ? allume : eteint) +
                              traduire("TDroite") + "   " + (t.espace ? allume : eteint) +
                              traduire("TEspace");
    if (!labelDemo_) {
      const int W = gui ? gui->largeur : options.resXSure();
      const int H = gui ? gui->hauteur : options.resYSure();
      fondDemo_ = fondSombre(W / 2 - 200, H - 26, 400, 20);
      labelDemo_ = std::make_unique<LabelGUI>(W / 2 - 190, H - 26, 390, "", nullptr, 0);
    }
    if (texte != texteDemo_) labelDemo_->zone()->setTexte(texte);
    texteDemo_ = texte;
    if (!resultat()) return;
    if (finDemo_ == 0) {
      finDemo_ = maintenant == 0 ? 1 : maintenant;
      const int r = donneesAction.resultat.load();
      journal(std::string(r == Gagne ? "Démonstration gagnée" : "Démonstration finie") +
              " au pas " + std::to_string(donneesAction.pasResultat.load()));
    } else if (maintenant - finDemo_ >= DureeFinDemo) {
      if (essai_) {
        if (continuer_)
          finirEssai(donneesAction.resultat.load() == Gagne ? FinEssai::Gagne : FinEssai::Perdu);
      } else {
        rendreNiveau();
      }
    }
  }

  // The hint ends: the level back at its start, waiting for Enter.
  void rendreNiveau() {
    demo_ = false;
    finDemo_ = 0;
    labelDemo_.reset();
    fondDemo_.reset();
    texteDemo_.clear();
    recommencer(false);
    journal("Niveau rendu");
  }

  // Whether this level has a recorded solution that wins it as loaded: looked up and replayed
  // headless once, the first time a hint could be offered.
  bool indiceDisponible() {
    if (indiceVerifie_) return !solution_.empty();
    indiceVerifie_ = true;
    std::string nom = suivi_.nom();
    if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
    const std::string relatif =
        "mapsoff/solutions/" + nom + "-" + std::to_string(suivi_.numero()) + ".txt";
    const std::string chemin = repertoires ? repertoires->chemin(relatif) : relatif;
    std::string texte;
    if (lireFichierOrdinaire(chemin, 1u << 20, texte) != Lecture::Lu ||
        !lireSolution(texte, solution_)) {
      solution_.clear();
      journal("Pas d'indice pour ce niveau");
      return false;
    }
    if (!solutionGagne(depart_, solution_)) {
      solution_.clear();
      journal("Indice refusé : la solution ne gagne pas ce niveau");
      return false;
    }
    journal("Indice disponible");
    return true;
  }

  // "Show me": the level from its start, played by its recorded solution.
  void montrerIndice() {
    if (!indiceDisponible()) return;
    boutonIndice_.reset();
    demo_ = true;
    finDemo_ = 0;
    journal("Démonstration");
    recommencer(true);
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
    if (demo_) {
      // Watching a hint: Escape or the restart key gives the level back at once; watching the
      // editor's route, Escape goes back to the editor.
      if (essai_ && touche == SDLK_ESCAPE) {
        finirEssai(FinEssai::Abandon);
      } else if (estTouchePause(touche) || estToucheRecommencer(touche)) {
        rendreNiveau();
      }
      return;
    }
    if (essai_ && touche == SDLK_ESCAPE) {
      finirEssai(FinEssai::Abandon);
    } else if (estToucheIndice(touche) && (pause_ || boutonIndice_)) {
      demande_ = Demande::Indice;
    } else if (estToucheEntree(touche)) {
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
    const Solution* solution = demo_ ? &solution_ : nullptr;
    fil_ =
        std::thread([solution] { threadAction(donneesAction, *terrain, requetesSons, solution); });
  }

  void ouvrirPause() {
    donneesAction.pause = true;
    PanneauPause::Actions a;
    a.continuer = [this] { demande_ = Demande::Continuer; };
    a.recommencer = [this] { demande_ = Demande::Recommencer; };
    a.menu = [this] { demande_ = Demande::Menu; };
    if (indiceDisponible()) a.indice = [this] { demande_ = Demande::Indice; };
    pause_ = std::make_unique<PanneauPause>(std::move(a));
    journal("Pause au pas " + std::to_string(donneesAction.pas.load()));
  }

  void fermerPause() {
    if (!pause_) return;
    pause_.reset();
    journal("Reprise au pas " + std::to_string(donneesAction.pas.load()));
    donneesAction.pause = false;
  }

  // The test-play over: straight back to the editor, whatever the result.
  void finirEssai(FinEssai fin) {
    fermerPause();
    finEssai_ = fin;
    continuer_ = false;
    const char* nom = fin == FinEssai::Gagne   ? "gagné"
                      : fin == FinEssai::Perdu ? "perdu"
                                               : "abandon";
    journal(std::string("Fin essai : ") + nom + " au pas " +
            std::to_string(fin == FinEssai::Abandon ? donneesAction.pas.load()
                                                    : donneesAction.pasResultat.load()));
  }

  void allerAuMenu() {
    if (essai_) {
      // The pause panel's way out leads back to the editor.
      finirEssai(FinEssai::Abandon);
      return;
    }
    fermerPause();
    issue_ = IssueNiveau::Menu;
    continuer_ = false;
    journal("Retour au menu");
  }

  // The level back to its start as the file holds it, and running at once (`enJeu`) or waiting
  // for Enter with the whole level in view.
  void recommencer(bool enJeu = true) {
    const uint32_t debut = SDL_GetTicks();
    fermerPause();
    boutonIndice_.reset();
    // As at the end of a level: the thread first, so a roll its last step queued is halted too.
    if (fil_.joinable()) arreterThreadAction(fil_, donneesAction, sons);
    if (sons) sons->executerRequetes();
    widgets_.recommencer();
    if (texResultat_ != 0) supprimerTexture(texResultat_);
    texResultat_ = 0;
    terrain->commencerNiveau(depart_);
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      terrain->camera =
          cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x, terrain->balle.y);
    }
    donneesAction.reinitialiser();
    widgets_.montrerInfos(suivi_.texteInfos(0));
    journal("Niveau recommencé");
    if (!enJeu) {
      widgets_.commencer();
      return;
    }
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
    // A result while paused (the quit button): the panel goes, the keys act on the result.
    fermerPause();
    const int r = donneesAction.resultat.load();
    const std::string langue = traducteur ? traducteur->nom() : "";
    const std::string image = "imgs/msg/" + langue + (r == Gagne ? "_gagne.png" : "_perdu.png");
    widgets_.retirerQuitter();
    texResultat_ = chargerTexture(repertoires ? repertoires->chemin(image) : image, 0);
    if (texResultat_ == 0) texResultat_ = creerTexture(1, 1, 4, GL_RGBA);
    const bool rejouable = r == Perdu && !abandonne();
    std::string temps;
    if (r == Gagne) temps = suivi_.victoire(donneesAction.pasResultat.load());
    widgets_.montrerResultat(texResultat_, rejouable, temps);
    if (rejouable && ++pertes_ >= PertesAvantIndice && indiceDisponible()) {
      // Lost again and again: the hint is offered over the lost picture.
      const int W = gui ? gui->largeur : options.resXSure();
      const int H = gui ? gui->hauteur : options.resYSure();
      boutonIndice_ =
          std::make_unique<BoutonGUI>(W / 2 - 100, static_cast<int>(H * 0.85) - 128 - 26, 200,
                                      avecToucheIndice(traduire("MontreMoi")),
                                      surClic([this] { demande_ = Demande::Indice; }), 0);
      journal("Indice proposé");
    }
  }

  void terminer() {
    fermerPause();
    boutonIndice_.reset();
    labelDemo_.reset();
    fondDemo_.reset();
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

  enum class Demande { Aucune, Continuer, Recommencer, Menu, Indice };

  const Niveau& depart_;
  SuiviPartie& suivi_;
  const bool essai_;
  FinEssai finEssai_ = FinEssai::Abandon;
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
  int pertes_ = 0;      // losses by play on this level
  bool indiceVerifie_;  // solution_ holds a winning solution, or none
  Solution solution_;
  bool demo_ = false;     // the hint is playing
  uint32_t finDemo_ = 0;  // when the hint's result came (0: not yet)
  std::unique_ptr<BoutonGUI> boutonIndice_;
  std::unique_ptr<ImageGUI> fondDemo_;
  std::unique_ptr<LabelGUI> labelDemo_;
  std::string texteDemo_;
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

FinEssai essayerNiveau(const Niveau& niveau, const std::string& fichier, int numero,
                       const Solution* route, int total) {
  journal("Essai niveau " + std::to_string(numero));
  if (!terrain) return FinEssai::Abandon;
  donneesAction.reinitialiser();
  SuiviPartie suivi(fichier);
  suivi.niveau(numero);
  if (total > 0) suivi.fixerTotal(total);
  terrain->commencerNiveau(niveau);
  if (route) journal("Démonstration");
  PartieNiveau partie(niveau, suivi, true, route);
  partie.jouer();
  return partie.finEssai();
}
