// embedded_pictures.h: the picture container built into the executable.
//
// The asset compiler packs every picture source into one container at build
// time (see picture_container.h); the build links it into the program, so the
// game is one file with its pictures inside.
#pragma once
#include <cstdint>
#include <span>

std::span<const uint8_t> EmbeddedPictureData();

// The start panel's own pictures (the logo "logo" and the flags "vlajka0",
// "vlajka1"), in a second container of the same format; the catalogue of the
// game itself keeps its 215 items.
std::span<const uint8_t> EmbeddedPanelPictureData();
