// icon_writer.h: the application icon at one size, for the desktop's icon theme.
//
// `assetc icon SVG SIZE OUT.png` rasterises the icon's SVG source to a
// SIZE x SIZE RGBA PNG (alpha kept, not keyed like catalogue pictures). The
// build makes the hicolor sizes from assets/icon/varnoklet3.svg this way.
#pragma once
#include <iosfwd>
#include <string>

// False with the reason on err when the SVG cannot be drawn, the size is
// outside 1..1024 or the PNG cannot be written.
bool WriteIconPng(const std::string& svgPath, int size, const std::string& pngPath, std::ostream& err);
