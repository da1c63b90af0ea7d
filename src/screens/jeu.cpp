#include "screens/jeu.h"

#include <SDL.h>

#include <mutex>
#include <thread>

#include "base/journal.h"
#include "base/texte.h"
#include "base/traducteur.h"
#include "game/action.h"
#include "game/controle_indice.h"
#include "game/donnees_action.h"
#include "game/impasse.h"
#include "game/manette.h"
#include "game/musique.h"
#include "game/solution.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "game/vue_entiere.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "levels/fichier_niveaux.h"
#include "levels/reprise.h"
#include "platform/options.h"
#include "platform/repertoires.h"
#include "render/etat_gl.h"
#include "render/image.h"
#include "render/textures.h"
#include "screens/bandeau_jeu.h"
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
// Attempts on one level lost by play, given up by a restart or proven lost, after which the
// hint is offered (over the lost picture, or over the play).
constexpr int PertesAvantIndice = 2;
// A pad's first button is the bomb in play and Enter on the result: a press this soon after the
// result came was meant for the ball, not for the picture.
constexpr uint32_t GardeManetteResultat = 400;

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// How one level ended for the file.
enum class IssueNiveau {
  Suivant,  // won: the file goes on with the next level
  Menu,     // back to the main menu: the file ends
  Fenetre,  // the window was closed
};

// Where a level stands (the table in docs/architecture.md). Each phase has its own keys
// (`toucheSelonPhase`) and its own frame update (`avancer`); a result, from whichever thread it
// came, moves the waiting, playing and paused phases on to the result (`constaterResultat`).
enum class Phase {
  Attente,    // the whole level in view, waiting for Enter
  EnJeu,      // the action thread runs on the player's keys
  Pause,      // the pause panel over Attente or EnJeu
  Apercu,     // the peek key held over EnJeu: the whole level in view, the physics paused
  Quitter,    // the quit button asks over Attente or EnJeu: Enter or a second click leaves
  Indice,     // the action thread replays the recorded solution
  FinIndice,  // the replay's result, seen a moment before the level comes back
  Resultat,   // the result picture
  Fini,       // the level is over: the loop ends
};

// One level, from its start to its release.
class PartieNiveau {
 public:
  // `spectacle` shows the level (the play screen's, kept from level to level). `essai`: the
  // editor's test-play: running at once, no records, no hint; a result or Escape ends it at
  // once. With a `route` it plays the route as a hint is shown.
  PartieNiveau(const Niveau& depart, SuiviPartie& suivi, Spectacle& spectacle, bool essai = false,
               const Solution* route = nullptr)
      : depart_(depart), suivi_(suivi), spectacle_(spectacle), essai_(essai) {
    if (route) solution_ = *route;
  }

  FinEssai finEssai() const { return finEssai_; }

