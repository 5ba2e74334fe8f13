// sdl_web_opener.h: opens a web address in the default browser through SDL.
#pragma once
#include "core/web_opener.h"

class SdlWebOpener : public IWebOpener {
public:
    void Open(const std::string& url) override;
};
