// The real step rate of the action thread: threadAction on a shipped level for 5 seconds (the
// ball rolling right), its steps counted, while this thread takes frame copies at about 60 a
// second as the screen loop does. The goal is 100 steps a second. Prints steps per second.
// A plain program, not a Google Benchmark: the figure is a rate over wall-clock time.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "base/journal.h"
#include "game/action.h"
#include "game/spectacle.h"
#include "game/terrain.h"
#include "levels/fichier_niveaux.h"
#include "platform/dossiers.h"
#include "platform/repertoires.h"

int main(int argc, char** argv) {
  const double duree = argc > 1 ? std::atof(argv[1]) : 5.0;
  std::string donnees = lireRegistre();
  if (donnees.empty() || donnees.back() != '/') donnees += '/';
  journalDetourner([](const std::string&) {});
  Terrain t;
  {
    LecteurNiveaux l;
    if (!l.ouvrir(donnees + "mapsoff/1-Premiers-pas.map") || l.chargerNiveauSuivant(t)) return 1;
  }
  Spectacle sp;
  sp.allouerParticules(ParticulesParNiveau);
  DonneesAction d;
  d.deposerTouches(Touches{false, true, false});
  const auto debut = std::chrono::steady_clock::now();
  std::thread action([&] { threadAction(d, t, sp, nullptr); });
  InstantaneTerrain copie;
  int copies = 0;
  while (std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count() < duree) {
    prendreInstantane(t, sp, copie);
    ++copies;
    SDL_Delay(16);
  }
  const uint32_t pas = d.pas.load();
  const double ecoule =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  d.arret = true;
  action.join();
  std::printf("%u steps in %.3f s: %.2f steps/s (goal 100), %d frame copies\n", pas, ecoule,
              pas / ecoule, copies);
  return 0;
}
