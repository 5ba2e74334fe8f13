// inventory.cpp: the inventory bar, its items' names and the pick-up sparkle.
#include "adventure/inventory.h"

#include <cstring>

#include "adventure/hotspots.h"
#include "adventure/scene_object.h"
#include "adventure/sound_effects.h"
#include "core/game_state.h"
#include "sprites/sprite_engine.h"
#include "core/random.h"
#include "sprites/particle_sprite.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kBarSpriteTop = -40;   // bar pictures, relative to originY
constexpr int32_t kBarSpotTop = -35;     // bar hotspots, picture coordinates
constexpr int32_t kBarSpotBottom = -2;
constexpr int32_t kParticleTop = -20;    // particles start here, relative to originY
constexpr uint8_t kPickUpSample = 1;

uint8_t* Inventory() { return GameState.live.inventory; }

int32_t FirstIndexOf(uint16_t item) {
    for (int32_t i = 0; i < static_cast<int32_t>(kInventorySize); ++i)
        if (Inventory()[i] == item) return i;
    return static_cast<int32_t>(kInventorySize);
}

// A drift speed in thousandths of a pixel per frame, 100..249.
int32_t RandomDriftSpeed() {
    int32_t v;
    do v = Random(250);
    while (v < 100);
    return v;
}

int32_t RandomSign() { return Random(2) == 0 ? -1 : 1; }

void CreateParticles(int32_t x, int32_t y) {
    TPictureCollectionItem* part = FindPicture("part");
    TSpriteEngine& engine = SceneEngine();
    for (int32_t n = 0; n < kParticleCount; ++n) {
        auto* p = new TParticleSprite(&engine);
        p->Image = part;
        p->X = x;
        p->Y = y;
        p->SetZ(4);
        if (part != nullptr) {
            p->Width = part->Width();
            p->Height = part->Height();
        }
        p->Turn = Random(2147483647);
        p->DriftX = RandomSign();
        p->DriftY = RandomSign();
        p->DriftSpeedX = RandomDriftSpeed();
        p->DriftSpeedY = RandomDriftSpeed();
    }
}

}  // namespace

bool ItemNameTextId(uint16_t item, uint16_t& textId) {
    if (item >= 200 && item <= 208) textId = item - 191;
    else if (item >= 210 && item <= 213) textId = 18;
    else if (item >= 214 && item <= 233) textId = item - 195;
    else return false;
    return true;
}

std::string ItemName(uint16_t item) {
    uint16_t textId = 0;
    return ItemNameTextId(item, textId) ? Text(textId) : std::string();
}

void TInv::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (item == GameState.ui.selectedItem || GameState.ui.menuOpen != 0) choice_.Want("nic");
    else choice_.Want("inv", item);
    Image = choice_.Item("nic");
}

void DejInv(uint16_t item, bool withEffect) {
    const int32_t i = FirstIndexOf(item);
    auto* bar = new TInv(&SceneEngine());
    AddHotspot(item, kBarSlotWidth * i, kBarSpotTop, kBarSlotWidth * i + kBarSlotWidth,
               kBarSpotBottom, ckPointer, ItemName(item));
    std::string name = "inv";
    AppendDecimal(name, item);
    bar->Image = PictureOrNothing(name);
    bar->X = GameState.ui.originX + kBarSlotWidth * i;
    bar->Y = GameState.ui.originY + kBarSpriteTop;
    bar->SetZ(3);
    bar->item = item;
    if (bar->Image != nullptr) {
        bar->Width = bar->Image->Width();
        bar->Height = bar->Image->Height();
    }
    if (!withEffect) return;
    PlaySample(kPickUpSample);
    CreateParticles(GameState.ui.originX + kBarSlotWidth * i + bar->Width / 2,
                    GameState.ui.originY + kParticleTop);
}

void RebuildInventory() {
    uint8_t packed[kInventorySize] = {};
    size_t n = 0;
    for (size_t i = 0; i < kInventorySize; ++i)
        if (Inventory()[i] != 0) packed[n++] = Inventory()[i];
    std::memcpy(Inventory(), packed, kInventorySize);
    for (size_t i = 0; i < kInventorySize; ++i)
        if (Inventory()[i] != 0) DejInv(Inventory()[i], false);
}

bool HasItem(uint16_t item) {
    for (size_t i = 0; i < kInventorySize; ++i)
        if (Inventory()[i] == item) return true;
    return false;
}

void RemoveItem(uint16_t item) {
    for (size_t i = 0; i < kInventorySize; ++i)
        if (Inventory()[i] == item) Inventory()[i] = 0;
}
