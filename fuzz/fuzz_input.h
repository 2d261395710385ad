// SPDX-License-Identifier: MIT
// Reads a fuzzer's bytes as a stream of small decisions; past the end every read gives zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Done() const { return at_ >= size_; }

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    // Mostly small numbers around zero; now and then the edges of the range or any 32 bits.
    int Int() {
        const std::uint8_t choice = Byte();
        switch (choice % 8) {
            case 0: return std::numeric_limits<int>::min();
            case 1: return std::numeric_limits<int>::max();
            case 2: return static_cast<int>(Wide());
            default: {
                const unsigned high = Byte();
                return static_cast<int>(static_cast<std::int16_t>(high << 8 | Byte()));
            }
        }
    }

    std::uint64_t Wide() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) value = value << 8 | Byte();
        return value;
    }

    // A text of up to 255 bytes, any bytes at all.
    std::string Text() {
        const std::size_t length = Byte();
        std::string text;
        for (std::size_t i = 0; i < length && !Done(); ++i) text += static_cast<char>(Byte());
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
