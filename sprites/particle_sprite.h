// particle_sprite.h: `TParticleSprite`, one sparkle of a newly taken item.
//
// When an item enters the inventory bar with its pick-up effect, sixteen of
// these burst from the item's place (the bar code creates them and gives each
// its random start values). Each flies one pixel per millisecond along a
// direction that turns one step of the 256-step circle every 10 ms, plus a
// small drift of 0.1..0.249 pixels per frame that is not scaled by time, and
// schedules its own deletion in the first frame in which it has lived more
// than 400 ms. It has no other behaviour and no collision handler.
#pragma once
#include <cstdint>

#include "sprites/image_sprite.h"

class TParticleSprite : public TImageSpriteEx {
public:
    explicit TParticleSprite(TSprite* parent) : TImageSpriteEx(parent) {}

    static constexpr int32_t kLifetime = 400;  // milliseconds

    double Turn = 0;          // direction index, advanced 0.1 per millisecond
    int32_t Age = 0;          // milliseconds lived
    int32_t DriftY = 0;       // -1 or 1: sign of the vertical drift
    int32_t DriftX = 0;       // -1 or 1: sign of the horizontal drift
    int32_t DriftSpeedY = 0;  // 100..249: thousandths of a pixel per frame
    int32_t DriftSpeedX = 0;  // 100..249

protected:
    void DoMove(int32_t MoveCount) override;
};
