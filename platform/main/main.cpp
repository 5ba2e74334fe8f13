// main.cpp: program entry of varnoklet3.
//
// For now the program opens the 640x480 window and shows one catalogue
// picture centred on black until the window is closed; the start panel and
// the game proper take over this entry as they land.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "graphics/display.h"
#include "graphics/embedded_pictures.h"
#include "graphics/image_catalogue.h"
#include "platform/sdl_display.h"

namespace {
void ShowError(const std::string& text) {
    std::fprintf(stderr, "Varnoklet 3: %s\n", text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Varnoklet 3", text.c_str(), nullptr);
}

void DrawCentred(TDXDraw& display, TPictureCollectionItem& item) {
    Surface16& s = display.Surface();
    int32_t x = (s.Width() - item.Width()) / 2, y = (s.Height() - item.Height()) / 2;
    display.Fill(0);
    item.StretchDraw(s, Bounds(x, y, item.Width(), item.Height()), 0);
    display.Flip();
}
}  // namespace

int main(int, char**) {
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Varnoklet 3: no display: %s\n", SDL_GetError());
        return 1;
    }
    TPictureCollection pictures;
    std::string error;
    if (!pictures.LoadFromContainer(EmbeddedPictureData(), error)) {
        ShowError(error);
        SDL_Quit();
        return 1;
    }
    SdlDisplayBackend backend("Varnoklet 3");
    TDXDraw display(backend);
    pictures.Bind(&display);
    if (!display.Initialize(DisplayModeForResolution(0), error)) {
        ShowError(error);
        SDL_Quit();
        return 1;
    }
    TPictureCollectionItem& picture = pictures.Find("scena4");
    for (bool running = true; running;) {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (e.type == SDL_QUIT) running = false;
        DrawCentred(display, picture);
        SDL_Delay(16);
    }
    display.Finalize();
    pictures.Bind(nullptr);
    SDL_Quit();
    return 0;
}
