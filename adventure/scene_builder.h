// scene_builder.h: building the current scene (`VykresliScenu`) and the
// background sprite `TPozadi`.
//
// A scene is one 535x270 picture "scena" + number centred on the drawing
// surface, the hotspots of the scene catalogue (chapters.h), its
// objects, the game-menu strip and the inventory bar. VykresliScenu throws
// all of it away and builds it anew from GameState; nothing of a scene
// survives a rebuild except what GameState holds.
//
// Callers: the click handling's step runner whenever a step names a scene,
// and the start-up into the game menu. Never from inside a frame's sprite
// moves (it frees every sprite). The depth layers: Z 1 background, 2 scene
// objects, 3 inventory bar, 4 particles, 5 cursor.
//
// A scene number without a picture (only a damaged saved game can ask for
// one) gets an empty background with the strip and the bar, so the player can
// still reach the game menu.
#pragma once
#include <cstdint>
#include <string>

#include "adventure/scene_object.h"
#include "sprites/image_sprite.h"

inline constexpr int32_t kScenePictureWidth = 535;
inline constexpr int32_t kScenePictureHeight = 270;

// The scene background: a picture with no behaviour of its own.
class TPozadi : public TImageSpriteEx {
public:
    explicit TPozadi(TSprite* parent) : TImageSpriteEx(parent) {}
};

// Builds the scene named by GameState.live.scene:
//   1. a negative scene: nothing at all happens;
//   2.-3. hoverId 0, every hotspot record freed;
//   4. every sprite freed, the engine's X and Y back to 0;
//   5. the cursor (first sprite, "img2", Z 5, 35x35);
//   6.-7. the background "scena" + n (Z 1, 535x270) at the origin
//      ((surface width div 2) - 267, (surface height div 2) - 135);
//   8. the scene's own hotspots, objects and state (scene catalogue);
//   9. the game-menu strip (id 20) unless the menu is open or scene is 5;
//  10. the inventory bar unless the menu is open or the scene hides it;
//  11. selectedItem 0, hoverCursor 1, hoverLabel empty.
void VykresliScenu();
