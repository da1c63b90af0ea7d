#include "game/action.h"

#include <SDL.h>

#include <algorithm>
#include <mutex>
#include <string>

#include "base/journal.h"

namespace {

bool aUneGrille(const Terrain& t) {
  std::lock_guard<std::mutex> garde(t.verrou);
  return t.aGrille();
}

class HorlogeSdl : public HorlogeAction {
 public:
  uint32_t maintenant() override { return SDL_GetTicks(); }
  void dormir(uint32_t duree) override { SDL_Delay(duree); }
};

}  // namespace

HorlogeAction& horlogeSdl() {
  static HorlogeSdl h;
  return h;
}

int threadAction(DonneesAction& donnees, Terrain& niveau, Spectacle& spectacle,
                 RequetesSons* sonsEtape, const Solution* solution, HorlogeAction* horloge) {
  HorlogeAction& temps = horloge ? *horloge : horlogeSdl();
  uint32_t prochain = temps.maintenant();
  while (aUneGrille(niveau)) {
    if (donnees.arret.load()) break;
    if (donnees.pause.load()) {
      // Paused: no step, and the timetable starts again from the resume.
      temps.dormir(DureePas);
      prochain = temps.maintenant();
      continue;
    }
    // Once a result is there the ball obeys no key: the steps behind the result picture go on
    // as if nothing were held, so a won ball cannot be rolled into a deadly cell.
    const Touches touches = donnees.resultat.load() != 0 ? Touches{}
                            : solution ? touchesAuPas(*solution, donnees.pas.load())
                                       : donnees.lireTouches();
    const int r = avancer(niveau, spectacle, touches, sonsEtape);
    donnees.pas.fetch_add(1);
    donnees.proposerResultat(r);

    prochain += DureePas;
    const uint32_t maintenant = temps.maintenant();
    const int32_t avance = static_cast<int32_t>(prochain - maintenant);
    if (avance > 0) {
      // Never more than one step's wait, whatever the clock said.
      temps.dormir(static_cast<uint32_t>(std::min<int32_t>(avance, DureePas)));
    } else if (avance < -static_cast<int32_t>(10 * DureePas)) {
      prochain = maintenant;  // far behind (a stall): start the timetable again from now
    }
  }
  journal("Thread arrete : " + std::to_string(donnees.resultat.load()));
  return 0;
}

void arreterThreadAction(std::thread& fil, DonneesAction& donnees, RequetesSons* file) {
  if (fil.joinable()) {
    donnees.arret = true;
    fil.join();
  }
  if (file) file->arreterCanal(CanalRoule);
}
