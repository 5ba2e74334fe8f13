// puzzles_pending.cpp: the puzzles' hand-over points while their mechanics
// are being written; a click on a puzzle's hotspot does nothing yet.
#include "adventure/puzzles.h"

void UseBlockHole(int, int) {}
void TurnTile(int32_t) {}
void ClickCards() {}
void CycleCard(int) {}
void GiveUpCards() {}
void PushStone(int) {}
bool StonesMatchPattern() { return false; }
void MakeGlassPattern() {}
void PressDial(int32_t) {}
void ClickCompanion(int32_t) {}
void ClickValve() {}
void ClickShower() {}
