// display.cpp: the drawing surface and the headless backend.
#include "graphics/display.h"

#include <algorithm>

DisplayMode DisplayModeForResolution(uint8_t resolution) {
    switch (resolution) {
        case 1: return {true, 640, 480};
        case 2: return {true, 800, 600};
        case 3: return {true, 1024, 768};
        default: return {false, 640, 480};
    }
}

TDXDraw::~TDXDraw() {
    Finalize();
    auto copy = listeners_;
    for (auto* l : copy) l->DisplayDestroyed(*this);
}

bool TDXDraw::Initialize(const DisplayMode& mode, std::string& error) {
    Finalize();
    if (!backend_.Open(mode, error)) return false;
    mode_ = mode;
    surface_.Resize(mode.width, mode.height);
    initialized_ = true;
    auto copy = listeners_;
    for (auto* l : copy) l->DisplayInitialized(*this);
    for (auto* l : copy) l->DisplayRestored(*this);
    if (OnInitialize) OnInitialize();
    return true;
}

void TDXDraw::Finalize() {
    if (!initialized_) return;
    if (OnFinalize) OnFinalize();
    auto copy = listeners_;
    for (auto* l : copy) l->DisplayFinalized(*this);
    initialized_ = false;
    backend_.Close();
    surface_.Resize(0, 0);
}

void TDXDraw::Fill(uint32_t bgrColor) {
    if (initialized_) surface_.Fill(ColorToRgb565(bgrColor));
}

void TDXDraw::ClearOutside(const TRect& keep, uint32_t bgrColor) {
    if (initialized_) surface_.ClearOutside(keep, ColorToRgb565(bgrColor));
}

void TDXDraw::Flip() {
    if (!initialized_) return;
    backend_.Present(surface_);
    surface_.ForgetWritten();  // the backend has seen everything written up to here
}

void TDXDraw::Subscribe(IDisplayListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) return;
    listeners_.push_back(listener);
    if (initialized_) {
        listener->DisplayInitialized(*this);
        listener->DisplayRestored(*this);
    }
}

void TDXDraw::Unsubscribe(IDisplayListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

bool HeadlessBackend::Open(const DisplayMode&, std::string& error) {
    if (!failWith.empty()) {
        error = failWith;
        return false;
    }
    return true;
}

void HeadlessBackend::Present(const Surface16& backBuffer) {
    ++presentCount;
    lastPresented = &backBuffer;
}
