// main_form.h: `TMainForm`, the game's one window and everything it owns.
//
// The form owns the drawing surface (`DDraw`), the frame timer (`Timer`), the
// sprite engine (`DXSpriteEngine`), the image catalogue (`ImageList`) and the
// sound handles for the whole run, and carries the window's event handlers.
// It never sees a real window: the platform layer (platform/ in the game,
// tools/play in the harness) creates it with its display backend, clock, text
// renderer, sound library and web opener, feeds it the window events and calls
// Timer.Idle() whenever no event is waiting.
//
// There is one form per process. The adventure code reaches it only through
// the narrow IGameWindow (adventure/game_window.h), which the form attaches
// while it exists.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "adventure/game_window.h"
#include "graphics/image_catalogue.h"
#include "core/platform.h"
#include "sprites/dx_sprite_engine.h"
#include "sprites/dx_timer.h"

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
constexpr int32_t VK_TAB = 9;
constexpr int32_t VK_RETURN = 13;
constexpr int32_t VK_ESCAPE = 27;
constexpr int32_t VK_SPACE = 32;
constexpr int32_t VK_H = 'H';

// The gamepad's buttons the game knows (the platform maps its controller's).
enum class TPadButton { pbA, pbB, pbX, pbLeftShoulder, pbRightShoulder, pbStart };

// The left stick as the platform last reported it (-32768..32767 per axis,
// right and down positive), and what the frames made of it so far.
struct TPadStick {
    int32_t x = 0, y = 0;
    int32_t heldMs = 0;              // how long it has been out of its rest
    double carryX = 0, carryY = 0;   // the part of a pixel not moved yet
};

class TMainForm : public IGameWindow {
public:
    explicit TMainForm(const TPlatform& platform);
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // Loads the stored pictures into ImageList; false with the error text.
    // `lasting` bytes (the pictures built into the program) are not copied.
    bool LoadPictures(std::span<const uint8_t> container, std::string& error,
                      bool lasting = false);

    // --- window event handlers (what the keys, the middle button and the
    // gamepad mean to the game: shell/player_controls.h) ---
    void TimerTimer(int32_t LagCount);  // one frame
    void FormActivate();
    void FormDeactivate();
    void DDrawInitialize();
    void DDrawFinalize();
    void TimerActivate();
    void TimerDeactivate();
    void FormKeyDown(int32_t key, bool shift = false);
    void FormKeyUp(int32_t key);
    void DDrawClick();
    void DDrawMouseMove(int32_t x, int32_t y);
    void DDrawMouseDown(TMouseButton button, int32_t x, int32_t y);
    void DDrawMouseUp(TMouseButton button, int32_t x, int32_t y);
    void PadButtonDown(TPadButton button);
    void PadButtonUp(TPadButton button);
    void PadStickMove(int32_t x, int32_t y);

    // Closes the window: the platform loop ends after the current event.
    void Close() { closing_ = true; }
    bool Closing() const { return closing_; }

    // False: frames move the game but draw and show nothing (a resting loop
    // catching up draws only the last frame of its batch). Drawing changes
    // nothing in the game, so a frame not drawn is a frame nobody saw.
    bool DrawFrames = true;

    // --- components, in the window's order ---
    TDXTimer Timer;
    TDXDraw DDraw;
    TDXSpriteEngine DXSpriteEngine;
    TPictureCollection ImageList;
    uint32_t soundHandles[12] = {};
    TPadStick PadStick;

    ITextRenderer& Text;
    ISoundLibrary& Sound;
    IWebOpener& Web;

    // --- what the adventure sees of the window (IGameWindow) ---
    TSpriteEngine& SceneSprites() override { return DXSpriteEngine.Engine(); }
    TPictureCollection& PictureCatalogue() override { return ImageList; }
    int32_t DrawingWidth() const override { return DDraw.SurfaceWidth(); }
    int32_t DrawingHeight() const override { return DDraw.SurfaceHeight(); }
    ISoundLibrary& SoundOutput() override { return Sound; }
    uint32_t SampleHandle(uint8_t i) const override { return i < 12 ? soundHandles[i] : 0; }
    void CloseWindow() override { Close(); }

private:
    bool closing_ = false;
};

