// scene_catalogue.cpp: the scene-building vocabulary.
#include "adventure/hotspots.h"
#include "adventure/scene_builder.h"
#include "adventure/scene_content.h"
#include "core/game_state.h"
#include "texts/texts.h"

void Spot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor,
          TextId label) {
    AddHotspot(id, left, top, right, bottom, cursor, Text(label));
}

void Blank(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor) {
    AddHotspot(id, left, top, right, bottom, cursor, std::string());
}

void Object(const std::string& picture, int32_t x, int32_t y, uint16_t id) {
    DejPredmet(picture, x, y, id);
}

std::string InLanguage(const char* stem) {
    std::string suffix;
    LanguageSuffix(suffix);
    return stem + suffix;
}

int32_t SurfaceLeft() { return -int32_t{GameState.ui.originX}; }
int32_t SurfaceTop() { return -int32_t{GameState.ui.originY}; }
