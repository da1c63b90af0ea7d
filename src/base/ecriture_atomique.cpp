#include "base/ecriture_atomique.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "base/fichiers.h"
#include "base/journal.h"

namespace {

// The file a chain of symlinks ends at (the path itself when it is no link). A chain too long
// to follow is left as it is; the caller's stat then fails on it.
std::string suivreLiens(std::string chemin) {
  for (int saut = 0; saut < 40; ++saut) {
    struct stat st;
    if (lstat(chemin.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return chemin;
    std::vector<char> lien(PATH_MAX + 1);
    const ssize_t n = readlink(chemin.c_str(), lien.data(), lien.size() - 1);
    if (n <= 0) return chemin;
    std::string cible(lien.data(), static_cast<size_t>(n));
    if (cible[0] != '/') {
      const size_t barre = chemin.rfind('/');
      cible = (barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1)) + cible;
    }
    chemin = cible;
  }
  return chemin;
}

int nettoyerArbre(const std::string& dossier, int64_t maintenant, int64_t ageMinimal,
                  int profondeur) {
  int supprimes = supprimerTemporairesPerimes(dossier, maintenant, ageMinimal);
  // Deeper than any folder of the game: a loop of bind mounts or a planted tree ends here.
  if (profondeur >= 16) return supprimes;
  const auto noms = listerFichiers(dossier, "");
  if (!noms) return supprimes;
  for (const std::string& nom : *noms) {
    if (nom == "." || nom == "..") continue;
    const std::string chemin =
        dossier + (dossier.empty() || dossier.back() == '/' ? "" : "/") + nom;
    struct stat st;
    if (lstat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
      supprimes += nettoyerArbre(chemin, maintenant, ageMinimal, profondeur + 1);
  }
  return supprimes;
}

IssueEcriture echecEcriture(int erreur) { return IssueEcriture{erreur}; }

}  // namespace

IssueEcriture remplacerFichier(const std::string& chemin, std::string_view octets, LienCible lien) {
  std::string cible = chemin;
  struct stat ancien;
  bool existe = false;
  if (lien == LienCible::Suivre) {
    cible = suivreLiens(chemin);
    existe = stat(cible.c_str(), &ancien) == 0;
  } else if (lstat(chemin.c_str(), &ancien) == 0) {
    // The link is ours to replace, whatever it points to; its target is never opened.
    existe = !S_ISLNK(ancien.st_mode);
  }
  mode_t mode = 0644;
  if (existe) {
    // A read-only file is the player's choice (root would write it anyway: the bits decide).
    if (!S_ISREG(ancien.st_mode)) return echecEcriture(S_ISDIR(ancien.st_mode) ? EISDIR : EINVAL);
    if ((ancien.st_mode & 0222) == 0) return echecEcriture(EACCES);
    if (access(cible.c_str(), W_OK) != 0) return echecEcriture(errno);
    mode = ancien.st_mode & 07777;
  } else if (lien == LienCible::Suivre && errno != ENOENT) {
    return echecEcriture(errno);
  }
  std::string temporaire = cible + ".tmp.XXXXXX";
  const int fd = mkostemp(temporaire.data(), O_CLOEXEC);
  if (fd < 0) return echecEcriture(errno);
  fchmod(fd, mode);  // created 0600; a replaced file keeps exactly what it had
  // The first failing call's reason, taken at once: the calls after it overwrite errno.
  int erreur = 0;
  for (size_t fait = 0; erreur == 0 && fait < octets.size();) {
    const ssize_t n = write(fd, octets.data() + fait, octets.size() - fait);
    if (n > 0) fait += static_cast<size_t>(n);
    else if (n == 0) erreur = EIO;
    else if (errno != EINTR) erreur = errno;
  }
  if (fsync(fd) != 0 && erreur == 0) erreur = errno;
  if (close(fd) != 0 && erreur == 0) erreur = errno;
  if (erreur == 0 && std::rename(temporaire.c_str(), cible.c_str()) != 0) erreur = errno;
  if (erreur == 0) return IssueEcriture{};
  std::remove(temporaire.c_str());
  return echecEcriture(erreur);
}

bool nomTemporaire(const std::string& nom) {
  const size_t n = nom.size();
  if (n < 12 || nom.compare(n - 11, 5, ".tmp.") != 0) return false;
  for (size_t i = n - 6; i < n; ++i)
    if (!std::isalnum(static_cast<unsigned char>(nom[i]))) return false;
  return true;
}

int supprimerTemporairesPerimes(const std::string& dossier, int64_t maintenant,
                                int64_t ageMinimal) {
  const auto noms = listerFichiers(dossier, "");
  if (!noms) return 0;
  int supprimes = 0;
  for (const std::string& nom : *noms) {
    if (!nomTemporaire(nom)) continue;
    const std::string chemin =
        dossier + (dossier.empty() || dossier.back() == '/' ? "" : "/") + nom;
    struct stat st;
    if (lstat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (maintenant - static_cast<int64_t>(st.st_mtime) < ageMinimal) continue;
    if (unlink(chemin.c_str()) == 0) {
      ++supprimes;
      journal("Fichier temporaire abandonné supprimé : " + chemin);
    }
  }
  return supprimes;
}

int supprimerTemporairesPerimesArbre(const std::string& dossier, int64_t maintenant,
                                     int64_t ageMinimal) {
  return nettoyerArbre(dossier, maintenant, ageMinimal, 0);
}
