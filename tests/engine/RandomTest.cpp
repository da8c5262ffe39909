#include <gtest/gtest.h>
#include <wx/arrstr.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/PasswordGenerator.h"
#include "engine/SystemRandomSource.h"
#include "support/ChiSquare.h"
#include "support/ScriptedRandomSource.h"

namespace {

std::uint32_t MaskFor(std::uint32_t n) {
    return n == 0 ? 0 : ~0u >> std::countl_zero(n);
}

}  // namespace

TEST(GetRandom, RedrawsWordsAboveTheBoundAndUsesOnlyTheLowBitsItNeeds) {
    // For 0 to 9 four bits are drawn: 12 and 15 fall outside, 7 is taken.
    ScriptedRandomSource source{0xFFFFFFFCu, 15, 0x12345677u};
    ScopedRandomSource scope(source);
    PasswordGenerator gen;
    EXPECT_EQ(gen.GetRandom(9), 7u);
    EXPECT_EQ(source.Used(), 3u);
}

TEST(GetRandom, ZeroNeedsNoDrawAndTheWholeRangeTakesTheWordAsItIs) {
    ScriptedRandomSource source{0xDEADBEEFu};
    ScopedRandomSource scope(source);
    PasswordGenerator gen;
    EXPECT_EQ(gen.GetRandom(0), 0u);
    EXPECT_EQ(source.Used(), 0u);
    EXPECT_EQ(gen.GetRandom(0xFFFFFFFFu), 0xDEADBEEFu);
}

// Fed every possible masked word once, in a scrambled order, GetRandom must yield each value
// of 0..n exactly once: with uniform words the result is then exactly uniform, whatever n is.
TEST(GetRandom, MapsTheMaskedWordsOntoEachValueExactlyOnce) {
    for (const std::uint32_t n : {1u, 2u, 9u, 25u, 31u, 32u, 93u, 32767u, 32768u, 500000u}) {
        SCOPED_TRACE(n);
        const std::uint32_t mask = MaskFor(n);
        ScriptedRandomSource source;
        for (std::uint32_t k = 0; k <= mask; ++k) {
            const std::uint32_t w = (k * 2654435761u) & mask;  // a permutation of 0..mask
            source.Append(w | (0xA5A5A5A5u & ~mask));  // bits above the mask must not matter
        }
        ScopedRandomSource scope(source);
        PasswordGenerator gen;
        std::vector<int> seen(n + 1, 0);
        for (std::uint32_t call = 0; call <= n; ++call) {
            const std::uint32_t v = gen.GetRandom(n);
            ASSERT_LE(v, n);
            ++seen[v];
        }
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int c) { return c == 1; }));
    }
}

TEST(GetRandom, IsUniformForASmallBoundWithTheSystemSource) {
    PasswordGenerator gen;
    gen.Seed();
    const int draws = 200000;
    std::vector<double> observed(10, 0);
    for (int i = 0; i < draws; ++i) {
        const std::uint32_t v = gen.GetRandom(9);
        ASSERT_LE(v, 9u);
        ++observed[v];
    }
    const std::vector<double> expected(10, draws / 10.0);
    EXPECT_LT(chisquare::Statistic(observed, expected), chisquare::Critical(9));
}

// A dictionary holds hundreds of thousands of words: every index must be reachable, the
// high ones as often as the low ones.
TEST(GetRandom, IsUniformForALargeBoundWithTheSystemSource) {
    const std::uint32_t n = 500000;
    std::vector<double> bucketSize(10, 0);
    for (std::uint32_t v = 0; v <= n; ++v) {
        ++bucketSize[std::uint64_t{v} * 10 / (n + 1)];
    }
    PasswordGenerator gen;
    gen.Seed();
    const int draws = 200000;
    std::vector<double> observed(10, 0);
    std::vector<bool> drawn(n + 1, false);
    std::uint32_t highest = 0;
    for (int i = 0; i < draws; ++i) {
        const std::uint32_t v = gen.GetRandom(n);
        ASSERT_LE(v, n);
        highest = std::max(highest, v);
        drawn[v] = true;
        ++observed[std::uint64_t{v} * 10 / (n + 1)];
    }
    // 200000 draws from 500001 values reach about 164800 different ones; a source of 15-bit
    // draws, however spread, could reach at most 32768.
    EXPECT_GT(std::count(drawn.begin(), drawn.end(), true), 160000);
    std::vector<double> expected(10);
    for (int b = 0; b < 10; ++b) {
        expected[b] = draws * bucketSize[b] / (n + 1);
    }
    EXPECT_LT(chisquare::Statistic(observed, expected), chisquare::Critical(9));
    EXPECT_GT(highest, 499000u);
}

