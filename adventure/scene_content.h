// scene_content.h: the small vocabulary the chapter files build scenes with.
//
// Rectangles are left, top, right, bottom in picture coordinates, inclusive.
// A scene adds its hotspots with AddHotspot (hotspots.h, and here with a
// text id for the label) and its objects with DejPredmet (scene_object.h).
#pragma once
#include <cstdint>
#include <string>

#include "adventure/hotspots.h"
#include "adventure/scene_object.h"
#include "texts/texts.h"

// A hotspot labelled with text `label` in the current language.
void AddHotspot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom,
                uint8_t cursor, TextId label);
// A picture that exists once per language: stem + the language digit.
std::string InLanguage(const char* stem);
// The drawing area's left and top edges in picture coordinates.
int32_t SurfaceLeft();
int32_t SurfaceTop();
