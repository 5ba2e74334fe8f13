// assetc_catalogue_test.cpp: the picture container built into the program.
//
// Checks what the build embedded (manifest plus asset compiler) against the
// catalogue the game expects: 215 items in catalogue order, their sizes,
// pattern sizes, stored kinds, transparency and keys, and that every stored
// picture decodes to its listed size.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "graphics/embedded_pictures.h"
#include "graphics/image_catalogue.h"
#include "graphics/picture_container.h"
#include "graphics/surface16.h"

namespace {

void Range(std::vector<std::string>& v, const std::string& stem, int from, int to) {
    for (int i = from; i <= to; ++i) v.push_back(stem + std::to_string(i));
}

// The catalogue order, written down independently of the manifest.
std::vector<std::string> ExpectedOrder() {
    std::vector<std::string> v;
    for (const char* lang : {"0", "1"}) {
        for (int b = 1; b <= 5; ++b) {
            if (b == 4 && std::string(lang) == "1") continue;  // no English button 4
            v.push_back("menu" + std::to_string(b) + lang);
            v.push_back("menu" + std::to_string(b) + "x" + lang);
        }
    }
    Range(v, "c", 0, 9);
    for (const char* card : {"ka", "kb", "kc", "kd"}) Range(v, card, 0, 3);
    v.insert(v.end(), {"part", "nic", "inv200", "kurzor-p", "kurzor-d", "kurzor-l", "kurzor-n"});
    Range(v, "scena", 0, 3);
    v.insert(v.end(), {"inv201", "inv202", "splachovadlo", "inv203", "scena4", "inv204", "ozub",
                       "saveload", "empty", "scena5", "raketa", "strela", "nepritel"});
    Range(v, "scena", 6, 13);
    v.insert(v.end(), {"inv205", "inv206"});
    Range(v, "scena", 14, 16);
    v.insert(v.end(), {"drat", "scena17", "inv204", "inv207", "scena18"});
    Range(v, "scena", 20, 24);
    v.push_back("inv208");
    Range(v, "inv", 210, 213);
    v.insert(v.end(), {"scena25", "kostka0", "kostka1"});
    Range(v, "scena", 26, 28);
    v.insert(v.end(), {"scena30", "tyc", "inv214", "inv215", "scena31", "scena32"});
    Range(v, "p", 0, 8);
    Range(v, "scena", 33, 36);
    v.insert(v.end(), {"vrata", "inv216"});
    Range(v, "scena", 37, 42);
    Range(v, "sklo", 0, 2);
    v.insert(v.end(), {"scena43", "fotka", "inv217", "inv218", "magnet"});
    Range(v, "inv", 219, 221);
    Range(v, "scena", 44, 49);
    Range(v, "tlac", 0, 2);
    v.insert(v.end(), {"propiska", "inv222", "inv223", "otvory", "img2", "inv224", "inv225",
                       "sekera", "inv226", "inv227", "obalka", "inv228", "inv229"});
    Range(v, "scena", 50, 64);
    v.insert(v.end(), {"inv230", "scena65", "inv231", "kohoutek", "inv232", "inv233"});
    Range(v, "scena", 66, 82);
    v.insert(v.end(), {"konec0", "konec1", "podtitul0", "podtitul1", "tvurce0", "tvurce1",
                       "uvadi0", "uvadi1", "menugear", "boxopen", "postboxopen", "slotmatch",
                       "tabletloose", "tabletopen", "vasekmallet"});
    return v;
}

struct Expected {
    int width, height;
    std::string kind;  // "jpeg", "dib<bits>", "none"
    bool transparent;
    int32_t key;       // only when transparent
};

bool StartsWith(const std::string& s, const char* p) { return s.rfind(p, 0) == 0; }

Expected ExpectedFor(const std::string& n) {
    static const std::map<std::string, Expected> single = {
        {"ozub", {140, 35, "jpeg", true, 0x000000}}, {"nic", {0, 0, "none", true, 0x000000}},
        {"part", {5, 5, "dib24", true, 0xFFFFFF}},   {"raketa", {17, 17, "dib8", true, 0x0000FF}},
        {"strela", {10, 11, "dib8", true, 0x0000FF}}, {"nepritel", {34, 17, "dib8", true, 0x0000FF}},
        {"saveload", {240, 88, "dib4", true, 0xFFFFFF}}, {"empty", {68, 34, "jpeg", false, 0}},
        {"drat", {11, 34, "dib16", true, 0x0000FF}}, {"tyc", {46, 15, "dib8", true, 0x0000FF}},
        {"sklo0", {8, 16, "dib8", true, 0x0000FF}},  {"sklo1", {8, 16, "dib8", true, 0x0000FF}},
        {"sklo2", {8, 10, "dib8", true, 0x0000FF}},  {"kostka0", {7, 6, "dib8", false, 0}},
        {"kostka1", {7, 6, "dib8", false, 0}},       {"img2", {35, 35, "dib8", true, 0x0000FF}},
        {"splachovadlo", {9, 137, "jpeg", false, 0}}, {"vrata", {41, 82, "jpeg", false, 0}},
        {"fotka", {37, 43, "jpeg", false, 0}},       {"magnet", {7, 7, "jpeg", false, 0}},
        {"propiska", {35, 6, "jpeg", false, 0}},     {"otvory", {79, 8, "jpeg", false, 0}},
        {"sekera", {31, 42, "jpeg", false, 0}},      {"obalka", {110, 17, "jpeg", false, 0}},
        {"kohoutek", {24, 23, "jpeg", false, 0}},    {"tvurce0", {381, 53, "jpeg", false, 0}},
        {"tvurce1", {383, 53, "jpeg", false, 0}},     {"menugear", {22, 22, "dib8", true, 0x0000FF}},
        {"boxopen", {94, 36, "dib8", true, 0x0000FF}},     {"postboxopen", {192, 112, "dib8", true, 0x0000FF}},
        {"slotmatch", {16, 22, "dib8", true, 0x0000FF}},   {"tabletloose", {46, 50, "dib8", true, 0x0000FF}},
        {"tabletopen", {46, 42, "dib8", true, 0x0000FF}},  {"vasekmallet", {92, 36, "dib8", true, 0x0000FF}},
    };
    if (auto it = single.find(n); it != single.end()) return it->second;
    if (StartsWith(n, "scena")) return {535, 270, "jpeg", false, 0};
    if (StartsWith(n, "inv")) return {35, 35, "dib8", true, 0x0000FF};
    if (StartsWith(n, "kurzor-")) return {35, 35, "dib4", true, 0x0000FF};
    if (StartsWith(n, "menu")) return {107, 17, "jpeg", false, 0};
    if (StartsWith(n, "tlac")) return {56, 55, "dib8", true, 0x0000FF};
    if (StartsWith(n, "konec")) return {187, 28, "jpeg", false, 0};
    if (StartsWith(n, "podtitul")) return {236, 26, "jpeg", false, 0};
    if (StartsWith(n, "uvadi")) return {147, 24, "jpeg", false, 0};
    if (StartsWith(n, "k")) return {73, 86, "jpeg", false, 0};  // card faces
    if (StartsWith(n, "p")) return {80, 80, "jpeg", false, 0};  // puzzle tiles
    if (StartsWith(n, "c")) return {9, 13, "jpeg", false, 0};   // code digits
    ADD_FAILURE() << "no expectation for " << n;
    return {};
}

// Decodes a stored picture and names its kind as the expectations do.
std::string DecodeStored(const StoredPictureItem& item, DecodedPicture& pic) {
    if (item.pictureData.empty()) return "none";
    std::string cls, error;
    std::span<const uint8_t> payload;
    if (!SplitPictureData(item.pictureData, cls, payload)) return "bad data";
    if (cls == "TJPEGImage") return DecodeJpeg(payload, pic, error) ? "jpeg" : error;
    if (cls == "TDIB") return DecodeDib(payload, pic, error) ? "dib" + std::to_string(pic.bitsPerPixel) : error;
    return "class " + cls;
}

std::vector<StoredPictureItem> EmbeddedItems() {
    std::vector<StoredPictureItem> items;
    std::string error;
    EXPECT_TRUE(ReadPictureContainer(EmbeddedPictureData(), items, error)) << error;
    return items;
}

}  // namespace

