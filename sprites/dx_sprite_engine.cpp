// dx_sprite_engine.cpp: the sprite engine component and its display binding.
#include "sprites/dx_sprite_engine.h"

TCustomDXSpriteEngine::TCustomDXSpriteEngine() : engine_(std::make_unique<TSpriteEngine>()) {}

TCustomDXSpriteEngine::~TCustomDXSpriteEngine() {
    SetDXDraw(nullptr);
}

void TCustomDXSpriteEngine::SetDXDraw(TDXDraw* display) {
    if (display == dxDraw_) return;
    if (dxDraw_ != nullptr) {
        dxDraw_->Unsubscribe(this);
        engine_->SetSurface(nullptr);
    }
    dxDraw_ = display;
    if (dxDraw_ != nullptr) dxDraw_->Subscribe(this);  // reports "initialised" at once if so
}

void TCustomDXSpriteEngine::Draw() {
    if (dxDraw_ != nullptr && dxDraw_->Initialized()) engine_->Draw();
}

TRect TCustomDXSpriteEngine::OpaqueUnderlay() const {
    if (dxDraw_ == nullptr || !dxDraw_->Initialized()) return {};
    return engine_->OpaqueUnderlay();
}

void TCustomDXSpriteEngine::DisplayInitialized(TDXDraw& display) {
    if (&display == dxDraw_) engine_->SetSurface(&display.Surface());
}

void TCustomDXSpriteEngine::DisplayFinalized(TDXDraw& display) {
    if (&display == dxDraw_) engine_->SetSurface(nullptr);
}

void TCustomDXSpriteEngine::DisplayDestroyed(TDXDraw& display) {
    if (&display == dxDraw_) SetDXDraw(nullptr);
}
