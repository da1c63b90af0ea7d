#include "screens/cadence.h"

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

#include "base/journal.h"

namespace {

bool synchroActive = false;
Horloge::duration periodeEcran = std::chrono::microseconds(16667);
Horloge::time_point echeance{};

}  // namespace

Horloge::time_point echeanceSuivante(Horloge::time_point precedente, Horloge::time_point maintenant,
                                     Horloge::duration periode) {
  const Horloge::time_point suivante = precedente + periode;
  if (suivante + periode < maintenant) return maintenant;
  return suivante;
}

bool synchroMesuree(std::vector<double> ms) {
  if (ms.empty()) return false;
  std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
  const double mediane = ms[ms.size() / 2];
  return mediane >= 10.0 && mediane <= 50.0;
}

void mesurerCadence(const std::function<void()>& echanger, int n) {
  std::vector<double> ms;
  echanger();  // the first swap may set things up
  Horloge::time_point avant = Horloge::now();
  for (int i = 0; i < n; ++i) {
    echanger();
    const Horloge::time_point apres = Horloge::now();
    ms.push_back(std::chrono::duration<double, std::milli>(apres - avant).count());
    avant = apres;
  }
  std::vector<double> tri = ms;
  std::sort(tri.begin(), tri.end());
  const double mediane = tri.empty() ? 0.0 : tri[tri.size() / 2];
  synchroActive = synchroMesuree(ms);
  if (synchroActive)
    periodeEcran = std::chrono::duration_cast<Horloge::duration>(
        std::chrono::duration<double, std::milli>(mediane));
  else periodeEcran = std::chrono::microseconds(16667);
  char texte[64];
  std::snprintf(texte, sizeof texte, "Cadence : %s %.1f",
                synchroActive ? "synchro ecran" : "minuterie", mediane);
  journal(texte);
  echeance = Horloge::now();
}

void attendreImageSuivante(int imagesParSeconde) {
  const Horloge::time_point maintenant = Horloge::now();
  Horloge::duration periode = periodeEcran;
  if (imagesParSeconde > 0)
    periode = std::max(periode, std::chrono::duration_cast<Horloge::duration>(
                                    std::chrono::duration<double>(1.0 / imagesParSeconde)));
  if (synchroActive && periode < periodeEcran * 3 / 2) {
    // The swap has just waited for the display: no wait of our own on top.
    echeance = maintenant;
    return;
  }
  echeance = echeanceSuivante(echeance, maintenant, periode);
  if (echeance > maintenant) std::this_thread::sleep_until(echeance);
}

void oublierCadence() {
  synchroActive = false;
  periodeEcran = std::chrono::microseconds(16667);
  echeance = Horloge::time_point{};
}
