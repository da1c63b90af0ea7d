#include "app/etat.h"

bool modeEditeur = false;
