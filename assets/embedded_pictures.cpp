// embedded_pictures.cpp: the picture container, linked into the program.
//
// The build compiles the container (see CMakeLists.txt) and passes its path as
// VK3_PICTURE_CONTAINER; the assembler copies it into read-only data between
// two symbols, so the program carries its pictures without a generated array.
#include <cstdint>
#include <span>

#include "graphics/embedded_pictures.h"

#ifndef VK3_PICTURE_CONTAINER
#error "VK3_PICTURE_CONTAINER must name the compiled picture container"
#endif

asm(".pushsection .rodata.vk3_pictures, \"a\", @progbits\n"
    ".balign 16\n"
    ".globl vk3_pictures_begin\n"
    ".hidden vk3_pictures_begin\n"
    "vk3_pictures_begin:\n"
    ".incbin \"" VK3_PICTURE_CONTAINER "\"\n"
    ".globl vk3_pictures_end\n"
    ".hidden vk3_pictures_end\n"
    "vk3_pictures_end:\n"
    ".popsection\n");

extern "C" const uint8_t vk3_pictures_begin[];
extern "C" const uint8_t vk3_pictures_end[];

std::span<const uint8_t> EmbeddedPictureData() {
    return {vk3_pictures_begin, static_cast<size_t>(vk3_pictures_end - vk3_pictures_begin)};
}
