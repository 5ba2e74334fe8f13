// overlay_stand_in.cpp: TEMPORARY. The text overlay has not landed yet; the
// frame loop calls it, so this binary links an empty one until it does.
#include "shell/text_overlay.h"

void DrawTextOverlay(TMainForm&) {}
