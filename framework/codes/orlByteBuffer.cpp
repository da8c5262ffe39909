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
    m_capacity = GrowthRule(estimate);
    m_data = std::make_unique<std::uint8_t[]>(m_capacity);
    m_length = 0;
    m_data[0] = 0;
}

void orlByteBuffer::Grow() {
    const std::size_t capacity = GrowthRule(m_capacity);
    auto data = std::make_unique<std::uint8_t[]>(capacity);
    std::memcpy(data.get(), m_data.get(), m_length + 1);
    m_data = std::move(data);
    m_capacity = capacity;
}
