// game_window.cpp: the one window the adventure works with.
#include "adventure/game_window.h"

namespace {
IGameWindow* attached = nullptr;
}

void AttachGameWindow(IGameWindow* window) { attached = window; }

IGameWindow* GameWindow() { return attached; }
