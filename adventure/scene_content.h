// scene_content.h: the small vocabulary the chapter files build scenes with.
//
// Rectangles are left, top, right, bottom in picture coordinates, inclusive;
// labels are text ids. Objects are scene objects made with DejPredmet.
#pragma once
#include <cstdint>
#include <string>

#include "adventure/hotspots.h"
#include "texts/texts.h"

// A hotspot labelled with text `label`.
void Spot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor,
          TextId label);
// A hotspot without a label.
void Blank(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t cursor);
// A scene object: picture, position in the picture, object id.
void Object(const std::string& picture, int32_t x, int32_t y, uint16_t id);
// A picture that exists once per language: stem + the language digit.
std::string InLanguage(const char* stem);
// The drawing area's left and top edges in picture coordinates.
int32_t SurfaceLeft();
int32_t SurfaceTop();
