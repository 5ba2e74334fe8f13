// catalogue_builder.h: the `assetc build` command.
//
// Compiles every manifest item in order and writes the picture container
// (graphics/picture_container.h) that the game embeds.
//
// Contract: on any fault (manifest, missing or broken SVG, encoding, writing)
// every fault found is reported on `log` naming its item, false is returned
// and the output file is left as it was: the container is written to a
// temporary file beside it and renamed into place only when complete.
#pragma once
#include <ostream>
#include <string>

bool BuildCatalogue(const std::string& manifestPath, const std::string& picturesDir,
                    const std::string& outputPath, std::ostream& log);
