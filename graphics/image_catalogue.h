// image_catalogue.h: the image catalogue (`ImageList`), the game's 215 named pictures.
//
// Items are loaded from the stored container (picture_container.h) in
// catalogue order. Loading reads only what the index needs: the names and
// settings, a JPEG's size from its frame header, a DIB's size and palette (a
// DIB is checked whole, it is small); a damaged picture is reported with the
// item's name and never read outside its data. Lookup by name goes through a
// 256-bucket hash in which a later item is put at the head of its chain, so
// the later of two items with one name wins.
//
// While a display is initialised every item is cut into patterns; its pixels
// are decoded into a surface in the back buffer's pixel format on its first
// draw (a JPEG straight into 16 bits), never again while the surface is kept,
// and never per frame. Decoded surfaces live in a least-recently-drawn cache
// with a byte budget: decoding a picture that does not fit drops the pictures
// drawn longest ago (never the one being drawn), so memory does not grow with
// the scenes visited. A picture whose stream turns out damaged when decoded
// draws nothing and is reported once on stderr. StretchDraw copies one
// pattern, scaled and optionally colour-keyed.
//
// Callers: the scene builder, scene objects, inventory icons and the cursor
// look pictures up with Find every frame; sprites draw with StretchDraw.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/display.h"
#include "graphics/geometry.h"
#include "graphics/picture_container.h"
#include "graphics/surface16.h"

// Raised by Find ("Image '%s' not found") and by Initialize without a display.
class EPictureCollectionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture: 24-bit pixels, plus the palette of a DIB of 8 bits or fewer.
// A catalogue item keeps only its size, palette and kind here (rgb empty),
// unless it was added already decoded.
struct DecodedPicture {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;          // width*height*3 bytes, rows top to bottom, R G B
    std::vector<uint32_t> palette;     // 0x00RRGGBB entries of a palettised DIB, else empty
    int bitsPerPixel = 0;              // of a DIB; 24 for a JPEG
    bool isDib = false;
    bool Empty() const { return width <= 0 || height <= 0; }
};

class TPictureCollection;

class TPictureCollectionItem {
public:
    const std::string& Name() const { return name_; }
    int32_t PatternWidthSetting() const { return patternWidth_; }
    int32_t PatternHeightSetting() const { return patternHeight_; }
    bool Transparent() const { return transparent_; }
    int32_t TransparentColor() const { return transparentColor_; }
    bool SystemMemory() const { return systemMemory_; }
    // The picture's size, kind and palette; its 24-bit pixels are decoded when
    // this is first called and kept (for tools and tests: the game draws from
    // the 16-bit surfaces and never asks). A damaged stream leaves rgb empty.
    const DecodedPicture& Picture() const;
    const std::string& StoredKind() const { return kind_; }  // "TJPEGImage", "TDIB" or ""
    // The key's identifier as stored ("clRed", ...), or empty when stored as a number.
    const std::string& ColorIdentifier() const { return colorIdentifier_; }
    // Position in catalogue order.
    int32_t Index() const { return index_; }

    // Pattern size: PatternWidth if above 0, else the picture's width (same for height).
    int32_t Width() const;
    int32_t Height() const;
    // Number of patterns built for the current display (0 when not initialised or no picture).
    int32_t PatternCount() const { return patternCount_; }
    bool Initialized() const { return initialized_; }
    // The decoded pixels: empty until the first draw after (re)initialisation,
    // and again once the cache has dropped them.
    const Surface16& Surface() const { return surface_; }
    // The pattern's rectangle within the item's surface (empty rect for a bad index).
    TRect PatternRect(int32_t index) const;

    // Copies pattern `index`, scaled into `rect` of `dest`, clipped to dest.
    // Draws nothing when not initialised, for a bad index, an empty destination
    // or pattern rectangle. Transparent items leave out pixels equal to the key.
    void StretchDraw(Surface16& dest, const TRect& rect, int32_t index) const;
    // True when StretchDraw of pattern index will overwrite every pixel of its
    // (clipped) destination rectangle: the item is opaque, the pattern exists
    // and its pixels are ready (decoded now if need be). False when unsure.
    bool DrawsOpaque(int32_t index) const;

private:
    friend class TPictureCollection;
    void LayoutPatterns();

