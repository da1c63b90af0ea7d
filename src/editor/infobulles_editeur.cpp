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

}  // namespace

void poserInfobulles(EtatEditeur& etat) {
  const std::string gestes = " (" + traduit("InfoGestes") + ")";
  for (const auto& o : Outils)
    if (ImageGUI* b = etat.boutonOutil(o.code)) b->zone()->setInfobulle(traduit(o.cle) + gestes);
  if (ImageGUI* b = etat.boutonOutil(OutilBalle)) b->zone()->setInfobulle(traduit("InfoBalle"));
  for (const auto& c : Commandes)
    if (ImageGUI* b = etat.boutonCommande(c.donnee)) b->zone()->setInfobulle(traduit(c.cle));
}
