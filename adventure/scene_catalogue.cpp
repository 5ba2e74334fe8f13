// scene_catalogue.cpp: building a scene's content and routing its clicks to
// the chapter that owns the scene; the scene-building vocabulary.
#include "adventure/scene_catalogue.h"

#include <array>

#include "adventure/chapters.h"
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

int32_t SurfaceLeft() { return -int32_t{GameState.originX}; }
int32_t SurfaceTop() { return -int32_t{GameState.originY}; }

const TSceneEntry* FindScene(int32_t scene) {
    using Chapter = std::span<const TSceneEntry> (*)();
    static constexpr std::array<Chapter, 6> kChapters = {
        MenuChapter, StationChapter, CountrysideChapter,
        VillageChapter, CemeteryChapter, BunkerChapter};
    for (Chapter chapter : kChapters)
        for (const TSceneEntry& entry : chapter())
            if (entry.scene == scene) return &entry;
    return nullptr;
}

bool AddSceneContent(int32_t scene) {
    const TSceneEntry* entry = FindScene(scene);
    if (entry == nullptr) return true;
    if (entry->build != nullptr) entry->build();
    return entry->showsBar;
}

void DispatchSceneClick(int32_t scene, int32_t id) {
    const TSceneEntry* entry = FindScene(scene);
    if (entry != nullptr && entry->click != nullptr) entry->click(id);
}
