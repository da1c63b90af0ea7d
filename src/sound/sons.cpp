#include "sound/sons.h"

#include <SDL.h>

#include <cstdio>

#include "app/journal.h"
#include "app/repertoires.h"

Sons* sons = nullptr;

namespace {

const char* const FichiersEffets[NombreEffets] = {
    "sons/paf.ogg", "sons/rool.ogg", "sons/boom.ogg", "sons/ressort.ogg", "sons/inter.wav",
    "sons/pr_bombe.wav",
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

}  // namespace

Sons::Sons(PeripheriqueSon peripherique) {
  if (peripherique == PeripheriqueSon::Absent) return;  // pret stays false: silent game
  if (peripherique == PeripheriqueSon::Simule) {
    executeur = {jouerRien, arreterRien};
    pret = true;
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
    SDL_RWops* flux = SDL_RWFromFile(chemin.c_str(), "rb");
    effets[i] = flux ? Mix_LoadWAV_RW(flux, 1) : nullptr;
  }
  executeur = {jouerMixer, arreterMixer};
  pret = true;
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

void Sons::ajouterRequete(const RequeteSon& requete) {
  if (!pret) return;
  std::lock_guard<std::mutex> garde(verrou);
  if (nbRequetes < CapaciteRequetes) requetes[nbRequetes++] = requete;
}

void Sons::jouer(int canal, int effet, int boucles) {
  if (!pret) return;
  // An unknown effect number would read past the effect table.
  if (effet < 0 || effet >= NombreEffets) return;
  RequeteSon r;
  r.type = RequeteJouer;
  r.canal = canal;
  r.son = effets[effet];
  r.boucles = boucles;
  r.effet = effet;
  ajouterRequete(r);
}

void Sons::arreterCanal(int canal) {
  if (!pret) return;
  RequeteSon r;
  r.type = RequeteArreter;
  r.canal = canal;
  ajouterRequete(r);
}

void Sons::executerRequetes() {
  if (!pret) return;
  std::lock_guard<std::mutex> garde(verrou);
  for (int i = 0; i < nbRequetes; ++i) {
    const RequeteSon& r = requetes[i];
    if (r.type == RequeteJouer) {
      if (executeur.jouerCanal) executeur.jouerCanal(r.canal, r.son, r.boucles, -1);
    } else if (r.type == RequeteArreter) {
      if (executeur.arreterCanal) executeur.arreterCanal(r.canal);
    }
  }
  nbRequetes = 0;
}

void Sons::changerMusique(const std::string& nom) {
  if (!pret) return;
  arreterMusique();
  if (melangeur) musique = Mix_LoadMUS(resoudre(nom).c_str());
  journal("musicLoad");
  if (melangeur) {
    if (musique) Mix_PlayMusic(musique, -1);
    Mix_VolumeMusic(128);
  }
  journal("musicChange");
}

void Sons::arreterMusique() {
  if (!pret || !musique) return;
  Mix_HaltMusic();
  Mix_FreeMusic(musique);
  musique = nullptr;
}

int Sons::requetesEnAttente(std::array<RequeteSon, CapaciteRequetes>& sortie) const {
  std::lock_guard<std::mutex> garde(verrou);
  for (int i = 0; i < nbRequetes; ++i) sortie[i] = requetes[i];
  return nbRequetes;
}

void Sons::definirExecuteur(const ExecuteurSons& e) {
  std::lock_guard<std::mutex> garde(verrou);
  executeur = e;
}
