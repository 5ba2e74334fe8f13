// embedded_pictures.cpp: the picture container, linked into the program.
//
// The build compiles the container (see CMakeLists.txt) and passes its path as
// VK3_PICTURE_CONTAINER; the assembler copies it into read-only data between
// two symbols, so the program carries its pictures without a generated array.
#include <cstdint>
#include <span>

#include "graphics/embed_file.h"
#include "graphics/embedded_pictures.h"

#ifndef VK3_PICTURE_CONTAINER
#error "VK3_PICTURE_CONTAINER must name the compiled picture container"
#endif

VK3_EMBED_FILE(vk3_pictures, VK3_PICTURE_CONTAINER);

std::span<const uint8_t> EmbeddedPictureData() { return VK3_EMBEDDED_SPAN(vk3_pictures); }

#ifndef VK3_PANEL_CONTAINER
#error "VK3_PANEL_CONTAINER must name the compiled start panel container"
#endif

VK3_EMBED_FILE(vk3_panel_pictures, VK3_PANEL_CONTAINER);

std::span<const uint8_t> EmbeddedPanelPictureData() { return VK3_EMBEDDED_SPAN(vk3_panel_pictures); }
