#include "editor/verification_editeur.h"

#include <SDL.h>

#include <string>
#include <utility>

#include "base/journal.h"
#include "base/traducteur.h"
#include "editor/essai_editeur.h"
#include "editor/etat_editeur.h"
#include "game/partie.h"
#include "game/verification.h"
#include "gui/gui.h"
#include "levels/historique_editeur.h"
#include "levels/progression.h"

namespace {

constexpr int LargeurBouton = 100;
constexpr int LargeurDialogue = 420;
constexpr int HauteurDialogue = 100;

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// The steps played up to the win, as the play screen counts them (the search numbers the
// winning step from 0).
uint32_t pasJoues(const Resolution& r) { return static_cast<uint32_t>(r.pas + 1); }

}  // namespace

VerificationEditeur::VerificationEditeur(int largeurEcran, int hauteurEcran) {
  // Left of the test-play's button.
  bouton_ = std::make_unique<BoutonGUI>(largeurEcran - 2 * LargeurBouton - 6, hauteurEcran - 30,
                                        LargeurBouton, traduire("Verifier"),
                                        surClic([this] { demander(); }), 0);
}

void VerificationEditeur::ouvrir(const Niveau& niveau, int numero) {
  if (ouvert() || verification_.enCours()) return;
  niveau_ = niveau;
  numero_ = numero;
  perime_ = false;
  resultat_ = Resolution{};
  debut_ = SDL_GetTicks();
  journal("Vérification niveau " + std::to_string(numero));
  construireRecherche();
  verification_.lancer(niveau_);
}

void VerificationEditeur::construireRecherche() {
  dialogue_ = std::make_unique<DialogueGUI>(LargeurDialogue, HauteurDialogue);
  dialogue_->setTitre(traduire("VerifTitre") + " " + std::to_string(numero_));
  dialogue_->ajouterBouton(traduire("Ann"), surClic([this] { demande_ = Demande::Fermer; }), 0);
  ligne2_ = dialogue_->ajouterTexte("");
  ligne1_ = dialogue_->ajouterTexte(traduire("VerifRecherche"));
  texte2_.clear();
}

void VerificationEditeur::construireResultat() {
  dialogue_ = std::make_unique<DialogueGUI>(LargeurDialogue, HauteurDialogue);
  dialogue_->setTitre(traduire("VerifTitre") + " " + std::to_string(numero_));
  montrer_ = nullptr;
  if (resultat_.trouvee) {
    montrer_ = dialogue_->ajouterBouton(traduire("Montrer"), surClic([this] {
                                          if (perime_) journal("Montrer refusé : niveau modifié");
                                          else demande_ = Demande::Montrer;
                                        }),
                                        0);
    if (perime_)
      for (float& c : montrer_->zone()->couleurTexte) c = 0.45f;
  }
  dialogue_->ajouterBouton(traduire("OK"), surClic([this] { demande_ = Demande::Fermer; }), 0);
  std::string texte1, texte2;
  if (perime_) {
    texte1 = traduire("VerifPerimee");
  } else switch (resultat_.fin) {
      case FinRecherche::Gagnee:
        texte1 = traduire("VerifGagnable") + " " + texteSecondes(pasJoues(resultat_)) + " s";
        break;
      case FinRecherche::SansDepart: texte1 = traduire("VerifSansDepart"); break;
      default: texte1 = traduire("VerifSansVictoire"); break;
    }
  if (!perime_ && resultat_.fin != FinRecherche::SansDepart) {
    texte2 = traduire("VerifEtats") + " " + std::to_string(resultat_.etats);
  }
  ligne2_ = dialogue_->ajouterTexte(texte2);
  ligne1_ = dialogue_->ajouterTexte(texte1);
}

// The search over: its result in the log and in the dialog.
void VerificationEditeur::terminer() {
  resultat_ = verification_.prendre();
  const std::string duree = std::to_string(SDL_GetTicks() - debut_) + " ms";
  const std::string etats = std::to_string(resultat_.etats) + " états";
  switch (resultat_.fin) {
    case FinRecherche::Gagnee:
      journal("Vérification : gagnable en " + std::to_string(pasJoues(resultat_)) + " pas (" +
              etats + ", " + duree + ")");
      break;
    case FinRecherche::SansDepart: journal("Vérification : la balle n'a pas de départ"); break;
    case FinRecherche::Annulee: return;
    default:
      journal("Vérification : aucune victoire dans les bornes (" + etats + ", " + duree + ")");
      break;
  }
  construireResultat();
}

void VerificationEditeur::fermer() {
  if (verification_.finie()) {
    verification_.prendre();  // ended this very frame: a result nobody will read
  } else if (verification_.enCours()) {
    const uint32_t debut = SDL_GetTicks();
    verification_.annuler();
    journal("Vérification annulée en " + std::to_string(SDL_GetTicks() - debut) + " ms");
  }
  if (dialogue_) journal("Fermeture vérification");
  ligne1_ = ligne2_ = nullptr;
  montrer_ = nullptr;
  dialogue_.reset();
}

bool VerificationEditeur::toujoursLeMeme(const EtatEditeur& etat) {
  const uint64_t r = etat.document().revision();
  if (r == revision_) return true;
  const auto& niveaux = etat.niveaux();
  const size_t i = static_cast<size_t>(numero_ - 1);
  if (numero_ < 1 || i >= niveaux.size() || !memesDonnees(niveaux[i], niveau_)) return false;
  revision_ = r;
  return true;
}

// The level changed under the check: a running search is stopped (its answer would be about
// another level), a shown answer says so and shows nothing.
void VerificationEditeur::devenirPerime() {
  perime_ = true;
  if (verification_.enCours()) {
    if (verification_.finie()) {
      resultat_ = verification_.prendre();
    } else {
      verification_.annuler();
      resultat_ = Resolution{};
    }
  }
  journal("Vérification périmée : le niveau " + std::to_string(numero_) + " a changé");
  construireResultat();
}

void VerificationEditeur::avancer(EtatEditeur& etat, EssaiEditeur& essai) {
  const Demande d = demande_;
  demande_ = Demande::Aucune;
  if (ouvert() && !perime_ && !toujoursLeMeme(etat)) devenirPerime();
  if (d == Demande::Ouvrir) {
    if (etat.dialogueOuvert() || etat.choixCouleur()) {
      journal("Vérification refusée : dialogue ouvert");
    } else if (!ouvert()) {
      revision_ = etat.document().revision();
      ouvrir(etat.courant(), etat.indiceCourant() + 1);
    }
  } else if (d == Demande::Fermer) {
    fermer();
  } else if (d == Demande::Montrer && resultat_.trouvee && !perime_) {
    journal("Vérification : route montrée");
    fermer();
    essai.montrer(niveau_, numero_, enSolution(resultat_.script));
  }
  if (!verification_.enCours()) return;
  if (verification_.finie()) {
    terminer();
    return;
  }
  // The search's progress, as far as it has gone.
  const ProgresRecherche& progres = verification_.progres();
  const long pas = static_cast<long>(progres.pas.load(std::memory_order_relaxed));
  const std::string texte =
      traduire("VerifEtats") + " " + std::to_string(progres.etats.load(std::memory_order_relaxed)) +
      "   " + traduire("VerifPas") + " " + texteSecondes(static_cast<uint32_t>(pas)) + " s";
  if (ligne2_ && texte != texte2_) ligne2_->zone()->setTexte(texte);
  texte2_ = texte;
}
