// sdl_web_opener.cpp: the system's "open" action on a web address.
#include "platform/sdl_web_opener.h"

#include <SDL.h>

void SdlWebOpener::Open(const std::string& url) { SDL_OpenURL(url.c_str()); }
