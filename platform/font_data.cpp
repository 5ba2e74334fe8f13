// font_data.cpp: the text face, linked into the program.
//
// The build passes the font file's path as VK3_FONT_FILE; the assembler copies
// the file into read-only data between two symbols (no generated array).
#include "platform/font_data.h"

#ifndef VK3_FONT_FILE
#error "VK3_FONT_FILE must name the TrueType file to build in"
#endif

asm(".pushsection .rodata.vk3_font, \"a\", @progbits\n"
    ".balign 16\n"
    ".globl vk3_font_begin\n"
    ".hidden vk3_font_begin\n"
    "vk3_font_begin:\n"
    ".incbin \"" VK3_FONT_FILE "\"\n"
    ".globl vk3_font_end\n"
    ".hidden vk3_font_end\n"
    "vk3_font_end:\n"
    ".popsection\n");

extern "C" const uint8_t vk3_font_begin[];
extern "C" const uint8_t vk3_font_end[];

std::span<const uint8_t> EmbeddedFontData() {
    return {vk3_font_begin, static_cast<size_t>(vk3_font_end - vk3_font_begin)};
}
