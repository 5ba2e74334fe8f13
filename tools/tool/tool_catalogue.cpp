// tool_catalogue.cpp: loading the catalogue for the tool, and the context
// that holds it.
#include "tools/tool/tool_catalogue.h"

#include <ostream>

#include "graphics/embedded_pictures.h"
#include "tools/common/file_bytes.h"
#include "tools/tool/tool_command.h"

bool ContainerBytes(const std::string& containerPath, std::vector<uint8_t>& file,
                    std::span<const uint8_t>& data, std::string& error) {
    if (!containerPath.empty()) {
        if (!ReadFileBytes(containerPath, file, error)) return false;
        data = file;
        return true;
    }
#ifdef VK3_NO_EMBEDDED_PICTURES
    error = "this build has no pictures built in; name a container with --container FILE";
    return false;
#else
    data = EmbeddedPictureData();
    return true;
#endif
}

bool ToolCatalogue::Load(const std::string& containerPath, std::string& error) {
    std::vector<uint8_t> file;
    std::span<const uint8_t> data;
    if (!ContainerBytes(containerPath, file, data, error)) return false;
    if (!images_.LoadFromContainer(data, error)) return false;
    if (!display_.Initialize(DisplayMode{}, error)) return false;
    images_.Bind(&display_);
    return true;
}

ToolContext::ToolContext(std::ostream& o, std::ostream& e) : out(o), err(e) {}

ToolContext::~ToolContext() = default;

ToolCatalogue* ToolContext::Catalogue() {
    if (catalogue_) return catalogue_.get();
    auto loaded = std::make_unique<ToolCatalogue>();
    std::string error;
    if (!loaded->Load(containerPath, error)) {
        err << "varnoklet3-tool: " << error << "\n";
        return nullptr;
    }
    catalogue_ = std::move(loaded);
    return catalogue_.get();
}
