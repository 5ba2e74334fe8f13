// font_data.h: the text face built into the executable.
//
// The build copies Liberation Sans Bold (Arial's metrics, with the Central
// European letters of the game's texts) into the program, so no font file is
// looked up at run time. The text renderer opens it from memory.
#pragma once
#include <cstdint>
#include <span>

// The TrueType file's bytes; valid for the whole run.
std::span<const uint8_t> EmbeddedFontData();

// Liberation Sans Regular, the face of the start panel's captions.
std::span<const uint8_t> EmbeddedPanelFontData();
