// picture_container_test.cpp: the stored container: items survive a write
// and read unchanged; damaged containers are refused with the item named.
#include <gtest/gtest.h>

#include "tests/graphics/test_pictures.h"

namespace {
std::vector<StoredPictureItem> SampleItems() {
    std::vector<StoredPictureItem> items;
    items.push_back(testpic::StoredItem("ozub", "TJPEGImage", {0xFF, 0xD8, 1, 2, 3}, true, 0, "clBlack"));
    items.back().patternWidth = 35;
    items.back().patternHeight = 35;
    items.push_back(testpic::StoredItem("nic", "", {}, true, 0, "clBlack"));
    items.push_back(testpic::StoredItem("drat", "TDIB", {40, 0, 0, 0, 9}, true, 0x00FF00FF));
    items.push_back(testpic::StoredItem("saveload", "TDIB", {1}, true, 0, "clWhite"));
    items.back().systemMemory = true;
    items.push_back(testpic::StoredItem("scena0", "TJPEGImage", {7}, false, -1));
    return items;
}

void ExpectSame(const StoredPictureItem& a, const StoredPictureItem& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.patternHeight, b.patternHeight);
    EXPECT_EQ(a.patternWidth, b.patternWidth);
    EXPECT_EQ(a.pictureData, b.pictureData);
    EXPECT_EQ(a.systemMemory, b.systemMemory);
    EXPECT_EQ(a.transparent, b.transparent);
    EXPECT_EQ(a.colorIdentifier, b.colorIdentifier);
    EXPECT_EQ(a.transparentColor, b.transparentColor);
}
}  // namespace

TEST(PictureContainer, RoundTripKeepsEveryField) {
    const auto items = SampleItems();
    const auto bytes = WritePictureContainer(items);
    std::vector<StoredPictureItem> back;
    std::string error;
    ASSERT_TRUE(ReadPictureContainer(bytes, back, error)) << error;
    ASSERT_EQ(back.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) ExpectSame(back[i], items[i]);
    EXPECT_EQ(back[3].transparentColor, 0xFFFFFF);  // resolved from "clWhite"

    std::string cls;
    std::span<const uint8_t> payload;
    ASSERT_TRUE(SplitPictureData(back[0].pictureData, cls, payload));
    EXPECT_EQ(cls, "TJPEGImage");
    EXPECT_EQ(std::vector<uint8_t>(payload.begin(), payload.end()), (std::vector<uint8_t>{0xFF, 0xD8, 1, 2, 3}));
    ASSERT_TRUE(SplitPictureData(back[2].pictureData, cls, payload));
    EXPECT_EQ(cls, "TDIB");
    EXPECT_EQ(payload.size(), 5u);
}

TEST(PictureContainer, ColourIdentifiers) {
    int32_t c = 1;
    ASSERT_TRUE(ResolveColorIdentifier("clBlack", c));
    EXPECT_EQ(c, 0x000000);
    ASSERT_TRUE(ResolveColorIdentifier("clRed", c));
    EXPECT_EQ(c, 0x0000FF);
    ASSERT_TRUE(ResolveColorIdentifier("clGray", c));
    EXPECT_EQ(c, 0x808080);
    EXPECT_FALSE(ResolveColorIdentifier("clred", c));
    EXPECT_FALSE(ResolveColorIdentifier("clFuchsia", c));
}

TEST(PictureContainer, EveryTruncationIsRefused) {
    const auto bytes = WritePictureContainer(SampleItems());
    for (size_t len = 0; len < bytes.size(); ++len) {
        std::vector<StoredPictureItem> back;
        std::string error;
        EXPECT_FALSE(ReadPictureContainer(std::span(bytes.data(), len), back, error)) << len;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(back.empty());
    }
}

TEST(PictureContainer, DamagedFieldsAreReportedWithTheItem) {
    std::vector<StoredPictureItem> back;
    std::string error;

    auto bytes = WritePictureContainer(SampleItems());
    bytes[0] = 'X';
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_EQ(error, "picture container: bad signature");

    bytes = WritePictureContainer(SampleItems());
    bytes[11] = 0x7F;  // item count far beyond the data
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_EQ(error, "picture container: bad item count");
    // A count below the byte count but above what that many bytes can hold.
    bytes = WritePictureContainer(SampleItems());
    const size_t rest = bytes.size() - 12;
    for (size_t i = 0; i < 4; ++i) bytes[8 + i] = static_cast<uint8_t>(rest / 2 >> (8 * i));
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_EQ(error, "picture container: bad item count");

    // The first item's colour identifier changed to one that does not exist.
    auto items = SampleItems();
    bytes = WritePictureContainer({items[0]});
    const size_t at = bytes.size() - 7;  // "clBlack"
    ASSERT_EQ(bytes[at], 'c');
    bytes[at + 2] = 'X';
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_NE(error.find("item 0 'ozub'"), std::string::npos) << error;
    EXPECT_NE(error.find("unknown colour identifier 'clXlack'"), std::string::npos) << error;

    // An unknown colour kind in the second item.
    bytes = WritePictureContainer({items[2], items[2]});
    bytes[bytes.size() - 5] = 2;
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_NE(error.find("item 1 'drat'"), std::string::npos) << error;
    EXPECT_NE(error.find("unknown colour kind 2"), std::string::npos) << error;
    EXPECT_TRUE(back.empty());

    // A picture length running past the end.
    bytes = WritePictureContainer({items[2]});
    bytes[8 + 4 + 1 + 4 + 8 + 3] = 0x40;  // high byte of Picture.Data's length
    EXPECT_FALSE(ReadPictureContainer(bytes, back, error));
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;

    // A JPEG payload whose own length runs past Picture.Data.
    std::string cls;
    std::span<const uint8_t> payload;
    auto data = MakePictureData("TJPEGImage", std::vector<uint8_t>{1, 2, 3});
    data[1 + 10] = 4;
    EXPECT_FALSE(SplitPictureData(data, cls, payload));
}

TEST(PictureContainer, ItemsTheLayoutCannotHoldAreRefusedNotTruncated) {
    auto items = SampleItems();
    items[1].name = std::string(256, 'n');
    EXPECT_THROW(WritePictureContainer(items), std::length_error);
    items = SampleItems();
    items[0].colorIdentifier = std::string(300, 'c');
    EXPECT_THROW(WritePictureContainer(items), std::length_error);
    items = SampleItems();
    items[1].name = std::string(255, 'n');  // the longest name that fits
    std::vector<StoredPictureItem> back;
    std::string error;
    ASSERT_TRUE(ReadPictureContainer(WritePictureContainer(items), back, error)) << error;
    EXPECT_EQ(back[1].name, items[1].name);
}
