// font_data.cpp: the text face, linked into the program.
//
// The build passes the font file's path as VK3_FONT_FILE; the assembler copies
// the file into read-only data between two symbols (no generated array).
#include "platform/font_data.h"

#include "graphics/embed_file.h"

#if !defined(VK3_FONT_FILE) || !defined(VK3_PANEL_FONT_FILE)
#error "VK3_FONT_FILE and VK3_PANEL_FONT_FILE must name the TrueType files to build in"
#endif

VK3_EMBED_FILE(vk3_font, VK3_FONT_FILE);

std::span<const uint8_t> EmbeddedFontData() { return VK3_EMBEDDED_SPAN(vk3_font); }

VK3_EMBED_FILE(vk3_panel_font, VK3_PANEL_FONT_FILE);

std::span<const uint8_t> EmbeddedPanelFontData() { return VK3_EMBEDDED_SPAN(vk3_panel_font); }
