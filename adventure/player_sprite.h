// player_sprite.h: `TPlayerSprite`, the game's mouse cursor and hover test.
//
// Every scene build creates the cursor as its first sprite (picture "img2",
// Z 5, 35x35), so it is moved first in each frame and the scene objects see
// this frame's hover state. Its per-frame move:
//   1. the animation step (turns the gear set up by the previous frame);
//   2. centres the 35x35 box on the mouse (mouseX/mouseY - 17);
//   3. resets the hover state (hoverId 0, hoverLabel empty, hoverCursor 1);
//   4. tests the mouse point, in picture coordinates, against all 26 hotspot
//      records, edges inclusive, without stopping at the first hit: the
//      latest record in the table wins;
//   5. hides the cursor (hoverCursor 0) while a message is shown and in the
//      phone game (scene 5); hoverId and hoverLabel keep what was found;
//   6. shows the picture of hoverCursor: "nic", the pointer "img2" (or
//      "inv" + the carried item), the four exit arrows, or the gear "ozub"
//      turning at 0.015 patterns per millisecond.
// Its width and height are never changed, so every picture is drawn into the
// 35x35 box. Collisions play no part in the cursor.
//
// Clicks act on the hoverId found here, except that a click after a mouse
// move that no frame has followed yet (a move and a click in one batch of
// window events) first brings the hover up to date with the same test.
#pragma once
#include <cstdint>

#include "adventure/picture_choice.h"
#include "sprites/image_sprite.h"

// Stores the mouse position; the hover follows in the next frame, or at the
// next click if that comes first.
void MouseMovedTo(int32_t x, int32_t y);

// Steps 3 to 5 above: the hover state of the mouse point, from scratch.
void FindHoverUnderMouse();

class TPlayerSprite : public TImageSpriteEx {
public:
    explicit TPlayerSprite(TSprite* parent) : TImageSpriteEx(parent) {}

    // Gear speed, patterns per millisecond of move time.
    static constexpr double kGearSpeed = 0.015;

protected:
    void DoCollision(TSprite& other, bool& Done) override;
    void DoMove(int32_t MoveCount) override;

private:
    void ShowCursorPicture();

    TPictureChoice choice_;
};
