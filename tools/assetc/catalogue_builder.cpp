// catalogue_builder.cpp: manifest to picture container, all or nothing.
#include "tools/assetc/catalogue_builder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "graphics/picture_container.h"
#include "tools/assetc/item_compiler.h"
#include "tools/assetc/manifest.h"

namespace {

// Writes `bytes` to `path` through a temporary file and a rename.
bool WriteAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            error = path + ": cannot write the container";
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        error = path + ": cannot put the container in place";
        return false;
    }
    return true;
}

}  // namespace

bool BuildCatalogue(const std::string& manifestPath, const std::string& picturesDir,
                    const std::string& outputPath, std::ostream& log) {
    std::vector<ManifestItem> manifest;
    std::string error;
    if (!LoadManifest(manifestPath, manifest, error)) {
        log << "assetc: " << error << "\n";
        return false;
    }
    std::vector<StoredPictureItem> stored(manifest.size());
    int failures = 0;
    for (size_t i = 0; i < manifest.size(); ++i) {
        std::string warning;
        if (!CompileItem(manifest[i], picturesDir, stored[i], error, warning)) {
            log << "assetc: " << error << "\n";
            ++failures;
        } else if (!warning.empty()) {
            log << "assetc: warning: " << warning << "\n";
        }
    }
    if (failures > 0) {
        log << "assetc: " << failures << " picture(s) failed; " << outputPath << " not written\n";
        return false;
    }
    std::vector<uint8_t> container;
    try {
        container = WritePictureContainer(stored);
    } catch (const std::length_error& e) {
        log << "assetc: " << e.what() << "; " << outputPath << " not written\n";
        return false;
    }
    if (!WriteAtomically(outputPath, container, error)) {
        log << "assetc: " << error << "\n";
        return false;
    }
    return true;
}
