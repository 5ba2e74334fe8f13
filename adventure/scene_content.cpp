// scene_content.cpp: the scene-building vocabulary of the chapter files.
#include "adventure/scene_content.h"

#include "core/game_state.h"

void AddHotspot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom,
                uint8_t cursor, TextId label) {
    AddHotspot(id, left, top, right, bottom, cursor, Text(label));
}

std::string InLanguage(const char* stem) {
    std::string suffix;
    LanguageSuffix(suffix);
    return stem + suffix;
}

int32_t SurfaceLeft() { return -int32_t{GameState.ui.originX}; }
int32_t SurfaceTop() { return -int32_t{GameState.ui.originY}; }
