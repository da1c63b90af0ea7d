#include "app/pages_aide.h"

#include "base/journal.h"
#include "base/fichiers.h"
#include "platform/processus.h"
#include "platform/repertoires.h"

namespace {

std::string page(const std::string& nom, const std::string& langue) {
  // The pages sit in the data directory's "doc/" folder, one per language.
  const std::string dossier = repertoires->dossierDonnees() + "doc/";
  const std::string chemin = dossier + nom + "-" + langue + ".html";
  if (fichierExiste(chemin)) return chemin;
  return dossier + nom + "-en.html";
}

}  // namespace

std::string cheminPageAide(int lien, const std::string& langue) {
  if (!repertoires) return "";
  if (lien == LienManuel) return page("manuel", langue);
  if (lien == LienCredits) return page("credits", langue);
  return "";
}

int ouvrirPageAide(int lien, const std::string& langue) {
  const std::string chemin = cheminPageAide(lien, langue);
  journal(std::string("Lancement du navigateur pour ") +
          (lien == LienManuel ? "le manuel : " : "les crédits : ") + chemin);
  const int r = ouvrirDocument(chemin, "");
  journal("ok !");
  return r;
}
