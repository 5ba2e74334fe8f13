// sdl_start_panel.h: the start panel's window on SDL.
//
// Opens the panel as a borderless 428x270 window centred on the screen, draws
// it with TStartPanelPainter and feeds it the window's mouse, wheel and key
// events until the start button has entered the game or the panel closed the
// program. While the game loads the panel window is hidden and the busy
// cursor shows; once the game's display exists the system cursor is hidden
// and the panel window goes away.
//
// The host callbacks of TStartPanel (hide, busy cursor, hidden cursor, the
// failure message box with the application title) come from Host().
#pragma once
#include <memory>
#include <string>

#include "graphics/surface16.h"
#include "platform/ttf_text_renderer.h"
#include "shell/start_panel.h"
#include "shell/start_panel_painter.h"

struct SDL_Window;
struct SDL_Surface;
struct SDL_Cursor;

class SdlStartPanel {
public:
    enum class Outcome { Started, Closed, Failed };

    SdlStartPanel();
    ~SdlStartPanel();
    SdlStartPanel(const SdlStartPanel&) = delete;
    SdlStartPanel& operator=(const SdlStartPanel&) = delete;

    // What the panel asks of the window system; `panel` is told nothing.
    TStartPanelHost Host();

    // Shows the panel and runs its events. Started: the game runs (continue
    // with the game's event loop); Closed: the player closed the program;
    // Failed: no panel window or no game display could be made (already
    // reported to the player).
    Outcome Run(TStartPanel& panel, const std::string& caption);

private:
    bool Open(const std::string& caption, std::string& error);
    void Close();
    void Present(TStartPanel& panel);
    bool HandleEvent(TStartPanel& panel, const union SDL_Event& e);

    TtfTextRenderer text_;
    TStartPanelPainter painter_;
    Surface16 pixels_;
    SDL_Window* window_ = nullptr;
    // The panel is one small still picture: it goes straight to the window's
    // own surface, so showing it waits for no 3D driver to start.
    SDL_Surface* windowSurface_ = nullptr;
    SDL_Cursor* busy_ = nullptr;
    SDL_Cursor* hand_ = nullptr;  // over the emblem
    bool failed_ = false;
};

// Shows a message box with the application title (and the text on stderr).
void ShowErrorBox(const std::string& text);
