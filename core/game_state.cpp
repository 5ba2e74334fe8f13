// game_state.cpp: the GameState instance and its few whole-record operations:
// reset, clearing a saved game, progress access by number or name, and the
// byte images of the live record and the settings block.
#include "core/game_state.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "graphics/byte_reader.h"

TGameState GameState;

void ResetGameState() { GameState = TGameState{}; }

void ClearSavedGame(TLiveRecord& record) {
    record.savedAt = 0.0;
    record.scene = 0;
    record.progress = TProgress{};
    std::fill(std::begin(record.inventory), std::end(record.inventory), uint8_t{0});
}

// ---- Progress by number and by name ----------------------------------------

namespace {
// Out-of-range progress access lands here; it is zeroed on every such access
// so a read never sees an earlier stray write.
uint8_t g_progressSink = 0;
const uint8_t kProgressZero = 0;
}  // namespace

uint8_t& TProgress::operator[](size_t index) {
    if (index >= kProgressSize) {
        g_progressSink = 0;
        return g_progressSink;
    }
    return reinterpret_cast<unsigned char*>(this)[index];
}

const uint8_t& TProgress::operator[](size_t index) const {
    if (index >= kProgressSize) return kProgressZero;
    return reinterpret_cast<const unsigned char*>(this)[index];
}

int ProgressIndexOf(std::string_view text) {
    std::string_view name = text;
    size_t element = 0;
    bool subscripted = false;
    if (size_t open = text.find('['); open != std::string_view::npos) {
        if (text.back() != ']' || open + 2 >= text.size()) return -1;
        std::string_view digits = text.substr(open + 1, text.size() - open - 2);
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), element);
        if (ec != std::errc{} || end != digits.data() + digits.size()) return -1;
        name = text.substr(0, open);
        subscripted = true;
    }
    for (const TProgressName& entry : kProgressNames) {
        if (entry.name != name) continue;
        if (element >= entry.count) return -1;
        if (!subscripted && entry.count > 1) return entry.index;  // "dialCode" = its first byte
        return entry.index + static_cast<int>(element);
    }
    return -1;
}

// ---- Byte images -----------------------------------------------------------

namespace {
// Writes little-endian values into an image front to back. The callers write
// exactly the image's fixed size (checked at compile time), never more.
class ImageWriter {
public:
    explicit ImageWriter(std::span<uint8_t> out) : out_(out) {}
    void Le(uint64_t v, size_t n) {
        for (size_t i = 0; i < n; ++i) out_[pos_++] = static_cast<uint8_t>(v >> (8 * i));
    }
    void Bytes(std::span<const uint8_t> b) {
        std::copy(b.begin(), b.end(), out_.begin() + static_cast<std::ptrdiff_t>(pos_));
        pos_ += b.size();
    }

private:
    std::span<uint8_t> out_;
    size_t pos_ = 0;
};

// A double's bits and back (std::bit_cast is missing from some standard libraries).
uint64_t DoubleBits(double d) {
    uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}
double BitsDouble(uint64_t u) {
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

void WriteLive(ImageWriter& w, const TLiveRecord& r) {
    w.Le(DoubleBits(r.savedAt), 8);
    w.Le(static_cast<uint32_t>(r.scene), 4);
    w.Bytes({reinterpret_cast<const uint8_t*>(&r.progress), kProgressSize});
    w.Bytes(r.inventory);
    w.Le(r.mapReturnScene, 1);
    w.Bytes(r.padding);
}

void ReadLive(ByteReader& in, TLiveRecord& r) {
    uint64_t low = in.U32();
    uint64_t high = in.U32();
    r.savedAt = BitsDouble(low | (high << 32));
    r.scene = in.I32();
    auto progress = in.Bytes(kProgressSize);
    std::copy(progress.begin(), progress.end(), reinterpret_cast<uint8_t*>(&r.progress));
    auto inventory = in.Bytes(kInventorySize);
    std::copy(inventory.begin(), inventory.end(), r.inventory);
    r.mapReturnScene = in.U8();
    auto padding = in.Bytes(sizeof r.padding);
    std::copy(padding.begin(), padding.end(), r.padding);
}
}  // namespace

void LiveRecordToBytes(const TLiveRecord& record, std::span<uint8_t, kLiveRecordSize> out) {
    ImageWriter w(out);
    WriteLive(w, record);
}

void LiveRecordFromBytes(TLiveRecord& record, std::span<const uint8_t, kLiveRecordSize> in) {
    ByteReader reader(in);
    ReadLive(reader, record);
}

void SettingsBlockToBytes(const TSettingsBlock& block, std::span<uint8_t, kSettingsBlockSize> out) {
    ImageWriter w(out);
    w.Le(block.resolution, 1);
    w.Le(block.language, 1);
    w.Le(block.soundOn, 1);
    w.Bytes(block.padding);
    for (const TLiveRecord& slot : block.slots) WriteLive(w, slot);
}

void SettingsBlockFromBytes(TSettingsBlock& block, std::span<const uint8_t, kSettingsBlockSize> in) {
    ByteReader reader(in);
    block.resolution = reader.U8();
    block.language = reader.U8();
    block.soundOn = reader.U8();
    auto padding = reader.Bytes(sizeof block.padding);
    std::copy(padding.begin(), padding.end(), block.padding);
    for (TLiveRecord& slot : block.slots) ReadLive(reader, slot);
}
