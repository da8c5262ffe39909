// The bytes an encoder makes. It grows by a fixed rule (2048 below 2048 bytes, then half as
// much again rounded down to a multiple of 2048, plus 2048) and always keeps a 0 byte after
// the last one, which the length does not count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class orlByteBuffer {
  public:
    orlByteBuffer();

    // Starts afresh with room for an estimated number of bytes (raised by the growth rule).
    void Start(std::size_t estimate);

    void Append(std::uint8_t byte) {
        if (length + 1 >= capacity) {
            Grow();
        }
        data[length++] = byte;
        data[length] = 0;
    }
    // Two bytes, the high one first.
    void AppendPair(std::uint16_t value) {
        Append(static_cast<std::uint8_t>(value >> 8));
        Append(static_cast<std::uint8_t>(value & 0xFF));
    }

    // One byte below 0x100, otherwise two bytes, the high one first.
    void AppendRaw(std::uint16_t value) {
        if (value < 0x100) {
            Append(static_cast<std::uint8_t>(value));
        } else {
            AppendPair(value);
        }
    }

    const std::uint8_t* Data() const { return data.get(); }
    std::size_t Length() const { return length; }
    std::size_t Capacity() const { return capacity; }

    // The capacity that follows a capacity of n.
    static std::size_t GrowthRule(std::size_t n);

  private:
    void Grow();

    std::unique_ptr<std::uint8_t[]> data;
    std::size_t capacity = 0;
    std::size_t length = 0;
};