    std::string name_;
    std::string kind_;
    std::string colorIdentifier_;
    int32_t index_ = 0;
    mutable DecodedPicture picture_;
    int32_t patternWidth_ = 0, patternHeight_ = 0;
    bool systemMemory_ = false;
    bool transparent_ = true;
    int32_t transparentColor_ = 0;
    bool initialized_ = false;
    std::span<const uint8_t> payload_;  // the stored stream, decoded on first draw
    std::vector<uint8_t> ownedData_;    // Picture.Data of an item added on its own
    TPictureCollection* owner_ = nullptr;
    // The decoded surface and its place in the owner's cache (mutable: a draw decodes).
    mutable Surface16 surface_;
    mutable bool broken_ = false;  // its stream failed to decode: draws nothing
    mutable const TPictureCollectionItem* newer_ = nullptr;
    mutable const TPictureCollectionItem* older_ = nullptr;
    uint16_t key_ = 0;
    // Patterns are cut row-major from the picture without gaps: pattern i is
    // column i % patternCols_, row i / patternCols_, each Width() x Height().
    int32_t patternCols_ = 0;
    int32_t patternCount_ = 0;
    TPictureCollectionItem* hashNext_ = nullptr;
};

class TPictureCollection : public IDisplayListener {
public:
    TPictureCollection();
    ~TPictureCollection() override;
    TPictureCollection(const TPictureCollection&) = delete;  // items and the display hold pointers
    TPictureCollection& operator=(const TPictureCollection&) = delete;

    // Loads every item of a container (the pictures are decoded when first
    // drawn). The items point into one copy of its bytes, or, when `lasting`
    // (bytes that outlive the collection, such as the pictures built into the
    // program), straight into them. On failure returns false, sets error
    // (naming the item) and leaves the collection empty.
    bool LoadFromContainer(std::span<const uint8_t> container, std::string& error,
                           bool lasting = false);
    // Adds one stored item at the end; false with error if its index is damaged.
    bool AddStored(const StoredPictureItem& stored, std::string& error);
    // Adds an already decoded picture at the end (tests and tools).
    TPictureCollectionItem& AddPicture(const std::string& name, DecodedPicture picture,
                                       int32_t patternWidth, int32_t patternHeight,
                                       bool transparent, int32_t transparentColor);
    void Clear();

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    TPictureCollectionItem& Items(int32_t index) { return *items_.at(index); }
    const TPictureCollectionItem& Items(int32_t index) const { return *items_.at(index); }

    // Index of the item named `name` (case-insensitive; the later item wins), or -1.
    int32_t IndexOf(const std::string& name) const;
    // The item named `name`; throws EPictureCollectionError "Image '%s' not found".
    TPictureCollectionItem& Find(const std::string& name);

    // 256 entries of 4 bytes (blue, green, red, 0), rebuilt by BuildColorTable.
    std::array<uint8_t, 1024> ColorTable{};
    void BuildColorTable();

    // Display binding: the collection builds every item's surface when the
    // display is initialised or restored and frees them when it is finalised.
    // Binding to nullptr unbinds (surfaces freed). Binding to an initialised
    // display builds the surfaces at once.
    void Bind(TDXDraw* display);
    bool Initialized() const { return display_ != nullptr && display_->Initialized(); }
    // Marks every item initialised; throws EPictureCollectionError
    // "TPictureCollection cannot be initialized" unless bound to an initialised display.
    void Initialize();
    // Builds the surfaces and patterns of every initialised item, in catalogue order.
    void Restore();
    // Frees every surface; items become uninitialised and draw nothing.
    void Finalize();

