// embed_file.h: building a file's bytes into the program at compile time.
//
// VK3_EMBED_FILE(name, "path") has the assembler copy the file into read-only
// data between the symbols name_begin and name_end, so the program carries
// the file without a generated array and reads nothing at run time.
// VK3_EMBEDDED_SPAN(name) gives the bytes. The path is fixed by the build.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#define VK3_EMBED_FILE(name, path)                                  \
    asm(".pushsection .rodata." #name ", \"a\", @progbits\n"      \
        ".balign 16\n"                                              \
        ".globl " #name "_begin\n"                                  \
        ".hidden " #name "_begin\n" #name "_begin:\n"               \
        ".incbin \"" path "\"\n"                                    \
        ".globl " #name "_end\n"                                    \
        ".hidden " #name "_end\n" #name "_end:\n"                   \
        ".popsection\n");                                           \
    extern "C" const uint8_t name##_begin[];                        \
    extern "C" const uint8_t name##_end[]

#define VK3_EMBEDDED_SPAN(name) \
    std::span<const uint8_t>(name##_begin, static_cast<size_t>(name##_end - name##_begin))
