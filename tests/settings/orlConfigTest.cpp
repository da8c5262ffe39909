#include "framework/config/orlConfig.h"

#include <gtest/gtest.h>

#include "support/MemoryStore.h"
#include "support/Strings.h"

using testsupport::Strings;

namespace {

using List = std::vector<std::string>;

}  // namespace

TEST(orlConfig, StringListsAreNumberedEntriesAndAreReplacedWhole) {
    auto store = memorystore::FromText("");
    wxArrayString three;
    for (const char* s : {"one", "two", "three"}) {
        three.Add(s);
    }
    ASSERT_TRUE(orlConfig::WriteStringArray(*store, "FixedStrings", three));
    EXPECT_EQ(memorystore::ToText(*store), "[FixedStrings]\n001=one\n002=two\n003=three\n");

    wxArrayString one;
    one.Add("only");
    ASSERT_TRUE(orlConfig::WriteStringArray(*store, "FixedStrings", one));
    EXPECT_EQ(memorystore::ToText(*store), "[FixedStrings]\n001=only\n");

    wxArrayString many;
    for (int i = 1; i <= 1000; ++i) {
        many.Add(wxString::Format("e%d", i));
    }
    ASSERT_TRUE(orlConfig::WriteStringArray(*store, "Long", many));
    wxString last;
    EXPECT_TRUE(store->Read("Long/1000", &last));  // four digits from 1000 on
    EXPECT_EQ(last, "e1000");
    wxArrayString back;
    orlConfig::ReadStringArray(*store, "Long", back);
    EXPECT_EQ(back.size(), 1000u);
}

