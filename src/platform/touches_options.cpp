#include "platform/touches_options.h"

#include <SDL.h>

#include "platform/options.h"

namespace {

struct ToucheOption {
  const char* cle;
  int32_t Options::*champ;
};

const ToucheOption Touches[NombreTouchesJeu] = {
    {"ToucheGauche", &Options::ToucheGauche}, {"ToucheDroite", &Options::ToucheDroite},
    {"ToucheBombe", &Options::ToucheBombe},   {"ToucheRecommencer", &Options::ToucheRecommencer},
    {"TouchePause", &Options::TouchePause},   {"ToucheIndice", &Options::ToucheIndice},
    {"ToucheApercu", &Options::ToucheApercu},
};

int borne(int action) { return action >= 0 && action < NombreTouchesJeu ? action : 0; }

}  // namespace

const char* cleToucheJeu(int action) { return Touches[borne(action)].cle; }
int32_t& toucheJeu(Options& o, int action) { return o.*Touches[borne(action)].champ; }
int32_t toucheJeu(const Options& o, int action) { return o.*Touches[borne(action)].champ; }
int32_t toucheJeuParDefaut(int action) { return toucheJeu(Options(), action); }
bool estSymboleTouche(int32_t s) { return s > 0 && s < SDLK_LAST; }

bool toucheReservee(int action, int32_t s) {
  return s == SDLK_RETURN || s == SDLK_KP_ENTER || (s == SDLK_ESCAPE && action != ToucheJeuPause) ||
         (s == SDLK_BACKSPACE && action != ToucheJeuRecommencer);
}

VerdictTouche jugerTouche(const int32_t (&touches)[NombreTouchesJeu], int action, int32_t s,
                          int* autre) {
  if (toucheReservee(action, s)) return VerdictTouche::Reservee;
  for (int j = 0; j < NombreTouchesJeu; ++j) {
    if (j == action || touches[j] != s) continue;
    if (autre) *autre = j;
    return VerdictTouche::Prise;
  }
  return VerdictTouche::Libre;
}

std::vector<std::string> reparerTouches(Options& o) {
  std::vector<std::string> lignes;
  // The actions judged so far keep their keys; those after them are not yet bound (0).
  int32_t retenues[NombreTouchesJeu] = {};
  bool defautPris = false;
  for (int a = 0; a < NombreTouchesJeu; ++a) {
    int32_t& t = toucheJeu(o, a);
    int autre = -1;
    const VerdictTouche v =
        estSymboleTouche(t) ? jugerTouche(retenues, a, t, &autre) : VerdictTouche::Reservee;
    if (v != VerdictTouche::Libre) {
      const int32_t defaut = toucheJeuParDefaut(a);
      std::string ligne = std::string("Options : ") + cleToucheJeu(a) + " = " + std::to_string(t);
      ligne += v == VerdictTouche::Prise ? std::string(" déjà prise par ") + cleToucheJeu(autre)
                                         : std::string(" refusée");
      lignes.push_back(ligne + ", remise à " + std::to_string(defaut));
      t = defaut;
      defautPris = defautPris || jugerTouche(retenues, a, t) != VerdictTouche::Libre;
    }
    retenues[a] = t;
  }
  if (defautPris) {
    for (int a = 0; a < NombreTouchesJeu; ++a) toucheJeu(o, a) = toucheJeuParDefaut(a);
    lignes.push_back("Options : touches en conflit, toutes remises par défaut");
  }
  return lignes;
}
