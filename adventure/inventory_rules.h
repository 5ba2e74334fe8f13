// inventory_rules.h: clicks on the inventory bar, and combining items.
//
// A click on an item of the bar (its hotspot id is the ItemId) first picks
// it up onto the cursor, puts it back, or leaves another carried item where
// it is; then every combination rule is tried in turn with the carried item
// that results. Clicking the business card or the map with nothing carried
// uses them. The phone game ignores the bar entirely.
#pragma once
#include <cstdint>

inline constexpr int32_t kFirstInventoryHotspot = 200;
inline constexpr int32_t kLastInventoryHotspot = 255;

void ClickInventoryItem(uint16_t clicked);
