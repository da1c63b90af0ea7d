// The shipped data directory: every file the game asks for exists and has the form its loader
// needs (pictures through SDL_image, sounds and music through SDL_mixer, language files through
// the translator).
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/traducteur.h"
#include "fixtures.h"

namespace {

const std::string DONNEES = std::string(ZARVINEL_SOURCE_DIR) + "/data/";
const int TAILLE_POLICE = 17;

struct SurfaceLiberee {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceLiberee>;

Surface chargerImage(const std::string& rel) { return Surface(IMG_Load((DONNEES + rel).c_str())); }

bool puissanceDeDeux(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Every picture of the texture table (start-up loader and the play screen's backdrop), with the
// size and bytes per pixel the data were made with. The explosion has no alpha so its colour's
// alpha fades it; the sky is large enough not to blur on a 1280 x 1024 window.
struct Image {
  std::string chemin;
  int largeur, hauteur, octets;
};

std::vector<Image> tableDesTextures() {
  std::vector<Image> t = {
      {"imgs/gui/gui_fond.png", 16, 16, 4},   {"imgs/gui/gui_hg.png", 2, 2, 4},
      {"imgs/gui/gui_h.png", 16, 2, 4},       {"imgs/gui/gui_hd.png", 2, 2, 4},
      {"imgs/gui/gui_g.png", 2, 16, 4},       {"imgs/gui/gui_d.png", 2, 16, 4},
      {"imgs/gui/gui_bg.png", 2, 2, 4},       {"imgs/gui/gui_b.png", 16, 2, 4},
      {"imgs/gui/gui_bd.png", 2, 2, 4},       {"imgs/gui/haut.png", 16, 32, 4},
      {"imgs/gui/bas.png", 16, 32, 4},        {"imgs/boom/1.png", 128, 128, 3},
      {"imgs/boom/particule.png", 32, 32, 4}, {"imgs/briques/casse.png", 64, 64, 3},
      {"imgs/briques/blinde.png", 64, 64, 3}, {"imgs/briques/ressort.png", 64, 64, 4},
      {"imgs/briques/un.png", 64, 64, 4},     {"imgs/briques/deux.png", 64, 64, 4},
      {"imgs/briques/win.png", 64, 64, 4},    {"imgs/briques/lost.png", 64, 64, 4},
      {"imgs/fond/gal.png", 2048, 2048, 3},   {"imgs/boutons_edit/255.png", 32, 32, 4},
      {"imgs/msg/move0.png", 256, 128, 4},    {"imgs/msg/move1.png", 256, 128, 4},
      {"imgs/msg/move2.png", 256, 128, 4},    {"imgs/msg/boom0.png", 128, 128, 4},
      {"imgs/msg/boom1.png", 128, 128, 4},    {"imgs/boutons/options.png", 32, 32, 4},
      {"imgs/boutons/langue.png", 32, 32, 4}, {"imgs/boutons/croix.png", 32, 32, 4},
      {"imgs/boutons/plus.png", 32, 32, 4},   {"imgs/boutons/save.png", 32, 32, 4},
      {"imgs/boutons/moins.png", 32, 32, 4},  {"imgs/fond/julia.png", 256, 1, 3},
      {"imgs/msg/titre.png", 512, 128, 4},    {"imgs/msg/cache.png", 1024, 128, 4},
  };
  for (int code = 0; code < 20; ++code)
    t.push_back({"imgs/boutons_edit/" + std::to_string(code) + ".png", 32, 32, 4});
  t.push_back({"imgs/boutons_edit/254.png", 32, 32, 4});  // the selection tool
  for (const char* c : {"rouge", "jaune", "vert", "bleu"}) {
    t.push_back({std::string("imgs/briques/") + c + ".png", 32, 32, 4});
    t.push_back({std::string("imgs/briques/") + c + "_t.png", 32, 32, 4});
  }
  return t;
}

TEST(Donnees, ChaqueImageDeLaTableALaFormeAttendue) {
  for (const auto& attendu : tableDesTextures()) {
    SCOPED_TRACE(attendu.chemin);
    Surface s = chargerImage(attendu.chemin);
    ASSERT_TRUE(s) << IMG_GetError();
    EXPECT_EQ(s->w, attendu.largeur);
    EXPECT_EQ(s->h, attendu.hauteur);
    EXPECT_EQ(s->format->BytesPerPixel, attendu.octets);
    // Textures go to the GL as they are: powers of two suit every driver.
    EXPECT_TRUE(puissanceDeDeux(s->w) && puissanceDeDeux(s->h));
  }
}

TEST(Donnees, LeCielEstCarrePourLesSixFacesDuCube) {
  Surface s = chargerImage("imgs/fond/gal.png");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->w, s->h);
}

// Alpha of one pixel of a 4-byte picture.
int alphaEn(const SDL_Surface* s, int x, int y) {
  const auto* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 4;
  Uint8 r, g, b, a;
  SDL_GetRGBA(*reinterpret_cast<const Uint32*>(p), s->format, &r, &g, &b, &a);
  return a;
}

// Pictures drawn over something: their rounded corners and their background let it show.
TEST(Donnees, CoinsEtFondsTransparents) {
  std::vector<std::string> chemins = {"imgs/briques/un.png", "imgs/briques/deux.png",
                                      "imgs/briques/ressort.png"};
  for (const char* langue : {"Francais", "English", "Deutsch", "Espanol"})
    for (const char* fin : {"_gagne.png", "_perdu.png"})
      chemins.push_back(std::string("imgs/msg/") + langue + fin);
  for (const auto& c : chemins) {
    SCOPED_TRACE(c);
    Surface s = chargerImage(c);
    ASSERT_TRUE(s) << IMG_GetError();
    ASSERT_EQ(s->format->BytesPerPixel, 4);
    EXPECT_EQ(alphaEn(s.get(), 0, 0), 0);
    EXPECT_EQ(alphaEn(s.get(), s->w - 1, s->h - 1), 0);
    int plein = 0;  // and something is drawn
    for (int y = 0; y < s->h; ++y)
      for (int x = 0; x < s->w; ++x) plein = std::max(plein, alphaEn(s.get(), x, y));
    EXPECT_EQ(plein, 255);
  }
}

TEST(Donnees, LIconeDeFenetreEstUnBitmapLisible) {
  Surface s(SDL_LoadBMP((DONNEES + "imgs/icon.bmp").c_str()));
  ASSERT_TRUE(s) << SDL_GetError();
  EXPECT_EQ(s->w, 32);
  EXPECT_EQ(s->h, 32);
}

// ------------------------------------------------------------------- font sheets
struct Feuille {
  std::string chemin;
  int premier, dernier;
};
const Feuille FEUILLES[] = {{"imgs/lettres/assci7.png", 0x21, 0x7F},
                            {"imgs/lettres/assci8.png", 0x80, 0xFF}};

// Bytes that Windows-1252 leaves unassigned, and those that have no visible ink (DEL,
// no-break space, soft hyphen): no text of the game may hold them.
const std::set<int> SANS_ENCRE = {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xAD};

// The inked columns of one cell, as the font loader finds them (alpha above 100).
std::pair<int, int> encre(const SDL_Surface* s, int cellule) {
  int premier = s->w, dernier = 0;
  const auto* p = static_cast<const uint8_t*>(s->pixels);
  for (int y = cellule * TAILLE_POLICE; y < (cellule + 1) * TAILLE_POLICE; ++y)
    for (int x = 0; x < s->w; ++x)
      if (p[y * s->pitch + x * s->format->BytesPerPixel + s->format->BytesPerPixel - 1] > 100) {
        premier = std::min(premier, x);
        dernier = std::max(dernier, x);
      }
  return {premier, dernier};
}

TEST(Donnees, FeuillesDeLaPolice) {
  for (const auto& f : FEUILLES) {
    SCOPED_TRACE(f.chemin);
    Surface s = chargerImage(f.chemin);
    ASSERT_TRUE(s) << IMG_GetError();
    EXPECT_TRUE(puissanceDeDeux(s->w));
    EXPECT_EQ(s->h, (f.dernier - f.premier + 1) * TAILLE_POLICE);
    ASSERT_EQ(s->format->BytesPerPixel, 4);
    EXPECT_EQ(s->format->Amask, SDL_SwapLE32(0xFF000000u));  // the last byte is alpha
    ASSERT_EQ(s->pitch, s->w * 4);  // rows packed, as the loader copies them
    for (int code = f.premier; code <= f.dernier; ++code) {
      auto [premier, dernier] = encre(s.get(), code - f.premier);
      if (SANS_ENCRE.count(code)) continue;
      EXPECT_LE(premier, dernier) << "no ink for byte " << code;
      EXPECT_GT(premier, 0) << "byte " << code << " touches the left edge";
      EXPECT_LT(dernier, s->w - 1) << "byte " << code << " touches the right edge";
    }
  }
  EXPECT_TRUE(existeTest(DONNEES + "imgs/lettres/LICENSE-DejaVu.txt"));
}

// Pen advance of each byte, computed from the sheets as the font does.
std::map<int, int> avances() {
  std::map<int, int> av = {{' ', TAILLE_POLICE / 4}};
  for (const auto& f : FEUILLES) {
    Surface s = chargerImage(f.chemin);
    if (!s) continue;
    for (int code = f.premier; code <= f.dernier; ++code) {
      auto [premier, dernier] = encre(s.get(), code - f.premier);
      av[code] = dernier - premier + 3;
    }
  }
  return av;
}

// Width of the ink of a one-line text with markup, in pixels.
int largeurEncre(const std::string& texte, const std::map<int, int>& av) {
  int total = 0;
  bool balise = false;
  for (unsigned char c : texte) {
    if (c == '<') balise = true;
    else if (c == '>') balise = false;
    else if (!balise) total += av.count(c) ? av.at(c) : av.at('?');
  }
  return total - 2;  // the last glyph's gap is not ink
}

// ------------------------------------------------------------------- languages
struct Cle {
  std::string nom;
  int largeur;
};

// The keys every screen looks up, with the width their widget gives them.
std::vector<Cle> clesDesEcrans() {
  std::ifstream f(std::string(ZARVINEL_SOURCE_DIR) + "/tools/donnees/cles.txt");
  std::vector<Cle> cles;
  std::string ligne;
  while (std::getline(f, ligne)) {
    ligne = ligne.substr(0, ligne.find('#'));
    std::istringstream l(ligne);
    Cle c;
    if (l >> c.nom >> c.largeur) cles.push_back(c);
  }
  return cles;
}

struct Langue {
  std::string code, nom;
};

// lang/liste.txt read as the language screen reads it: code up to '|', name up to '|'.
std::vector<Langue> listeDesLangues() {
  std::ifstream f(DONNEES + "lang/liste.txt");
  std::vector<Langue> langues;
  std::string ligne;
  while (std::getline(f, ligne)) {
    auto a = ligne.find('|');
    auto b = ligne.find('|', a + 1);
    if (a == std::string::npos || b == std::string::npos) continue;
    langues.push_back({ligne.substr(0, a), ligne.substr(a + 1, b - a - 1)});
    // The main menu takes everything after the first '|' less the last character: the same name.
    EXPECT_EQ(ligne.substr(a + 1, ligne.size() - a - 2), langues.back().nom);
  }
  return langues;
}

void verifierOctets(const std::string& texte, const std::string& ou) {
  for (unsigned char c : texte) {
    if (c == '\n') continue;
    EXPECT_GE(c, 32) << ou << ": control byte " << int(c);
    EXPECT_EQ(SANS_ENCRE.count(c), 0u) << ou << ": byte " << int(c) << " has no glyph";
  }
}

TEST(Donnees, ListeDesLangues) {
  auto langues = listeDesLangues();
  ASSERT_GE(langues.size(), 4u);
  EXPECT_EQ(langues[0].code, "fr");  // the default language comes first
  std::set<std::string> codes;
  for (const auto& l : langues) {
    codes.insert(l.code);
    EXPECT_TRUE(existeTest(DONNEES + "lang/" + l.code + ".txt")) << l.code;
  }
  for (const char* c : {"fr", "en", "de", "es"}) EXPECT_EQ(codes.count(c), 1u) << c;
  verifierOctets(lireFichierTest(DONNEES + "lang/liste.txt"), "lang/liste.txt");
  EXPECT_EQ(lireFichierTest(DONNEES + "lang/liste.txt").find('\r'), std::string::npos);
}

TEST(Donnees, ChaqueLangueTraduitChaqueCleEtTientDansSonWidget) {
  const auto cles = clesDesEcrans();
  ASSERT_GE(cles.size(), 30u);
  const auto av = avances();
  for (const auto& langue : listeDesLangues()) {
    SCOPED_TRACE(langue.code);
    const std::string chemin = DONNEES + "lang/" + langue.code + ".txt";
    const std::string brut = lireFichierTest(chemin);
    verifierOctets(brut, chemin);
    // Every line after the name is an entry (a line without '=' would swallow the next one),
    // and no key appears twice (the first would win silently).
    std::istringstream lignes(brut);
    std::string ligne, nom;
    std::getline(lignes, nom);
    std::set<std::string> vues;
    while (std::getline(lignes, ligne)) {
      auto egal = ligne.find('=');
      ASSERT_NE(egal, std::string::npos) << ligne;
      EXPECT_TRUE(vues.insert(ligne.substr(0, egal)).second) << "key twice: " << ligne;
    }
    CaptureJournal capture;
    Traducteur t;
    t.charger(chemin);
    EXPECT_EQ(t.nom(), nom);
    for (const auto& c : cles) {
      const std::string texte = t.traduire(c.nom);
      EXPECT_FALSE(texte.empty()) << c.nom;
      EXPECT_LE(largeurEncre(texte, av), c.largeur) << c.nom << " = " << texte;
    }
  }
}

TEST(Donnees, ImagesDeResultatNommeesParLaLangue) {
  // The play screen builds "imgs/msg/" + name + "_gagne.png" from line 1 of the language file.
  for (const auto& langue : listeDesLangues()) {
    CaptureJournal capture;
    Traducteur t;
    t.charger(DONNEES + "lang/" + langue.code + ".txt");
    const std::string nom = t.nom();
    ASSERT_FALSE(nom.empty()) << langue.code;
    for (unsigned char c : nom) EXPECT_TRUE(std::isalnum(c) && c < 128) << "file names stay ASCII";
    for (const char* fin : {"_gagne.png", "_perdu.png"}) {
      SCOPED_TRACE(nom + fin);
      Surface s = chargerImage("imgs/msg/" + nom + fin);
      ASSERT_TRUE(s) << IMG_GetError();
      EXPECT_EQ(s->w, 512);
      EXPECT_EQ(s->h, 128);
    }
  }
}

// The whole data directory stays small enough to ship and to keep in the repository.
TEST(Donnees, MoinsDeDixMegaOctets) {
  uintmax_t total = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(DONNEES))
    if (e.is_regular_file() && e.path().extension() != ".pak") total += e.file_size();
  EXPECT_LT(total, 10u * 1000 * 1000);
}

TEST(Donnees, LesQuatreShadersSontLa) {
  for (const char* f : {"julia.vert", "julia.frag", "bloom.vert", "bloom.frag"}) {
    const std::string texte = lireFichierTest(DONNEES + "shaders/" + f);
    EXPECT_EQ(texte.rfind("#version 110", 0), 0u) << f;
  }
}

// ------------------------------------------------------------------- sound
class DonneesAudio : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    int frequence = 0, canaux = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequence, &format, &canaux);
    ASSERT_EQ(frequence, 44100);
    ASSERT_EQ(canaux, 2);
    ASSERT_EQ(format, AUDIO_S16SYS);
  }
  void TearDown() override {
    Mix_CloseAudio();
    SDL_Quit();
  }
  // The whole file decoded as the game's effect loader does it.
  static Mix_Chunk* decoder(const std::string& rel) {
    return Mix_LoadWAV_RW(SDL_RWFromFile((DONNEES + rel).c_str(), "rb"), 1);
  }
  static double duree(const Mix_Chunk* c) { return c->alen / 4.0 / 44100.0; }

  // Looping plays the last frame then the first: that step must be no larger than the
  // signal's own steps (its 99.9th percentile), or the loop clicks.
  static void verifierBoucle(const Mix_Chunk* c) {
    const auto* s = reinterpret_cast<const int16_t*>(c->abuf);
    const size_t n = c->alen / 4;
    ASSERT_GT(n, 1000u);
    std::vector<int> pas(n - 1);
    for (size_t i = 0; i + 1 < n; ++i)
      pas[i] = std::max(std::abs(s[2 * i + 2] - s[2 * i]), std::abs(s[2 * i + 3] - s[2 * i + 1]));
    auto p = pas.begin() + static_cast<long>(pas.size() * 999 / 1000);
    std::nth_element(pas.begin(), p, pas.end());
    const int seuil = *p;
    const int saut = std::max(std::abs(s[0] - s[2 * n - 2]), std::abs(s[1] - s[2 * n - 1]));
    EXPECT_LE(saut, seuil + 4);
  }
  static double decibels(double v) { return 20 * std::log10(std::max(v, 1e-9) / 32768.0); }
  // RMS level of frames [debut, fin) over both channels, in dB of full scale.
  static double niveau(const Mix_Chunk* c, size_t debut, size_t fin) {
    const auto* s = reinterpret_cast<const int16_t*>(c->abuf);
    double somme = 0;
    for (size_t i = 2 * debut; i < 2 * fin; ++i) somme += double(s[i]) * s[i];
    return decibels(std::sqrt(somme / std::max<size_t>(1, 2 * (fin - debut))));
  }
  // The loudest 50 ms of a sound: how loud it is heard.
  static double niveauFort(const Mix_Chunk* c) {
    const size_t n = c->alen / 4, w = 2205;
    double fort = -200;
    for (size_t i = 0; i + w <= n; i += w / 2) fort = std::max(fort, niveau(c, i, i + w));
    return fort;
  }
  static void verifierNiveau(const Mix_Chunk* c, double rmsMin, double rmsMax) {
    const auto* s = reinterpret_cast<const int16_t*>(c->abuf);
    const size_t n = c->alen / 2;
    double somme = 0;
    int crete = 0;
    for (size_t i = 0; i < n; ++i) {
      somme += double(s[i]) * s[i];
      crete = std::max(crete, std::abs(int(s[i])));
    }
    const double rmsDb = 20 * std::log10(std::sqrt(somme / n) / 32768.0);
    EXPECT_LT(crete, 32767) << "clipped";
    EXPECT_GE(rmsDb, rmsMin);
    EXPECT_LE(rmsDb, rmsMax);
  }
};

