// Random words from the operating system's cryptographic generator, fetched a block at a time
// so that a batch of passwords costs a few system calls rather than one per draw. Every word
// is wiped from the block as it is handed out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/RandomSource.h"

class SystemRandomSource final : public RandomSource {
  public:
    SystemRandomSource() = default;
    ~SystemRandomSource() override;
    SystemRandomSource(const SystemRandomSource&) = delete;
    SystemRandomSource& operator=(const SystemRandomSource&) = delete;

    std::uint32_t NextWord() override;

    // Fills the buffer with bytes from the operating system's generator. Stops the process
    // when the system has no randomness to give: no password may come from a weak source.
    static void Fill(void* buffer, std::size_t size);

  private:
    static constexpr std::size_t kBlockWords = 512;

    std::array<std::uint32_t, kBlockWords> block{};
    std::size_t next = kBlockWords;
};
