#include "base/etat.h"

bool modeEditeur = false;
