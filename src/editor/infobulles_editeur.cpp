#include "editor/infobulles_editeur.h"

#include <string>

#include "base/traducteur.h"
#include "editor/etat_editeur.h"
#include "game/cases.h"

namespace {

std::string traduit(const char* cle) { return traducteur ? traducteur->traduire(cle) : cle; }

// Tool code (the cell code it writes), tooltip key.
const struct {
  int code;
  const char* cle;
} Outils[] = {
    {Vide, "InfoVide"},
    {Brique, "InfoBrique"},
    {Win, "InfoArrivee"},
    {Lost, "InfoDanger"},
    {Casse, "InfoCasse"},
    {Blinde, "InfoBlinde"},
    {Ressort, "InfoRessort"},
    {Bombe, "InfoBombe"},
    {InterrupteurRouge, "InfoInterRouge"},
    {CouleurRouge, "InfoBlocRouge"},
    {InterrupteurJaune, "InfoInterJaune"},
    {CouleurJaune, "InfoBlocJaune"},
    {InterrupteurVert, "InfoInterVert"},
    {CouleurVert, "InfoBlocVert"},
    {InterrupteurBleu, "InfoInterBleu"},
    {CouleurBleu, "InfoBlocBleu"},
    {InterrupteurUn, "InfoInterUn"},
    {CouleurUn, "InfoBlocUn"},
    {InterrupteurDeux, "InfoInterDeux"},
    {CouleurDeux, "InfoBlocDeux"},
};

// Command (its button's user data), tooltip key.
const struct {
  int donnee;
  const char* cle;
} Commandes[] = {
    {CmdAjouter, "InfoAjouter"}, {CmdSupprimer, "InfoSupprimer"}, {CmdProprietes, "InfoProprietes"},
    {CmdSauver, "InfoSauver"},   {CmdQuitter, "InfoQuitter"},
};

// The key that picks a tool (0-9, then a-j), shown so the keys can be learnt from the buttons.
std::string touche(int code) {
  return code < 10 ? std::string(1, static_cast<char>('0' + code))
                   : std::string(1, static_cast<char>('a' + code - 10));
}

}  // namespace

void poserInfobulles(EtatEditeur& etat) {
  const std::string gestes = " (" + traduit("InfoGestes") + ")";
  for (const auto& o : Outils)
    if (ImageGUI* b = etat.boutonOutil(o.code))
      b->zone()->setInfobulle("[" + touche(o.code) + "] " + traduit(o.cle) + gestes);
  if (ImageGUI* b = etat.boutonOutil(OutilBalle))
    b->zone()->setInfobulle("[p] " + traduit("InfoBalle"));
  if (ImageGUI* b = etat.boutonOutil(OutilSelection))
    b->zone()->setInfobulle("[s] " + traduit("InfoSelection"));
  for (const auto& c : Commandes)
    if (ImageGUI* b = etat.boutonCommande(c.donnee)) b->zone()->setInfobulle(traduit(c.cle));
  if (BoutonGUI* b = etat.boutonAnnuler()) b->zone()->setInfobulle(traduit("InfoDefaire"));
  if (BoutonGUI* b = etat.boutonRefaire()) b->zone()->setInfobulle(traduit("InfoRefaire"));
}

void poserInfobullesEssais(BoutonGUI* essai, BoutonGUI* verification) {
  if (essai) essai->zone()->setInfobulle(traduit("InfoEssai"));
  if (verification) verification->zone()->setInfobulle(traduit("InfoVerifier"));
}
