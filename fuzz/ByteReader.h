#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

/// Takes values from the front of a fuzz input. An exhausted input yields zeros, so every input,
/// however short, decodes to something.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }

    std::uint8_t takeByte() { return empty() ? 0 : data_[pos_++]; }

    std::uint32_t takeUint32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = (value << 8) | takeByte();
        }
        return value;
    }

    double takeDouble() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = (bits << 8) | takeByte();
        }
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    /// A length byte (cut to `maxLength`), then that many bytes.
    std::string takeString(std::size_t maxLength) {
        const std::size_t wanted = takeByte() % (maxLength + 1);
        const std::size_t length = std::min(wanted, size_ - std::min(pos_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace fuzz
