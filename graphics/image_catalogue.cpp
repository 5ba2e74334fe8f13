// image_catalogue.cpp: the image catalogue: loading, lookup by name, the
// display surfaces with their patterns, drawing and the colour table.
#include "graphics/image_catalogue.h"

namespace {
inline char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

// Decodes Picture.Data by its class name; empty data is an empty picture.
bool DecodePictureData(std::span<const uint8_t> data, std::string& kind, DecodedPicture& picture,
                       std::string& error) {
    kind.clear();
    picture = DecodedPicture{};
    if (data.empty()) return true;
    std::span<const uint8_t> payload;
    if (!SplitPictureData(data, kind, payload)) {
        error = "picture data is damaged";
        return false;
    }
    if (kind == "TDIB") return DecodeDib(payload, picture, error);
    if (kind == "TJPEGImage") return payload.empty() || DecodeJpeg(payload, picture, error);
    error = "unknown picture class '" + kind + "'";
    return false;
}
}  // namespace

// ---- items ----

int32_t TPictureCollectionItem::Width() const {
    return patternWidth_ > 0 ? patternWidth_ : picture_.width;
}

int32_t TPictureCollectionItem::Height() const {
    return patternHeight_ > 0 ? patternHeight_ : picture_.height;
}

TRect TPictureCollectionItem::PatternRect(int32_t index) const {
    if (index < 0 || index >= patternCount_) return TRect{};
    const int32_t w = Width(), h = Height();
    return Bounds((index % patternCols_) * w, (index / patternCols_) * h, w, h);
}

void TPictureCollectionItem::StretchDraw(Surface16& dest, const TRect& rect, int32_t index) const {
    if (!initialized_ || index < 0 || index >= patternCount_) return;
    if (dest.Empty() || rect.IsEmpty()) return;
    const TRect src = PatternRect(index);
    if (src.IsEmpty()) return;
    dest.StretchBlit(rect, surface_, src, transparent_, key_);
}

// One pattern when the pattern size is the picture's; otherwise as many whole
// patterns as fit, row-major.
void TPictureCollectionItem::LayoutPatterns() {
    const int32_t w = Width(), h = Height();
    patternCols_ = patternCount_ = 0;
    if (w <= 0 || h <= 0) return;
    if (w == picture_.width && h == picture_.height) {
        patternCols_ = patternCount_ = 1;
        return;
    }
    const int32_t cols = picture_.width / w, rows = picture_.height / h;
    if (cols <= 0 || rows <= 0) return;
    patternCols_ = cols;
    patternCount_ = cols * rows;  // at most the picture's pixel count
}

void TPictureCollectionItem::BuildSurface() {
    FreeSurface();
    if (picture_.Empty()) return;
    surface_.Resize(picture_.width, picture_.height);
    const uint8_t* p = picture_.rgb.data();
    for (int32_t y = 0; y < picture_.height; ++y) {
        uint16_t* row = surface_.Row(y);
        for (int32_t x = 0; x < picture_.width; ++x, p += 3) row[x] = RgbToRgb565(p[0], p[1], p[2]);
    }
    key_ = ColorToRgb565(static_cast<uint32_t>(transparentColor_));
    LayoutPatterns();
}

void TPictureCollectionItem::FreeSurface() {
    surface_.Resize(0, 0);
    patternCols_ = patternCount_ = 0;
}

// ---- collection: items and lookup ----

TPictureCollection::TPictureCollection() = default;

TPictureCollection::~TPictureCollection() {
    if (display_ != nullptr) display_->Unsubscribe(this);
}

uint8_t TPictureCollection::Hash(std::string_view name) {
    const size_t len = name.size();
    size_t h = len * 16;
    if (len >= 2)
        h += static_cast<uint8_t>(FoldCase(name[len - 2])) + static_cast<uint8_t>(FoldCase(name[0]));
    return static_cast<uint8_t>(h & 255);
}

void TPictureCollection::HashInsert(TPictureCollectionItem* item) {
    auto& head = buckets_[Hash(item->name_)];
    item->hashNext_ = head;
    head = item;
}

TPictureCollectionItem& TPictureCollection::Append(std::unique_ptr<TPictureCollectionItem> item) {
    item->index_ = Count();
    items_.push_back(std::move(item));
    TPictureCollectionItem& added = *items_.back();
    HashInsert(&added);
    if (Initialized()) {
        added.initialized_ = true;
        added.BuildSurface();
    }
    return added;
}

bool TPictureCollection::AddStored(const StoredPictureItem& stored, std::string& error) {
    auto item = std::make_unique<TPictureCollectionItem>();
    std::string why;
    if (!DecodePictureData(stored.pictureData, item->kind_, item->picture_, why)) {
        error = "Image '" + stored.name + "': " + why;
        return false;
    }
    item->name_ = stored.name;
    item->patternWidth_ = stored.patternWidth;
    item->patternHeight_ = stored.patternHeight;
    item->systemMemory_ = stored.systemMemory;
    item->transparent_ = stored.transparent;
    item->transparentColor_ = stored.transparentColor;
    item->colorIdentifier_ = stored.colorIdentifier;
    Append(std::move(item));
    return true;
}

