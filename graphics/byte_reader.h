// byte_reader.h: bounds-checked little-endian reading of stored data.
//
// Every read checks the remaining length first; a failed read sets ok() to
// false and returns 0, so a parser can read a whole record and test once.
#pragma once
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    size_t offset() const { return pos_; }
    size_t remaining() const { return ok_ ? data_.size() - pos_ : 0; }

    uint8_t U8() { return static_cast<uint8_t>(Le(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Le(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Le(4)); }
    int32_t I32() { return static_cast<int32_t>(Le(4)); }
    std::span<const uint8_t> Bytes(size_t n) {
        if (!Need(n)) return {};
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }
    std::string String(size_t n) {
        auto b = Bytes(n);
        return std::string(b.begin(), b.end());
    }
    void Skip(size_t n) { Bytes(n); }

private:
    bool Need(size_t n) {
        if (!ok_ || n > data_.size() - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }
    uint64_t Le(size_t n) {
        if (!Need(n)) return 0;
        uint64_t v = 0;
        for (size_t i = 0; i < n; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
        pos_ += n;
        return v;
    }

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Little-endian writing into a growing byte vector.
inline void PutLe(std::vector<uint8_t>& out, uint64_t v, size_t n) {
    for (size_t i = 0; i < n; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
