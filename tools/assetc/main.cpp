// main.cpp: assetc, the build-time asset compiler.
//
//   assetc build MANIFEST PICTURES_DIR OUT.container
//       rasterises and encodes every catalogue item into the picture container
//   assetc placeholders MANIFEST PICTURES_DIR
//       writes a stand-in SVG for every item whose source does not exist yet
//   assetc icon SVG SIZE OUT.png
//       rasterises the application icon at SIZE x SIZE (RGBA)
//
// Exit status 0 on success, 1 on any fault (reported on stderr), 2 on usage.
#include <cstdlib>
#include <iostream>
#include <string>

#include "tools/assetc/catalogue_builder.h"
#include "tools/assetc/icon_writer.h"
#include "tools/assetc/placeholders.h"

namespace {

int Usage() {
    std::cerr << "usage: assetc build MANIFEST PICTURES_DIR OUT.container\n"
                 "       assetc placeholders MANIFEST PICTURES_DIR\n"
                 "       assetc icon SVG SIZE OUT.png\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string command = argv[1];
    if (command == "build" && argc == 5)
        return BuildCatalogue(argv[2], argv[3], argv[4], std::cerr) ? 0 : 1;
    if (command == "placeholders" && argc == 4)
        return WritePlaceholders(argv[2], argv[3], std::cout) ? 0 : 1;
    if (command == "icon" && argc == 5)
        return WriteIconPng(argv[2], std::atoi(argv[3]), argv[4], std::cerr) ? 0 : 1;
    return Usage();
}
