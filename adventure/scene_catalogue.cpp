// scene_catalogue.cpp: building a scene's content and routing its clicks to
// the chapter that owns the scene.
#include "adventure/scene_catalogue.h"

#include <array>

#include "adventure/chapters.h"

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
