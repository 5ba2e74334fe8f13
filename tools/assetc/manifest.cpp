// manifest.cpp: reading and checking the picture catalogue manifest.
#include "tools/assetc/manifest.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kHeader =
    "position\tname\twidth\theight\tpatternWidth\tpatternHeight\tkind\ttransparent\tkey\tsource";
constexpr size_t kColumns = 10;

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

bool ParseInt(std::string_view s, int lo, int hi, int& value) {
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && value >= lo && value <= hi;
}

bool ParseKind(std::string_view s, PictureKind& kind) {
    static const std::pair<const char*, PictureKind> kinds[] = {
        {"jpeg", PictureKind::Jpeg},   {"dib4", PictureKind::Dib4},
        {"dib8", PictureKind::Dib8},   {"dib16bf", PictureKind::Dib16BitFields},
        {"dib24", PictureKind::Dib24}, {"none", PictureKind::None}};
    for (const auto& [name, k] : kinds) {
        if (s == name) {
            kind = k;
            return true;
        }
    }
    return false;
}

// "clBlack", "clRed", "clWhite", "clGray" or "0xBBGGRR".
bool ParseKey(std::string_view s, ManifestItem& item) {
    static const std::pair<const char*, uint32_t> idents[] = {
        {"clBlack", 0x000000}, {"clRed", 0x0000FF}, {"clWhite", 0xFFFFFF}, {"clGray", 0x808080}};
    for (const auto& [name, value] : idents) {
        if (s == name) {
            item.keyIdentifier = name;
            item.key = value;
            return true;
        }
    }
    if (s.size() < 3 || s.size() > 8 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return false;
    auto [end, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), item.key, 16);
    item.keyIdentifier.clear();
    return ec == std::errc() && end == s.data() + s.size() && item.key <= 0xFFFFFF;
}

bool ValidName(std::string_view s) {
    if (s.empty() || s.size() > 255) return false;
    for (char c : s) {
        if (c <= ' ' || c > '~') return false;
    }
    return true;
}

bool ValidSource(std::string_view s) {
    return ValidName(s) && s.find('/') == std::string_view::npos &&
           s.find('\\') == std::string_view::npos && s != ".." && s.size() > 4 &&
           s.substr(s.size() - 4) == ".svg";
}

// Checks the fields that depend on each other; returns an empty string when sound.
std::string CheckConsistency(const ManifestItem& it) {
    if (it.kind == PictureKind::None) {
        if (it.width != 0 || it.height != 0 || it.patternWidth != 0 || it.patternHeight != 0)
            return "an item without picture must have all sizes 0";
        if (!it.source.empty()) return "an item without picture must have no source";
        return {};
    }
    if (it.width < 1 || it.height < 1) return "width and height must be at least 1";
    if (it.source.empty()) return "a picture needs a source SVG";
    if (!ValidSource(it.source)) return "source must be a plain .svg file name";
    if (it.patternWidth > it.width || it.patternHeight > it.height)
        return "pattern size is larger than the picture";
    if ((it.patternWidth > 0 && it.width % it.patternWidth != 0) ||
        (it.patternHeight > 0 && it.height % it.patternHeight != 0))
        return "pattern size does not divide the picture size";
    return {};
}

// Parses one data row into `it`; returns an empty string or the fault.
std::string ParseRow(std::string_view line, int expectedPosition, ManifestItem& it) {
    auto f = SplitTabs(line);
    if (f.size() != kColumns)
        return "expected " + std::to_string(kColumns) + " tab-separated columns, found " +
               std::to_string(f.size());
    int transparent = 0;
    if (!ParseInt(f[0], 0, 1 << 20, it.position)) return "bad position '" + std::string(f[0]) + "'";
    if (it.position != expectedPosition)
        return "position " + std::to_string(it.position) + " out of order (expected " +
               std::to_string(expectedPosition) + ")";
    if (!ValidName(f[1])) return "bad name '" + std::string(f[1]) + "'";
    it.name = f[1];
    if (!ParseInt(f[2], 0, 4096, it.width) || !ParseInt(f[3], 0, 4096, it.height))
        return "bad width or height";
    if (!ParseInt(f[4], 0, 4096, it.patternWidth) || !ParseInt(f[5], 0, 4096, it.patternHeight))
        return "bad pattern width or height";
    if (!ParseKind(f[6], it.kind)) return "unknown kind '" + std::string(f[6]) + "'";
    if (!ParseInt(f[7], 0, 1, transparent)) return "transparent must be 0 or 1";
    it.transparent = transparent != 0;
    if (!ParseKey(f[8], it)) return "bad key '" + std::string(f[8]) + "'";
    it.source = f[9];
    return CheckConsistency(it);
}

}  // namespace

const char* PictureKindName(PictureKind kind) {
    switch (kind) {
        case PictureKind::Jpeg: return "jpeg";
        case PictureKind::Dib4: return "dib4";
        case PictureKind::Dib8: return "dib8";
        case PictureKind::Dib16BitFields: return "dib16bf";
        case PictureKind::Dib24: return "dib24";
        case PictureKind::None: return "none";
    }
    return "?";
}

std::string DescribeItem(const ManifestItem& item) {
    return "item " + std::to_string(item.position) + " '" + item.name + "'";
}

bool ParseManifest(std::string_view text, const std::string& fileName,
                   std::vector<ManifestItem>& items, std::string& error) {
    items.clear();
    bool headerSeen = false;
    int lineNo = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        std::string_view line = text.substr(start, nl == std::string_view::npos ? nl : nl - start);
        start = nl == std::string_view::npos ? text.size() : nl + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        std::string where = fileName + ":" + std::to_string(lineNo) + ": ";
        if (!headerSeen) {
            if (line != kHeader) {
                error = where + "expected the header line '" + kHeader + "'";
                return false;
            }
            headerSeen = true;
            continue;
        }
        ManifestItem it;
        it.line = lineNo;
        std::string why = ParseRow(line, static_cast<int>(items.size()), it);
        if (!why.empty()) {
            error = where + (it.name.empty() ? "" : DescribeItem(it) + ": ") + why;
            items.clear();
            return false;
        }
        items.push_back(std::move(it));
    }
    if (!headerSeen || items.empty()) {
        error = fileName + ": no items";
        return false;
    }
    return true;
}

bool LoadManifest(const std::string& path, std::vector<ManifestItem>& items, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot open the manifest";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseManifest(text.str(), path, items, error);
}
