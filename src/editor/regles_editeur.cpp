#include "editor/regles_editeur.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <system_error>

#include "base/journal.h"
#include "base/ecriture_atomique.h"
#include "base/fichiers.h"
#include "levels/fichier_niveaux.h"

Niveau nouveauNiveau() {
  Niveau n;  // 15 x 15, start (1.5, 1.5), no bombs, grey corners
  n.grille.assign(static_cast<size_t>(n.largeur) * static_cast<size_t>(n.hauteur), Vide);
  reinitialiserCamera(n.camera);
  n.camera.suivre = false;
  n.camera.centreX = n.departX;
  n.camera.centreY = n.departY;
  n.camera.oeilX = n.departX;
  n.camera.oeilY = n.departY;
  return n;
}

int insererNiveau(std::vector<Niveau>& niveaux, int valeur, bool apres) {
  const int n = static_cast<int>(niveaux.size());
  valeur = std::clamp(valeur, 1, std::max(n, 1));
  if (apres && n > 0) ++valeur;
  niveaux.insert(niveaux.begin() + (valeur - 1), nouveauNiveau());
  return valeur;
}

int supprimerNiveau(std::vector<Niveau>& niveaux, int valeur) {
  const int n = static_cast<int>(niveaux.size());
  if (n <= 1) return std::max(1, std::min(valeur, n));
  valeur = std::clamp(valeur, 1, n);
  niveaux.erase(niveaux.begin() + (valeur - 1));
  return std::min(valeur, n - 1);
}

void lireCouleursTravail(const Niveau& niveau, CouleursTravail travail) {
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 4; ++i) travail[k][i] = niveau.couleurs[3 - k][i];
}

int quartierCouleur(int w, int h, int cx, int cy) {
  return (cy >= h / 2 ? 2 : 0) + (cx >= w / 2 ? 1 : 0);
}

void appliquerProprietes(Niveau& niveau, int X, int Y, int B, const CouleursTravail travail) {
  X = std::clamp(X, 2, 255);
  Y = std::clamp(Y, 2, 255);
  // Also brings a start cell left outside a shrunk level back in: a ball outside the grid
  // would fall forever in play.
  niveau.redimensionner(X, Y);
  niveau.bombes = std::clamp(B, 0, 255);
  for (int k = 0; k < 4; ++k) {
    journal(std::to_string(travail[k][0]) + "\t" + std::to_string(travail[k][1]) + "\t" +
            std::to_string(travail[k][2]) + "\t");
    for (int i = 0; i < 3; ++i) niveau.couleurs[3 - k][i] = travail[k][i];
  }
  Camera& k = niveau.camera;
  if (k.centreX >= X) k.centreX = k.oeilX = static_cast<float>(X - 1);
  if (k.centreY >= Y) k.centreY = k.oeilY = static_cast<float>(Y - 1);
}

bool appliquerOutil(Niveau& niveau, uint8_t outil, int colonne, int ligne) {
  if (colonne < 0 || ligne < 0 || colonne >= niveau.largeur || ligne >= niveau.hauteur)
    return false;
  const size_t i = static_cast<size_t>(ligne) * static_cast<size_t>(niveau.largeur) +
                   static_cast<size_t>(colonne);
  if (i >= niveau.grille.size()) return false;
  if (outil == OutilBalle) {
    const float x = colonne + 0.5f, y = ligne + 0.5f;
    if (niveau.departX == x && niveau.departY == y) return false;
    niveau.departX = x;
    niveau.departY = y;
    return true;
  }
  if (niveau.grille[i] == outil) return false;
  niveau.grille[i] = outil;
  return true;
}

bool evenementPeint(const SDL_Event& e, bool dialogueOuvert, bool survolWidget) {
  if (dialogueOuvert || survolWidget) return false;
  // The wheel zooms: an author trying it must not damage the level.
  if (e.type == SDL_MOUSEBUTTONDOWN)
    return e.button.button != SDL_BUTTON_WHEELUP && e.button.button != SDL_BUTTON_WHEELDOWN &&
           e.button.button != SDL_BUTTON_MIDDLE;
  if (e.type == SDL_MOUSEMOTION) return e.motion.state == SDL_BUTTON(SDL_BUTTON_LEFT);
  return false;
}

std::vector<std::pair<int, int>> casesEntre(int c0, int l0, int c1, int l1) {
  std::vector<std::pair<int, int>> cases;
  const int dc = std::abs(c1 - c0), dl = -std::abs(l1 - l0);
  const int sc = c0 < c1 ? 1 : -1, sl = l0 < l1 ? 1 : -1;
  int erreur = dc + dl;
  for (;;) {
    cases.emplace_back(c0, l0);
    if (c0 == c1 && l0 == l1) break;
    const int e2 = 2 * erreur;
    if (e2 >= dl) {
      erreur += dl;
      c0 += sc;
    }
    if (e2 <= dc) {
      erreur += dc;
      l0 += sl;
    }
  }
  return cases;
}

