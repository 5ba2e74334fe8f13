// placeholders.cpp: generated stand-in SVGs for pictures not drawn yet.
#include "tools/assetc/placeholders.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace {

constexpr const char* kFont = "Liberation Sans";
// Average advance of a bold Liberation Sans character, in ems (generous).
constexpr double kCharWidthEm = 0.62;
constexpr double kSmallestText = 5.0;

std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// A stable colour per source file: hue from a hash, given saturation and lightness.
std::string ColourFor(const std::string& seed, double saturation, double lightness) {
    uint32_t h = 2166136261u;
    for (unsigned char c : seed) h = (h ^ c) * 16777619u;
    double hue = (h % 360) / 60.0;
    double chroma = (1 - std::fabs(2 * lightness - 1)) * saturation;
    double x = chroma * (1 - std::fabs(std::fmod(hue, 2.0) - 1));
    double rgb[3] = {0, 0, 0};
    int sector = static_cast<int>(hue) % 6;
    const int order[6][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {1, 2, 0}, {0, 2, 1}};
    rgb[order[sector][0]] = chroma;
    rgb[order[sector][1]] = x;
    double m = lightness - chroma / 2;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", static_cast<int>(std::lround((rgb[0] + m) * 255)),
                  static_cast<int>(std::lround((rgb[1] + m) * 255)),
                  static_cast<int>(std::lround((rgb[2] + m) * 255)));
    return buf;
}

struct Cell {
    double x, y, w, h;
};

// Centred text fitted into the cell (turned upright for tall narrow cells);
// nothing when it would be smaller than legible.
std::string FittedText(const std::string& text, const Cell& c, double padding) {
    bool upright = c.h > 2 * c.w;
    double along = (upright ? c.h : c.w) - 2 * padding;
    double across = (upright ? c.w : c.h) - 2 * padding;
    double size = std::min(across * 0.8, along / (kCharWidthEm * text.size()));
    if (size < kSmallestText) return {};
    double cx = c.x + c.w / 2, cy = c.y + c.h / 2;
    std::ostringstream s;
    s << "  <text x=\"" << Num(cx) << "\" y=\"" << Num(cy + size * 0.36) << "\" font-family=\""
      << kFont << "\" font-weight=\"bold\" font-size=\"" << Num(size)
      << "\" text-anchor=\"middle\" fill=\"#ffffff\"";
    if (upright) s << " transform=\"rotate(-90 " << Num(cx) << " " << Num(cy) << ")\"";
    s << ">" << Escape(text) << "</text>\n";
    return s.str();
}

// The four cursor arrows point right, down, left and up.
std::string Arrow(char direction, const Cell& c, const std::string& fill) {
    const double pts[7][2] = {{0.1, 0.38}, {0.55, 0.38}, {0.55, 0.15}, {0.9, 0.5},
                              {0.55, 0.85}, {0.55, 0.62}, {0.1, 0.62}};
    int turns = direction == 'd' ? 1 : direction == 'l' ? 2 : direction == 'n' ? 3 : 0;
    std::ostringstream s;
    s << "  <polygon fill=\"" << fill << "\" stroke=\"#1a1a1a\" stroke-width=\"1.5\" points=\"";
    for (const auto& p : pts) {
        double u = p[0] - 0.5, v = p[1] - 0.5;
        for (int t = 0; t < turns; ++t) {  // a quarter turn clockwise on screen
            std::swap(u, v);
            u = -u;
        }
        s << Num(c.x + (u + 0.5) * c.w) << "," << Num(c.y + (v + 0.5) * c.h) << " ";
    }
    s << "\"/>\n";
    return s.str();
}

std::string SceneBody(const ManifestItem& item) {
    std::string number = item.name.substr(5);
    std::ostringstream s;
    s << "  <rect width=\"" << item.width << "\" height=\"" << item.height << "\" fill=\""
      << ColourFor(item.source, 0.35, 0.32) << "\"/>\n"
      << "  <rect x=\"6\" y=\"6\" width=\"" << item.width - 12 << "\" height=\""
      << item.height - 12 << "\" fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.35\" "
      << "stroke-width=\"2\"/>\n"
      << "  <text x=\"16\" y=\"30\" font-family=\"" << kFont << "\" font-size=\"18\" "
      << "fill=\"#ffffff\" fill-opacity=\"0.7\">" << Escape(item.name) << "</text>\n";
    Cell whole{0, 0, static_cast<double>(item.width), static_cast<double>(item.height)};
    s << FittedText(number, whole, 40);
    return s.str();
}

