// phone_game.h: the companion's phone game (scene 5).
#pragma once

// Scene 5's content: the rocket, the full-screen hotspot 30 and a fresh game.
void BuildPhoneGame();
