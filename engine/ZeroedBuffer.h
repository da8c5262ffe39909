// A block of zeroed bytes aligned to the cache line. Large blocks come straight from the
// operating system and lie on huge pages where the system allows, so that lookups scattered
// over them do not miss the address-translation cache on every access.
#pragma once

#include <cstddef>

class ZeroedBuffer {
  public:
    ZeroedBuffer() = default;
    explicit ZeroedBuffer(std::size_t bytes);
    ~ZeroedBuffer();
    ZeroedBuffer(ZeroedBuffer&& other) noexcept;
    ZeroedBuffer& operator=(ZeroedBuffer&& other) noexcept;
    ZeroedBuffer(const ZeroedBuffer&) = delete;
    ZeroedBuffer& operator=(const ZeroedBuffer&) = delete;

    char* Data() { return data; }
    const char* Data() const { return data; }
    std::size_t Size() const { return size; }

  private:
    void Release();

    char* data = nullptr;
    std::size_t size = 0;
    std::size_t mapped = 0;  // bytes mapped, 0 when the block came from the heap
};
