// sprite_engine.h: `TSpriteEngine`, the root of the sprite tree.
//
// The engine is a sprite without parent. It counts the sprites of its tree
// (AllCount), keeps the list of sprites scheduled by Dead until PurgeDead
// frees them, knows the surface everything is drawn on, and holds the
// scratch state of the collision pass that is running.
//
// Callers: the display component (dx_sprite_engine.h) sets the surface; the
// frame handler calls Move, PurgeDead and Draw once per frame; the scene
// builder calls Clear and creates sprites with the engine as parent.
// Draw must not be called while Surface is null (the component ensures it);
// if it is, image sprites draw nothing.
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/geometry.h"
#include "graphics/surface16.h"
#include "sprites/sprite.h"

class TSpriteEngine : public TSprite {
public:
    TSpriteEngine();
    ~TSpriteEngine() override;  // frees the whole tree first

    // Frees every scheduled sprite, the last scheduled first; a scheduled
    // sprite's children go with it.
    void PurgeDead();
    // DrawCount := 0, then draws the tree.
    void Draw();
    // Sets the target surface; a surface also sets SurfaceRect to its size and
    // the engine's Width and Height. Null keeps SurfaceRect as it was.
    void SetSurface(Surface16* surface);
    // The part of the surface that the first sprite Draw paints overwrites
    // whole (its OpaqueRect), or an empty rectangle: nothing drawn earlier
    // shows there, so the frame need not clear it first.
    TRect OpaqueUnderlay() const;

    int32_t AllCount() const { return allCount_; }   // sprites in the tree
    int32_t DrawCount() const { return drawCount_; }  // DoDraw calls of the last Draw
    // Scheduled sprites in scheduling order (the sprites are owned by the tree).
    const std::vector<TSprite*>& DeadList() const { return deadList_; }

private:
    friend class TSprite;
    int32_t allCount_ = 0;
    // The running collision pass.
    int32_t probeHits_ = 0;
    bool probeStop_ = false;
    TRect probeRect_{};
    TSprite* probe_ = nullptr;
    std::vector<TSprite*> deadList_;
    int32_t drawCount_ = 0;

public:
    Surface16* Surface = nullptr;  // the display's back buffer, not owned; set by SetSurface
    TRect SurfaceRect{};           // (0, 0, surface width, surface height); set by SetSurface
};
