// dx_sprite_engine.h: the window's sprite engine component
// (`TCustomDXSpriteEngine`, `TDXSpriteEngine`, the window's `DXSpriteEngine`).
//
// The component owns one TSpriteEngine for its whole life and links it to
// the display (`DXDraw`): it listens to the display and points the engine at
// the back buffer when the display is initialised, at nothing when it is
// finalised, and unbinds itself when the display is destroyed. Binding to a
// display that is already initialised sets the surface at once.
//
// Callers: the window binds it to DDraw at start; the frame handler calls
// Move, PurgeDead and Draw once per frame; the scene builder uses Engine().
// Draw does nothing unless a display is bound and initialised; Move and
// PurgeDead work without a display.
#pragma once
#include <cstdint>
#include <memory>

#include "graphics/display.h"
#include "sprites/sprite_engine.h"

class TCustomDXSpriteEngine : public IDisplayListener {
public:
    TCustomDXSpriteEngine();
    ~TCustomDXSpriteEngine() override;  // unbinds, then frees the tree
    TCustomDXSpriteEngine(const TCustomDXSpriteEngine&) = delete;
    TCustomDXSpriteEngine& operator=(const TCustomDXSpriteEngine&) = delete;

    TSpriteEngine& Engine() { return *engine_; }
    const TSpriteEngine& Engine() const { return *engine_; }

    TDXDraw* DXDraw() const { return dxDraw_; }
    // Leaves the previous display's notifications and joins the new one's
    // (null: unbound, surface kept as none).
    void SetDXDraw(TDXDraw* display);

    void Move(int32_t MoveCount) { engine_->Move(MoveCount); }
    void PurgeDead() { engine_->PurgeDead(); }
    void Draw();
    // The engine's OpaqueUnderlay when Draw would draw, else empty.
    TRect OpaqueUnderlay() const;

    void DisplayInitialized(TDXDraw& display) override;
    void DisplayFinalized(TDXDraw& display) override;
    void DisplayDestroyed(TDXDraw& display) override;

private:
    std::unique_ptr<TSpriteEngine> engine_;
    TDXDraw* dxDraw_ = nullptr;
};

// The component as placed on the window.
class TDXSpriteEngine : public TCustomDXSpriteEngine {
public:
    using TCustomDXSpriteEngine::TCustomDXSpriteEngine;
};