  IssueNiveau jouer() {
    donneesAction.reinitialiser();
    lancerMusique();
    poserCameraDepart();
    spectacle_.allouerParticules(ParticulesParNiveau);
    if (!essai_) widgets_.quandQuitter([this] { demanderQuitter(); });
    widgets_.commencer();
    widgets_.montrerInfos(suivi_.texteInfos(0));
    if (essai_) lancer(solution_.empty() ? Phase::EnJeu : Phase::Indice);
    else {
      widgets_.montrerObjectifs(suivi_.texteObjectifs());
      lancerControleIndice();
    }

    GestionnairesEcran ecran;
    ecran.evenement = [this](const SDL_Event& e) { evenement(e); };
    ecran.fini = [this] { return phase_ == Phase::Fini; };
    ecran.avancer = [this](uint32_t maintenant) { avancer(maintenant); };
    ecran.dessiner = [this](const InstantaneTerrain& vue, uint32_t ticks) {
      dessiner(vue, ticks);
      widgets_.montrerBombes(vue.bombes);
      observerImpasse(vue);
    };
    ecran.copier = [this](InstantaneTerrain& vue) { prendreInstantane(*terrain, spectacle_, vue); };
    if (bouclerEcran(ecran) == FinEcran::Quitter) {
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

  // The play camera over the level as it now starts (the thread is not running).
  void poserCameraDepart() {
    Camera k;
    {
      std::lock_guard<std::mutex> garde(terrain->verrou);
      k = cameraDepart(terrain->largeur, terrain->hauteur, terrain->balle.x, terrain->balle.y);
    }
    spectacle_.poserCamera(k);
  }

  bool lance() const { return fil_.joinable(); }
  bool resultat() const { return donneesAction.resultat.load() != 0; }
  // The quit button stops the thread with a loss: that one ends the file.
  bool abandonne() const {
    return donneesAction.resultat.load() == Perdu && donneesAction.arret.load();
  }
  // The phase under the pause panel or the quit question when one is open.
  Phase sousPause() const {
    if (phase_ == Phase::Apercu) return Phase::EnJeu;
    return phase_ == Phase::Pause || phase_ == Phase::Quitter ? avantPause_ : phase_;
  }

  void avancer(uint32_t maintenant) {
    // A choice of the pause panel, acted on outside the click that made it.
    const Demande d = demande_;
    demande_ = Demande::Aucune;
    if (d == Demande::Continuer) fermerPause();
    if (d == Demande::Recommencer) recommencerEnJeu();
    if (d == Demande::Menu) allerAuMenu();
    if (d == Demande::Indice) montrerIndice();
    // The keys the next steps read: SDL's keyboard state as the events just left it, and the
    // pad's, its first button a bomb only once pressed in play.
    EtatManette manette = lireManette();
    manette.boutonBombe = bombeManette_.filtrer(phase_ == Phase::EnJeu, manette.boutonBombe);
    donneesAction.deposerTouches(combiner(lireClavier(), touchesManette(manette)));
    // A hint asked for before its check ended: offered where it was wanted, once known.
    if (indiceVoulu_ && !indiceConnu_ && constaterIndice()) offrirIndice();
    // The peek lasts as long as its key is held.
    if (phase_ == Phase::Apercu && !toucheApercuTenue()) fermerApercu();
    switch (phase_) {
      case Phase::Indice:
      case Phase::FinIndice: avancerIndice(maintenant); break;
      case Phase::Attente:
      case Phase::EnJeu:
      case Phase::Pause:
      case Phase::Apercu:
      case Phase::Quitter:
        constaterResultat();
        if (sousPause() == Phase::EnJeu)
          widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pas.load()));
        break;
      case Phase::Resultat:
      case Phase::Fini: break;
    }
  }

  // A result, from the action thread, the quit button or the win code, while the level waits,
  // runs or is paused: the result picture (the test-play ends instead).
  void constaterResultat() {
    if (!resultat()) return;
    if (phase_ != Phase::Attente && phase_ != Phase::EnJeu && phase_ != Phase::Pause &&
        phase_ != Phase::Apercu && phase_ != Phase::Quitter)
      return;
    if (!essai_) {
      montrerResultat();
      return;
    }
    // The quit button stops the thread with a loss: that is the author leaving.
    finirEssai(abandonne()                              ? FinEssai::Abandon
               : donneesAction.resultat.load() == Gagne ? FinEssai::Gagne
                                                        : FinEssai::Perdu);
  }

