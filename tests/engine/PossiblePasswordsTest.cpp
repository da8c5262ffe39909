#include "engine/PossiblePasswords.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "engine/Dictionary.h"
#include "support/TempDirectory.h"

namespace {

constexpr std::uint64_t kMany = std::numeric_limits<std::uint64_t>::max();

UseChar Kinds(std::uint32_t length, bool upper, bool lower, bool digits, const char* symbols) {
    UseChar r;
    r.Length = length;
    r.AlphabetUpper = upper;
    r.AlphabetLower = lower;
    r.Numeric = digits;
    r.Symbol = symbols != nullptr;
    r.SymbolString = symbols ? symbols : "";
    return r;
}

}  // namespace

// The counts are those of the characters, words and texts the elements can be, multiplied,
// and they stop at the largest number instead of wrapping round to a small one.
TEST(PossiblePasswords, MultipliesTheChoicesOfEveryElementAndStopsAtTheLargestNumber) {
    TempDirectory dir;
    dir.WriteFile("words.dic", "castle\nriver\nbridge\n");
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.Load(dir.Root()));

    UseChar fixed;
    fixed.Fixed = true;
    fixed.FixedString = "text";
    UseChar words;
    words.Dictionary = true;
    words.DictionaryMin = 6;
    words.DictionaryMax = 5;
    struct Case {
        const char* what;
        std::function<void(GenerationSettings&)> use;
        std::uint64_t expected;
    };
    const Case cases[] = {
        {"one digit", [](auto& s) { s.StandardUseChar = Kinds(1, false, false, true, nullptr); },
         10},
        {"four digits", [](auto& s) { s.StandardUseChar = Kinds(4, false, false, true, nullptr); },
         10000},
        {"all kinds, length 3, symbols !?",
         [](auto& s) { s.StandardUseChar = Kinds(3, true, true, true, "!?"); }, 64 * 64 * 64},
        {"every chosen kind appearing does not add choices",
         [](auto& s) {
             s.StandardUseChar = Kinds(2, true, false, true, nullptr);
             s.StandardUseChar.UseAllKind = true;
         },
         36 * 36},
        {"letters shared by two pools count once",
         [](auto& s) {
             s.Pools.CapitalLetter = "abc";
             s.Pools.SmallLetter = "cab";
             s.StandardUseChar = Kinds(2, true, true, false, nullptr);
         },
         9},
        {"one letter, however long",
         [](auto& s) {
             s.Pools.SmallLetter = "z";
             s.StandardUseChar = Kinds(20, false, true, false, nullptr);
         },
         1},
        {"an empty pool",
         [](auto& s) {
             s.Pools.Numeric = "";
             s.StandardUseChar = Kinds(3, false, false, true, nullptr);
         },
         0},
        {"a fixed text", [&](auto& s) { s.StandardUseChar = fixed; }, 1},
        {"the words of a range given either way", [&](auto& s) { s.StandardUseChar = words; }, 3},
        {"a combination",
         [&](auto& s) {
             s.Standard = false;
             s.CombinationUseChar.Add(words);
             s.CombinationUseChar.Add(fixed);
             s.CombinationUseChar.Add(Kinds(2, false, false, true, nullptr));
         },
         300},
        {"20 characters of 88 kinds", [](auto& s) { s.StandardUseChar.Length = 20; }, kMany},
        {"a combination far beyond counting",
         [](auto& s) {
             s.Standard = false;
             for (int i = 0; i < 200; ++i) {
                 s.CombinationUseChar.Add(Kinds(1, false, false, true, nullptr));
             }
             s.CombinationUseChar.Add(Kinds(1, false, false, true, "x"));
         },
         kMany},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GenerationSettings settings;
        c.use(settings);
        EXPECT_EQ(CountPossiblePasswords(settings, dictionary), c.expected);
    }
}
