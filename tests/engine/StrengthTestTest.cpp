#include "engine/StrengthTest.h"

#include <gtest/gtest.h>

#include "engine/OneWordDictionaryTest.h"
#include "support/Strings.h"

namespace {

using testsupport::Texts;

TEST(ReadTestLinesTest, CutsAtEveryKindOfLineBreakAndDropsBlankPieces) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<wxString> lines;
    };
    const Case cases[] = {
        {"line feeds", "ab1\nxy2\n", {"ab1", "xy2"}},
        {"carriage returns alone", "ab1\rxy2", {"ab1", "xy2"}},
        {"both", "ab1\r\nxy2\r\n", {"ab1", "xy2"}},
        {"mixed, with the last piece unended", "a\r\n\rb\n\nc", {"a", "b", "c"}},
        {"blank lines and spaces only", " \n\t\r\n  \r", {}},
        {"ends trimmed, inner spaces kept", "  pass word \t\n", {"pass word"}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testsupport::Strings(ReadTestLines(c.text)), Texts(c.lines));
    }
}

// A dictionary of one word and no identity, so that the verdicts are known.
using StrengthTestTest = OneWordDictionaryTest;

TEST_F(StrengthTestTest, ReportsEachLineWithItsVerdictAndCountsTheWeakOnes) {
    const StrengthReport result =
        RunStrengthTest(generator, testsupport::Array({"Kq7#mZ2p", "abcdef", "ab", "Sunset"}), 1);
    EXPECT_EQ(result.report,
              "Kq7#mZ2p\t : OK\n"
              "abcdef\t : There is a sequential number\n"
              "ab\t : OK (Off the subject)\n"
              "Sunset\t : The dictionary word is used\n");
    EXPECT_EQ(result.weak, 2) << "a two-character line is not counted as weak";
    EXPECT_EQ(result.total, 4);
    EXPECT_EQ(result.GetSummary(), "A weak password was found. ( 2 / 4 )");
}

TEST_F(StrengthTestTest, TheLevelDecidesAndAllStrongLinesAreAllOk) {
    // A sequential run behind punctuation, which only the high level takes out.
    const wxArrayString lines = testsupport::Array({"mn'opq"});
    const StrengthReport standard = RunStrengthTest(generator, lines, 1);
    EXPECT_EQ(standard.weak, 0);
    EXPECT_EQ(standard.GetSummary(), "All OK.");
    const StrengthReport high = RunStrengthTest(generator, lines, 2);
    EXPECT_EQ(high.weak, 1);
    EXPECT_EQ(high.GetSummary(), "A weak password was found. ( 1 / 1 )");
}

}  // namespace
