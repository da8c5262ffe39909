#include "engine/ZeroedBuffer.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

ZeroedBuffer::ZeroedBuffer(std::size_t size) : m_size(size) {
    if (size == 0) {
        return;
    }
    if (size >= kHugePage) {
        // Over-map so that the block can start on a huge-page boundary, then trim.
        const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
        const std::size_t span = rounded + kHugePage;
        void* p = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) {
            throw std::bad_alloc();
        }
        auto* base = static_cast<char*>(p);
        const auto address = reinterpret_cast<std::uintptr_t>(base);
        char* aligned = base + ((kHugePage - address % kHugePage) % kHugePage);
        if (aligned > base) {
            munmap(base, static_cast<std::size_t>(aligned - base));
        }
        const std::size_t tail = static_cast<std::size_t>(base + span - (aligned + rounded));
        if (tail > 0) {
            munmap(aligned + rounded, tail);
        }
        madvise(aligned, rounded, MADV_HUGEPAGE);
        m_data = aligned;
        m_mapped = rounded;
        return;
    }
    // Cache-line aligned, so that a bucket of 64 bytes is one line.
    const std::size_t rounded = (size + 63) / 64 * 64;
    m_data = static_cast<char*>(std::aligned_alloc(64, rounded));
    if (!m_data) {
        throw std::bad_alloc();
    }
    std::memset(m_data, 0, rounded);
}

ZeroedBuffer::~ZeroedBuffer() {
    Release();
}

ZeroedBuffer::ZeroedBuffer(ZeroedBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)),
      m_size(std::exchange(other.m_size, 0)),
      m_mapped(std::exchange(other.m_mapped, 0)) {}

ZeroedBuffer& ZeroedBuffer::operator=(ZeroedBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
    }
    return *this;
}

void ZeroedBuffer::Release() {
    if (m_mapped) {
        munmap(m_data, m_mapped);
    } else {
        std::free(m_data);
    }
    m_data = nullptr;
    m_size = 0;
    m_mapped = 0;
}
