// game_window.h: what the adventure needs of the game's window.
//
// The adventure code never sees the window itself: it reaches the sprite
// engine, the picture catalogue, the size of the drawing area, the sound and
// the closing of the window through this narrow interface. The shell's form
// attaches itself when it is made and detaches when it goes. Without a window
// (tools that only read the tables) nothing is built, no picture is found and
// no sound plays; nothing fails.
#pragma once
#include <cstdint>

class ISoundLibrary;
class TPictureCollection;
class TSpriteEngine;

class IGameWindow {
public:
    virtual ~IGameWindow() = default;
    virtual TSpriteEngine& SceneSprites() = 0;
    virtual TPictureCollection& PictureCatalogue() = 0;
    // The drawing area in pixels.
    virtual int32_t DrawingWidth() const = 0;
    virtual int32_t DrawingHeight() const = 0;
    virtual ISoundLibrary& SoundOutput() = 0;
    // The handle of loaded sample i (1..11), 0 when none was loaded.
    virtual uint32_t SampleHandle(uint8_t i) const = 0;
    // Ends the program after the current event.
    virtual void CloseWindow() = 0;
};

// The window the adventure works with; nullptr detaches it.
void AttachGameWindow(IGameWindow* window);
// The attached window, or nullptr.
IGameWindow* GameWindow();
