// image_sprite.h: sprites that show a catalogue picture: `TImageSprite` and
// `TImageSpriteEx`.
//
// TImageSprite adds the picture (`Image`, a catalogue item it does not own)
// and a frame animation stepped by DoMove: AnimPos advances AnimSpeed frames
// per millisecond and either wraps (AnimLooped) or stops on the last frame.
// The pattern shown is CurrentPattern() = AnimStart + Trunc(AnimPos).
//
// TImageSpriteEx, the base of every sprite class of the game, draws its
// pattern scaled to its own Width x Height at its truncated world position,
// and collides by the overlap of the two sprites' integer rectangles. Its
// bounds rectangle is the engine's whole surface, so it is drawn every frame
// and clipping is left to the blit.
//
// Game classes override DoMove and call the inherited step first:
//     void DoMove(int32_t MoveCount) override { TImageSpriteEx::DoMove(MoveCount); ... }
// A sprite whose Image is null, or an engine without surface, draws nothing.
#pragma once
#include <cstdint>

#include "graphics/image_catalogue.h"
#include "sprites/sprite.h"

class TImageSprite : public TSprite {
public:
    explicit TImageSprite(TSprite* parent) : TSprite(parent) {}

    // AnimStart + Trunc(AnimPos).
    int32_t CurrentPattern() const;

    int32_t AnimCount = 0;      // frames of the animation
    bool AnimLooped = false;    // wrap instead of stopping on the last frame
    double AnimPos = 0;         // current frame position
    double AnimSpeed = 0;       // frames per millisecond
    int32_t AnimStart = 0;      // pattern index of frame 0
    TPictureCollectionItem* Image = nullptr;  // not owned

protected:
    // Unscaled: the pattern at its own size at the truncated world position.
    void DoDraw() override;
    // The animation step.
    void DoMove(int32_t MoveCount) override;
};

class TImageSpriteEx : public TImageSprite {
public:
    explicit TImageSpriteEx(TSprite* parent) : TImageSprite(parent) {}

    // The engine's SurfaceRect (the sprite's own rectangle when it has no engine).
    TRect GetBoundsRect() const override;
    // Overlap of Bounds(Trunc(WorldX), Trunc(WorldY), Width, Height) with the
    // other sprite's rectangle, built the same way for another TImageSpriteEx,
    // else its GetBoundsRect().
    bool TestCollision(const TSprite& other) const override;
    // Bounds(Trunc(WorldX), Trunc(WorldY), Width, Height).
    TRect CollisionRect() const override;
    // That same rectangle, clipped to the surface, when the pattern is opaque
    // and ready to draw and the sprite is shown.
    TRect OpaqueRect() const override;

    // Kept for completeness; rotation and blending are not provided, so every
    // sprite is drawn opaque and unrotated whatever these hold.
    int32_t Angle = 0;
    int32_t Alpha = 255;

protected:
    // Stretches pattern CurrentPattern() into
    // Bounds(Trunc(WorldX), Trunc(WorldY), Width, Height) of the engine's surface.
    void DoDraw() override;
};
