#include "engine/ZeroedBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>

// Small blocks come from the heap, large ones straight from the system: both must be zeroed,
// aligned to the cache line and writable to their last byte.
TEST(ZeroedBuffer, IsZeroedAlignedAndWritableWhateverItsSize) {
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{100}, std::size_t{4096}, (std::size_t{2} << 20) - 1,
          (std::size_t{2} << 20) + 1, std::size_t{5} << 20}) {
        SCOPED_TRACE(size);
        ZeroedBuffer buffer(size);
        ASSERT_NE(buffer.Data(), nullptr);
        EXPECT_EQ(buffer.Size(), size);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer.Data()) % 64, 0u);
        EXPECT_TRUE(
            std::all_of(buffer.Data(), buffer.Data() + size, [](char c) { return c == 0; }));
        std::fill(buffer.Data(), buffer.Data() + size, 'x');
        EXPECT_EQ(buffer.Data()[size - 1], 'x');
    }
}

TEST(ZeroedBuffer, MovingHandsTheBlockOver) {
    ZeroedBuffer first(std::size_t{3} << 20);
    first.Data()[7] = 'a';
    ZeroedBuffer second(std::move(first));
    EXPECT_EQ(first.Data(), nullptr);
    EXPECT_EQ(first.Size(), 0u);
    EXPECT_EQ(second.Data()[7], 'a');

    ZeroedBuffer third(10);
    third = std::move(second);
    EXPECT_EQ(third.Size(), std::size_t{3} << 20);
    EXPECT_EQ(third.Data()[7], 'a');

    EXPECT_EQ(ZeroedBuffer().Data(), nullptr);
    EXPECT_EQ(ZeroedBuffer(0).Size(), 0u);
}
