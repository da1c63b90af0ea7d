#include "screens/bilan_fichier.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/journal.h"
#include "base/traducteur.h"
#include "gui/gui.h"
#include "gui/widgets.h"
#include "platform/options.h"
#include "render/image.h"
#include "screens/boucle_ecran.h"
#include "screens/dessin_medailles.h"
#include "screens/jeu_widgets.h"
#include "screens/suivi_partie.h"

namespace {

std::string traduire(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// `texte` with each "%1".."%9" replaced by the matching value.
std::string remplir(std::string texte, const std::vector<std::string>& valeurs) {
  for (size_t i = 0; i < valeurs.size() && i < 9; ++i) {
    const std::string marque = "%" + std::to_string(i + 1);
    const size_t p = texte.find(marque);
    if (p != std::string::npos) texte.replace(p, marque.size(), valeurs[i]);
  }
  return texte;
}

constexpr int Largeur = 460;
constexpr int PasLigne = 26;

}  // namespace

std::string texteTotalMedailles(const CompteMedailles& c) {
  return remplir(traduire("TotalMedailles"), {std::to_string(c.ors), std::to_string(c.argents),
                                              std::to_string(c.bronzes), std::to_string(c.sur)});
}

ChoixBilan montrerBilan(const EtatFichier& etat, bool suivantExiste) {
  std::string nom = etat.nom;
  if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
  journal("Bilan du fichier " + nom);
  const int W = gui ? gui->largeur : options.resXSure();
  const int H = gui ? gui->hauteur : options.resYSure();

  // As many level rows as fit between the title and the buttons; the log has them all.
  const int place = std::max(1, (H - 200) / PasLigne);
  const int lignes = std::min(etat.total, place);
  const int hauteur = 120 + PasLigne * lignes;
  const int x = W / 2 - Largeur / 2;
  int y = std::max(8, H / 2 - hauteur / 2);

  std::vector<std::unique_ptr<ObjHelpGUI>> widgets;
  widgets.push_back(fondSombre(x - 10, y - 10, Largeur + 20, hauteur + 20));
  widgets.push_back(std::make_unique<LabelGUI>(
      x, y, Largeur, "<cffdd77>" + nom + "<cffffff>   " + traduire("FichierFini"), nullptr, 0));
  y += 34;

  uint32_t total = 0;
  bool complet = true;
  CompteMedailles compte;
  const std::string motNiveau = traduire("Niveau");
  for (int n = 1; n <= etat.total; ++n) {
    const auto record = etat.records.find(n);
    const Medaille m = etat.medaille(n);
    const Objectifs o = etat.objectifsNiveau(n);
    compte.ajouter(m, o.existent());
    std::string temps = "-";
    if (record == etat.records.end()) {
      complet = false;
      journal("Bilan niveau " + std::to_string(n) + " : non gagné");
    } else {
      total += record->second;
      temps = texteSecondes(record->second) + " s";
      journal("Bilan niveau " + std::to_string(n) + " : " + texteSecondes(record->second) +
              " s, médaille " + motMedaille(m));
    }
    if (n > lignes) continue;
    widgets.push_back(std::make_unique<LabelGUI>(x + 10, y, 150,
                                                 motNiveau + " " + std::to_string(n), nullptr, 0));
    widgets.push_back(std::make_unique<LabelGUI>(x + 170, y, 110, temps, nullptr, 0));
    if (o.existent()) {
      widgets.push_back(disqueMedaille(x + 290, y - 1, 22, m));
      widgets.push_back(
          std::make_unique<LabelGUI>(x + 318, y, 140, texteNomMedaille(m), nullptr, 0));
    }
    y += PasLigne;
  }
  journal("Bilan total : " + texteSecondes(total) + " s");
  y += 6;
  std::string ligneTotal = traduire("TotalFichier") + texteSecondes(total) + " s";
  if (!complet) ligneTotal += " " + traduire("TotalPartiel");
  widgets.push_back(std::make_unique<LabelGUI>(x + 10, y, Largeur - 10, ligneTotal, nullptr, 0));
  y += 24;
  if (compte.sur > 0) {
    widgets.push_back(std::make_unique<LabelGUI>(x + 10, y, Largeur - 10,
                                                 texteTotalMedailles(compte), nullptr, 0));
  }
  y += 30;

  ChoixBilan choix = ChoixBilan::Menu;
  bool fini = false;
  const auto choisir = [&](ChoixBilan c) {
    choix = c;
    fini = true;
  };
  if (suivantExiste)
    widgets.push_back(
        std::make_unique<BoutonGUI>(x + 10, y, 200, traduire("FichierSuivant"),
                                    surClic([&] { choisir(ChoixBilan::FichierSuivant); }), 0));
  widgets.push_back(std::make_unique<BoutonGUI>(x + Largeur - 210, y, 200, traduire("RetourMenu"),
                                                surClic([&] { choisir(ChoixBilan::Menu); }), 0));

  GestionnairesEcran ecran;
  ecran.evenement = [&](const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN) return;
    const SDLKey t = e.key.keysym.sym;
    if (t == SDLK_RETURN || t == SDLK_KP_ENTER)
      choisir(suivantExiste ? ChoixBilan::FichierSuivant : ChoixBilan::Menu);
    else if (t == SDLK_ESCAPE) choisir(ChoixBilan::Menu);
  };
  ecran.fini = [&] { return fini; };
  ecran.dessiner = [](const InstantaneTerrain& vue, uint32_t ticks) { dessinerImage(vue, ticks); };
  if (bouclerEcran(ecran) == FinEcran::Quitter) choix = ChoixBilan::Fenetre;
  journal(choix == ChoixBilan::FichierSuivant ? "Bilan : fichier suivant"
          : choix == ChoixBilan::Menu         ? "Bilan : menu"
                                              : "Bilan : fenêtre fermée");
  return choix;
}
