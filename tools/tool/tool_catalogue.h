// tool_catalogue.h: the image catalogue as the tool sees it: loaded from the
// embedded container (or a container file) and bound to a headless display
// of 640x480, so items have surfaces and pattern counts as in the game.
//
// Load returns false with a message when the container cannot be read or an
// item does not decode; the catalogue is then empty.
#pragma once
#include <string>
#include <vector>

#include "graphics/display.h"
#include "graphics/image_catalogue.h"

class ToolCatalogue {
public:
    ToolCatalogue() = default;
    ToolCatalogue(const ToolCatalogue&) = delete;
    ToolCatalogue& operator=(const ToolCatalogue&) = delete;

    // containerPath empty: the pictures built into the tool.
    bool Load(const std::string& containerPath, std::string& error);
    TPictureCollection& Images() { return images_; }

private:
    HeadlessBackend backend_;
    TDXDraw display_{backend_};
    TPictureCollection images_;  // declared after the display: unbinds before it goes
};
