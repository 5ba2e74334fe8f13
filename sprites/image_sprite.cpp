// image_sprite.cpp: the animation step, drawing and rectangle collision of
// the picture sprites.
#include "sprites/image_sprite.h"

#include <limits>

#include "sprites/sprite_engine.h"
#include "sprites/sprite_math.h"

int32_t TImageSprite::CurrentPattern() const {
    int64_t p = int64_t{AnimStart} + Trunc(AnimPos);
    if (p > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (p < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(p);
}

void TImageSprite::DoMove(int32_t MoveCount) {
    AnimPos += AnimSpeed * MoveCount;
    if (AnimLooped) {
        AnimPos = AnimCount > 0 ? WrapFloat(AnimPos, AnimCount) : 0.0;
        return;
    }
    if (AnimPos >= AnimCount) {
        AnimPos = AnimCount - 1;
        AnimSpeed = 0;
    }
    if (AnimPos < 0) {
        AnimPos = 0;
        AnimSpeed = 0;
    }
}

void TImageSprite::DoDraw() {
    if (Image == nullptr || Engine == nullptr || Engine->Surface == nullptr) return;
    Image->StretchDraw(*Engine->Surface,
                       TruncBounds(WorldX(), WorldY(), Image->Width(), Image->Height()),
                       CurrentPattern());
}

TRect TImageSpriteEx::GetBoundsRect() const {
    return Engine != nullptr ? Engine->SurfaceRect : TImageSprite::GetBoundsRect();
}

TRect TImageSpriteEx::CollisionRect() const { return TruncBounds(WorldX(), WorldY(), Width, Height); }

bool TImageSpriteEx::TestCollision(const TSprite& other) const {
    return OverlapRect(other.CollisionRect(), CollisionRect());
}

TRect TImageSpriteEx::OpaqueRect() const {
    if (!Visible || Image == nullptr || Engine == nullptr || Engine->Surface == nullptr) return {};
    if (!Image->DrawsOpaque(CurrentPattern())) return {};
    return IntersectRect(CollisionRect(), Engine->SurfaceRect);
}

void TImageSpriteEx::DoDraw() {
    if (Image == nullptr || Engine == nullptr || Engine->Surface == nullptr) return;
    Image->StretchDraw(*Engine->Surface, TruncBounds(WorldX(), WorldY(), Width, Height),
                       CurrentPattern());
}