TEST(GetRandom, CoversTheFullThirtyTwoBitRange) {
    PasswordGenerator gen;
    gen.Seed();
    const int draws = 160000;
    std::vector<double> observed(16, 0);
    for (int i = 0; i < draws; ++i) {
        ++observed[gen.GetRandom(0xFFFFFFFFu) >> 28];
    }
    const std::vector<double> expected(16, draws / 16.0);
    EXPECT_LT(chisquare::Statistic(observed, expected), chisquare::Critical(15));
}

TEST(Shuffle, ListsOfNoneOrOneEntryDrawNothing) {
    ScriptedRandomSource source;
    ScopedRandomSource scope(source);
    PasswordGenerator gen;
    wxArrayString none;
    gen.Shuffle(none);
    wxArrayString one;
    one.Add("only");
    gen.Shuffle(one);
    EXPECT_EQ(one[0], "only");
    EXPECT_EQ(source.Used(), 0u);
}

// Fisher-Yates draws 0..3, 0..2 and 0..1: the 24 combinations of draws must give the 24
// orders of four entries, each once.
TEST(Shuffle, EveryCombinationOfDrawsGivesADifferentOrder) {
    std::set<std::string> orders;
    for (std::uint32_t a = 0; a < 4; ++a) {
        for (std::uint32_t b = 0; b < 3; ++b) {
            for (std::uint32_t c = 0; c < 2; ++c) {
                ScriptedRandomSource source{a, b, c};
                ScopedRandomSource scope(source);
                PasswordGenerator gen;
                wxArrayString list;
                for (const char* e : {"A", "B", "C", "D"}) {
                    list.Add(e);
                }
                gen.Shuffle(list);
                EXPECT_EQ(source.Used(), 3u);
                orders.insert((list[0] + list[1] + list[2] + list[3]).utf8_string());
            }
        }
    }
    EXPECT_EQ(orders.size(), 24u);
}

TEST(Shuffle, GivesAllOrdersOfFourEquallyOftenWithTheSystemSource) {
    PasswordGenerator gen;
    gen.Seed();
    std::map<std::string, double> counts;
    const int shuffles = 240000;
    for (int i = 0; i < shuffles; ++i) {
        std::vector<char> list{'a', 'b', 'c', 'd'};
        gen.Shuffle(list);
        ++counts[std::string(list.begin(), list.end())];
    }
    ASSERT_EQ(counts.size(), 24u);
    std::vector<double> observed;
    for (const auto& [order, count] : counts) {
        observed.push_back(count);
    }
    const std::vector<double> expected(24, shuffles / 24.0);
    EXPECT_LT(chisquare::Statistic(observed, expected), chisquare::Critical(23));
}

TEST(RandomState, SeedPreparesTheSystemSourceOnceAndInstalledSourcesWinUntilRemoved) {
    PasswordGenerator gen;
    gen.Seed();
    EXPECT_TRUE(RandomState::IsSeeded());
    RandomSource* system = &RandomState::Current();
    gen.Seed();
    EXPECT_EQ(&RandomState::Current(), system);

    ScriptedRandomSource outer{1};
    {
        ScopedRandomSource outerScope(outer);
        ScriptedRandomSource inner{2};
        {
            ScopedRandomSource innerScope(inner);
            EXPECT_EQ(&RandomState::Current(), &inner);
        }
        EXPECT_EQ(&RandomState::Current(), &outer);
    }
    EXPECT_EQ(&RandomState::Current(), system);
}

TEST(SystemRandomSource, WordsAcrossManyBlocksDoNotRepeat) {
    SystemRandomSource source;
    std::set<std::uint32_t> words;
    const int count = 5000;  // ten blocks
    std::uint32_t orBits = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t w = source.NextWord();
        orBits |= w;
        words.insert(w);
    }
    // Among 5000 random 32-bit words a repeat has probability below 0.3%; allow two.
    EXPECT_GE(words.size(), std::size_t(count - 2));
    EXPECT_EQ(orBits, 0xFFFFFFFFu);
}

TEST(SystemRandomSource, FillsLargeBuffersCompletely) {
    std::vector<unsigned char> buffer(1 << 20, 0);
    SystemRandomSource::Fill(buffer.data(), buffer.size());
    // A zero byte run of 64 in a megabyte of random bytes essentially never happens.
    const std::vector<unsigned char> zeros(64, 0);
    EXPECT_EQ(std::search(buffer.begin(), buffer.end(), zeros.begin(), zeros.end()), buffer.end());
}
