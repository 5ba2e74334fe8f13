// fuzz_overlay.cpp: the text overlay's string handling on arbitrary bytes.
//
// Input: a few control bytes (cursor position, scene, line count, code
// digits), then NUL-separated texts: the message (split at '#' into the
// message lines as a queued step does it) and the hover label. The overlay
// draws them with the game's own renderer (SDL_ttf, built-in face) onto a
// headless 640x480 back buffer. Any bytes of the Windows-1250 range, any
// length, any position must draw or clip without reading or writing outside
// the buffer, and must leave the back buffer's size alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "platform/ttf_text_renderer.h"
#include "shell/text_overlay.h"

namespace {
struct Overlay {
    TNullPlatform platform;
    TtfTextRenderer text;
    std::unique_ptr<TMainForm> form;
    Overlay() {
        ResetGameState();
        form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        if (!form->DDraw.Initialize(DisplayMode{}, error)) std::abort();
    }
};

// Takes the bytes up to the next NUL (or the end) as one text.
std::string NextText(const uint8_t*& p, const uint8_t* end) {
    const uint8_t* start = p;
    while (p < end && *p != 0) ++p;
    std::string s(reinterpret_cast<const char*>(start), p - start);
    if (p < end) ++p;
    return s;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Overlay overlay;  // one form per process, as in the game
    if (size < 8) return 0;
    const uint8_t* p = data;
    const uint8_t* end = data + size;
    GameState.ui.mouseX = static_cast<int16_t>(p[0] | p[1] << 8);
    GameState.ui.mouseY = static_cast<int16_t>(p[2] | p[3] << 8);
    const uint8_t scenes[] = {4, 5, 10, 34, 35};
    GameState.live.scene = scenes[p[4] % 5];
    GameState.ui.messageLineCount = p[5] % 5;  // includes values the splitter never sets
    GameState.live.progress.dialCode[0] = p[6] % 12;
    GameState.live.progress.dialCode[1] = p[7] % 12;
    GameState.live.progress.dialCode[2] = (p[6] ^ p[7]) % 12;
    GameState.ui.originX = 53;
    GameState.ui.originY = 105;
    p += 8;
    SetMessage(NextText(p, end));
    GameState.ui.hoverLabel = NextText(p, end);
    GameState.phone.shooterResult = GameState.ui.hoverLabel.size() % 4;
    DrawTextOverlay(*overlay.form);
    if (overlay.form->DDraw.SurfaceWidth() != 640 || overlay.form->DDraw.SurfaceHeight() != 480)
        std::abort();
    return 0;
}