TEST(orlConfig, ReadingAListStopsAtTheFirstGapAndLeavesAMissingListAlone) {
    struct Case {
        const char* what;
        const char* text;
        List expected;
    };
    const Case cases[] = {
        {"a gap ends the list", "[L]\n001=a\n002=b\n004=d\n", {"a", "b"}},
        {"no group: the list stays as it was", "[Other]\n001=x\n", {"old"}},
        {"a group without 001 empties the list", "[L]\n002=b\n", {}},
        {"values keep spaces, backslashes and quotes",
         "[L]\n001=\" two spaces  \"\n002=back\\\\slash\n003=say \\\"hi\\\"\n",
         {" two spaces  ", "back\\slash", "say \"hi\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto store = memorystore::FromText(c.text);
        wxArrayString list;
        list.Add("old");
        orlConfig::ReadStringArray(*store, "L", list);
        EXPECT_EQ(Strings(list), c.expected);
    }
}

TEST(orlConfig, NumbersAreTakenOnlyWhenWholeAndInRange) {
    struct Case {
        const char* stored;
        int expected;  // the value after reading over 7
    };
    const Case cases[] = {
        {"42", 42},
        {"-5", -5},
        {" 12 ", 12},
        {"abc", 7},
        {"12abc", 7},
        {"", 7},
        {"2147483647", 2147483647},
        {"2147483648", 7},
        {"-2147483649", 7},
        {"99999999999999999999", 7},
        {"1.5", 7},
    };
    for (const Case& c : cases) {
        auto store = memorystore::FromText(wxString("Value=") + c.stored + "\n");
        int value = 7;
        orlConfig::ReadInt(*store, "Value", value);
        EXPECT_EQ(value, c.expected) << c.stored;
    }
    auto missing = memorystore::FromText("");
    int value = 7;
    orlConfig::ReadInt(*missing, "Value", value);
    EXPECT_EQ(value, 7);
}

TEST(orlConfig, BoundedNumbersOutsideTheirRangeAreIgnored) {
    for (const char* stored : {"3", "0", "-1", "x"}) {
        auto store = memorystore::FromText(wxString("Level=") + stored + "\n");
        int level = 2;
        orlConfig::ReadIntRange(*store, "Level", level, 1, 2);
        EXPECT_EQ(level, 2) << stored;
    }
    auto store = memorystore::FromText("Level=1\n");
    int level = 2;
    orlConfig::ReadIntRange(*store, "Level", level, 1, 2);
    EXPECT_EQ(level, 1);
}

TEST(orlConfig, BooleansAreNumbersOrTheWordsTrueAndFalse) {
    struct Case {
        const char* stored;
        bool before;
        bool after;
    };
    const Case cases[] = {{"1", false, true},    {"0", true, false},     {"2", false, true},
                          {"true", false, true}, {"FALSE", true, false}, {"yes?", true, true},
                          {"", false, false}};
    for (const Case& c : cases) {
        auto store = memorystore::FromText(wxString("Flag=") + c.stored + "\n");
        bool flag = c.before;
        orlConfig::ReadBool(*store, "Flag", flag);
        EXPECT_EQ(flag, c.after) << c.stored;
    }
    auto store = memorystore::FromText("");
    ASSERT_TRUE(orlConfig::WriteBool(*store, "On", true));
    ASSERT_TRUE(orlConfig::WriteBool(*store, "Off", false));
    EXPECT_EQ(memorystore::ToText(*store), "On=1\nOff=0\n");
}

TEST(orlConfig, PointsAndSizesNeedBothHalves) {
    struct Case {
        const char* text;
        wxPoint expected;
    };
    const Case cases[] = {
        {"[P]\nX=10\nY=-20\n", wxPoint(10, -20)},
        {"[P]\nX=10\n", wxPoint(1, 2)},  // no Y: x keeps its old value too
        {"[P]\nX=10\nY=abc\n", wxPoint(1, 2)},
        {"", wxPoint(1, 2)},
    };
    for (const Case& c : cases) {
        auto store = memorystore::FromText(c.text);
        wxPoint point(1, 2);
        orlConfig::ReadPoint(*store, "P", point);
        EXPECT_EQ(point, c.expected) << c.text;
    }

    auto store = memorystore::FromText("[S]\nWidth=1\nHeight=2\nStale=3\n");
    ASSERT_TRUE(orlConfig::WriteSize(*store, "S", wxSize(640, 480)));
    ASSERT_TRUE(orlConfig::WritePoint(*store, "P", wxPoint(-1, -1)));
    EXPECT_EQ(memorystore::ToText(*store), "[S]\nWidth=640\nHeight=480\n[P]\nX=-1\nY=-1\n");
    wxSize size;
    orlConfig::ReadSize(*store, "S", size);
    EXPECT_EQ(size, wxSize(640, 480));
}

TEST(orlConfig, ColoursAreOneNumberOfRedGreenAndBlue) {
    auto store = memorystore::FromText("Red=16711680\n");
    wxColour colour(*wxBLUE);
    orlConfig::ReadColour(*store, "Red", colour);
    EXPECT_EQ(colour, wxColour(255, 0, 0, 255));

    ASSERT_TRUE(orlConfig::WriteColour(*store, "Mixed", wxColour(0x12, 0x34, 0x56)));
    long stored = 0;
    EXPECT_TRUE(store->Read("Mixed", &stored));
    EXPECT_EQ(stored, 0x123456);
}

TEST(orlConfig, FontsRoundTripAndUnusableStoredFontsAreIgnored) {
    auto store = memorystore::FromText("");
    const wxFont written(wxFontInfo(13).Family(wxFONTFAMILY_MODERN).FaceName("Monospace").Bold());
    ASSERT_TRUE(written.IsOk());
    ASSERT_TRUE(orlConfig::WriteFont(*store, "F", written));
    wxFont read;
    orlConfig::ReadFont(*store, "F", read);
    ASSERT_TRUE(read.IsOk());
    EXPECT_EQ(read.GetPointSize(), 13);
    EXPECT_EQ(read.GetFaceName(), "Monospace");
    EXPECT_EQ(read.GetWeight(), wxFONTWEIGHT_BOLD);
    long weight = 0;
    EXPECT_TRUE(store->Read("F/Weight", &weight));
    EXPECT_EQ(weight, 92);  // the stored weights are the classic 90, 91 and 92

    const wxString good =
        "[F]\nPointSize=11\nFamily=74\nStyle=90\nWeight=90\nUnderlined=0\nFaceName=Sans\n"
        "Encoding=0\n";
    struct Case {
        const char* what;
        wxString from;
        wxString to;
    };
    const Case cases[] = {
        {"empty face name", "FaceName=Sans", "FaceName="},
        {"point size 0", "PointSize=11", "PointSize=0"},
        {"negative point size", "PointSize=11", "PointSize=-3"},
        {"point size 501", "PointSize=11", "PointSize=501"},
        {"point size in the millions", "PointSize=11", "PointSize=3000000"},
        {"unknown family", "Family=74", "Family=12"},
        {"unknown style", "Style=90", "Style=1"},
        {"unknown weight", "Weight=90", "Weight=700"},
        {"missing encoding", "Encoding=0\n", ""},
        {"encoding out of range", "Encoding=0", "Encoding=99999"},
        {"underlined not a number", "Underlined=0", "Underlined=x"},
    };
    const wxFont fallback(wxFontInfo(9).FaceName("Serif"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wxString text = good;
        ASSERT_TRUE(text.Replace(c.from, c.to) == 1);
        auto damaged = memorystore::FromText(text);
        wxFont font = fallback;
        orlConfig::ReadFont(*damaged, "F", font);
        EXPECT_EQ(font, fallback);
    }
    auto intact = memorystore::FromText(good);
    wxFont font = fallback;
    orlConfig::ReadFont(*intact, "F", font);
    EXPECT_EQ(font.GetPointSize(), 11);
    EXPECT_EQ(font.GetFaceName(), "Sans");

    // An invalid font is written so that reading it back changes nothing.
    ASSERT_TRUE(orlConfig::WriteFont(*store, "Invalid", wxNullFont));
    wxFont unchanged = fallback;
    orlConfig::ReadFont(*store, "Invalid", unchanged);
    EXPECT_EQ(unchanged, fallback);
}
