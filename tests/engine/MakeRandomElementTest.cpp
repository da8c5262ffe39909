#include <gtest/gtest.h>

#include <set>

#include "engine/PasswordGenerator.h"
#include "support/ScriptedRandomSource.h"

namespace {

UseChar Record(std::uint32_t length, bool upper, bool lower, bool numeric, bool symbol,
               bool allKinds) {
    UseChar r;
    r.Length = length;
    r.AlphabetUpper = upper;
    r.AlphabetLower = lower;
    r.Numeric = numeric;
    r.Symbol = symbol;
    r.UseAllKind = allKinds;
    return r;
}

// Which of the four kinds (capital, small, digit, other) the text holds.
std::set<int> KindsIn(const wxString& text) {
    std::set<int> kinds;
    for (const wxUniChar c : text) {
        const auto v = c.GetValue();
        kinds.insert(v >= 'A' && v <= 'Z'   ? 0
                     : v >= 'a' && v <= 'z' ? 1
                     : v >= '0' && v <= '9' ? 2
                                            : 3);
    }
    return kinds;
}

}  // namespace

// Scripted draws show the exact path: one slot per chosen kind, shuffled by Fisher-Yates,
// then one character per slot; a draw above the pool's size is made again.
TEST(MakeRandomElement, FollowsTheScriptedDraws) {
    struct Case {
        const char* what;
        UseChar record;
        std::initializer_list<std::uint32_t> words;
        const char* expected;
    };
    const Case cases[] = {
        // Shuffle draws 0, 0, 0 turn [capital, small, digit, symbol] into [small, digit,
        // symbol, capital]; then c, 7, !, and Z after the rejected 30.
        {"all kinds guaranteed",
         Record(4, true, true, true, true, true),
         {0, 0, 0, 2, 7, 0, 30, 25},
         "c7!Z"},
        // Two of four shuffled slots: the draws 3, 2, 1 leave the order alone.
        {"fewer characters than kinds",
         Record(2, true, true, true, true, true),
         {3, 2, 1, 0, 0},
         "Aa"},
        {"small letters only, no guarantee",
         Record(3, false, true, false, false, false),
         {0, 25, 26, 1},
         "azb"},
        // One kind with the guarantee on needs no shuffle.
        {"digits only, guarantee on", Record(3, false, false, true, false, true), {1, 2, 3}, "123"},
        // Without the guarantee every character comes from the combined pool
        // A-Z a-z 0-9 symbols (94 characters; 7 bits are drawn).
        {"combined pool", Record(4, true, true, true, true, false), {0, 26, 52, 93}, "Aa0~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandomSource source(c.words);
        ScopedRandomSource scope(source);
        PasswordGenerator gen;
        EXPECT_EQ(gen.MakeRandomElement(c.record, CharacterPools()), c.expected);
        EXPECT_EQ(source.Remaining(), 0u);
    }
}

TEST(MakeRandomElement, TwentyCharactersWithAllKindsAlwaysHoldEveryKind) {
    PasswordGenerator gen;
    gen.Seed();
    const UseChar record = Record(20, true, true, true, true, true);
    for (int i = 0; i < 5000; ++i) {
        const wxString p = gen.MakeRandomElement(record, CharacterPools());
        ASSERT_EQ(p.length(), 20u);
        ASSERT_EQ(KindsIn(p).size(), 4u) << p.utf8_string();
    }
}

TEST(MakeRandomElement, FewerCharactersThanKindsGiveThatManyDifferentKinds) {
    PasswordGenerator gen;
    gen.Seed();
    for (std::uint32_t length : {1u, 2u, 3u}) {
        const UseChar record = Record(length, true, true, true, true, true);
        std::set<int> seenKinds;
        for (int i = 0; i < 500; ++i) {
            const wxString p = gen.MakeRandomElement(record, CharacterPools());
            ASSERT_EQ(p.length(), length);
            const std::set<int> kinds = KindsIn(p);
            ASSERT_EQ(kinds.size(), length) << p.utf8_string();
            seenKinds.insert(kinds.begin(), kinds.end());
        }
        EXPECT_EQ(seenKinds.size(), 4u);  // whichever kinds are left out varies
    }
}

TEST(MakeRandomElement, DrawsEveryPositionFromTheWholePool) {
    PasswordGenerator gen;
    gen.Seed();
    const UseChar record = Record(8, false, true, false, false, false);
    std::vector<std::set<wxUniChar::value_type>> perPosition(8);
    for (int i = 0; i < 3000; ++i) {
        const wxString p = gen.MakeRandomElement(record, CharacterPools());
        ASSERT_EQ(p.length(), 8u);
        for (std::size_t k = 0; k < 8; ++k) {
            ASSERT_TRUE(p[k] >= 'a' && p[k] <= 'z') << p.utf8_string();
            perPosition[k].insert(p[k].GetValue());
        }
    }
    for (const auto& letters : perPosition) {
        EXPECT_EQ(letters.size(), 26u);
    }
}

TEST(MakeRandomElement, UsesTheSharedPoolsAndTheRecordsSymbols) {
    CharacterPools pools;
    pools.CapitalLetter = "XY";
    pools.SmallLetter = "xy";
    pools.Numeric = "7";
    UseChar record = Record(20, true, true, true, true, true);
    record.SymbolString = "#";
    PasswordGenerator gen;
    gen.Seed();
    for (int i = 0; i < 200; ++i) {
        const wxString p = gen.MakeRandomElement(record, pools);
        ASSERT_EQ(p.find_first_not_of("XYxy7#"), wxString::npos) << p.utf8_string();
        ASSERT_NE(p.find('7'), wxString::npos);
        ASSERT_NE(p.find('#'), wxString::npos);
    }
}

// Records that no editing page lets through, but that hand-edited settings can hold: no
// character can be drawn for a position, so the element fails at once.
TEST(MakeRandomElement, FailsWithTheEmptyTextWhenAPoolToDrawFromIsEmpty) {
    struct Case {
        const char* what;
        UseChar record;
        CharacterPools pools;
    };
    CharacterPools noCapitals;
    noCapitals.CapitalLetter.clear();
    UseChar emptySymbols = Record(20, true, true, true, true, true);
    emptySymbols.SymbolString.clear();
    const Case cases[] = {
        {"no kind, guarantee on", Record(10, false, false, false, false, true), {}},
        {"no kind, guarantee off", Record(10, false, false, false, false, false), {}},
        {"symbols chosen but none given", emptySymbols, {}},
        {"capitals chosen but the capital pool is empty",
         Record(10, true, false, false, false, true), noCapitals},
        {"capitals guaranteed but the capital pool is empty",
         Record(10, true, true, false, false, true), noCapitals},
        {"length zero", Record(0, true, true, true, true, true), {}},
    };
    PasswordGenerator gen;
    gen.Seed();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(gen.MakeRandomElement(c.record, c.pools), "");
        }
    }
}

TEST(MakeRandomElement, WithoutTheGuaranteeAnEmptyKindSimplyAddsNothing) {
    UseChar record = Record(12, false, false, true, true, false);
    record.SymbolString.clear();
    PasswordGenerator gen;
    gen.Seed();
    const wxString p = gen.MakeRandomElement(record, CharacterPools());
    ASSERT_EQ(p.length(), 12u);
    EXPECT_EQ(p.find_first_not_of("0123456789"), wxString::npos);
}
