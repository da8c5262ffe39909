#include "framework/codes/orlByteBuffer.h"

#include <cstring>

orlByteBuffer::orlByteBuffer() {
    Start(0);
}

std::size_t orlByteBuffer::GrowthRule(std::size_t n) {
    constexpr std::size_t kStep = 2048;
    if (n < kStep) {
        return kStep;
    }
    return (n + n / 2) / kStep * kStep + kStep;
}

void orlByteBuffer::Start(std::size_t estimate) {
    capacity = GrowthRule(estimate);
    data = std::make_unique<std::uint8_t[]>(capacity);
    length = 0;
    data[0] = 0;
}

void orlByteBuffer::Grow() {
    const std::size_t grownCapacity = GrowthRule(capacity);
    auto grown = std::make_unique<std::uint8_t[]>(grownCapacity);
    std::memcpy(grown.get(), data.get(), length + 1);
    data = std::move(grown);
    capacity = grownCapacity;
}