TEST_F(DonneesAudio, LesSixEffets) {
  const struct {
    const char* chemin;
    double dureeMax;
  } effets[] = {{"sons/paf.ogg", 0.5},     {"sons/rool.ogg", 2.0},  {"sons/boom.ogg", 2.5},
                {"sons/ressort.ogg", 1.0}, {"sons/inter.wav", 1.0}, {"sons/pr_bombe.wav", 1.0}};
  for (const auto& e : effets) {
    SCOPED_TRACE(e.chemin);
    Mix_Chunk* c = decoder(e.chemin);
    ASSERT_NE(c, nullptr) << Mix_GetError();
    EXPECT_GT(duree(c), 0.1);
    EXPECT_LE(duree(c), e.dureeMax);
    verifierNiveau(c, -30, -6);
    const size_t n = c->alen / 4;
    if (std::string(e.chemin) == "sons/rool.ogg") {
      verifierBoucle(c);
    } else {
      // A full fade: the last 10 ms are silent, the sound ends without a click.
      EXPECT_LT(niveau(c, n - 441, n), -60);
    }
    // Not a bare tone: a pure sine has a crest factor of 1.41.
    const auto* s = reinterpret_cast<const int16_t*>(c->abuf);
    int crete = 0;
    for (size_t i = 0; i < 2 * n; ++i) crete = std::max(crete, std::abs(int(s[i])));
    EXPECT_GE(decibels(crete) - niveau(c, 0, n), 20 * std::log10(2.0)) << "crest factor under 2";
    Mix_FreeChunk(c);
  }
}

