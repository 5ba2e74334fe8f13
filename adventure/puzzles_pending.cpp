// puzzles_pending.cpp: the bunker household's hand-over points while its
// mechanics are being written; a click on its hotspots does nothing yet.
#include "adventure/puzzles.h"

void ClickCompanion(int32_t) {}
void ClickValve() {}
void ClickShower() {}