std::vector<std::pair<int, int>> casesRectangle(int c0, int l0, int c1, int l1, int largeur,
                                                int hauteur) {
  std::vector<std::pair<int, int>> cases;
  const int cMin = std::max(0, std::min(c0, c1)), cMax = std::min(largeur - 1, std::max(c0, c1));
  const int lMin = std::max(0, std::min(l0, l1)), lMax = std::min(hauteur - 1, std::max(l0, l1));
  if (cMin > cMax || lMin > lMax) return cases;
  cases.reserve(static_cast<size_t>(cMax - cMin + 1) * static_cast<size_t>(lMax - lMin + 1));
  for (int l = lMin; l <= lMax; ++l)
    for (int c = cMin; c <= cMax; ++c) cases.emplace_back(c, l);
  return cases;
}

std::vector<std::pair<int, int>> casesRemplissage(const Niveau& niveau, uint8_t outil, int colonne,
                                                  int ligne) {
  std::vector<std::pair<int, int>> cases;
  const int L = niveau.largeur, H = niveau.hauteur;
  if (outil == OutilBalle || L < 1 || H < 1 || colonne < 0 || ligne < 0 || colonne >= L ||
      ligne >= H || niveau.grille.size() < static_cast<size_t>(L) * static_cast<size_t>(H))
    return cases;
  auto indice = [L](int c, int l) {
    return static_cast<size_t>(l) * static_cast<size_t>(L) + static_cast<size_t>(c);
  };
  const uint8_t cible = niveau.grille[indice(colonne, ligne)];
  if (cible == outil) return cases;
  // An explicit stack: a 255 x 255 region would overflow a recursion.
  std::vector<bool> vu(static_cast<size_t>(L) * static_cast<size_t>(H), false);
  std::vector<std::pair<int, int>> pile{{colonne, ligne}};
  vu[indice(colonne, ligne)] = true;
  while (!pile.empty()) {
    const auto [c, l] = pile.back();
    pile.pop_back();
    cases.emplace_back(c, l);
    const int voisins[4][2] = {{c + 1, l}, {c - 1, l}, {c, l + 1}, {c, l - 1}};
    for (const auto& v : voisins) {
      if (v[0] < 0 || v[1] < 0 || v[0] >= L || v[1] >= H) continue;
      const size_t i = indice(v[0], v[1]);
      if (vu[i] || niveau.grille[i] != cible) continue;
      vu[i] = true;
      pile.emplace_back(v[0], v[1]);
    }
  }
  return cases;
}

void zoomerVers(Camera& camera, int sens, const float* cibleX, const float* cibleY) {
  const float avant = camera.profondeurOeil;
  const float apres = std::max(
      ProfondeurZoomMax, std::min(ProfondeurZoomMin, avant * (sens < 0 ? 0.85f : 1.0f / 0.85f)));
  camera.profondeurOeil = apres;
  if (!cibleX || !cibleY) return;
  // The point under the pointer stays under it: the look-at point moves toward it by the share
  // of the distance the eye came closer.
  const float part = 1.0f - apres / avant;
  camera.centreX += (*cibleX - camera.centreX) * part;
  camera.centreY += (*cibleY - camera.centreY) * part;
}

uint32_t dureeDefilement(uint32_t dt) { return dt > 500 ? 1 : dt; }

void defilerVers(Camera& camera, int largeur, int hauteur, int dx, int dy, uint32_t dt) {
  const float s = static_cast<float>(dt) / 80.0f;
  float& tx = camera.centreX;
  float& ty = camera.centreY;
  if (dx > 0 && tx < (largeur - 0.2f) - s) tx += s;
  if (dx < 0 && tx > s + 0.2f) tx -= s;
  if (dy > 0 && ty < (hauteur - 0.2f) - s) ty += s;
  if (dy < 0 && ty > s + 0.2f) ty -= s;
}

void defilerBords(Camera& camera, int largeur, int hauteur, int mx, int my, int ecranL, int ecranH,
                  uint32_t dt) {
  defilerVers(camera, largeur, hauteur, (mx > ecranL - 16) - (mx <= 15),
              (my > ecranH - 16) - (my <= 15), dt);
}

void glisserVue(Camera& camera, int largeur, int hauteur, int dx, int dy, int ecranH) {
  if (ecranH <= 0) return;
  // The picture's height spans 2 tan(30 degrees) cells per unit of distance from the eye.
  const float distance = std::max(1.0f, camera.centreZ - camera.oeilZ);
  const float cellesParPixel = 2.0f * 0.57735027f * distance / static_cast<float>(ecranH);
  camera.centreX = std::clamp(camera.centreX - static_cast<float>(dx) * cellesParPixel, 0.2f,
                              std::max(0.2f, static_cast<float>(largeur) - 0.2f));
  camera.centreY = std::clamp(camera.centreY - static_cast<float>(dy) * cellesParPixel, 0.2f,
                              std::max(0.2f, static_cast<float>(hauteur) - 0.2f));
}

void placeOutilBalle(int ecranL, int& x, int& y) {
  x = ecranL - 33;
  y = ecranL >= 672 ? 1 : 33;
}

bool fichierModifiable(const std::string& chemin, const std::string& dossierUtilisateur) {
  return cheminDansDossier(chemin, dossierUtilisateur);
}

std::string cheminRecuperation(const std::string& chemin) { return chemin + ".recup"; }

bool ecrireRecuperation(const std::string& chemin, const std::vector<Niveau>& niveaux) {
  const std::string copie = cheminRecuperation(chemin);
  const bool ok = remplacerFichier(copie, octetsFichier(niveaux), LienCible::Remplacer);
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
