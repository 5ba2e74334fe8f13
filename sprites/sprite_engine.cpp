// sprite_engine.cpp: the root of the sprite tree: deferred deletion, the
// draw pass and the target surface.
#include "sprites/sprite_engine.h"

TSpriteEngine::TSpriteEngine() : TSprite(nullptr) {
    deadList_.reserve(64);  // scheduling a death mid-frame rarely has to grow it
}

TSpriteEngine::~TSpriteEngine() {
    // Children leave the DeadList as they go, so the tree is freed while the
    // engine's own lists still exist.
    Clear();
}

void TSpriteEngine::PurgeDead() {
    // Each deletion removes the sprite (and any scheduled descendants) from the list.
    while (!deadList_.empty()) delete deadList_.back();
}

void TSpriteEngine::Draw() {
    drawCount_ = 0;
    TSprite::Draw();
}

TRect TSpriteEngine::OpaqueUnderlay() const {
    if (!Visible || Surface == nullptr || DrawList().empty()) return {};
    const TSprite& first = *DrawList().front();
    // Draw paints a sprite only when its bounds meet the surface.
    if (!first.Visible || !OverlapRect(SurfaceRect, first.GetBoundsRect())) return {};
    return first.OpaqueRect();
}

void TSpriteEngine::SetSurface(Surface16* surface) {
    Surface = surface;
    if (surface == nullptr) return;
    SurfaceRect = TRect{0, 0, surface->Width(), surface->Height()};
    Width = SurfaceRect.Right - SurfaceRect.Left;
    Height = SurfaceRect.Bottom - SurfaceRect.Top;
}