TPictureCollectionItem& TPictureCollection::AddPicture(const std::string& name,
                                                       DecodedPicture picture,
                                                       int32_t patternWidth, int32_t patternHeight,
                                                       bool transparent, int32_t transparentColor) {
    auto item = std::make_unique<TPictureCollectionItem>();
    item->name_ = name;
    item->kind_ = picture.Empty() ? "" : (picture.isDib ? "TDIB" : "TJPEGImage");
    item->picture_ = std::move(picture);
    item->patternWidth_ = patternWidth;
    item->patternHeight_ = patternHeight;
    item->transparent_ = transparent;
    item->transparentColor_ = transparentColor;
    return Append(std::move(item));
}

bool TPictureCollection::LoadFromContainer(std::span<const uint8_t> container, std::string& error) {
    Clear();
    std::vector<StoredPictureItem> stored;
    if (!ReadPictureContainer(container, stored, error)) return false;
    for (size_t i = 0; i < stored.size(); ++i) {
        std::string why;
        if (!AddStored(stored[i], why)) {
            error = "picture container: item " + std::to_string(i) + ": " + why;
            Clear();
            return false;
        }
    }
    return true;
}

void TPictureCollection::Clear() {
    items_.clear();
    buckets_.fill(nullptr);
}

int32_t TPictureCollection::IndexOf(const std::string& name) const {
    for (const auto* it = buckets_[Hash(name)]; it != nullptr; it = it->hashNext_)
        if (SameName(it->name_, name)) return it->index_;
    return -1;
}

TPictureCollectionItem& TPictureCollection::Find(const std::string& name) {
    const int32_t index = IndexOf(name);
    if (index < 0) throw EPictureCollectionError("Image '" + name + "' not found");
    return *items_[index];
}

// ---- colour table ----

namespace {
// Offers one colour: kept if some used entry holds it, else put into the lowest free entry.
void OfferColor(std::array<uint8_t, 1024>& table, std::array<bool, 256>& used, uint32_t rgb) {
    const uint8_t r = static_cast<uint8_t>(rgb >> 16), g = static_cast<uint8_t>(rgb >> 8),
                  b = static_cast<uint8_t>(rgb);
    int free = -1;
    for (int i = 0; i < 256; ++i) {
        const uint8_t* e = &table[i * 4];
        if (used[i] && e[0] == b && e[1] == g && e[2] == r) return;
        if (!used[i] && free < 0) free = i;
    }
    if (free < 0) return;
    used[free] = true;
    uint8_t* e = &table[free * 4];
    e[0] = b, e[1] = g, e[2] = r, e[3] = 0;
}
}  // namespace

void TPictureCollection::BuildColorTable() {
    // The 16 fixed entries: index, red, green, blue.
    static constexpr uint8_t kFixed[16][4] = {
        {0, 0, 0, 0},         {1, 128, 0, 0},     {2, 0, 128, 0},     {3, 128, 128, 0},
        {4, 0, 0, 128},       {5, 128, 0, 128},   {6, 0, 128, 128},   {7, 192, 192, 192},
        {248, 128, 128, 128}, {249, 255, 0, 0},   {250, 0, 255, 0},   {251, 255, 255, 0},
        {252, 0, 0, 255},     {253, 255, 0, 255}, {254, 0, 255, 255}, {255, 255, 255, 255}};
    ColorTable.fill(0);
    std::array<bool, 256> used{};
    for (const auto& f : kFixed) {
        uint8_t* e = &ColorTable[f[0] * 4];
        e[0] = f[3], e[1] = f[2], e[2] = f[1];
        used[f[0]] = true;
    }
    size_t usedCount = 16;
    for (const auto& item : items_) {
        const DecodedPicture& pic = item->picture_;
        if (pic.Empty() || pic.palette.empty()) continue;
        for (uint32_t c : pic.palette) OfferColor(ColorTable, used, c);
        usedCount = 0;
        for (bool u : used) usedCount += u;
        if (usedCount == 256) break;
    }
}

// ---- display binding ----

void TPictureCollection::Bind(TDXDraw* display) {
    if (display == display_) return;
    if (display_ != nullptr) {
        display_->Unsubscribe(this);
        Finalize();
    }
    display_ = display;
    if (display_ != nullptr) display_->Subscribe(this);  // initialises at once if the display is
}

void TPictureCollection::Initialize() {
    if (!Initialized()) throw EPictureCollectionError("TPictureCollection cannot be initialized");
    for (auto& item : items_) item->initialized_ = true;
}

void TPictureCollection::Restore() {
    for (auto& item : items_) {
        if (!item->initialized_ && Initialized()) item->initialized_ = true;
        if (item->initialized_) item->BuildSurface();
    }
}

void TPictureCollection::Finalize() {
    for (auto& item : items_) {
        item->FreeSurface();
        item->initialized_ = false;
    }
}

void TPictureCollection::DisplayInitialized(TDXDraw&) { Initialize(); }
void TPictureCollection::DisplayRestored(TDXDraw&) { Restore(); }
void TPictureCollection::DisplayFinalized(TDXDraw&) { Finalize(); }

void TPictureCollection::DisplayDestroyed(TDXDraw& display) {
    Finalize();
    display.Unsubscribe(this);
    if (display_ == &display) display_ = nullptr;
}
