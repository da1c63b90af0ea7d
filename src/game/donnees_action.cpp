#include "game/donnees_action.h"

DonneesAction donneesAction;
