#include "sound/sons.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "base/journal.h"
#include "base/fichiers.h"
#include "platform/repertoires.h"

Sons* sons = nullptr;

namespace {

const char* const FichiersEffets[NombreEffets] = {
    "sons/paf.ogg",     "sons/rool.ogg",  "sons/boom.ogg",
    "sons/ressort.ogg", "sons/inter.wav", "sons/pr_bombe.wav",
};

int jouerMixer(int canal, Mix_Chunk* son, int boucles, int ticks) {
  return Mix_PlayChannelTimed(canal, son, boucles, ticks);
}
int arreterMixer(int canal) { return Mix_HaltChannel(canal); }
int jouerRien(int, Mix_Chunk*, int, int) { return -1; }
int arreterRien(int) { return 0; }

std::string resoudre(const std::string& relatif) {
  return repertoires ? repertoires->chemin(relatif) : relatif;
}

// The mixer opens the path itself: a named pipe there would block it for ever. A missing file
// goes on to the mixer as before.
bool ouvrable(const std::string& chemin) {
  const Lecture nature = natureFichier(chemin);
  if (nature == Lecture::Lu || nature == Lecture::Absent) return true;
  journal(ligneFichierIgnore(chemin, nature));
  return false;
}

}  // namespace

Sons::Sons(PeripheriqueSon peripherique) {
  ouvrirFile(false);  // until the player is ready: a silent game queues nothing
  if (peripherique == PeripheriqueSon::Absent) return;
  if (peripherique == PeripheriqueSon::Simule) {
    executeur = {jouerRien, arreterRien};
    pret = true;
    ouvrirFile(true);
    return;
  }
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    std::printf("Mix_OpenAudio: %s\n", SDL_GetError());
    std::fflush(stdout);
    SDL_ClearError();
    return;
  }
  melangeur = true;
  Mix_AllocateChannels(NombreCanaux);
  for (int i = 0; i < NombreEffets; ++i) {
    const std::string chemin = resoudre(FichiersEffets[i]);
    SDL_RWops* flux = ouvrable(chemin) ? SDL_RWFromFile(chemin.c_str(), "rb") : nullptr;
    effets[i] = flux ? Mix_LoadWAV_RW(flux, 1) : nullptr;
  }
  executeur = {jouerMixer, arreterMixer};
  pret = true;
  ouvrirFile(true);
}

Sons::~Sons() {
  if (!pret) return;
  arreterMusique();
  if (!melangeur) return;
  // Nothing may still play a chunk that is freed.
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& effet : effets) {
    if (effet) Mix_FreeChunk(effet);
    effet = nullptr;
  }
  Mix_CloseAudio();
}

void Sons::executerRequetes() {
  if (!pret) return;
  std::array<RequeteSon, CapaciteRequetes> prises;
  const int n = prendreRequetes(prises);
  std::lock_guard<std::mutex> garde(verrouExecuteur);
  for (int i = 0; i < n; ++i) {
    const RequeteSon& r = prises[i];
    if (r.type == RequeteJouer) {
      // The queue only holds known effect numbers.
      if (executeur.jouerCanal) executeur.jouerCanal(r.canal, effets[r.effet], r.boucles, -1);
    } else if (r.type == RequeteArreter) {
      if (executeur.arreterCanal) executeur.arreterCanal(r.canal);
    }
  }
}

void Sons::changerMusique(const std::string& nom) {
  if (!pret) return;
  arreterMusique();
  if (melangeur) {
    const std::string chemin = resoudre(nom);
    if (ouvrable(chemin)) musique = Mix_LoadMUS(chemin.c_str());
  }
  journal("musicLoad");
  if (melangeur) {
    if (musique) Mix_PlayMusic(musique, -1);
    Mix_VolumeMusic(volumeMusique_);
  }
  journal("musicChange");
}

void Sons::arreterMusique() {
  if (!pret || !musique) return;
  Mix_HaltMusic();
  Mix_FreeMusic(musique);
  musique = nullptr;
}

void Sons::reglerVolumes(int musique0a128, int effets0a128) {
  volumeMusique_ = std::clamp(musique0a128, 0, MIX_MAX_VOLUME);
  volumeEffets_ = std::clamp(effets0a128, 0, MIX_MAX_VOLUME);
  if (!melangeur) return;
  // Playing sounds change at once: the music's volume and every channel's.
  Mix_VolumeMusic(volumeMusique_);
  Mix_Volume(-1, volumeEffets_);
}

void Sons::definirExecuteur(const ExecuteurSons& e) {
  std::lock_guard<std::mutex> garde(verrouExecuteur);
  executeur = e;
}