// The text a small picture shows: its name, or the digit of a code digit "cN".
std::string LabelFor(const ManifestItem& item) {
    if (item.name.size() == 2 && item.name[0] == 'c' && std::isdigit(static_cast<unsigned char>(item.name[1])))
        return item.name.substr(1);
    return item.name;
}

std::string CellBody(const ManifestItem& item, const Cell& c, const std::string& label, int index) {
    std::ostringstream s;
    std::string fill = ColourFor(item.source + std::to_string(index), 0.5, 0.4);
    if (item.name.rfind("kurzor-", 0) == 0 && item.name.size() == 8)
        return Arrow(item.name[7], c, ColourFor(item.source, 0.6, 0.6));
    double inset = item.transparent ? std::max(1.0, std::min(c.w, c.h) * 0.08) : 0.5;
    double radius = item.transparent ? std::min(c.w, c.h) * 0.2 : 0;
    s << "  <rect x=\"" << Num(c.x + inset) << "\" y=\"" << Num(c.y + inset) << "\" width=\""
      << Num(c.w - 2 * inset) << "\" height=\"" << Num(c.h - 2 * inset) << "\" rx=\""
      << Num(radius) << "\" fill=\"" << fill << "\" stroke=\"#1a1a1a\" stroke-width=\"1\"/>\n";
    s << FittedText(label, c, inset + 1);
    return s.str();
}

std::string SmallBody(const ManifestItem& item) {
    int pw = item.patternWidth > 0 ? item.patternWidth : item.width;
    int ph = item.patternHeight > 0 ? item.patternHeight : item.height;
    int cols = item.width / pw, rows = item.height / ph;
    std::string out;
    for (int r = 0; r < rows; ++r) {
        for (int col = 0; col < cols; ++col) {
            int index = r * cols + col;
            std::string label = cols * rows > 1 ? std::to_string(index) : LabelFor(item);
            Cell cell{double(col * pw), double(r * ph), double(pw), double(ph)};
            out += CellBody(item, cell, label, cols * rows > 1 ? index : 0);
        }
    }
    return out;
}

bool IsScene(const ManifestItem& item) {
    return item.name.size() > 5 && item.name.rfind("scena", 0) == 0 &&
           std::all_of(item.name.begin() + 5, item.name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::string PlaceholderSvg(const ManifestItem& item) {
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<!-- Placeholder for \"" << Escape(item.name) << "\", made by assetc placeholders: "
      << "replace it with the real picture. -->\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << item.width << "\" height=\""
      << item.height << "\" viewBox=\"0 0 " << item.width << " " << item.height << "\">\n"
      << (IsScene(item) ? SceneBody(item) : SmallBody(item)) << "</svg>\n";
    return s.str();
}

bool WritePlaceholders(const std::string& manifestPath, const std::string& picturesDir,
                       std::ostream& log) {
    std::vector<ManifestItem> manifest;
    std::string error;
    if (!LoadManifest(manifestPath, manifest, error)) {
        log << "assetc: " << error << "\n";
        return false;
    }
    int written = 0, kept = 0;
    for (const ManifestItem& item : manifest) {
        if (item.source.empty()) continue;
        std::string path = (std::filesystem::path(picturesDir) / item.source).string();
        std::FILE* f = std::fopen(path.c_str(), "wx");  // exclusive: never replaces a file
        if (!f) {
            std::error_code ec;
            if (std::filesystem::exists(path, ec)) {
                ++kept;
                continue;
            }
            log << "assetc: " << DescribeItem(item) << ": cannot create " << path << "\n";
            return false;
        }
        std::string svg = PlaceholderSvg(item);
        bool ok = std::fwrite(svg.data(), 1, svg.size(), f) == svg.size();
        ok = std::fclose(f) == 0 && ok;
        if (!ok) {
            std::error_code ec;
            std::filesystem::remove(path, ec);
            log << "assetc: " << DescribeItem(item) << ": cannot write " << path << "\n";
            return false;
        }
        ++written;
    }
    log << "assetc: " << written << " placeholder(s) written, " << kept << " picture(s) kept\n";
    return true;
}