// Effects are heard over the music: the loudest 50 ms of each lies at least 4 dB above the
// average level of the loudest track.
TEST_F(DonneesAudio, LesEffetsSEntendentSurLaMusique) {
  double musique = -200;
  for (const auto& e : std::filesystem::directory_iterator(DONNEES + "ziks")) {
    if (e.path().extension() != ".ogg") continue;
    Mix_Chunk* c = decoder("ziks/" + e.path().filename().string());
    ASSERT_NE(c, nullptr) << Mix_GetError();
    musique = std::max(musique, niveau(c, 0, c->alen / 4));
    Mix_FreeChunk(c);
  }
  for (const char* effet : {"sons/paf.ogg", "sons/rool.ogg", "sons/boom.ogg", "sons/ressort.ogg",
                            "sons/inter.wav", "sons/pr_bombe.wav"}) {
    Mix_Chunk* c = decoder(effet);
    ASSERT_NE(c, nullptr) << Mix_GetError();
    EXPECT_GE(niveauFort(c), musique + 4) << effet;
    Mix_FreeChunk(c);
  }
}

TEST_F(DonneesAudio, LaMusiqueBoucleSansCoupure) {
  std::vector<std::string> pistes;
  for (const auto& e : std::filesystem::directory_iterator(DONNEES + "ziks"))
    if (e.path().extension() == ".ogg") pistes.push_back("ziks/" + e.path().filename().string());
  std::sort(pistes.begin(), pistes.end());
  ASSERT_GE(pistes.size(), 4u);  // the menu's track and at least three for the levels
  EXPECT_TRUE(std::find(pistes.begin(), pistes.end(), "ziks/start.ogg") != pistes.end());
  for (const auto& p : pistes) {
    SCOPED_TRACE(p);
    EXPECT_LT(std::filesystem::file_size(DONNEES + p), 2u * 1024 * 1024);
    Mix_Music* m = Mix_LoadMUS((DONNEES + p).c_str());
    EXPECT_NE(m, nullptr) << Mix_GetError();
    if (m) Mix_FreeMusic(m);
    Mix_Chunk* c = decoder(p);
    ASSERT_NE(c, nullptr) << Mix_GetError();
    EXPECT_GE(duree(c), 60.0);
    EXPECT_LE(duree(c), 120.0);
    verifierNiveau(c, -24, -8);
    verifierBoucle(c);
    Mix_FreeChunk(c);
  }
}

}  // namespace