TEST(AssetcCatalogue, EmbeddedItemsFollowTheCatalogueOrder) {
    auto items = EmbeddedItems();
    auto order = ExpectedOrder();
    ASSERT_EQ(order.size(), 215u);
    ASSERT_EQ(items.size(), 215u);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].name, order[i]) << "position " << i;
    EXPECT_EQ(items[60].name, "inv204");
    EXPECT_EQ(items[83].name, "inv204");
    EXPECT_NE(items[60].pictureData, items[83].pictureData) << "the two inv204 come from different sources";
}

TEST(AssetcCatalogue, EveryItemHasItsSizeKindAndKey) {
    for (const auto& item : EmbeddedItems()) {
        SCOPED_TRACE(item.name);
        Expected want = ExpectedFor(item.name);
        DecodedPicture pic;
        EXPECT_EQ(DecodeStored(item, pic), want.kind);
        EXPECT_EQ(pic.width, want.width);
        EXPECT_EQ(pic.height, want.height);
        EXPECT_EQ(item.transparent, want.transparent);
        EXPECT_FALSE(item.systemMemory);
        if (want.transparent) {
            EXPECT_EQ(item.transparentColor, want.key);
            EXPECT_FALSE(item.colorIdentifier.empty()) << "keys are stored as colour names";
        }
        bool multi = item.name == "ozub" || item.name == "nepritel";
        EXPECT_EQ(item.patternWidth, item.name == "ozub" ? 35 : item.name == "nepritel" ? 17 : 0);
        EXPECT_EQ(item.patternHeight, multi ? want.height : 0);
    }
}

