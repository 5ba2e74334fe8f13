// image_catalogue.cpp: the image catalogue: loading, lookup by name, the
// display surfaces with their patterns, drawing and the colour table.
#include "graphics/image_catalogue.h"

#include <cstdio>

namespace {
inline char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

}  // namespace

// ---- items ----

const DecodedPicture& TPictureCollectionItem::Picture() const {
    if (!picture_.rgb.empty() || picture_.Empty() || payload_.empty()) return picture_;
    DecodedPicture whole;
    std::string error;
    const bool ok = DecodePicture(kind_, payload_, whole, error);
    if (ok && whole.width == picture_.width && whole.height == picture_.height)
        picture_.rgb = std::move(whole.rgb);
    return picture_;
}

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
    if (src.IsEmpty() || broken_) return;
    if (surface_.Empty()) {
        if (!owner_->Acquire(*this)) return;
    } else {
        owner_->Touch(*this);
    }
    dest.StretchBlit(rect, surface_, src, transparent_, key_);
}

bool TPictureCollectionItem::DrawsOpaque(int32_t index) const {
    if (!initialized_ || transparent_ || index < 0 || index >= patternCount_) return false;
    if (PatternRect(index).IsEmpty() || broken_) return false;
    return !surface_.Empty() || owner_->Acquire(*this);
}

// One pattern when the pattern size is the picture's; otherwise as many whole
// patterns as fit, row-major.
void TPictureCollectionItem::LayoutPatterns() {
    key_ = ColorToRgb565(static_cast<uint32_t>(transparentColor_));
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
    item->owner_ = this;
    items_.push_back(std::move(item));
    TPictureCollectionItem& added = *items_.back();
    HashInsert(&added);
    if (Initialized()) {
        added.initialized_ = true;
        added.LayoutPatterns();
    }
    return added;
}

// Reads what the index needs from Picture.Data (empty data: no picture): the
// class, the size, a DIB's palette (the DIB is checked whole on the way).
bool TPictureCollection::Describe(TPictureCollectionItem& item, std::span<const uint8_t> data,
                                  std::string& error) {
    item.kind_.clear();
    item.picture_ = DecodedPicture{};
    if (data.empty()) return true;
    if (!SplitPictureData(data, item.kind_, item.payload_)) {
        error = "picture data is damaged";
        return false;
    }
    DecodedPicture& pic = item.picture_;
    if (item.kind_ == "TDIB") {
        if (!DecodeDib(item.payload_, pic, error)) return false;
        pic.rgb = std::vector<uint8_t>();  // decoded again when first drawn
        return true;
    }
    if (item.kind_ != "TJPEGImage") {
        error = "unknown picture class '" + item.kind_ + "'";
        return false;
    }
    if (item.payload_.empty()) return true;
    pic.bitsPerPixel = 24;
    return ReadJpegSize(item.payload_, pic.width, pic.height, error);
}

