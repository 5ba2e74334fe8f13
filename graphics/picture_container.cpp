// picture_container.cpp: reading and writing the catalogue container.
#include "graphics/picture_container.h"

#include <cstring>
#include <stdexcept>

#include "graphics/byte_reader.h"

namespace {
constexpr char kMagic[8] = {'V', 'K', '3', 'P', 'I', 'C', 'S', '1'};
// The shortest item record: empty name, both pattern sizes, empty picture,
// the two flags, the colour kind and one more byte of colour.
constexpr size_t kMinItemBytes = 1 + 4 + 4 + 4 + 1 + 1 + 1 + 1;

bool ReadItem(ByteReader& r, StoredPictureItem& it, PictureBytes bytes, std::string& error) {
    it.name = r.String(r.U8());
    it.patternHeight = r.I32();
    it.patternWidth = r.I32();
    auto data = r.Bytes(r.U32());
    if (bytes == PictureBytes::Copy)
        it.pictureData.assign(data.begin(), data.end());
    else
        it.pictureView = data;
    it.systemMemory = r.U8() != 0;
    it.transparent = r.U8() != 0;
    uint8_t kind = r.U8();
    if (!r.ok()) return false;
    if (kind == 0) {
        it.colorIdentifier = r.String(r.U8());
        if (!r.ok()) return false;
        if (!ResolveColorIdentifier(it.colorIdentifier, it.transparentColor)) {
            error = "unknown colour identifier '" + it.colorIdentifier + "'";
            return false;
        }
    } else if (kind == 1) {
        it.transparentColor = r.I32();
    } else {
        error = "unknown colour kind " + std::to_string(kind);
        return false;
    }
    return r.ok();
}
}  // namespace

bool ResolveColorIdentifier(const std::string& ident, int32_t& color) {
    if (ident == "clBlack") color = 0x000000;
    else if (ident == "clRed") color = 0x0000FF;
    else if (ident == "clWhite") color = 0xFFFFFF;
    else if (ident == "clGray") color = 0x808080;
    else return false;
    return true;
}

bool ReadPictureContainer(std::span<const uint8_t> data, std::vector<StoredPictureItem>& items,
                          std::string& error, PictureBytes bytes) {
    items.clear();
    ByteReader r(data);
    auto magic = r.Bytes(sizeof kMagic);
    if (!r.ok() || std::memcmp(magic.data(), kMagic, sizeof kMagic) != 0) {
        error = "picture container: bad signature";
        return false;
    }
    uint32_t count = r.U32();
    // A count the remaining bytes cannot hold is refused before anything is reserved for it.
    if (!r.ok() || count > r.remaining() / kMinItemBytes) {
        error = "picture container: bad item count";
        return false;
    }
    items.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        StoredPictureItem it;
        std::string why;
        if (!ReadItem(r, it, bytes, why)) {
            error = "picture container: item " + std::to_string(i) +
                    (it.name.empty() ? "" : " '" + it.name + "'") + " is damaged" +
                    (why.empty() ? " (truncated)" : " (" + why + ")");
            items.clear();
            return false;
        }
        items.push_back(std::move(it));
    }
    return true;
}

namespace {
// The container stores names and identifiers behind one length byte and
// pictures behind four: refuse what those cannot hold instead of writing a
// container that would read back wrong.
void CheckStorable(const StoredPictureItem& it) {
    if (it.name.size() > 255)
        throw std::length_error("picture name longer than 255 bytes: '" + it.name.substr(0, 40) + "...'");
    if (it.colorIdentifier.size() > 255)
        throw std::length_error("colour identifier of '" + it.name + "' longer than 255 bytes");
    if (it.pictureData.size() > 0xFFFFFFFFull)
        throw std::length_error("picture '" + it.name + "' larger than 4 GiB");
}
}  // namespace

std::vector<uint8_t> WritePictureContainer(const std::vector<StoredPictureItem>& items) {
    if (items.size() > 0xFFFFFFFFull) throw std::length_error("too many pictures");
    for (const auto& it : items) CheckStorable(it);
    std::vector<uint8_t> out(kMagic, kMagic + sizeof kMagic);
    PutLe(out, items.size(), 4);
    for (const auto& it : items) {
        PutLe(out, it.name.size(), 1);
        out.insert(out.end(), it.name.begin(), it.name.end());
        PutLe(out, static_cast<uint32_t>(it.patternHeight), 4);
        PutLe(out, static_cast<uint32_t>(it.patternWidth), 4);
        PutLe(out, it.pictureData.size(), 4);
        out.insert(out.end(), it.pictureData.begin(), it.pictureData.end());
        PutLe(out, it.systemMemory ? 1 : 0, 1);
        PutLe(out, it.transparent ? 1 : 0, 1);
        if (!it.colorIdentifier.empty()) {
            PutLe(out, 0, 1);
            PutLe(out, it.colorIdentifier.size(), 1);
            out.insert(out.end(), it.colorIdentifier.begin(), it.colorIdentifier.end());
        } else {
            PutLe(out, 1, 1);
            PutLe(out, static_cast<uint32_t>(it.transparentColor), 4);
        }
    }
    return out;
}

bool SplitPictureData(std::span<const uint8_t> data, std::string& className,
                      std::span<const uint8_t>& payload) {
    ByteReader r(data);
    className = r.String(r.U8());
    if (!r.ok()) return false;
    if (className == "TJPEGImage") {
        uint32_t len = r.U32();
        payload = r.Bytes(len);
        return r.ok();
    }
    payload = data.subspan(r.offset());
    return true;
}

std::vector<uint8_t> MakePictureData(const std::string& className,
                                     std::span<const uint8_t> payload) {
    std::vector<uint8_t> out;
    PutLe(out, className.size(), 1);
    out.insert(out.end(), className.begin(), className.end());
    if (className == "TJPEGImage") PutLe(out, payload.size(), 4);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}