  // The hint playing: the keys it holds on screen; once it ends, a moment to see it, then the
  // level back at its start for the player.
  void avancerIndice(uint32_t maintenant) {
    if (abandonne()) {
      // The quit button during a hint: the file ends as it always does.
      retirerIndice();
      phase_ = Phase::EnJeu;
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
    // The replay's clock runs as the player's does, and stops where its result came.
    if (!resultat()) {
      widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pas.load()));
      return;
    }
    if (phase_ == Phase::Indice) {
      phase_ = Phase::FinIndice;
      finDemo_ = maintenant;
      widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pasResultat.load()));
      const int r = donneesAction.resultat.load();
      journal(std::string(r == Gagne ? "Démonstration gagnée" : "Démonstration finie") +
              " au pas " + std::to_string(donneesAction.pasResultat.load()));
      // The hint's win is the recorded route's, not the player's: it earns nothing.
      if (r == Gagne && !essai_) suivi_.victoireSansMedaille();
    } else if (maintenant - finDemo_ >= DureeFinDemo) {
      if (essai_) {
        finirEssai(donneesAction.resultat.load() == Gagne ? FinEssai::Gagne : FinEssai::Perdu);
      } else {
        rendreNiveau();
      }
    }
  }

  void retirerIndice() {
    labelDemo_.reset();
    fondDemo_.reset();
    texteDemo_.clear();
  }

  // The hint ends: the level back at its start, waiting for Enter.
  void rendreNiveau() {
    retirerIndice();
    recommencer(Phase::Attente);
    journal("Niveau rendu");
  }

  // The level's recorded solution, read and replayed headless on a worker from the level's
  // start: the frames never wait for it, whatever the file holds.
  void lancerControleIndice() {
    std::string nom = suivi_.nom();
    if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
    const std::string relatif =
        "mapsoff/solutions/" + nom + "-" + std::to_string(suivi_.numero()) + ".txt";
    controleIndice_.lancer(repertoires ? repertoires->chemin(relatif) : relatif, depart_);
  }

  // Whether this level has a recorded solution that wins it as loaded, as far as known now. Asked
  // before the check has ended, it says no, and the hint is offered once the answer comes.
  bool indiceDisponible() {
    if (essai_) return !solution_.empty();
    indiceVoulu_ = true;
    return constaterIndice();
  }

  // The check's answer, logged once when it is first wanted.
  bool constaterIndice() {
    if (indiceConnu_) return !solution_.empty();
    const EtatIndice etat = controleIndice_.etat();
    if (etat == EtatIndice::Aucun || etat == EtatIndice::EnCours) return false;
    indiceConnu_ = true;
    if (etat == EtatIndice::Absent) {
      journal("Pas d'indice pour ce niveau");
    } else if (etat == EtatIndice::Refuse) {
      journal("Indice refusé : la solution ne gagne pas ce niveau");
    } else {
      solution_ = controleIndice_.solution();
      journal("Indice disponible");
    }
    return !solution_.empty();
  }

  // A hint known late: the open pause panel gets its button, the lost picture its offer.
  void offrirIndice() {
    if (phase_ == Phase::Pause) {
      pause_.reset();
      pause_ = std::make_unique<PanneauPause>(actionsPause());
    } else if (phase_ == Phase::Resultat && pertes_ >= PertesAvantIndice && !boutonIndice_ &&
               donneesAction.resultat.load() == Perdu && !abandonne()) {
      proposerIndice();
    } else if (phase_ == Phase::EnJeu && pertes_ >= PertesAvantIndice && !boutonIndice_ &&
               !resultat()) {
      proposerIndice();
    }
  }

  // "Show me": the level from its start, played by its recorded solution.
  void montrerIndice() {
    if (!indiceDisponible()) return;
    boutonIndice_.reset();
    finDemo_ = 0;
    journal("Démonstration");
    recommencer(Phase::Indice);
  }

  void dessiner(const InstantaneTerrain& vue, uint32_t ticks) {
    // Before Enter the whole level shows; once it runs the view flies to the play camera.
    const int W = gui ? gui->largeur : options.resXSure();
    const int H = gui ? gui->hauteur : options.resYSure();
    const uint32_t ecoule = lance() ? ticks - debutEnvol_ : 0;
    const bool toutVoir = !lance() || phase_ == Phase::Apercu;
    if (!toutVoir && ecoule >= DureeEnvol) {
      dessinerImage(vue, ticks);
      return;
    }
    copie_ = vue;
    const Camera entiere = cameraNiveauEntier(vue.largeur, vue.hauteur, W, H);
    if (toutVoir) {
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
    // A result already there counts before the key: the key acts on the result.
    constaterResultat();
    if (phase_ == Phase::Fini) return;
    // The test-play's way back to the editor, whatever it shows.
    if (essai_ && e.key.keysym.sym == SDLK_ESCAPE) {
      finirEssai(FinEssai::Abandon);
      return;
    }
    toucheSelonPhase(e.key.keysym, e.key.which == ToucheDeManette);
  }

  // The pad's Enter pressed right as the result came: a bomb meant for the ball.
  bool boutonTropTot(bool deManette) const {
    return deManette && SDL_GetTicks() - debutResultat_ < GardeManetteResultat;
  }

  // `deManette`: the key stands for a pad's button.
  void toucheSelonPhase(const SDL_keysym& k, bool deManette) {
    const SDLKey t = k.sym;
    switch (phase_) {
      case Phase::Attente:
        if (estToucheEntree(t)) lancer(Phase::EnJeu);
        else if (estTouchePause(t)) ouvrirPause();
        else if (!estToucheRecommencer(t)) codeOuCaractere(k);
        break;
      case Phase::EnJeu:
        if (estTouchePause(t)) ouvrirPause();
        else if (estToucheRecommencer(t)) recommencerEnJeu();
        else if (estToucheApercu(t)) ouvrirApercu();
        else if (estToucheIndice(t) && boutonIndice_) demande_ = Demande::Indice;
        else if (!estToucheEntree(t)) codeOuCaractere(k);
        break;
      case Phase::Apercu: break;
      case Phase::Quitter:
        // Enter leaves; any other key stays.
        if (estToucheEntree(t)) confirmerQuitter();
        else fermerQuitter();
        break;
      case Phase::Pause:
        if (estToucheIndice(t)) demande_ = Demande::Indice;
        else if (estTouchePause(t)) fermerPause();
        else if (estToucheRecommencer(t)) {
          if (avantPause_ == Phase::EnJeu) recommencerEnJeu();
        } else if (!estToucheEntree(t)) codeOuCaractere(k);
        break;
      case Phase::Indice:
      case Phase::FinIndice:
        // Watching a hint: Escape or the restart key gives the level back at once.
        if (estTouchePause(t) || estToucheRecommencer(t)) rendreNiveau();
        break;
      case Phase::Resultat:
        if (estToucheIndice(t) && boutonIndice_) demande_ = Demande::Indice;
        else if (estToucheEntree(t)) {
          if (!boutonTropTot(deManette)) entreeResultat();
        } else if (estTouchePause(t)) allerAuMenu();
        else if (estToucheRecommencer(t)) {
          if (!abandonne()) recommencer();
        } else codeOuCaractere(k);
        break;
      case Phase::Fini: break;
    }
  }

  // F11 checks the code; any other key keeps its typed character for it. A key without one (a
  // synthetic event, say) counts by its symbol when that is plain ASCII, as letters are.
  void codeOuCaractere(const SDL_keysym& k) {
    if (k.sym == SDLK_F11) {
      verifierCode();
      return;
    }
    dernierCaractere_ =
        k.unicode != 0 ? k.unicode : (k.sym < 128 ? static_cast<uint16_t>(k.sym) : 0);
  }

  // Enter on the result: lost by play, the same level again at once; else the level ends.
  void entreeResultat() {
    if (donneesAction.resultat.load() == Perdu && !abandonne()) {
      recommencer();
      return;
    }
    if (donneesAction.resultat.load() == Gagne) issue_ = IssueNiveau::Suivant;
    phase_ = Phase::Fini;
    journal("Termine");
  }

  // The action thread starts on the level as it stands: the player's keys (EnJeu) or the
  // recorded solution's (Indice).
  void lancer(Phase phase) {
    widgets_.lancer();
    journal("Lancement du thread d'action");
    debutEnvol_ = SDL_GetTicks();
    const Solution* solution = phase == Phase::Indice ? &solution_ : nullptr;
    fil_ = std::thread([this, solution] {
      threadAction(donneesAction, *terrain, spectacle_, requetesSons, solution);
    });
    phase_ = phase;
  }

  PanneauPause::Actions actionsPause() {
    PanneauPause::Actions a;
    a.continuer = [this] { demande_ = Demande::Continuer; };
    a.recommencer = [this] { demande_ = Demande::Recommencer; };
    a.menu = [this] { demande_ = Demande::Menu; };
    if (indiceDisponible()) a.indice = [this] { demande_ = Demande::Indice; };
    return a;
  }

  // The restart key or button while the player plays: the attempt given up counts toward the
  // hint, which may then be offered over the play.
  void recommencerEnJeu() {
    if (sousPause() == Phase::EnJeu && !resultat()) compterTentative();
    recommencer();
    proposerIndiceSiMerite();
  }

  // One attempt counts once toward the hint: lost, given up, or proven lost.
  void compterTentative() {
    if (tentativeComptee_) return;
    tentativeComptee_ = true;
    ++pertes_;
  }

  // Over the play, when enough attempts failed (a hint known late is offered by offrirIndice).
  void proposerIndiceSiMerite() {
    if (phase_ == Phase::EnJeu && pertes_ >= PertesAvantIndice && !boutonIndice_ &&
        indiceDisponible())
      proposerIndice();
  }

  // Each frame's copy while the player plays: the search for a win still reachable follows it
  // on its worker; once it proves there is none, the player is told how to start over.
  void observerImpasse(const InstantaneTerrain& vue) {
    if (essai_ || sousPause() != Phase::EnJeu || resultat()) return;
    if (!impasse_.observer(vue, donneesAction.pas.load())) return;
    const std::string touche = "<cffdd77>" + nomToucheJeu(ActionJeu::Recommencer) + "<cffffff>";
    bandeauImpasse_ =
        std::make_unique<BandeauJeu>(24, remplacerTout(traduire("Impasse"), "%1", touche));
    compterTentative();
    proposerIndiceSiMerite();
  }

  // The peek key pressed while the ball runs: the whole level, the steps waiting.
  void ouvrirApercu() {
    donneesAction.pause = true;
    phase_ = Phase::Apercu;
    journal("Aperçu du niveau au pas " + std::to_string(donneesAction.pas.load()));
  }

  void fermerApercu() {
    if (phase_ != Phase::Apercu) return;
    phase_ = Phase::EnJeu;
    journal("Fin de l'aperçu au pas " + std::to_string(donneesAction.pas.load()));
    donneesAction.pause = false;
  }

  // The quit button: first a question over the level (its steps waiting), then, on Enter or a
  // second click, the level given up as before.
  void demanderQuitter() {
    if (phase_ == Phase::Quitter) {
      confirmerQuitter();
      return;
    }
    fermerPause();
    fermerApercu();
    if ((phase_ != Phase::Attente && phase_ != Phase::EnJeu) || resultat()) return;
    avantPause_ = phase_;
    pauseAvantQuitter_ = donneesAction.pause.load();
    donneesAction.pause = true;
    phase_ = Phase::Quitter;
    bandeauQuitter_ = std::make_unique<BandeauJeu>(48, traduire("QuitterNiveau"));
    journal("Quitter le niveau ? au pas " + std::to_string(donneesAction.pas.load()));
  }

  void confirmerQuitter() {
    fermerQuitter(false);
    journal("Niveau abandonné");
    WidgetsNiveau::abandonner();
  }

  void fermerQuitter(bool annule = true) {
    if (phase_ != Phase::Quitter) return;
    bandeauQuitter_.reset();
    phase_ = avantPause_;
    donneesAction.pause = pauseAvantQuitter_;
    if (annule) journal("Quitter annulé");
  }

  void ouvrirPause() {
    donneesAction.pause = true;
    pause_ = std::make_unique<PanneauPause>(actionsPause());
    avantPause_ = phase_;
    phase_ = Phase::Pause;
    journal("Pause au pas " + std::to_string(donneesAction.pas.load()));
  }

  void fermerPause() {
    if (phase_ != Phase::Pause) return;
    pause_.reset();
    phase_ = avantPause_;
    journal("Reprise au pas " + std::to_string(donneesAction.pas.load()));
    donneesAction.pause = false;
  }

  // The test-play over: straight back to the editor, whatever the result.
  void finirEssai(FinEssai fin) {
    fermerPause();
    finEssai_ = fin;
    phase_ = Phase::Fini;
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
    phase_ = Phase::Fini;
    journal("Retour au menu");
  }

  // The level back to its start as the file holds it, then `apres`: running at once (EnJeu),
  // replaying the hint (Indice), or waiting for Enter with the whole level in view (Attente).
  void recommencer(Phase apres = Phase::EnJeu) {
    const uint32_t debut = SDL_GetTicks();
    fermerPause();
    fermerApercu();
    fermerQuitter(false);
    impasse_.arreter();
    bandeauImpasse_.reset();
    tentativeComptee_ = false;
    boutonIndice_.reset();
    // As at the end of a level: the thread first, so a roll its last step queued is halted too.
    if (fil_.joinable()) arreterThreadAction(fil_, donneesAction, sons);
    if (sons) sons->executerRequetes();
    widgets_.recommencer();
    if (texResultat_ != 0) supprimerTexture(texResultat_);
    texResultat_ = 0;
    terrain->commencerNiveau(depart_);
    poserCameraDepart();
    donneesAction.reinitialiser();
    triche_ = false;
    widgets_.montrerInfos(suivi_.texteInfos(0));
    journal("Niveau recommencé");
    if (apres == Phase::Attente) {
      // Waiting for Enter shows no bomb count, as at the level's first start.
      widgets_.retirerBombes();
      widgets_.commencer();
      if (!essai_) widgets_.montrerObjectifs(suivi_.texteObjectifs());
      phase_ = Phase::Attente;
      return;
    }
    lancer(apres);
    debutEnvol_ = SDL_GetTicks() - DureeEnvol;  // already at the play camera
    journal("Recommencé en " + std::to_string(SDL_GetTicks() - debut) + " ms");
  }

  void verifierCode() {
    if (dernierCaractere_ == static_cast<uint16_t>(LettreCodeBombe) && widgets_.bombesVisibles()) {
      journal("Bombe avec code");
      terrain->ajouterBombe();
      triche_ = true;
    } else if (dernierCaractere_ == static_cast<uint16_t>(LettreCodeGagne)) {
      journal("Gagne avec code");
      if (!resultat()) triche_ = true;
      donneesAction.proposerResultat(Gagne);
    }
  }

  void montrerResultat() {
    // A result while paused (the quit button): the panel goes, the keys act on the result.
    fermerPause();
    fermerApercu();
    fermerQuitter(false);
    // The level is over: its search stops at once.
    impasse_.arreter();
    phase_ = Phase::Resultat;
    debutResultat_ = SDL_GetTicks();
    const int r = donneesAction.resultat.load();
    // The running time stops where the result's does: at the step that gave it.
    widgets_.montrerInfos(suivi_.texteInfos(donneesAction.pasResultat.load()));
    const std::string langue = traducteur ? traducteur->nom() : "";
    const std::string image = "imgs/msg/" + langue + (r == Gagne ? "_gagne.png" : "_perdu.png");
    widgets_.retirerQuitter();
    texResultat_ = chargerTexture(repertoires ? repertoires->chemin(image) : image, 0);
    if (texResultat_ == 0) texResultat_ = creerTexture(1, 1, 4, GL_RGBA);
    const bool rejouable = r == Perdu && !abandonne();
    std::string temps;
    if (r == Gagne && triche_) {
      // A code's win goes on to the next level but earns no time, no record and no medal.
      journal("Victoire avec code : rien d'enregistré");
      suivi_.victoireSansMedaille();
    } else if (r == Gagne) {
      temps = suivi_.victoire(donneesAction.pasResultat.load());
    }
    widgets_.montrerResultat(texResultat_, rejouable, temps);
    if (r == Gagne && !triche_)
      widgets_.montrerMedaille(suivi_.derniereMedaille(), suivi_.texteMedaille());
    if (rejouable) compterTentative();
    if (rejouable && pertes_ >= PertesAvantIndice && indiceDisponible()) proposerIndice();
  }

  // Failed again and again: the hint is offered over the lost picture or the play.
  void proposerIndice() {
    const int W = gui ? gui->largeur : options.resXSure();
    const int H = gui ? gui->hauteur : options.resYSure();
    boutonIndice_ = std::make_unique<BoutonGUI>(
        W / 2 - 100, static_cast<int>(H * 0.85) - 128 - 26, 200,
        avecToucheIndice(traduire("MontreMoi")), surClic([this] { demande_ = Demande::Indice; }), 0);
    journal("Indice proposé");
  }

  void terminer() {
    fermerPause();
    impasse_.arreter();
    bandeauImpasse_.reset();
    bandeauQuitter_.reset();
    boutonIndice_.reset();
    retirerIndice();
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
    spectacle_.libererParticules();
  }

  // What a button of the pause panel or the hint button asked for.
  enum class Demande { Aucune, Continuer, Recommencer, Menu, Indice };

  const Niveau& depart_;
  SuiviPartie& suivi_;
  Spectacle& spectacle_;
  const bool essai_;
  FinEssai finEssai_ = FinEssai::Abandon;
  WidgetsNiveau widgets_;
  Phase phase_ = Phase::Attente;
  Phase avantPause_ = Phase::Attente;  // the phase the pause panel covers
  std::unique_ptr<PanneauPause> pause_;
  Demande demande_ = Demande::Aucune;
  std::thread fil_;
  GLuint texResultat_ = 0;
  IssueNiveau issue_ = IssueNiveau::Menu;
  uint16_t dernierCaractere_ = 0;
  uint32_t debutEnvol_ = 0;
  InstantaneTerrain copie_;
  int pertes_ = 0;                 // attempts on this level lost, given up or proven lost
  bool tentativeComptee_ = false;  // this attempt counted in pertes_ already
  GuetImpasse impasse_;
  std::unique_ptr<BandeauJeu> bandeauImpasse_, bandeauQuitter_;
  bool pauseAvantQuitter_ = false;
  ControleIndice controleIndice_;
  bool indiceVoulu_ = false;  // a hint was asked for: its answer is logged and offered
  bool indiceConnu_ = false;  // the check's answer is taken: solution_ holds it, or none
  Solution solution_;
  bool triche_ = false;  // a code was used on this attempt: its win is not recorded
  BombeManette bombeManette_;
  uint32_t debutResultat_ = 0;  // when the result picture came
  uint32_t finDemo_ = 0;        // when the hint's result came
  std::unique_ptr<BoutonGUI> boutonIndice_;
  std::unique_ptr<ImageGUI> fondDemo_;
  std::unique_ptr<LabelGUI> labelDemo_;
  std::string texteDemo_;
};

}  // namespace

