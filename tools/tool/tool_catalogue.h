// tool_catalogue.h: the image catalogue as the tool sees it: loaded from the
// embedded container (or a container file) and bound to a headless display
// of 640x480, so items have surfaces and pattern counts as in the game.
//
// Load returns false with a message when the container cannot be read or an
// item does not decode; the catalogue is then empty.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "graphics/display.h"
#include "graphics/image_catalogue.h"

// The bytes of a picture container: the file at containerPath, read into
// `file` (which `data` then points into), or the pictures built into the tool
// when the path is empty. False with a message when the file cannot be read
// or the tool was built without pictures.
bool ContainerBytes(const std::string& containerPath, std::vector<uint8_t>& file,
                    std::span<const uint8_t>& data, std::string& error);

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