bool TPictureCollection::AddStored(const StoredPictureItem& stored, std::string& error) {
    auto item = std::make_unique<TPictureCollectionItem>();
    std::span<const uint8_t> data = stored.pictureView;
    if (data.empty() && !stored.pictureData.empty()) {
        item->ownedData_ = stored.pictureData;
        data = item->ownedData_;
    }
    std::string why;
    if (!Describe(*item, data, why)) {
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

bool TPictureCollection::LoadFromContainer(std::span<const uint8_t> container, std::string& error,
                                           bool lasting) {
    Clear();
    if (!lasting) {
        container_.assign(container.begin(), container.end());
        container = container_;
    }
    std::vector<StoredPictureItem> stored;
    if (!ReadPictureContainer(container, stored, error, PictureBytes::View)) {
        Clear();
        return false;
    }
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
    newest_ = oldest_ = nullptr;
    cacheBytes_ = 0;
    container_ = std::vector<uint8_t>();
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

// Surfaces are dropped, to be decoded again for the display on their next draw.
void TPictureCollection::Restore() {
    for (auto& item : items_) {
        if (!item->initialized_ && Initialized()) item->initialized_ = true;
        Drop(*item);
        if (item->initialized_) item->LayoutPatterns();
    }
}

void TPictureCollection::Finalize() {
    for (auto& item : items_) {
        Drop(*item);
        item->patternCols_ = item->patternCount_ = 0;
        item->initialized_ = false;
    }
}

// ---- decoded surfaces and their cache ----

bool TPictureCollection::DecodeInto(const TPictureCollectionItem& item, Surface16& out,
                                    std::string& error) {
    const DecodedPicture* rgb = &item.picture_;
    if (rgb->rgb.empty()) {
        if (item.kind_ == "TJPEGImage") {
            if (!DecodeJpegTo565(item.payload_, out, rowBuffer_, true, error)) return false;
            if (out.Width() == rgb->width && out.Height() == rgb->height) return true;
            error = "size does not match its header";
            return false;
        }
        if (!DecodeDib(item.payload_, scratch_, error)) return false;
        rgb = &scratch_;
    }
    if (rgb->width != item.picture_.width || rgb->height != item.picture_.height ||
        rgb->rgb.size() != static_cast<size_t>(rgb->width) * rgb->height * 3) {
        error = "picture size changed";
        return false;
    }
    ToRgb565(*rgb, out);
    return true;
}

bool DecodePicture(std::string_view kind, std::span<const uint8_t> data, DecodedPicture& out,
                   std::string& error) {
    return kind == "TJPEGImage" ? DecodeJpeg(data, out, error) : DecodeDib(data, out, error);
}

void ToRgb565(const DecodedPicture& picture, Surface16& out) {
    out.Resize(picture.width, picture.height);
    const uint8_t* p = picture.rgb.data();
    for (int32_t y = 0; y < picture.height; ++y) {
        uint16_t* row = out.Row(y);
        for (int32_t x = 0; x < picture.width; ++x, p += 3) row[x] = RgbToRgb565(p[0], p[1], p[2]);
    }
}

bool TPictureCollection::Acquire(const TPictureCollectionItem& item) {
    std::string error;
    if (!DecodeInto(item, item.surface_, error)) {
        item.surface_.Resize(0, 0);
        item.broken_ = true;
        std::fprintf(stderr, "Varnoklet 3: picture '%s' cannot be drawn: %s\n", item.name_.c_str(),
                     error.c_str());
        return false;
    }
    ++decodes_;
    cacheBytes_ += item.surface_.Pixels().size() * sizeof(uint16_t);
    item.older_ = newest_;
    item.newer_ = nullptr;
    if (newest_ != nullptr) newest_->newer_ = &item;
    newest_ = &item;
    if (oldest_ == nullptr) oldest_ = &item;
    Evict(&item);
    return true;
}

void TPictureCollection::Unlink(const TPictureCollectionItem& item) {
    if (item.newer_ != nullptr) item.newer_->older_ = item.older_;
    else newest_ = item.older_;
    if (item.older_ != nullptr) item.older_->newer_ = item.newer_;
    else oldest_ = item.newer_;
    item.newer_ = item.older_ = nullptr;
}

void TPictureCollection::Touch(const TPictureCollectionItem& item) {
    if (newest_ == &item) return;
    Unlink(item);
    item.older_ = newest_;
    if (newest_ != nullptr) newest_->newer_ = &item;
    newest_ = &item;
    if (oldest_ == nullptr) oldest_ = &item;
}

void TPictureCollection::Drop(const TPictureCollectionItem& item) {
    if (item.surface_.Empty()) return;
    Unlink(item);
    cacheBytes_ -= item.surface_.Pixels().size() * sizeof(uint16_t);
    item.surface_ = Surface16();
}

void TPictureCollection::Evict(const TPictureCollectionItem* keep) {
    while (cacheBytes_ > cacheBudget_ && oldest_ != nullptr && oldest_ != keep) Drop(*oldest_);
}

void TPictureCollection::SetCacheBudget(size_t bytes) {
    cacheBudget_ = bytes;
    Evict(nullptr);
}

bool TPictureCollection::CheckAllPictures(std::string& error) {
    Surface16 scratch;
    for (const auto& item : items_) {
        if (item->picture_.Empty()) continue;
        std::string why;
        if (!DecodeInto(*item, scratch, why)) {
            error = "Image '" + item->name_ + "': " + why;
            return false;
        }
    }
    return true;
}

void TPictureCollection::DisplayInitialized(TDXDraw&) { Initialize(); }
void TPictureCollection::DisplayRestored(TDXDraw&) { Restore(); }
void TPictureCollection::DisplayFinalized(TDXDraw&) { Finalize(); }

void TPictureCollection::DisplayDestroyed(TDXDraw& display) {
    Finalize();
    display.Unsubscribe(this);
    if (display_ == &display) display_ = nullptr;
}
