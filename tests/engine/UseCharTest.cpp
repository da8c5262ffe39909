#include <gtest/gtest.h>

#include <functional>

#include "engine/SymbolStrings.h"
#include "engine/UseChar.h"
#include "engine/UseCharArray.h"

namespace {

void ExpectDefaults(const UseChar& r) {
    EXPECT_EQ(r.Length, 10u);
    EXPECT_TRUE(r.AlphabetUpper);
    EXPECT_TRUE(r.AlphabetLower);
    EXPECT_TRUE(r.Numeric);
    EXPECT_TRUE(r.Symbol);
    EXPECT_EQ(r.SymbolString, GetDefaultSymbolString());
    EXPECT_TRUE(r.UseAllKind);
    EXPECT_FALSE(r.Fixed);
    EXPECT_TRUE(r.FixedString.empty());
    EXPECT_FALSE(r.Dictionary);
    EXPECT_EQ(r.DictionaryMin, 5);
    EXPECT_EQ(r.DictionaryMax, 8);
}

// Each way of changing one field of a record.
struct FieldChange {
    const char* field;
    std::function<void(UseChar&)> change;
};

const FieldChange kFieldChanges[] = {
    {"Length", [](UseChar& r) { r.Length = 20; }},
    {"AlphabetUpper", [](UseChar& r) { r.AlphabetUpper = false; }},
    {"AlphabetLower", [](UseChar& r) { r.AlphabetLower = false; }},
    {"Numeric", [](UseChar& r) { r.Numeric = false; }},
    {"Symbol", [](UseChar& r) { r.Symbol = false; }},
    {"SymbolString", [](UseChar& r) { r.SymbolString = "#$"; }},
    {"UseAllKind", [](UseChar& r) { r.UseAllKind = false; }},
    {"Fixed", [](UseChar& r) { r.Fixed = true; }},
    {"FixedString", [](UseChar& r) { r.FixedString = "x"; }},
    {"Dictionary", [](UseChar& r) { r.Dictionary = true; }},
    {"DictionaryMin", [](UseChar& r) { r.DictionaryMin = 3; }},
    {"DictionaryMax", [](UseChar& r) { r.DictionaryMax = 12; }},
};

}  // namespace

TEST(UseChar, FreshAndResetRecordsHoldTheDefaults) {
    UseChar fresh;
    ExpectDefaults(fresh);

    UseChar changed;
    for (const FieldChange& c : kFieldChanges) {
        c.change(changed);
    }
    changed.Reset();
    ExpectDefaults(changed);
}

TEST(UseChar, KindCountCountsFlagsNotPoolContents) {
    struct Case {
        bool upper, lower, numeric, symbol;
        int count;
    };
    const Case cases[] = {{false, false, false, false, 0},
                          {false, false, true, false, 1},
                          {true, false, false, true, 2},
                          {true, true, true, false, 3},
                          {true, true, true, true, 4}};
    for (const Case& c : cases) {
        UseChar r;
        r.AlphabetUpper = c.upper;
        r.AlphabetLower = c.lower;
        r.Numeric = c.numeric;
        r.Symbol = c.symbol;
        r.SymbolString.clear();  // an empty symbol set still counts as a chosen kind
        EXPECT_EQ(r.GetKindCount(), c.count) << c.upper << c.lower << c.numeric << c.symbol;
    }
}

TEST(UseChar, PoolsComeFromTheSharedSettingsOrTheRecordAndAreEmptyWhenNotChosen) {
    CharacterPools pools;
    pools.CapitalLetter = "QRS";
    pools.SmallLetter = "qrs";
    pools.Numeric = "123";
    UseChar r;
    r.SymbolString = "#@";

    EXPECT_EQ(r.GetUpperPool(pools), "QRS");
    EXPECT_EQ(r.GetLowerPool(pools), "qrs");
    EXPECT_EQ(r.GetNumericPool(pools), "123");
    EXPECT_EQ(r.GetSymbolPool(), "#@");

    r.AlphabetUpper = r.AlphabetLower = r.Numeric = r.Symbol = false;
    EXPECT_EQ(r.GetUpperPool(pools), "");
    EXPECT_EQ(r.GetLowerPool(pools), "");
    EXPECT_EQ(r.GetNumericPool(pools), "");
    EXPECT_EQ(r.GetSymbolPool(), "");
}

TEST(UseChar, DefaultSharedPoolsAreTheLatinLettersAndDigits) {
    const CharacterPools pools;
    EXPECT_EQ(pools.CapitalLetter, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(pools.SmallLetter, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(pools.Numeric, "0123456789");
}

TEST(UseCharArray, AddAppendsCopiesInOrder) {
    UseChar first;
    first.FixedString = "first";
    UseChar second;
    second.FixedString = "second";

    UseCharArray list;
    list.Add(first, 0);
    EXPECT_EQ(list.GetCount(), 0u);
    list.Add(first);
    list.Add(second, 2);
    ASSERT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list[0].FixedString, "first");
    EXPECT_EQ(list[1].FixedString, "second");
    EXPECT_EQ(list[2].FixedString, "second");

    second.FixedString = "changed later";  // the list holds copies
    EXPECT_EQ(list[1].FixedString, "second");

    list.Clear();
    EXPECT_EQ(list.GetCount(), 0u);
}

TEST(UseCharArray, AssignmentCopiesAndEqualityIsPositional) {
    UseChar a;
    a.Length = 4;
    UseChar b;
    b.Fixed = true;
    b.FixedString = "-";

    UseCharArray list;
    list.Add(a);
    list.Add(b);

    UseCharArray copy;
    copy.Add(b, 5);
    copy = list;
    EXPECT_TRUE(copy == list);
    copy[0].Length = 5;
    EXPECT_EQ(list[0].Length, 4u);
    EXPECT_FALSE(copy == list);

    UseCharArray reversed;
    reversed.Add(b);
    reversed.Add(a);
    EXPECT_FALSE(reversed == list);

    UseCharArray longer = list;
    longer.Add(a);
    EXPECT_FALSE(longer == list);
}