bool jouerFichier(const std::string& fichier, int premierNiveau, IssueFichier* fin) {
  bool quitter = false;
  journal(fichier + " joue");
  donneesAction.reinitialiser();
  LecteurNiveaux lecteur;
  if (!terrain || !lecteur.ouvrir(fichier)) {
    journal("***** Erreur : Fichier " + fichier + " inexistant ou défectueux");
    return false;
  }
  journal(fichier + " headok");
  // The catalogue selects this file when the menu opens again, after a restart too.
  const std::string identite = identiteCatalogue(fichier);
  if (!identite.empty()) progressionJoueur().noterDernierFichier(identite);
  SuiviPartie suivi(fichier);
  // What shows the file's levels: the camera, the flash, the particle ring whose position
  // carries over from level to level.
  Spectacle spectacle;
  bool gagne = false;  // the last level played was won
  for (int numero = 1;; ++numero) {
    if (lecteur.chargerNiveauSuivant(*terrain)) break;
    // Levels before the chosen one are read and passed over.
    if (numero < premierNiveau) continue;
    journal("Niveau " + std::to_string(numero));
    suivi.niveau(numero);
    const Niveau depart = terrain->niveau();
    PartieNiveau partie(depart, suivi, spectacle);
    const IssueNiveau issue = partie.jouer();
    gagne = issue == IssueNiveau::Suivant;
    if (issue == IssueNiveau::Fenetre) quitter = true;
    if (issue != IssueNiveau::Suivant) break;
  }
  journal("Fichier terminé");
  lecteur.fermer();
  if (fin) {
    fin->dernierGagne = gagne;
    fin->etat = suivi.etat();
  }
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
  Spectacle spectacle;
  PartieNiveau partie(niveau, suivi, spectacle, true, route);
  partie.jouer();
  return partie.finEssai();
}
