// Entry point; start-up, main loop and shutdown grow here.
#include "app/journal.h"

int main(int, char**) {
  journal("Fin OK");
  return 0;
}