TEST(AssetcCatalogue, KeyedDibsHoldTheirKeyExactly) {
    for (const auto& item : EmbeddedItems()) {
        DecodedPicture pic;
        if (!item.transparent || DecodeStored(item, pic).rfind("dib", 0) != 0) continue;
        SCOPED_TRACE(item.name);
        if (pic.bitsPerPixel <= 8) {
            uint32_t keyRgb = ((item.transparentColor & 0xFF) << 16) |
                              (item.transparentColor & 0xFF00) | ((item.transparentColor >> 16) & 0xFF);
            EXPECT_NE(std::find(pic.palette.begin(), pic.palette.end(), keyRgb), pic.palette.end());
            EXPECT_LE(pic.palette.size(), pic.bitsPerPixel == 4 ? 16u : 256u);
        }
        // Only the key itself may reduce to the key's 16-bit value.
        const uint16_t key565 = ColorToRgb565(static_cast<uint32_t>(item.transparentColor));
        const uint8_t kr = item.transparentColor & 0xFF, kg = (item.transparentColor >> 8) & 0xFF,
                      kb = (item.transparentColor >> 16) & 0xFF;
        int strays = 0;
        for (size_t i = 0; i + 2 < pic.rgb.size(); i += 3) {
            const uint8_t* p = &pic.rgb[i];
            if (RgbToRgb565(p[0], p[1], p[2]) == key565 && (p[0] != kr || p[1] != kg || p[2] != kb))
                ++strays;
        }
        EXPECT_EQ(strays, 0);
    }
}

TEST(AssetcCatalogue, LookupFindsTheLaterInv204) {
    TPictureCollection catalogue;
    std::string error;
    ASSERT_TRUE(catalogue.LoadFromContainer(EmbeddedPictureData(), error)) << error;
    EXPECT_EQ(catalogue.Count(), 215);
    EXPECT_EQ(catalogue.IndexOf("INV204"), 83);
    EXPECT_EQ(catalogue.IndexOf("IMG2"), catalogue.IndexOf("img2"));
    const auto& nic = catalogue.Find("nic");
    EXPECT_EQ(nic.Width(), 0);
    EXPECT_EQ(nic.Height(), 0);
    EXPECT_EQ(catalogue.Find("ozub").Width(), 35);
    EXPECT_EQ(catalogue.Find("nepritel").Width(), 17);
}
