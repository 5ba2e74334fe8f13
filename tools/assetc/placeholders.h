// placeholders.h: the `assetc placeholders` command and its SVGs.
//
// A placeholder stands in for a picture until its real SVG is drawn: exactly
// the item's size (viewBox 0 0 w h), a scene shows its number large on a
// plain background, a small picture shows its name (shrunk to fit, or just a
// framed fill when too small), a transparent item leaves its empty area
// transparent, and each pattern of a multi-pattern item is a separate framed
// cell with its pattern index. Text uses the font family "Liberation Sans".
//
// Contract: WritePlaceholders never replaces an existing file (files are
// created exclusively, so a picture saved meanwhile by someone else wins);
// it reports what it wrote and returns false on a manifest or write fault.
#pragma once
#include <ostream>
#include <string>

#include "tools/assetc/manifest.h"

std::string PlaceholderSvg(const ManifestItem& item);

bool WritePlaceholders(const std::string& manifestPath, const std::string& picturesDir,
                       std::ostream& log);
