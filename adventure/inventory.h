// inventory.h: the inventory array, its bar along the top of the picture and
// the bar sprites `TInv`.
//
// GameState.live.inventory holds the carried ItemIds (200..233, no 209) in
// pick-up order, 0 = free entry. The bar shows entry i as a 35x35 picture
// "inv" + item at (originX + 35 i, originY - 40), Z 3, with a hotspot of the
// item's id over it (picture coordinates 35 i, -35 .. 35 i + 35, -2, pointer
// cursor, the item's name as label). Neighbouring spots share one column;
// the right-hand item, added later, wins there.
//
// Callers: the scene build calls RebuildInventory (and nothing else does);
// the click handling's step runner stores a new item into the first free
// entry and calls DejInv(item, true); rules use HasItem and RemoveItem.
#pragma once
#include <cstdint>
#include <string>

#include "adventure/picture_choice.h"
#include "sprites/image_sprite.h"

inline constexpr uint16_t kFirstItemId = 200;
inline constexpr uint16_t kLastItemId = 233;
inline constexpr int32_t kBarSlotWidth = 35;
inline constexpr int32_t kParticleCount = 16;

// The TextId of an item's name; false for 209 and numbers outside 200..233,
// which have no name.
bool ItemNameTextId(uint16_t item, uint16_t& textId);
// The item's name in the current language, "" where it has none.
std::string ItemName(uint16_t item);

// A place of the bar. Every frame it shows nothing while its item is carried
// on the cursor or the game menu is open, else the item's picture; its size
// is set once, at creation.
class TInv : public TImageSpriteEx {
public:
    explicit TInv(TSprite* parent) : TImageSpriteEx(parent) {}
    uint16_t item = 0;

protected:
    void DoMove(int32_t MoveCount) override;

private:
    TPictureChoice choice_;
};

// Shows `item` in the bar at the place of its first entry in the inventory
// (71, beyond the row, when it is not there): a TInv sprite and a hotspot.
// With withEffect also plays sample 1 and bursts 16 sparkle particles from
// the place's centre column, 20 pixels above the picture. An item without a
// picture gets an empty place rather than stopping the game.
void DejInv(uint16_t item, bool withEffect);

// Closes the gaps in the array (order kept, free entries at the end), then
// DejInv(entry, false) for every held entry, left to right.
void RebuildInventory();

// True when any entry equals item.
bool HasItem(uint16_t item);
// Sets every entry equal to item to 0. Sprite and hotspot stay until the next build.
void RemoveItem(uint16_t item);
