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

ZeroedBuffer::ZeroedBuffer(std::size_t bytes) : size(bytes) {
    if (bytes == 0) {
        return;
    }
    if (bytes >= kHugePage) {
        // Over-map so that the block can start on a huge-page boundary, then trim.
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
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
        data = aligned;
        mapped = rounded;
        return;
    }
    // Cache-line aligned, so that a bucket of 64 bytes is one line.
    const std::size_t rounded = (bytes + 63) / 64 * 64;
    data = static_cast<char*>(std::aligned_alloc(64, rounded));
    if (!data) {
        throw std::bad_alloc();
    }
    std::memset(data, 0, rounded);
}

ZeroedBuffer::~ZeroedBuffer() {
    Release();
}

ZeroedBuffer::ZeroedBuffer(ZeroedBuffer&& other) noexcept
    : data(std::exchange(other.data, nullptr)),
      size(std::exchange(other.size, 0)),
      mapped(std::exchange(other.mapped, 0)) {}

ZeroedBuffer& ZeroedBuffer::operator=(ZeroedBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        data = std::exchange(other.data, nullptr);
        size = std::exchange(other.size, 0);
        mapped = std::exchange(other.mapped, 0);
    }
    return *this;
}

void ZeroedBuffer::Release() {
    if (mapped) {
        munmap(data, mapped);
    } else {
        std::free(data);
    }
    data = nullptr;
    size = 0;
    mapped = 0;
}
