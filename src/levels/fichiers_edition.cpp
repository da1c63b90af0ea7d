#include "levels/fichiers_edition.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "base/journal.h"
#include "levels/fichier_niveaux.h"

bool fichierModifiable(const std::string& chemin, const std::string& dossierUtilisateur) {
  return cheminDansDossier(chemin, dossierUtilisateur);
}

std::string cheminRecuperation(const std::string& chemin) { return chemin + ".recup"; }

bool ecrireRecuperation(const std::string& chemin, const std::vector<Niveau>& niveaux) {
  const std::string copie = cheminRecuperation(chemin);
  const bool ok =
      static_cast<bool>(remplacerFichier(copie, octetsFichier(niveaux), LienCible::Remplacer));
  journal(ok ? "Copie de secours : " + copie
             : "***** Erreur : copie de secours impossible : " + copie);
  return ok;
}

bool lireRecuperation(const std::string& chemin, std::vector<Niveau>& niveaux) {
  if (!recuperationExiste(chemin)) return false;
  std::vector<Niveau> lus;
  if (chargerTout(cheminRecuperation(chemin), lus) < 1) return false;
  niveaux = std::move(lus);
  return true;
}

bool recuperationExiste(const std::string& chemin) {
  std::error_code erreur;
  // A link there is none of the game's: never read through it.
  return std::filesystem::is_regular_file(
      std::filesystem::symlink_status(cheminRecuperation(chemin), erreur));
}

void supprimerRecuperation(const std::string& chemin) {
  std::error_code erreur;
  std::filesystem::remove(cheminRecuperation(chemin), erreur);
  if (erreur)
    journal("***** Erreur : copie de secours non supprimée : " + cheminRecuperation(chemin));
}

bool fichierProtege(const std::string& chemin) {
  namespace fs = std::filesystem;
  std::error_code erreur;
  const fs::file_status etat = fs::status(chemin, erreur);
  if (erreur || !fs::exists(etat)) return false;
  return (etat.permissions() & fs::perms::owner_write) == fs::perms::none;
}

SignatureFichier signatureFichier(const std::string& chemin) {
  SignatureFichier s;
  // Streamed, whatever the size: a file is never too large to tell whether it changed. Opened
  // without blocking, so a named pipe put there cannot hang the editor.
  const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return s;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return s;
  }
  // FNV-1a: a change of the same size within the clock's resolution still shows.
  uint64_t h = 14695981039346656037ull, taille = 0;
  char bloc[65536];
  for (;;) {
    const ssize_t n = read(fd, bloc, sizeof bloc);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      close(fd);
      return s;
    }
    for (ssize_t i = 0; i < n; ++i)
      h = (h ^ static_cast<unsigned char>(bloc[i])) * 1099511628211ull;
    taille += static_cast<uint64_t>(n);
  }
  close(fd);
  s.lisible = true;
  s.taille = taille;
  s.modifieNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  s.empreinte = h;
  return s;
}

std::string cheminLibre(const std::string& dossier, const std::string& chemin) {
  namespace fs = std::filesystem;
  std::string nom = fs::path(chemin).filename().string();
  if (nom.size() > 4 && nom.compare(nom.size() - 4, 4, ".map") == 0) nom.resize(nom.size() - 4);
  const std::string base =
      dossier + (dossier.empty() || dossier.back() == '/' ? "" : "/") + nom + "-";
  for (int i = 2; i <= 101; ++i) {
    const std::string c = base + std::to_string(i) + ".map";
    struct stat st;
    if (lstat(c.c_str(), &st) != 0 && errno == ENOENT) return c;
  }
  return std::string();
}