    // The cache of decoded surfaces: bytes of pixels kept at most (the
    // picture being drawn is kept even when it alone is larger), bytes kept
    // now, and pictures decoded so far.
    static constexpr size_t kDefaultCacheBudget = size_t{6} << 20;
    void SetCacheBudget(size_t bytes);
    size_t CacheBudget() const { return cacheBudget_; }
    size_t CacheBytes() const { return cacheBytes_; }
    uint64_t Decodes() const { return decodes_; }
    // Decodes every picture once, without keeping it: false with the first
    // damaged one named in error. For tools and tests; the game never needs it.
    bool CheckAllPictures(std::string& error);

    void DisplayInitialized(TDXDraw&) override;
    void DisplayRestored(TDXDraw&) override;
    void DisplayFinalized(TDXDraw&) override;
    void DisplayDestroyed(TDXDraw&) override;

private:
    // Bucket of a name; letter case does not matter (ASCII folding, as in Find).
    static uint8_t Hash(std::string_view name);
    void HashInsert(TPictureCollectionItem* item);
    TPictureCollectionItem& Append(std::unique_ptr<TPictureCollectionItem> item);
    bool Describe(TPictureCollectionItem& item, std::span<const uint8_t> data, std::string& error);
    bool DecodeInto(const TPictureCollectionItem& item, Surface16& out, std::string& error);
    friend class TPictureCollectionItem;
    // Decodes the item into its surface and makes room in the cache; false
    // when its stream is damaged.
    bool Acquire(const TPictureCollectionItem& item);
    void Touch(const TPictureCollectionItem& item);
    void Drop(const TPictureCollectionItem& item);
    void Unlink(const TPictureCollectionItem& item);
    void Evict(const TPictureCollectionItem* keep);

    std::vector<uint8_t> container_;  // the loaded container's bytes, which items point into
    std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
    DecodedPicture scratch_;          // a DIB decoded on its way into a surface
    std::vector<uint8_t> rowBuffer_;  // one RGB row of a JPEG, where 16-bit output is not had
    const TPictureCollectionItem* newest_ = nullptr;
    const TPictureCollectionItem* oldest_ = nullptr;
    size_t cacheBytes_ = 0;
    size_t cacheBudget_ = kDefaultCacheBudget;
    uint64_t decodes_ = 0;
    std::array<TPictureCollectionItem*, 256> buckets_{};
    TDXDraw* display_ = nullptr;
};

// Decoders (dib_decoder.cpp, jpeg_decoder.cpp). Both never read outside
// `data`; on failure they return false with a clear error ("DIB is invalid"
// for any malformed DIB).
bool DecodeDib(std::span<const uint8_t> data, DecodedPicture& out, std::string& error);
bool DecodeJpeg(std::span<const uint8_t> data, DecodedPicture& out, std::string& error);
// A stored picture by its class name: "TJPEGImage" is a JPEG, anything else a DIB.
bool DecodePicture(std::string_view kind, std::span<const uint8_t> data, DecodedPicture& out,
                   std::string& error);
// The decoded picture's pixels reduced to RGB565 into out (resized to it);
// the picture must hold width * height * 3 bytes.
void ToRgb565(const DecodedPicture& picture, Surface16& out);
// A JPEG straight into a 16-bit surface: with the decoder's own RGB565 output
// when direct565 is set and the library has it, else row by row through
// rowBuffer. Equal pixels either way (RgbToRgb565 of DecodeJpeg's output).
bool DecodeJpegTo565(std::span<const uint8_t> data, Surface16& out, std::vector<uint8_t>& rowBuffer,
                     bool direct565, std::string& error);
// A JPEG's size from its frame header, without decoding; false with the
// reason for a stream without one or a size out of range.
bool ReadJpegSize(std::span<const uint8_t> data, int32_t& width, int32_t& height, std::string& error);
// A .bmp file: the 14-byte file header ("BM") followed by a DIB.
bool DecodeBmpFile(std::span<const uint8_t> data, DecodedPicture& out, std::string& error);
